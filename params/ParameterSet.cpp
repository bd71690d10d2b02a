#include "ParameterSet.h"

#include "core/FileReplace.h"
#include "core/JsonFile.h"
#include "core/Registers.h"
#include "session/DeviceSession.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>


QList<int> TParameterSet::defaultRegisters(const TDeviceProfile* profile) {
    QList<int> out;
    if (profile != nullptr && !profile->isEmpty()) {
        for (const TRegisterInfo& r : profile->registers())
            if (!r.readOnly()) out << r.Register;
        return out;
    }
    for (int r = 0; r < RegisterCount; ++r)
        out << r;
    return out;
}

TParameterSet TParameterSet::fromSession(const TDeviceSession& session, const TDeviceProfile* profile,
                                         const QList<int>& wanted, const QDateTime& now) {
    TParameterSet set;
    set.Profile = profile != nullptr ? profile->device() : QString();
    set.Saved = now.toOffsetFromUtc(now.offsetFromUtc()).toString(Qt::ISODate);
    QList<int> regs = wanted.isEmpty() ? defaultRegisters(profile) : wanted;
    std::sort(regs.begin(), regs.end());
    regs.erase(std::unique(regs.begin(), regs.end()), regs.end());
    for (int r : std::as_const(regs)) {
        if (r < 0 || r >= RegisterCount || !session.reported().test(static_cast<size_t>(r))) continue;
        TParameterValue v;
        v.Register = r;
        v.Raw = session.reportedValue(r);
        if (const TRegisterInfo* info = profile != nullptr ? profile->find(r) : nullptr) {
            v.Name = info->Name;
            v.Unit = info->Unit;
            if (info->Type != TRegisterType::Bits && info->Type != TRegisterType::Enum) v.Value = info->engineering(v.Raw);
        }
        set.Registers << v;
    }
    return set;
}

const TParameterValue* TParameterSet::find(int reg) const {
    for (const TParameterValue& v : Registers)
        if (v.Register == reg) return &v;
    return nullptr;
}

QByteArray TParameterSet::toJson() const {
    // Written by hand so the keys keep the order people read them in, one register a line.
    const auto q = [](const QString& s) { return QJsonDocument(QJsonArray{s}).toJson(QJsonDocument::Compact).mid(1).chopped(1); };
    QByteArray out = "{\"schema\": 1, \"kind\": \"parameter-set\", \"project\": " + q(Project) +
                     ", \"row\": " + QByteArray::number(Row) + ", \"device\": " + q(Device) + ",\n \"profile\": " +
                     (Profile.isEmpty() ? QByteArray("null") : q(Profile)) + ", \"saved\": " + q(Saved) +
                     ",\n \"registers\": [";
    for (qsizetype i = 0; i < Registers.size(); ++i) {
        const TParameterValue& v = Registers.at(i);
        out += i == 0 ? "\n  " : ",\n  ";
        out += "{\"register\": " + QByteArray::number(v.Register) + ", \"raw\": " + QByteArray::number(v.Raw);
        if (!v.Name.isEmpty()) out += ", \"name\": " + q(v.Name);
        if (v.Value) out += ", \"value\": " + QByteArray::number(*v.Value, 'g', 12);
        if (!v.Unit.isEmpty()) out += ", \"unit\": " + q(v.Unit);
        out += "}";
    }
    out += "]}\n";
    return out;
}

bool TParameterSet::save(const QString& path, QString* error) const {
    return FileReplace::write(path, toJson(), error);
}

bool TParameterSet::load(const QString& path, TParameterSet* set, QString* error) {
    QByteArray json;
    return JsonFile::read(path, &json, error) && parse(json, path, set, error);
}

bool TParameterSet::parse(const QByteArray& json, const QString& fileName, TParameterSet* set, QString* error) {
    QJsonObject root;
    if (!JsonFile::parseObject(json, fileName, tr("a parameter set"), &root, error)) return false;
    const auto fail = [&](const QString& text) {
        *error = QStringLiteral("%1: %2").arg(fileName, text);
        return false;
    };
    if (root.value(QLatin1String("kind")).toString() != QLatin1String("parameter-set"))
        return fail(tr("\"kind\" must be \"parameter-set\" (is this a parameter set?)"));
    if (root.value(QLatin1String("schema")).toInt(-1) != 1) return fail(tr("\"schema\" must be 1"));
    if (!root.value(QLatin1String("registers")).isArray()) return fail(tr("\"registers\" must be a list"));
    TParameterSet s;
    s.Project = root.value(QLatin1String("project")).toString();
    s.Row = root.value(QLatin1String("row")).toInt(-1);
    s.Device = root.value(QLatin1String("device")).toString();
    s.Profile = root.value(QLatin1String("profile")).toString();
    s.Saved = root.value(QLatin1String("saved")).toString();
    const QJsonArray regs = root.value(QLatin1String("registers")).toArray();
    for (qsizetype i = 0; i < regs.size(); ++i) {
        const QString where = tr("register entry %1").arg(i + 1);
        if (!regs.at(i).isObject()) return fail(where + QStringLiteral(": ") + tr("must be an object"));
        const QJsonObject o = regs.at(i).toObject();
        const QJsonValue r = o.value(QLatin1String("register"));
        const QJsonValue raw = o.value(QLatin1String("raw"));
        const double rn = r.toDouble(-1e18);
        if (!r.isDouble() || rn != std::floor(rn) || std::abs(rn) > 1e9)
            return fail(where + QStringLiteral(": ") + tr("\"register\" must be a whole number"));
        const QString named = tr("%1 (register %2)").arg(where).arg(static_cast<qint64>(rn));
        const double rawn = raw.toDouble(-1);
        if (!raw.isDouble() || rawn != std::floor(rawn) || rawn < 0 || rawn > 65535)
            return fail(named + QStringLiteral(": ") + tr("\"raw\" must be a whole number from 0 to 65535"));
        TParameterValue v;
        v.Register = static_cast<int>(rn);
        if (s.find(v.Register) != nullptr)
            return fail(named + QStringLiteral(": ") + tr("the register is in the set twice"));
        v.Raw = static_cast<uint16_t>(rawn);
        v.Name = o.value(QLatin1String("name")).toString();
        v.Unit = o.value(QLatin1String("unit")).toString();
        if (o.value(QLatin1String("value")).isDouble()) v.Value = o.value(QLatin1String("value")).toDouble();
        s.Registers << v;
    }
    std::sort(s.Registers.begin(), s.Registers.end(),
              [](const TParameterValue& a, const TParameterValue& b) { return a.Register < b.Register; });
    *set = s;
    return true;
}
