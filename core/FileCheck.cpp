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
#endif

namespace {

// The canonical form of a path whose file may not exist yet: its folder's canonical path and name.
QString canonicalOrPlanned(const QString& path) {
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    if (!canonical.isEmpty()) return canonical;
    const QString folder = info.absoluteDir().canonicalPath();
    return folder.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : folder + u'/' + info.fileName();
}

#ifdef Q_OS_UNIX

QString kindOf(mode_t mode) {
    if (S_ISREG(mode)) return {};
    if (S_ISDIR(mode)) return QStringLiteral("a folder");
    if (S_ISFIFO(mode)) return QStringLiteral("a FIFO (named pipe)");
    if (S_ISSOCK(mode)) return QStringLiteral("a socket");
    if (S_ISCHR(mode)) return QStringLiteral("a character device");
    if (S_ISBLK(mode)) return QStringLiteral("a block device");
    return QStringLiteral("a special file");
}

QString systemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

#endif

QString notRegular(const QString& kind) {
    return QStringLiteral("It is %1, not a regular file").arg(kind);
}

} // namespace

#ifdef Q_OS_UNIX

QString FileCheck::otherKind(const QString& path) {
    struct stat st {};
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &st) != 0) return {};
    return kindOf(st.st_mode);
}

bool FileCheck::openRegular(QFile& file, const QString& path, QString* reason) {
    const auto fail = [reason](const QString& why) {
        if (reason) *reason = why;
        return false;
    };
    const QByteArray native = QFile::encodeName(path);
    struct stat st {};
    if (path.isEmpty()) return fail(systemReason(ENOENT));
    if (::stat(native.constData(), &st) != 0) return fail(systemReason(errno));
    if (!S_ISREG(st.st_mode)) return fail(notRegular(kindOf(st.st_mode)));
    // Without waiting, whatever the name has become since the look above; then the look again on
    // what was opened.
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return fail(systemReason(errno));
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        const QString kind = kindOf(st.st_mode);
        ::close(fd);
        return fail(notRegular(kind.isEmpty() ? QStringLiteral("no longer a regular file") : kind));
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0) (void)::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    file.close();
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return fail(file.errorString());
    }
    return true;
}

bool FileCheck::sameFile(const QString& a, const QString& b) {
    if (a.isEmpty() || b.isEmpty()) return false;
    struct stat sa {};
    struct stat sb {};
    if (::stat(QFile::encodeName(a).constData(), &sa) == 0 &&
        ::stat(QFile::encodeName(b).constData(), &sb) == 0)
        return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
    return canonicalOrPlanned(a) == canonicalOrPlanned(b);
}

#else

QString FileCheck::otherKind(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists() || info.isFile()) return {};
    return info.isDir() ? QStringLiteral("a folder") : QStringLiteral("not a regular file");
}

bool FileCheck::openRegular(QFile& file, const QString& path, QString* reason) {
    if (const QString kind = otherKind(path); !kind.isEmpty()) {
        if (reason) *reason = notRegular(kind);
        return false;
    }
    file.close();
    file.setFileName(path);
    if (file.open(QIODevice::ReadOnly)) return true;
    if (reason) *reason = file.errorString();
    return false;
}

bool FileCheck::sameFile(const QString& a, const QString& b) {
    if (a.isEmpty() || b.isEmpty()) return false;
    return canonicalOrPlanned(a).compare(canonicalOrPlanned(b), Qt::CaseInsensitive) == 0;
}

#endif
