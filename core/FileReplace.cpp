#include "FileReplace.h"

#include "FileCheck.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <functional>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#else
#include <QRandomGenerator>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include <windows.h>
#endif

namespace {

QString writerGaveUp() {
    return QCoreApplication::translate("FileReplace", "the contents could not be made");
}

// The device a writer writes into: the temporary file, buffered in pieces of BufferBytes. Every
// failure is kept with the system's reason (a file device over a descriptor or handle can lose the
// reason of a write that was cut short).
class TemporaryFileDevice : public QIODevice {
public:
    static constexpr qsizetype BufferBytes = 64 * 1024;
    // Writes a whole piece into the file: 0, or the system's error code.
    using WriteOut = std::function<unsigned long(const char* data, qsizetype size)>;

    explicit TemporaryFileDevice(WriteOut writeOut) : m_writeOut(std::move(writeOut)) {
        open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }

    // Writes what is buffered: 0, or the system's error code of the first failure.
    [[nodiscard]] unsigned long finish() {
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
        if (const unsigned long error = m_writeOut(m_buffer.constData(), m_buffer.size()); error != 0) {
            m_error = error;
            setErrorString(FileCheck::systemReason(error));
            return false;
        }
        m_buffer.clear();
        return true;
    }

    WriteOut m_writeOut;
    unsigned long m_error = 0;
    QByteArray m_buffer;
};

} // namespace

QString FileReplace::message(const QString& path, const QString& reason) {
    return QCoreApplication::translate("FileReplace", "Cannot write %1: %2")
        .arg(QDir::toNativeSeparators(path), reason);
}

#ifdef Q_OS_UNIX

namespace {

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

// The replacement itself: empty when the file now holds what fill wrote, else the reason.
QString replace(const QString& path, const Fill& fill) {
    const QFileInfo info(path);
    const QString target = info.isSymLink() && info.exists() ? info.canonicalFilePath() : path;
    if (const QString kind = FileCheck::otherKind(target); !kind.isEmpty())
        return QCoreApplication::translate("FileCheck", "It is %1, not a regular file").arg(kind);
    const QByteArray native = QFile::encodeName(target);

    // The temporary file sits beside the original, so the rename never crosses file systems.
    const qsizetype slash = native.lastIndexOf('/');
    QByteArray temporary = native.left(slash + 1) + '.' + native.mid(slash + 1) + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) return FileCheck::systemReason(errno);
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
        if (::fchmod(fd, original.st_mode & 07777) != 0) return discard(FileCheck::systemReason(errno));
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        if (::fchmod(fd, 0666 & ~mask) != 0) return discard(FileCheck::systemReason(errno));
    }

    if (const QString reason = fill(fd); !reason.isEmpty()) return discard(reason);
    // Space is only certain once the data has reached the disk: a delayed allocation may fail here.
    if (::fsync(fd) != 0) return discard(FileCheck::systemReason(errno));
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(temporary.constData());
        return FileCheck::systemReason(error);
    }
    if (::rename(temporary.constData(), native.constData()) != 0) {
        const int error = errno;
        ::unlink(temporary.constData());
        return FileCheck::systemReason(error);
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
                                                                                   : FileCheck::systemReason(errno);
                          }),
                  error);
}

bool FileReplace::write(const QString& path, const Writer& writer, QString* error) {
    return finish(path,
                  replace(path,
                          [&writer](int fd) {
                              TemporaryFileDevice out([fd](const char* data, qsizetype size) {
                                  return writeAll(fd, data, size) ? 0UL : static_cast<unsigned long>(errno);
                              });
                              const bool made = writer(out);
                              // The device buffers: a failure of its last part shows only here.
                              if (const unsigned long failure = out.finish(); failure != 0)
                                  return FileCheck::systemReason(failure);
                              return made ? QString() : writerGaveUp();
                          }),
                  error);
}

#else

namespace {


std::wstring wide(const QString& path) {
    return QDir::toNativeSeparators(path).toStdWString();
}

// Writes a whole piece into the file: 0, or the system's error code.
DWORD writeAll(HANDLE h, const char* data, qsizetype size) {
    while (size > 0) {
        DWORD done = 0;
        const DWORD piece = static_cast<DWORD>(std::min<qsizetype>(size, 1 << 20));
        if (!WriteFile(h, data, piece, &done, nullptr) || done == 0)
            return done == 0 && GetLastError() == 0 ? ERROR_WRITE_FAULT : GetLastError();
        data += done;
        size -= done;
    }
    return 0;
}

// From the headers of Windows 10 (1607 and later), which this build does not require.
constexpr auto RenameInfoEx = static_cast<FILE_INFO_BY_HANDLE_CLASS>(22); // FileRenameInfoEx
constexpr DWORD RenameReplaceIfExists = 0x1; // FILE_RENAME_FLAG_REPLACE_IF_EXISTS
constexpr DWORD RenamePosixSemantics = 0x2;  // FILE_RENAME_FLAG_POSIX_SEMANTICS

// Renames the open temporary file over target. A reader that has the target open (another program
// showing the settings, a virus scanner) does not stop the replacement where the system can let the
// old file live on for that reader alone (POSIX semantics, Windows 10 and later on NTFS); elsewhere
// the rename is tried again for a short while, as such readers come and go.
DWORD renameOver(HANDLE h, const QString& target) {
    const std::wstring name = wide(QFileInfo(target).absoluteFilePath());
    const size_t nameBytes = name.size() * sizeof(wchar_t);
    std::vector<char> buffer(sizeof(FILE_RENAME_INFO) + nameBytes);
    auto* info = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
    info->RootDirectory = nullptr;
    info->FileNameLength = static_cast<DWORD>(nameBytes);
    std::memcpy(info->FileName, name.c_str(), nameBytes);
    // The first field is the flags with FileRenameInfoEx and ReplaceIfExists without.
    const DWORD flags = RenameReplaceIfExists | RenamePosixSemantics;
    std::memcpy(buffer.data(), &flags, sizeof flags);
    if (SetFileInformationByHandle(h, RenameInfoEx, info, static_cast<DWORD>(buffer.size()))) return 0;
    const DWORD first = GetLastError();
    std::memset(buffer.data(), 0, sizeof flags);
    info->ReplaceIfExists = TRUE;
    DWORD error = first;
    for (int attempt = 0; attempt < 20; ++attempt) {
        if (SetFileInformationByHandle(h, FileRenameInfo, info, static_cast<DWORD>(buffer.size()))) return 0;
        error = GetLastError();
        if (error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED && error != ERROR_LOCK_VIOLATION)
            break;
        Sleep(50);
    }
    return error;
}

bool saveWith(const QString& path, const FileReplace::Writer& writer, QString* error) {
    const auto fail = [&](const QString& reason) {
        if (error) *error = FileReplace::message(path, reason);
        return false;
    };
    const QFileInfo info(path);
    const QString target = info.isSymbolicLink() && info.exists() ? info.canonicalFilePath() : path;
    if (const QString kind = FileCheck::otherKind(target); !kind.isEmpty())
        return fail(QCoreApplication::translate("FileCheck", "It is %1, not a regular file").arg(kind));
    // The temporary file sits beside the original, so the rename never crosses volumes.
    const QFileInfo targetInfo(target);
    HANDLE h = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 100 && h == INVALID_HANDLE_VALUE; ++attempt) {
        const QString temporary = targetInfo.absolutePath() + QStringLiteral("/.") + targetInfo.fileName() +
                                  QLatin1Char('.') +
                                  QString::number(QRandomGenerator::global()->bounded(0x1000000), 36);
        h = CreateFileW(wide(temporary).c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
                        FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS)
            return fail(FileCheck::systemReason(GetLastError()));
    }
    if (h == INVALID_HANDLE_VALUE) return fail(FileCheck::systemReason(ERROR_FILE_EXISTS));
    const auto discard = [&](const QString& reason) {
        FILE_DISPOSITION_INFO gone{};
        gone.DeleteFile = TRUE;
        (void)SetFileInformationByHandle(h, FileDispositionInfo, &gone, sizeof gone);
        CloseHandle(h);
        return fail(reason);
    };
    bool made = false;
    {
        TemporaryFileDevice out([h](const char* data, qsizetype size) { return writeAll(h, data, size); });
        made = writer(out);
        // The device buffers: a failure of its last part shows only here.
        if (const unsigned long failure = out.finish(); failure != 0)
            return discard(FileCheck::systemReason(failure));
    }
    if (!made) return discard(writerGaveUp());
    // Space is only certain once the data has reached the disk.
    if (!FlushFileBuffers(h)) return discard(FileCheck::systemReason(GetLastError()));
    if (const DWORD failure = renameOver(h, target); failure != 0) return discard(FileCheck::systemReason(failure));
    CloseHandle(h);
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
