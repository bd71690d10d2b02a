#include "ProfileSave.h"

#include "core/FileReplace.h"
#include "core/JsonFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>

#include <cmath>

namespace {

const QStringList RootKeys{QStringLiteral("schema"), QStringLiteral("device"), QStringLiteral("registers")};
const QStringList EntryKeys{
    QStringLiteral("register"), QStringLiteral("name"),       QStringLiteral("unit"),
    QStringLiteral("scale"),    QStringLiteral("offset"),     QStringLiteral("decimals"),
    QStringLiteral("type"),     QStringLiteral("access"),     QStringLiteral("min"),
    QStringLiteral("max"),      QStringLiteral("default"),    QStringLiteral("bits"),
    QStringLiteral("enum"),     QStringLiteral("description")};

void keepUnknown(const QJsonObject& from, const QStringList& known, QJsonObject* into) {
    for (auto it = from.begin(); it != from.end(); ++it)
        if (!known.contains(it.key())) into->insert(it.key(), it.value());
}

} // namespace

bool SaveProfile(const TDeviceProfile& profile, const QString& path, const QString& keepFrom,
                 QString* error) {
    QJsonObject root = QJsonDocument::fromJson(profile.toJson()).object();
    if (!keepFrom.isEmpty()) {
        QByteArray bytes;
        QJsonObject old;
        if (!JsonFile::read(keepFrom, &bytes, error) ||
            !JsonFile::parseObject(bytes, keepFrom, TDeviceProfile::tr("a profile"), &old, error))
            return false;
        keepUnknown(old, RootKeys, &root);
        QMap<int, QJsonObject> oldEntries;
        for (const QJsonValue& v : old.value(QLatin1String("registers")).toArray()) {
            const QJsonObject o = v.toObject();
            const double r = o.value(QLatin1String("register")).toDouble(-1);
            if (r >= 0 && r == std::floor(r)) oldEntries.insert(static_cast<int>(r), o);
        }
        QJsonArray regs = root.value(QLatin1String("registers")).toArray();
        for (qsizetype i = 0; i < regs.size(); ++i) {
            QJsonObject o = regs.at(i).toObject();
            keepUnknown(oldEntries.value(o.value(QLatin1String("register")).toInt()), EntryKeys, &o);
            regs[i] = o;
        }
        root.insert(QStringLiteral("registers"), regs);
    }
    const QByteArray json = QJsonDocument(root).toJson(QJsonDocument::Indented);
    TDeviceProfile checked;
    if (!TDeviceProfile::parse(json, path, &checked, error)) return false;
    return FileReplace::write(path, json, error);
}
