#include "JsonFile.h"

#include "FileCheck.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <QSet>

#include <algorithm>
#include <vector>

namespace {

// What the JSON parser takes silently and these files must not hold: a key twice in one object
// (the parser keeps the last, so a profile would quietly lose an entry) and a NUL character in a
// text (names end there in C and on the screen). The text is valid JSON already. false with
// "FILE: line L: what" otherwise.
bool checkKeysAndTexts(const QByteArray& json, const QString& fileName, QString* error) {
    struct Level {
        bool object = false;
        bool expectKey = false;
        QSet<QString> keys;
    };
    std::vector<Level> levels;
    int line = 1;
    const qsizetype n = json.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char c = json.at(i);
        switch (c) {
        case '\n':
            ++line;
            break;
        case '{':
        case '[':
            levels.push_back(Level{c == '{', c == '{', {}});
            break;
        case '}':
        case ']':
            if (!levels.empty()) levels.pop_back();
            break;
        case ',':
            if (!levels.empty() && levels.back().object) levels.back().expectKey = true;
            break;
        case '"': {
            const int startLine = line;
            QString text;
            bool nul = false;
            for (++i; i < n && json.at(i) != '"'; ++i) {
                char d = json.at(i);
                if (d == '\\' && i + 1 < n) {
                    d = json.at(++i);
                    if (d == 'u' && i + 4 < n) {
                        bool ok = false;
                        const ushort unit = json.mid(i + 1, 4).toUShort(&ok, 16);
                        i += 4;
                        nul = nul || (ok && unit == 0);
                        text += QChar(unit);
                        continue;
                    }
                    const char* plain = "\"\"\\\\//b\bf\fn\nr\rt\t";
                    for (int k = 0; plain[k] != '\0'; k += 2)
                        if (plain[k] == d) {
                            d = plain[k + 1];
                            break;
                        }
                }
                nul = nul || d == '\0';
                text += QLatin1Char(d); // compared as written: only equality matters here
            }
            if (nul) {
                *error = QCoreApplication::translate("JsonFile", "%1: line %2: a text holds a NUL character")
                             .arg(fileName)
                             .arg(startLine);
                return false;
            }
            if (!levels.empty() && levels.back().expectKey) {
                Level& level = levels.back();
                level.expectKey = false;
                if (level.keys.contains(text)) {
                    *error = QCoreApplication::translate(
                                 "JsonFile", "%1: line %2: the key \"%3\" appears twice in one object")
                                 .arg(fileName)
                                 .arg(startLine)
                                 .arg(text);
                    return false;
                }
                level.keys.insert(text);
            }
            break;
        }
        default:
            break;
        }
    }
    return true;
}

} // namespace

bool JsonFile::read(const QString& path, QByteArray* bytes, QString* error) {
    QFile f;
    QString why;
    if (!FileCheck::openRegular(f, path, &why)) {
        *error = QStringLiteral("%1: %2").arg(path, why);
        return false;
    }
    if (f.size() > MaxSize) {
        *error = QCoreApplication::translate("JsonFile", "%1: %2 bytes is too large for this file")
                     .arg(path)
                     .arg(f.size());
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
        *error = QCoreApplication::translate("JsonFile", "%1: line %2, column %3: %4")
                     .arg(fileName)
                     .arg(before.count('\n') + 1)
                     .arg(offset - static_cast<int>(before.lastIndexOf('\n')))
                     .arg(pe.errorString());
        return false;
    }
    if (!doc.isObject()) {
        *error = QCoreApplication::translate("JsonFile", "%1: %2 is a JSON object").arg(fileName, what);
        return false;
    }
    if (!checkKeysAndTexts(json, fileName, error)) return false;
    *object = doc.object();
    return true;
}
