#include "RegisterFields.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QStringList>

namespace {

QString escaped(const QString& name, QChar separator) {
    return separator == u';' ? QString(name).replace(QLatin1Char(';'), QLatin1String(";;")) : name;
}

// The items of a names text; a doubled ';' is one ';' of a name.
QStringList items(const QString& text, QChar separator) {
    QStringList out;
    QString item;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == separator && separator == u';' && i + 1 < text.size() && text.at(i + 1) == u';') {
            item += c;
            ++i;
        } else if (c == separator) {
            out << item;
            item.clear();
        } else {
            item += c;
        }
    }
    out << item;
    return out;
}

} // namespace

QString ProfileNumberText(double value) {
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

QString RegisterNamesText(const TRegisterInfo& info, QChar separator) {
    QStringList parts;
    for (const TBitField& f : info.Bits)
        parts << (f.First == f.Last ? QString::number(f.First)
                                    : QStringLiteral("%1-%2").arg(f.First).arg(f.Last)) +
                     QLatin1Char('=') + escaped(f.Name, separator);
    for (const auto& [value, name] : info.Enum)
        parts << QString::number(value) + QLatin1Char('=') + escaped(name, separator);
    return parts.join(separator == u';' ? QStringLiteral("; ") : QString(separator));
}

TRegisterFields RegisterFieldsOf(const TRegisterInfo& info, QChar separator) {
    TRegisterFields f;
    f.Register = QString::number(info.Register);
    f.Name = info.Name;
    f.Unit = info.Unit;
    f.Scale = ProfileNumberText(info.Scale);
    f.Offset = ProfileNumberText(info.Offset);
    f.Decimals = QString::number(info.Decimals);
    f.Type = RegisterTypeName(info.Type);
    f.Access = info.readOnly() ? QStringLiteral("ro") : QStringLiteral("rw");
    if (info.Min) f.Min = ProfileNumberText(*info.Min);
    if (info.Max) f.Max = ProfileNumberText(*info.Max);
    if (info.Default) f.Default = ProfileNumberText(*info.Default);
    f.Names = RegisterNamesText(info, separator);
    f.Description = info.Description;
    return f;
}

bool RegisterFromFields(const TRegisterFields& fields, QChar separator, TRegisterInfo* info, QString* error) {
    QJsonObject entry;
    const auto number = [&](const char* key, const QString& text) {
        const QString t = text.trimmed();
        if (t.isEmpty()) return true;
        bool ok = false;
        const double v = QString(t).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
        if (!ok) {
            *error = QCoreApplication::translate("RegisterFields", "%1: \"%2\" is not a number")
                         .arg(QLatin1String(key), t);
            return false;
        }
        entry.insert(QLatin1String(key), v);
        return true;
    };
    if (!number("register", fields.Register) || !number("scale", fields.Scale) ||
        !number("offset", fields.Offset) || !number("decimals", fields.Decimals) ||
        !number("min", fields.Min) || !number("max", fields.Max) || !number("default", fields.Default))
        return false;
    entry.insert(QStringLiteral("name"), fields.Name);
    if (!fields.Unit.isEmpty()) entry.insert(QStringLiteral("unit"), fields.Unit);
    if (!fields.Description.isEmpty()) entry.insert(QStringLiteral("description"), fields.Description);
    const QString type = fields.Type.trimmed().toLower();
    if (!type.isEmpty()) entry.insert(QStringLiteral("type"), type);
    if (!fields.Access.trimmed().isEmpty())
        entry.insert(QStringLiteral("access"), fields.Access.trimmed().toLower());

    // Bit and value names are kept for the type that uses them.
    const bool bits = type == QLatin1String("bits");
    const bool values = type == QLatin1String("enum");
    QJsonObject names;
    for (const QString& item : items(fields.Names, separator)) {
        if (item.trimmed().isEmpty()) continue;
        const qsizetype eq = item.indexOf(QLatin1Char('='));
        if (eq < 0) {
            *error = QCoreApplication::translate("RegisterFields", "names: \"%1\" is not \"number=name\"")
                         .arg(item.trimmed());
            return false;
        }
        const QString key = item.left(eq).trimmed();
        if (names.contains(key)) {
            *error = QCoreApplication::translate("RegisterFields", "names: %1 is named twice").arg(key);
            return false;
        }
        names.insert(key, item.mid(eq + 1).trimmed());
    }
    if (!names.isEmpty() && !bits && !values) {
        *error =
            QCoreApplication::translate("RegisterFields", "names: only a bits or an enum register has names");
        return false;
    }
    if (bits && !names.isEmpty()) entry.insert(QStringLiteral("bits"), names);
    if (values) entry.insert(QStringLiteral("enum"), names);

    const QJsonObject doc{{QStringLiteral("schema"), 1},
                          {QStringLiteral("device"), QStringLiteral("-")},
                          {QStringLiteral("registers"), QJsonArray{entry}}};
    TDeviceProfile one;
    QString why;
    if (!TDeviceProfile::parse(QJsonDocument(doc).toJson(), QStringLiteral("-"), &one, &why)) {
        // What is wrong with the entry, without "-: register entry 1 (register 24): " before it.
        TRegisterInfo probe;
        QString what;
        *error = TDeviceProfile::readEntry(entry, &probe, &what) ? why : what;
        return false;
    }
    *info = one.registers().first();
    return true;
}
