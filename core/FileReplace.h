#pragma once

// The one way the program writes a file: the whole new contents, or the file left as it was.
// Settings (IniFile), the trend's CSV and PNG, the statistics file of unattended runs and every
// file written later go through here.
//
//   QString error;
//   if (!FileReplace::write(path, json.toJson(), &error)) tellTheUser(error);
//   if (!FileReplace::write(path, [&](QIODevice& out) { return picture.save(&out, "PNG"); }, &error))
//       tellTheUser(error);
//
// - The contents go to a temporary file beside the target (".NAME.XXXXXX" in the same folder),
//   which is written, flushed, synced to the disk and closed with every step checked, and only then
//   renamed over the target. A full disk, a quota, a read-only file or folder, a vanished folder or
//   a writer that gives up leave the target byte for byte as it was (or still missing) and no
//   temporary file behind.
// - On failure *error says which file and why, in the system's words:
//   "Cannot write /home/u/trend.csv: No space left on device".
// - A symbolic link is followed: the file it names is replaced, the link stays. A target that is
//   no regular file (a folder, FIFO, socket or device) is refused and never touched.
// - The new file keeps the target's permissions (and owner, where the process may set it); a new
//   file gets 0666 less the umask.
// - On Windows the temporary file (".NAME.<random>") is flushed to the disk (FlushFileBuffers) and
//   renamed over the target through its own handle. A reader that has the target open does not stop
//   it where the system allows POSIX renames (Windows 10 and later on NTFS: the reader keeps the old
//   file); elsewhere the rename is tried again for about a second, for readers that come and go
//   (virus scanners, indexers), and then fails with the system's reason, the target untouched. The
//   new file takes the folder's permissions.
// - It works in the calling thread and returns once the data is on the disk. Meant for files that
//   are written whole (settings, saves the user asks for); a stream that grows, like a trace
//   recording, appends on a thread of its own instead.

#include <QByteArray>
#include <QString>

#include <functional>

class QIODevice;

class FileReplace {
public:
    // Writes the whole contents into out, a sequential device (no seek; PNG, JSON, CSV and text
    // need none) that buffers and is flushed and checked after the writer returns. False when it
    // could not: the device's error, if it has one, is the reason given.
    using Writer = std::function<bool(QIODevice& out)>;

    // True when the file at path now holds exactly bytes.
    [[nodiscard]] static bool write(const QString& path, const QByteArray& bytes, QString* error = nullptr);
    // True when the file at path now holds exactly what writer wrote.
    [[nodiscard]] static bool write(const QString& path, const Writer& writer, QString* error = nullptr);

    // The text of a failed write: "Cannot write <file>: <reason>" (for checks of the caller's own).
    [[nodiscard]] static QString message(const QString& path, const QString& reason);
};
