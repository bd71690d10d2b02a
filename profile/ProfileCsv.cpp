#include "ProfileCsv.h"

#include <QJsonDocument>
#include <QJsonArray>
#include <QJsonObject>
#include <QStringList>

namespace {

// One CSV record: fields split at commas outside quotes, "" inside quotes is a quote.
QStringList splitRecord(const QString& line) {
    QStringList fields;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < line.size() && line.at(i + 1) == QLatin1Char('"')) {
                    field += c;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                field += c;
            }
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == QLatin1Char(',')) {
            fields << field.trimmed();
            field.clear();
        } else {
            field += c;
        }
    }
    fields << field.trimmed();
    return fields;
}

} // namespace

bool ImportProfileCsv(const QByteArray& csv, const QString& fileName, const QString& device,
                      TDeviceProfile* profile, QString* error) {
    QString text = QString::fromUtf8(csv);
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
    const QStringList lines = text.split(QLatin1Char('\n'));
    const QStringList known{QStringLiteral("register"), QStringLiteral("name"),     QStringLiteral("unit"),
                            QStringLiteral("scale"),    QStringLiteral("offset"),   QStringLiteral("decimals"),
                            QStringLiteral("type"),     QStringLiteral("access"),   QStringLiteral("min"),
                            QStringLiteral("max"),      QStringLiteral("description")};
    QStringList header;
    int headerLine = 0;
    for (; headerLine < lines.size(); ++headerLine)
        if (!lines.at(headerLine).trimmed().isEmpty()) break;
    if (headerLine < lines.size())
        for (const QString& h : splitRecord(lines.at(headerLine).trimmed()))
            header << h.toLower();
    if (!header.contains(QLatin1String("register")) || !header.contains(QLatin1String("name"))) {
        *error = QStringLiteral("%1: the first line must name the columns (register,name,unit,scale,offset,"
                                "decimals,type,access,min,max,description)")
                     .arg(fileName);
        return false;
    }
    TDeviceProfile out;
    out.setDevice(device);
    for (int i = headerLine + 1; i < lines.size(); ++i) {
        const QString line = lines.at(i).trimmed();
        if (line.isEmpty()) continue;
        const QStringList fields = splitRecord(line);
        const QString where = QStringLiteral("%1: line %2").arg(fileName).arg(i + 1);
        if (fields.size() > header.size()) {
            *error = QStringLiteral("%1: %2 fields, the header names %3").arg(where).arg(fields.size()).arg(header.size());
            return false;
        }
        // The record as a profile entry, checked by the profile's own rules.
        QJsonObject entry;
        for (qsizetype c = 0; c < fields.size(); ++c) {
            const QString& col = header.at(c);
            const QString& value = fields.at(c);
            if (value.isEmpty() || !known.contains(col)) continue;
            if (col == QLatin1String("register") || col == QLatin1String("scale") || col == QLatin1String("offset") ||
                col == QLatin1String("decimals") || col == QLatin1String("min") || col == QLatin1String("max")) {
                bool ok = false;
                const double v = QString(value).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
                if (!ok) {
                    *error = QStringLiteral("%1: %2 \"%3\" is not a number").arg(where, col, value);
                    return false;
                }
                entry.insert(col, v);
            } else {
                const bool keyword = col == QLatin1String("type") || col == QLatin1String("access");
                entry.insert(col, keyword ? value.toLower() : value);
            }
        }
        if (entry.value(QLatin1String("type")).toString() == QLatin1String("enum")) {
            *error = QStringLiteral("%1: an enum register needs its values, which a CSV map does not carry; give "
                                    "it type u16 here and add \"enum\" in the profile")
                         .arg(where);
            return false;
        }
        QJsonObject doc{{QStringLiteral("schema"), 1},
                        {QStringLiteral("device"), device.isEmpty() ? QStringLiteral("-") : device},
                        {QStringLiteral("registers"), QJsonArray{entry}}};
        TDeviceProfile one;
        QString why;
        if (!TDeviceProfile::parse(QJsonDocument(doc).toJson(), where, &one, &why)) {
            *error = why.replace(QStringLiteral("register entry 1"), QStringLiteral("the register"));
            return false;
        }
        const TRegisterInfo& info = one.registers().first();
        if (out.find(info.Register) != nullptr) {
            *error = QStringLiteral("%1: register %2 is described twice").arg(where).arg(info.Register);
            return false;
        }
        out.setRegister(info);
    }
    *profile = out;
    return true;
}
