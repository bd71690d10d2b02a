#pragma once

// The small JSON files of the program (device profiles, parameter sets): read whole from a regular
// file of bounded size, parsed into an object, every failure one message that names the file and,
// for a syntax error, the line and column.

#include <QByteArray>
#include <QJsonObject>
#include <QString>

namespace JsonFile {

inline constexpr qint64 MaxSize = 4 * 1024 * 1024;

// The bytes of a regular file of at most MaxSize bytes; false with "PATH: reason" otherwise.
[[nodiscard]] bool read(const QString& path, QByteArray* bytes, QString* error);

// The top-level object of a JSON text; false with "FILE: line L, column C: what" or
// "FILE: <what> is a JSON object" otherwise.
[[nodiscard]] bool parseObject(const QByteArray& json, const QString& fileName, const QString& what,
                               QJsonObject* object, QString* error);

} // namespace JsonFile
