#pragma once

// Replaces a file's whole contents or leaves it as it was: the bytes go to a temporary file in the
// same folder, which is written, synced and closed with every step checked, and only then renamed
// over the original. A full disk, a quota, a read-only folder or a vanished folder leave the
// original byte for byte and say why in the system's words ("No space left on device").

#include <QByteArray>
#include <QString>

// True when the file now holds exactly `bytes`; otherwise false with the reason in `why`.
// A symbolic link is followed: the file it names is replaced, the link stays.
[[nodiscard]] bool ReplaceFileContents(const QString& path, const QByteArray& bytes, QString* why);
