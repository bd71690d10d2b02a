#pragma once

// What the program reads as a file must be a regular file. A FIFO, socket or device named where a
// trace or a settings file is expected would stop the reading thread in open() or read() for as long
// as nobody writes to it (the GUI thread included), or have effects of its own when opened; such
// files are refused by their kind before anything opens them, and the open itself cannot wait.

#include <QString>

class QFile;

class FileCheck {
public:
    // What path is when it exists and is not a regular file ("a folder", "a FIFO (named pipe)",
    // "a socket", "a character device", "a block device"; on Windows also "a reserved device name",
    // "a device path" and "a named pipe"); empty for a regular file and for nothing at all.
    // Symbolic links are followed.
    [[nodiscard]] static QString otherKind(const QString& path);

    // Opens path for reading when it is a regular file. False with the reason otherwise: the
    // system's words ("No such file or directory", "Permission denied") or what it is instead
    // ("It is a FIFO (named pipe), not a regular file").
    [[nodiscard]] static bool openRegular(QFile& file, const QString& path, QString* reason);

    // What a Windows path names instead of a file on the disk, found from the name alone: "a device
    // path" for the device namespace (\\.\COM5, \\.\pipe\x, \\?\GLOBALROOT\...) and "a reserved
    // device name" for CON, PRN, AUX, NUL, COM1-COM9, LPT1-LPT9 (also with superscript digits),
    // CONIN$ and CONOUT$ as the last part of a path, whatever the case, the extension or trailing
    // dots and spaces ("nul.txt", "Com1 .log"); empty for any other path. Used on Windows, where
    // opening such a name reaches the device; the rule itself is plain text and holds everywhere.
    [[nodiscard]] static QString windowsDeviceKind(const QString& path);

    // True when a and b name the same file: the same file on the disk (hard links and symbolic
    // links included) or, where a file does not exist yet, the same canonical folder and name.
    [[nodiscard]] static bool sameFile(const QString& a, const QString& b);
    // The system's words for an error code (errno; GetLastError() on Windows), without a full stop.
    [[nodiscard]] static QString systemReason(unsigned long error);
};
