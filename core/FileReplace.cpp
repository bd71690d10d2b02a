#include "FileReplace.h"

#include "FileCheck.h"

#include <QDir>
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

namespace {

const QString WriterGaveUp = QStringLiteral("the contents could not be made");

} // namespace

QString FileReplace::message(const QString& path, const QString& reason) {
    return QStringLiteral("Cannot write %1: %2").arg(QDir::toNativeSeparators(path), reason);
}

#ifdef Q_OS_UNIX

namespace {

QString systemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// Fills the temporary file; empty when it did, else the reason.
using Fill = std::function<QString(int fd)>;

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

// The device a writer writes into: the temporary file, buffered in pieces of BufferBytes. Every
// failure is kept with the system's reason (QFile over a descriptor can lose the reason of a write
// that was cut short).
class TemporaryFileDevice : public QIODevice {
public:
    static constexpr qsizetype BufferBytes = 64 * 1024;

    explicit TemporaryFileDevice(int fd) : m_fd(fd) { open(QIODevice::WriteOnly | QIODevice::Unbuffered); }

    // Writes what is buffered: 0, or the errno of the first failure.
    [[nodiscard]] int finish() {
        if (m_error == 0) (void)drain();
        return m_error;
    }
    [[nodiscard]] bool isSequential() const override { return true; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override {
        if (m_error != 0) return -1;
        m_buffer.append(data, size);
        if (m_buffer.size() >= BufferBytes && !drain()) return -1;
        return size;
    }

private:
    bool drain() {
        if (!writeAll(m_fd, m_buffer.constData(), m_buffer.size())) {
            m_error = errno;
            setErrorString(systemReason(m_error));
            return false;
        }
        m_buffer.clear();
        return true;
    }

    int m_fd;
    int m_error = 0;
    QByteArray m_buffer;
};

// The replacement itself: empty when the file now holds what fill wrote, else the reason.
QString replace(const QString& path, const Fill& fill) {
    const QFileInfo info(path);
    const QString target = info.isSymLink() && info.exists() ? info.canonicalFilePath() : path;
    if (const QString kind = FileCheck::otherKind(target); !kind.isEmpty())
        return QStringLiteral("It is %1, not a regular file").arg(kind);
    const QByteArray native = QFile::encodeName(target);

    // The temporary file sits beside the original, so the rename never crosses file systems.
    const qsizetype slash = native.lastIndexOf('/');
    QByteArray temporary = native.left(slash + 1) + '.' + native.mid(slash + 1) + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) return systemReason(errno);
    const auto discard = [&](const QString& reason) {
        ::close(fd);
        ::unlink(temporary.constData());
        return reason;
    };

    // The new file keeps the original's permissions (and owner, where we may set it); a new file
    // gets what the process's umask allows.
    struct stat original {};
    if (::stat(native.constData(), &original) == 0) {
        (void)::fchown(fd, original.st_uid, original.st_gid);
        if (::fchmod(fd, original.st_mode & 07777) != 0) return discard(systemReason(errno));
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        if (::fchmod(fd, 0666 & ~mask) != 0) return discard(systemReason(errno));
    }

    if (const QString reason = fill(fd); !reason.isEmpty()) return discard(reason);
    // Space is only certain once the data has reached the disk: a delayed allocation may fail here.
    if (::fsync(fd) != 0) return discard(systemReason(errno));
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(temporary.constData());
        return systemReason(error);
    }
    if (::rename(temporary.constData(), native.constData()) != 0) {
        const int error = errno;
        ::unlink(temporary.constData());
        return systemReason(error);
    }
    // The rename itself reaches the disk with the folder.
    const QByteArray folder = slash > 0 ? native.left(slash) : QByteArray(slash == 0 ? "/" : ".");
    const int dirFd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        (void)::fsync(dirFd);
        ::close(dirFd);
    }
    return {};
}

bool finish(const QString& path, const QString& reason, QString* error) {
    if (reason.isEmpty()) return true;
    if (error) *error = FileReplace::message(path, reason);
    return false;
}

} // namespace

bool FileReplace::write(const QString& path, const QByteArray& bytes, QString* error) {
    return finish(path,
                  replace(path,
                          [&bytes](int fd) {
                              return writeAll(fd, bytes.constData(), bytes.size()) ? QString()
                                                                                   : systemReason(errno);
                          }),
                  error);
}

bool FileReplace::write(const QString& path, const Writer& writer, QString* error) {
    return finish(path,
                  replace(path,
                          [&writer](int fd) {
                              TemporaryFileDevice out(fd);
                              const bool made = writer(out);
                              // The device buffers: a failure of its last part shows only here.
                              if (const int failure = out.finish(); failure != 0)
                                  return systemReason(failure);
                              return made ? QString() : WriterGaveUp;
                          }),
                  error);
}

#else

namespace {

bool saveWith(const QString& path, const FileReplace::Writer& writer, QString* error) {
    const auto fail = [&](const QString& reason) {
        if (error) *error = FileReplace::message(path, reason);
        return false;
    };
    if (const QString kind = FileCheck::otherKind(path); !kind.isEmpty())
        return fail(QStringLiteral("It is %1, not a regular file").arg(kind));
    QSaveFile save(path);
    save.setDirectWriteFallback(false);
    if (!save.open(QIODevice::WriteOnly)) return fail(save.errorString());
    // The save file buffers: a failure of the last buffered part shows only in flush().
    const bool made = writer(save);
    if (!save.flush() || save.error() != QFileDevice::NoError) {
        const QString reason = save.errorString();
        save.cancelWriting();
        return fail(reason);
    }
    if (!made) {
        save.cancelWriting();
        return fail(WriterGaveUp);
    }
    if (!save.commit()) return fail(save.errorString());
    return true;
}

} // namespace

bool FileReplace::write(const QString& path, const QByteArray& bytes, QString* error) {
    return saveWith(
        path, [&bytes](QIODevice& out) { return out.write(bytes) == bytes.size(); }, error);
}

bool FileReplace::write(const QString& path, const Writer& writer, QString* error) {
    return saveWith(path, writer, error);
}

#endif
