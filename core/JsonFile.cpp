#include "JsonFile.h"

#include "FileCheck.h"

#include <QFile>
#include <QJsonDocument>

#include <algorithm>

bool JsonFile::read(const QString& path, QByteArray* bytes, QString* error) {
    QFile f;
    QString why;
    if (!FileCheck::openRegular(f, path, &why)) {
        *error = QStringLiteral("%1: %2").arg(path, why);
        return false;
    }
    if (f.size() > MaxSize) {
        *error = QStringLiteral("%1: %2 bytes is too large for this file").arg(path).arg(f.size());
        return false;
    }
    *bytes = f.readAll();
    return true;
}

bool JsonFile::parseObject(const QByteArray& json, const QString& fileName, const QString& what, QJsonObject* object,
                           QString* error) {
    QJsonParseError pe;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &pe);
    if (pe.error != QJsonParseError::NoError) {
        const int offset = std::clamp(pe.offset, 0, static_cast<int>(json.size()));
        const QByteArray before = json.left(offset);
        *error = QStringLiteral("%1: line %2, column %3: %4")
                     .arg(fileName)
                     .arg(before.count('\n') + 1)
                     .arg(offset - static_cast<int>(before.lastIndexOf('\n')))
                     .arg(pe.errorString());
        return false;
    }
    if (!doc.isObject()) {
        *error = QStringLiteral("%1: %2 is a JSON object").arg(fileName, what);
        return false;
    }
    *object = doc.object();
    return true;
}
