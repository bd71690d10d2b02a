#include "FileReplace.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#else
#include <QSaveFile>
#endif

#ifdef Q_OS_UNIX

namespace {

QString systemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

bool writeAll(int fd, const char* data, qsizetype size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, static_cast<size_t>(size));
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (n == 0) {
            errno = EIO;
            return false;
        }
        data += n;
        size -= n;
    }
    return true;
}

} // namespace

bool ReplaceFileContents(const QString& path, const QByteArray& bytes, QString* why) {
    const QFileInfo info(path);
    const QString target = info.isSymLink() && info.exists() ? info.canonicalFilePath() : path;
    const QByteArray native = QFile::encodeName(target);
    const auto fail = [why](int error) {
        if (why) *why = systemReason(error);
        return false;
    };

    // The temporary file sits beside the original, so the rename never crosses file systems.
    const qsizetype slash = native.lastIndexOf('/');
    QByteArray temporary = native.left(slash + 1) + '.' + native.mid(slash + 1) + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) return fail(errno);
    const auto discard = [&](int error) {
        ::close(fd);
        ::unlink(temporary.constData());
        return fail(error);
    };

    // The new file keeps the original's permissions (and owner, where we may set it); a new file
    // gets what the process's umask allows.
    struct stat original {};
    if (::stat(native.constData(), &original) == 0) {
        (void)::fchown(fd, original.st_uid, original.st_gid);
        if (::fchmod(fd, original.st_mode & 07777) != 0) return discard(errno);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        if (::fchmod(fd, 0666 & ~mask) != 0) return discard(errno);
    }

    if (!writeAll(fd, bytes.constData(), bytes.size())) return discard(errno);
    // Space is only certain once the data has reached the disk: a delayed allocation may fail here.
    if (::fsync(fd) != 0) return discard(errno);
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(temporary.constData());
        return fail(error);
    }
    if (::rename(temporary.constData(), native.constData()) != 0) {
        const int error = errno;
        ::unlink(temporary.constData());
        return fail(error);
    }
    // The rename itself reaches the disk with the folder.
    const QByteArray folder = slash > 0 ? native.left(slash) : QByteArray(slash == 0 ? "/" : ".");
    const int dirFd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY);
    if (dirFd >= 0) {
        (void)::fsync(dirFd);
        ::close(dirFd);
    }
    return true;
}

#else

bool ReplaceFileContents(const QString& path, const QByteArray& bytes, QString* why) {
    QSaveFile save(path);
    save.setDirectWriteFallback(false);
    const auto fail = [&](const QString& reason) {
        if (why) *why = reason;
        save.cancelWriting();
        return false;
    };
    if (!save.open(QIODevice::WriteOnly)) return fail(save.errorString());
    // The save file buffers: a failure of the last buffered part shows only in flush().
    if (save.write(bytes) != bytes.size() || !save.flush()) return fail(save.errorString());
    if (!save.commit()) {
        if (why) *why = save.errorString();
        return false;
    }
    return true;
}

#endif
