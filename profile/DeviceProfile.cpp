#include "DeviceProfile.h"

#include "core/JsonFile.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>

#include <algorithm>
#include <cmath>

namespace {

constexpr int MaxDecimals = 6;

// The register number of an entry: a whole number from 0 to 127.
bool readNumber(const QJsonObject& o, int* number) {
    const QJsonValue r = o.value(QLatin1String("register"));
    const double rn = r.toDouble(-1);
    if (!r.isDouble() || rn != std::floor(rn) || rn < 0 || rn >= RegisterCount) return false;
    *number = static_cast<int>(rn);
    return true;
}

QString badNumber() {
    return TDeviceProfile::tr("\"register\" must be a whole number from 0 to 127");
}

// Reads the fields of one register entry besides its number; false with what is wrong with them.
bool readFields(const QJsonObject& o, TRegisterInfo* info, QString* error) {
    const auto fail = [error](const QString& text) {
        *error = text;
        return false;
    };
    const auto number = [&](const char* key, std::optional<double>* out) {
        const QJsonValue v = o.value(QLatin1String(key));
        if (v.isUndefined() || v.isNull()) return true;
        if (!v.isDouble()) return fail(TDeviceProfile::tr("\"%1\" must be a number").arg(QLatin1String(key)));
        *out = v.toDouble();
        return true;
    };
    const auto text = [&](const char* key, QString* out) {
        const QJsonValue v = o.value(QLatin1String(key));
        if (v.isUndefined() || v.isNull()) return true;
        if (!v.isString()) return fail(TDeviceProfile::tr("\"%1\" must be a text").arg(QLatin1String(key)));
        *out = v.toString();
        return true;
    };
    if (!text("name", &info->Name) || !text("unit", &info->Unit) || !text("description", &info->Description))
        return false;
    if (info->Name.trimmed().isEmpty()) return fail(TDeviceProfile::tr("\"name\" is missing"));
    std::optional<double> scale, offset, decimals;
    if (!number("scale", &scale) || !number("offset", &offset) || !number("decimals", &decimals) ||
        !number("min", &info->Min) || !number("max", &info->Max) || !number("default", &info->Default))
        return false;
    if (scale) {
        if (*scale == 0 || !std::isfinite(*scale)) return fail(TDeviceProfile::tr("\"scale\" must not be 0"));
        info->Scale = *scale;
    }
    if (offset) info->Offset = *offset;
    if (decimals) {
        if (*decimals != std::floor(*decimals) || *decimals < 0 || *decimals > MaxDecimals)
            return fail(
                TDeviceProfile::tr("\"decimals\" must be a whole number from 0 to %1").arg(MaxDecimals));
        info->Decimals = static_cast<int>(*decimals);
    }
    QString type = QStringLiteral("s16");
    if (!text("type", &type)) return false;
    if (type == QLatin1String("s16"))
        info->Type = TRegisterType::S16;
    else if (type == QLatin1String("u16"))
        info->Type = TRegisterType::U16;
    else if (type == QLatin1String("bits"))
        info->Type = TRegisterType::Bits;
    else if (type == QLatin1String("enum"))
        info->Type = TRegisterType::Enum;
    else
        return fail(TDeviceProfile::tr("\"type\" must be s16, u16, bits or enum, not \"%1\"").arg(type));
    QString access = QStringLiteral("rw");
    if (!text("access", &access)) return false;
    if (access == QLatin1String("ro"))
        info->Access = TRegisterAccess::ReadOnly;
    else if (access == QLatin1String("rw"))
        info->Access = TRegisterAccess::ReadWrite;
    else
        return fail(TDeviceProfile::tr("\"access\" must be ro or rw, not \"%1\"").arg(access));
    if (info->Min && info->Max && *info->Min > *info->Max)
        return fail(TDeviceProfile::tr("\"min\" is above \"max\""));
    if (info->Default && ((info->Min && *info->Default < *info->Min) || (info->Max && *info->Default > *info->Max)))
        return fail(TDeviceProfile::tr("\"default\" lies outside min and max"));

    const QJsonValue bits = o.value(QLatin1String("bits"));
    if (!bits.isUndefined() && !bits.isNull()) {
        if (!bits.isObject())
            return fail(TDeviceProfile::tr("\"bits\" must be an object of bit numbers and names"));
        const QJsonObject b = bits.toObject();
        for (auto it = b.begin(); it != b.end(); ++it) {
            const QString key = it.key();
            const qsizetype dash = key.indexOf(QLatin1Char('-'));
            bool ok1 = false;
            bool ok2 = true;
            const int first = (dash < 0 ? key : key.left(dash)).trimmed().toInt(&ok1);
            const int last = dash < 0 ? first : key.mid(dash + 1).trimmed().toInt(&ok2);
            if (!ok1 || !ok2 || first < 0 || last > 15 || last < first)
                return fail(
                    TDeviceProfile::tr("bits: \"%1\" is not a bit (0-15) or a range of bits").arg(key));
            if (!it.value().isString())
                return fail(TDeviceProfile::tr("bits: the name of \"%1\" must be a text").arg(key));
            for (const TBitField& f : std::as_const(info->Bits))
                if (first <= f.Last && f.First <= last)
                    return fail(TDeviceProfile::tr("bits: \"%1\" overlaps another field").arg(key));
            info->Bits << TBitField{first, last, it.value().toString()};
        }
        std::sort(info->Bits.begin(), info->Bits.end(),
                  [](const TBitField& a, const TBitField& b) { return a.First < b.First; });
    }
    const QJsonValue en = o.value(QLatin1String("enum"));
    if (!en.isUndefined() && !en.isNull()) {
        if (!en.isObject()) return fail(TDeviceProfile::tr("\"enum\" must be an object of values and names"));
        const QJsonObject e = en.toObject();
        for (auto it = e.begin(); it != e.end(); ++it) {
            bool ok = false;
            const int value = it.key().trimmed().toInt(&ok, 0);
            if (!ok || value < -32768 || value > 65535)
                return fail(TDeviceProfile::tr("enum: \"%1\" is not a 16-bit value").arg(it.key()));
            if (!it.value().isString() || it.value().toString().trimmed().isEmpty())
                return fail(TDeviceProfile::tr("enum: the name of %1 must be a text").arg(it.key()));
            info->Enum << qMakePair(value, it.value().toString());
        }
        std::sort(info->Enum.begin(), info->Enum.end());
    }
    if (info->Type == TRegisterType::Enum && info->Enum.isEmpty())
        return fail(TDeviceProfile::tr("an enum register needs \"enum\" with its values"));
    return true;
}

} // namespace

QString RegisterTypeName(TRegisterType type) {
    switch (type) {
    case TRegisterType::U16:
        return QStringLiteral("u16");
    case TRegisterType::Bits:
        return QStringLiteral("bits");
    case TRegisterType::Enum:
        return QStringLiteral("enum");
    case TRegisterType::S16:
        break;
    }
    return QStringLiteral("s16");
}

int64_t TRegisterInfo::rawNumber(uint16_t raw) const {
    return Type == TRegisterType::S16 ? static_cast<int64_t>(static_cast<int16_t>(raw)) : static_cast<int64_t>(raw);
}

double TRegisterInfo::engineering(uint16_t raw) const {
    return static_cast<double>(rawNumber(raw)) * Scale + Offset;
}

QString TRegisterInfo::numberText(double value) const {
    QString t = QString::number(value, 'f', Decimals);
    if (t.startsWith(QLatin1Char('-')) && t.mid(1).toDouble() == 0) t = t.mid(1); // no "-0.0"
    return t;
}

QString TRegisterInfo::valueText(uint16_t raw, bool withUnit) const {
    if (Type == TRegisterType::Enum) {
        for (const auto& [value, name] : Enum)
            if (static_cast<uint16_t>(value) == raw) return name;
        return QString::number(rawNumber(raw));
    }
    if (Type == TRegisterType::Bits) {
        QStringList parts;
        for (const TBitField& f : Bits) {
            const uint32_t mask = ((1u << (f.Last - f.First + 1)) - 1u) << f.First;
            const uint32_t field = (raw & mask) >> f.First;
            if (f.First == f.Last) {
                if (field != 0) parts << f.Name;
            } else {
                parts << QStringLiteral("%1=%2").arg(f.Name).arg(field);
            }
        }
        return parts.join(QStringLiteral(", "));
    }
    const QString number = numberText(engineering(raw));
    return withUnit && !Unit.isEmpty() ? number + QLatin1Char(' ') + Unit : number;
}

QString RawWordText(uint16_t raw, int64_t number) {
    return TDeviceProfile::tr("raw %1 (0x%2)")
        .arg(number)
        .arg(QString::number(raw, 16).toUpper().rightJustified(4, QLatin1Char('0')));
}

QString TRegisterInfo::rangeText() const {
    if (!Min && !Max) return {};
    const QString lo = Min ? numberText(*Min) : QStringLiteral("…");
    const QString hi = Max ? numberText(*Max) : QStringLiteral("…");
    return QStringLiteral("%1 … %2%3").arg(lo, hi, Unit.isEmpty() ? QString() : QLatin1Char(' ') + Unit);
}

QString TRegisterInfo::bitName(int bit) const {
    for (const TBitField& f : Bits)
        if (bit >= f.First && bit <= f.Last)
            return f.First == f.Last ? f.Name
                                     : TDeviceProfile::tr("%1 (bit %2 of %3-%4)")
                                           .arg(f.Name)
                                           .arg(bit - f.First)
                                           .arg(f.First)
                                           .arg(f.Last);
    return {};
}

bool TRegisterInfo::rawInRange(uint16_t raw) const {
    if (!Min && !Max) return true;
    const double v = engineering(raw);
    // Half a step of the shown places: a value shown as the limit is within it.
    const double slack = 0.5 * std::pow(10.0, -Decimals) * 1e-6;
    return (!Min || v >= *Min - slack) && (!Max || v <= *Max + slack);
}

bool TRegisterInfo::toRaw(double value, uint16_t* raw, QString* error) const {
    if (!std::isfinite(value)) {
        *error = TDeviceProfile::tr("not a number");
        return false;
    }
    if ((Min && value < *Min) || (Max && value > *Max)) {
        *error = TDeviceProfile::tr("%1 lies outside %2").arg(numberText(value), rangeText());
        return false;
    }
    const double typed = std::round((value - Offset) / Scale);
    const double low = Type == TRegisterType::S16 ? -32768.0 : 0.0;
    const double high = Type == TRegisterType::S16 ? 32767.0 : 65535.0;
    if (typed < low || typed > high) {
        *error = TDeviceProfile::tr("%1 is more than the register can hold (%2 … %3 raw)")
                     .arg(numberText(value))
                     .arg(low)
                     .arg(high);
        return false;
    }
    *raw = static_cast<uint16_t>(static_cast<int32_t>(typed) & 0xFFFF);
    return true;
}

bool TRegisterInfo::parseValue(const QString& text, uint16_t* raw, QString* error) const {
    const QString t = text.trimmed();
    if (Type == TRegisterType::Enum) {
        for (const auto& [value, name] : Enum)
            if (name.compare(t, Qt::CaseInsensitive) == 0) {
                *raw = static_cast<uint16_t>(value);
                return true;
            }
        QStringList names;
        for (const auto& e : Enum)
            names << e.second;
        bool ok = false;
        const int v = t.toInt(&ok, 0);
        if (ok) {
            for (const auto& e : Enum)
                if (e.first == v) {
                    *raw = static_cast<uint16_t>(v);
                    return true;
                }
        }
        *error = TDeviceProfile::tr("\"%1\" is none of %2").arg(t, names.join(QStringLiteral(", ")));
        return false;
    }
    bool ok = false;
    double v = QString(t).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    if (!ok && (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))) {
        const qlonglong h = t.mid(2).toLongLong(&ok, 16);
        v = static_cast<double>(h) * Scale + Offset;
    }
    if (!ok) {
        *error = TDeviceProfile::tr("\"%1\" is not a number").arg(t);
        return false;
    }
    return toRaw(v, raw, error);
}

bool TDeviceProfile::load(const QString& path, TDeviceProfile* profile, QString* error) {
    QByteArray json;
    if (!JsonFile::read(path, &json, error) || !parse(json, path, profile, error)) return false;
    profile->m_path = QFileInfo(path).absoluteFilePath();
    return true;
}

bool TDeviceProfile::parse(const QByteArray& json, const QString& fileName, TDeviceProfile* profile, QString* error) {
    QJsonObject root;
    if (!JsonFile::parseObject(json, fileName, tr("a profile"), &root, error)) return false;
    const auto fail = [&](const QString& text) {
        *error = QStringLiteral("%1: %2").arg(fileName, text);
        return false;
    };
    if (root.value(QLatin1String("schema")).toInt(-1) != 1 || !root.value(QLatin1String("schema")).isDouble())
        return fail(tr("\"schema\" must be 1"));
    if (!root.value(QLatin1String("device")).isString() || root.value(QLatin1String("device")).toString().trimmed().isEmpty())
        return fail(tr("\"device\" (the device type's name) is missing"));
    if (!root.value(QLatin1String("registers")).isArray()) return fail(tr("\"registers\" must be a list"));

    TDeviceProfile p;
    p.m_device = root.value(QLatin1String("device")).toString();
    const QJsonArray regs = root.value(QLatin1String("registers")).toArray();
    for (qsizetype i = 0; i < regs.size(); ++i) {
        const QJsonValue v = regs.at(i);
        const QString where = tr("register entry %1").arg(i + 1);
        if (!v.isObject()) return fail(where + QStringLiteral(": ") + tr("must be an object"));
        const QJsonObject o = v.toObject();
        TRegisterInfo info;
        if (!readNumber(o, &info.Register)) return fail(where + QStringLiteral(": ") + badNumber());
        const QString named = tr("%1 (register %2)").arg(where).arg(info.Register);
        if (p.find(info.Register) != nullptr)
            return fail(named + QStringLiteral(": ") + tr("the register is described twice"));
        QString why;
        if (!readFields(o, &info, &why)) return fail(named + QStringLiteral(": ") + why);
        p.setRegister(info);
    }
    *profile = p;
    return true;
}

bool TDeviceProfile::readEntry(const QJsonObject& entry, TRegisterInfo* info, QString* error) {
    if (!readNumber(entry, &info->Register)) {
        *error = badNumber();
        return false;
    }
    return readFields(entry, info, error);
}

void TDeviceProfile::setRegister(const TRegisterInfo& info) {
    if (info.Register < 0 || info.Register >= RegisterCount) return;
    if (const int at = m_index[static_cast<size_t>(info.Register)]; at >= 0) {
        m_registers[at] = info;
        return;
    }
    const auto pos = std::lower_bound(m_registers.begin(), m_registers.end(), info.Register,
                                      [](const TRegisterInfo& a, int r) { return a.Register < r; });
    m_registers.insert(pos, info);
    for (qsizetype i = 0; i < m_registers.size(); ++i)
        m_index[static_cast<size_t>(m_registers[i].Register)] = static_cast<int>(i);
}

QByteArray TDeviceProfile::toJson() const {
    QJsonArray regs;
    for (const TRegisterInfo& r : m_registers) {
        QJsonObject o;
        o.insert(QStringLiteral("register"), r.Register);
        o.insert(QStringLiteral("name"), r.Name);
        if (!r.Unit.isEmpty()) o.insert(QStringLiteral("unit"), r.Unit);
        if (r.Scale != 1.0) o.insert(QStringLiteral("scale"), r.Scale);
        if (r.Offset != 0.0) o.insert(QStringLiteral("offset"), r.Offset);
        if (r.Decimals != 0) o.insert(QStringLiteral("decimals"), r.Decimals);
        o.insert(QStringLiteral("type"), RegisterTypeName(r.Type));
        o.insert(QStringLiteral("access"), r.readOnly() ? QStringLiteral("ro") : QStringLiteral("rw"));
        if (r.Min) o.insert(QStringLiteral("min"), *r.Min);
        if (r.Max) o.insert(QStringLiteral("max"), *r.Max);
        if (r.Default) o.insert(QStringLiteral("default"), *r.Default);
        if (!r.Bits.isEmpty()) {
            QJsonObject b;
            for (const TBitField& f : r.Bits)
                b.insert(f.First == f.Last ? QString::number(f.First) : QStringLiteral("%1-%2").arg(f.First).arg(f.Last),
                         f.Name);
            o.insert(QStringLiteral("bits"), b);
        }
        if (!r.Enum.isEmpty()) {
            QJsonObject e;
            for (const auto& [value, name] : r.Enum)
                e.insert(QString::number(value), name);
            o.insert(QStringLiteral("enum"), e);
        }
        if (!r.Description.isEmpty()) o.insert(QStringLiteral("description"), r.Description);
        regs.append(o);
    }
    QJsonObject root;
    root.insert(QStringLiteral("schema"), 1);
    root.insert(QStringLiteral("device"), m_device);
    root.insert(QStringLiteral("registers"), regs);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}
