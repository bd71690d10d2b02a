#pragma once

// Files that are no regular files, for the tests of what must refuse them without opening them.

#include <QFile>
#include <QStringList>

#ifdef Q_OS_WIN

// Windows has none of these to make under a chosen name (its device names and pipes are refused by
// name: tests/core/tst_filecheck.cpp).
inline const QStringList NonRegularFileKinds = {};
[[nodiscard]] inline bool MakeNonRegularFile(const QString&, const QString&) {
    return false;
}

#else

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

// The kinds MakeNonRegularFile makes, as the program names them.
inline const QStringList NonRegularFileKinds = {"a FIFO (named pipe)", "a socket", "a character device",
                                             "a block device"};

// Makes a file of that kind at path; false when this machine does not let the test make it.
[[nodiscard]] inline bool MakeNonRegularFile(const QString& kind, const QString& path) {
    const QByteArray native = QFile::encodeName(path);
    if (kind == NonRegularFileKinds[0]) return ::mkfifo(native.constData(), 0644) == 0;
    if (kind == NonRegularFileKinds[2]) return ::symlink("/dev/null", native.constData()) == 0; // followed
    if (kind == NonRegularFileKinds[3]) return ::mknod(native.constData(), S_IFBLK | 0600, makedev(7, 0)) == 0;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (native.size() >= qsizetype(sizeof address.sun_path)) return false;
    std::memcpy(address.sun_path, native.constData(), static_cast<size_t>(native.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const bool bound = fd >= 0 && ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    if (fd >= 0) ::close(fd); // the socket file stays
    return bound;
}

#endif
