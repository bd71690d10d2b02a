#include "FileCheck.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#elif defined(Q_OS_WIN)
#include <windows.h>
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
    if (S_ISDIR(mode)) return QCoreApplication::translate("FileCheck", "a folder");
    if (S_ISFIFO(mode)) return QCoreApplication::translate("FileCheck", "a FIFO (named pipe)");
    if (S_ISSOCK(mode)) return QCoreApplication::translate("FileCheck", "a socket");
    if (S_ISCHR(mode)) return QCoreApplication::translate("FileCheck", "a character device");
    if (S_ISBLK(mode)) return QCoreApplication::translate("FileCheck", "a block device");
    return QCoreApplication::translate("FileCheck", "a special file");
}

#endif

QString notRegular(const QString& kind) {
    return QCoreApplication::translate("FileCheck", "It is %1, not a regular file").arg(kind);
}

} // namespace

QString FileCheck::windowsDeviceKind(const QString& path) {
    QString p = path;
    p.replace(QLatin1Char('/'), QLatin1Char('\\'));
    if (p.startsWith(QLatin1String("\\\\.\\")))
        return QCoreApplication::translate("FileCheck", "a device path");
    if (p.startsWith(QLatin1String("\\\\?\\"))) {
        // \\?\C:\... and \\?\UNC\server\... are files; the rest of that namespace is not.
        const QString rest = p.mid(4);
        const bool drive = rest.size() >= 3 && rest.at(0).isLetter() && rest.at(1) == QLatin1Char(':') &&
                           rest.at(2) == QLatin1Char('\\');
        if (!drive && !rest.startsWith(QLatin1String("UNC\\"), Qt::CaseInsensitive))
            return QCoreApplication::translate("FileCheck", "a device path");
    }
    QString name = p.mid(p.lastIndexOf(QLatin1Char('\\')) + 1);
    if (name.size() >= 2 && name.at(1) == QLatin1Char(':') && name.at(0).isLetter()) name = name.mid(2);
    // "NUL:", a stream ("CON:x") and an extension ("nul.txt") still name the device; so do trailing
    // spaces before them ("COM1 .log").
    const qsizetype cut = name.indexOf(QRegularExpression(QStringLiteral("[.:]")));
    if (cut >= 0) name.truncate(cut);
    while (name.endsWith(QLatin1Char(' ')))
        name.chop(1);
    name = name.toUpper();
    static const QStringList fixed = {QStringLiteral("CON"),    QStringLiteral("PRN"),
                                      QStringLiteral("AUX"),    QStringLiteral("NUL"),
                                      QStringLiteral("CONIN$"), QStringLiteral("CONOUT$")};
    if (fixed.contains(name)) return QCoreApplication::translate("FileCheck", "a reserved device name");
    if (name.size() == 4 &&
        (name.startsWith(QLatin1String("COM")) || name.startsWith(QLatin1String("LPT")))) {
        const QChar digit = name.at(3);
        if ((digit >= QLatin1Char('1') && digit <= QLatin1Char('9')) || digit == QChar(0x00B9) ||
            digit == QChar(0x00B2) || digit == QChar(0x00B3))
            return QCoreApplication::translate("FileCheck", "a reserved device name");
    }
    return {};
}

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
        return fail(kind.isEmpty() ? QCoreApplication::translate(
                                         "FileCheck", "It is no longer a regular file, not a regular file")
                                   : notRegular(kind));
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

#elif defined(Q_OS_WIN)

namespace {

// A handle for looking at what a name is, without reading it and without waiting on it.
HANDLE openForLook(const QString& path) {
    return CreateFileW(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(path).utf16()), 0,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                       FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}


} // namespace

QString FileCheck::otherKind(const QString& path) {
    if (path.isEmpty()) return {};
    // Reserved names and the device namespace are never opened, not even to look.
    if (const QString kind = windowsDeviceKind(path); !kind.isEmpty()) return kind;
    const HANDLE h = openForLook(path);
    if (h == INVALID_HANDLE_VALUE) return {};
    QString kind;
    switch (GetFileType(h)) {
    case FILE_TYPE_DISK: {
        BY_HANDLE_FILE_INFORMATION info{};
        if (GetFileInformationByHandle(h, &info) && (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
            kind = QCoreApplication::translate("FileCheck", "a folder");
        break;
    }
    case FILE_TYPE_PIPE:
        kind = QCoreApplication::translate("FileCheck", "a named pipe");
        break;
    case FILE_TYPE_CHAR:
        kind = QCoreApplication::translate("FileCheck", "a character device");
        break;
    default:
        kind = QCoreApplication::translate("FileCheck", "a special file");
        break;
    }
    CloseHandle(h);
    return kind;
}

bool FileCheck::openRegular(QFile& file, const QString& path, QString* reason) {
    const auto fail = [reason](const QString& why) {
        if (reason) *reason = why;
        return false;
    };
    if (path.isEmpty()) return fail(systemReason(ERROR_FILE_NOT_FOUND));
    if (const QString kind = otherKind(path); !kind.isEmpty()) return fail(notRegular(kind));
    file.close();
    file.setFileName(path);
    if (file.open(QIODevice::ReadOnly)) return true;
    return fail(file.errorString());
}

bool FileCheck::sameFile(const QString& a, const QString& b) {
    if (a.isEmpty() || b.isEmpty()) return false;
    // The same file on the disk: the same volume and file index (hard links included).
    const HANDLE ha = windowsDeviceKind(a).isEmpty() ? openForLook(a) : INVALID_HANDLE_VALUE;
    const HANDLE hb = windowsDeviceKind(b).isEmpty() ? openForLook(b) : INVALID_HANDLE_VALUE;
    BY_HANDLE_FILE_INFORMATION ia{};
    BY_HANDLE_FILE_INFORMATION ib{};
    const bool known = ha != INVALID_HANDLE_VALUE && hb != INVALID_HANDLE_VALUE &&
                       GetFileInformationByHandle(ha, &ia) && GetFileInformationByHandle(hb, &ib);
    if (ha != INVALID_HANDLE_VALUE) CloseHandle(ha);
    if (hb != INVALID_HANDLE_VALUE) CloseHandle(hb);
    if (known)
        return ia.dwVolumeSerialNumber == ib.dwVolumeSerialNumber && ia.nFileIndexHigh == ib.nFileIndexHigh &&
               ia.nFileIndexLow == ib.nFileIndexLow;
    return canonicalOrPlanned(a).compare(canonicalOrPlanned(b), Qt::CaseInsensitive) == 0;
}

#else

QString FileCheck::otherKind(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists() || info.isFile()) return {};
    return info.isDir() ? QCoreApplication::translate("FileCheck", "a folder")
                        : QCoreApplication::translate("FileCheck", "not a regular file");
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

#ifdef Q_OS_UNIX
QString FileCheck::systemReason(unsigned long error) {
    return QString::fromLocal8Bit(std::strerror(static_cast<int>(error)));
}
#else
QString FileCheck::systemReason(unsigned long error) {
    wchar_t* text = nullptr;
    const DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                       FORMAT_MESSAGE_IGNORE_INSERTS,
                                   nullptr, static_cast<DWORD>(error), 0, reinterpret_cast<wchar_t*>(&text), 0,
                                   nullptr);
    QString reason = n > 0 ? QString::fromWCharArray(text, static_cast<qsizetype>(n)).trimmed()
                           : QCoreApplication::translate("FileCheck", "error %1").arg(error);
    if (text != nullptr) LocalFree(text);
    while (reason.endsWith(QLatin1Char('.')))
        reason.chop(1);
    return reason;
}
#endif
