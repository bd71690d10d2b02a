#include "ProfileCsv.h"

#include "core/Cp1251.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringDecoder>
#include <QStringList>

namespace {

struct TCsvRecord {
    int Line = 0; // the line the record starts on, from 1
    QStringList Fields;
};

// The records of a CSV text as RFC 4180 reads them: fields split at commas, a field that starts
// with a quote runs to the closing quote, across commas and line ends, with "" for a quote. A quote
// inside an unquoted field is taken as it stands. Blank lines are no records. false, naming the
// line where the field began, when a quote is never closed.
bool splitRecords(const QString& text, const QString& fileName, QList<TCsvRecord>* records, QString* error) {
    TCsvRecord record;
    QString field;
    bool quoted = false;    // inside a quoted field
    bool wasQuoted = false; // the field had quotes (an empty "" is a field, not a blank line)
    int line = 1;
    int quoteLine = 0;
    record.Line = 1;
    const auto endField = [&] {
        record.Fields << (wasQuoted ? field : field.trimmed());
        field.clear();
        wasQuoted = false;
    };
    const auto endRecord = [&] {
        if (field.endsWith(QLatin1Char('\r'))) field.chop(1);
        const bool blank = record.Fields.isEmpty() && field.trimmed().isEmpty() && !wasQuoted;
        if (blank) {
            field.clear();
        } else {
            endField();
            records->append(record);
        }
        record = TCsvRecord();
        record.Line = line + 1;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('"')) {
                    field += c;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                if (c == QLatin1Char('\n')) ++line;
                field += c;
            }
        } else if (c == QLatin1Char('"') && field.trimmed().isEmpty() && !wasQuoted) {
            quoted = true;
            wasQuoted = true;
            quoteLine = line;
            field.clear();
        } else if (c == QLatin1Char(',')) {
            endField();
        } else if (c == QLatin1Char('\n')) {
            endRecord();
            ++line;
        } else {
            field += c;
        }
    }
    if (quoted) {
        *error = QStringLiteral("%1: line %2: a quoted field is never closed").arg(fileName).arg(quoteLine);
        return false;
    }
    endRecord();
    return true;
}

} // namespace

bool ImportProfileCsv(const QByteArray& csv, const QString& fileName, const QString& device,
                      TDeviceProfile* profile, QString* error, QString* warning) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(csv);
    if (utf8.hasError()) {
        // A spreadsheet on a Russian Windows saves its CSV in the system's code page.
        text = DecodeCp1251(csv);
        if (warning != nullptr)
            *warning = QStringLiteral("%1: not UTF-8, read as Windows-1251").arg(fileName);
    }
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
    QList<TCsvRecord> records;
    if (!splitRecords(text, fileName, &records, error)) return false;
    const QStringList known{QStringLiteral("register"), QStringLiteral("name"),     QStringLiteral("unit"),
                            QStringLiteral("scale"),    QStringLiteral("offset"),   QStringLiteral("decimals"),
                            QStringLiteral("type"),     QStringLiteral("access"),   QStringLiteral("min"),
                            QStringLiteral("max"),      QStringLiteral("description")};
    QStringList header;
    if (!records.isEmpty())
        for (const QString& h : std::as_const(records.first().Fields))
            header << h.toLower();
    if (!header.contains(QLatin1String("register")) || !header.contains(QLatin1String("name"))) {
        *error = QStringLiteral("%1: the first line must name the columns (register,name,unit,scale,offset,"
                                "decimals,type,access,min,max,description)")
                     .arg(fileName);
        return false;
    }
    TDeviceProfile out;
    out.setDevice(device);
    for (qsizetype i = 1; i < records.size(); ++i) {
        const QStringList& fields = records.at(i).Fields;
        const QString where = QStringLiteral("%1: line %2").arg(fileName).arg(records.at(i).Line);
        if (fields.size() != header.size()) {
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
