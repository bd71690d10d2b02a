#include "ProfileCsv.h"

#include "RegisterFields.h"

#include "core/Cp1251.h"

#include <QCoreApplication>
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
        *error = QCoreApplication::translate("ProfileCsv", "%1: line %2: a quoted field is never closed")
                     .arg(fileName)
                     .arg(quoteLine);
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
            *warning = QCoreApplication::translate("ProfileCsv", "%1: not UTF-8, read as Windows-1251")
                           .arg(fileName);
    }
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
    QList<TCsvRecord> records;
    if (!splitRecords(text, fileName, &records, error)) return false;
    QStringList header;
    if (!records.isEmpty())
        for (const QString& h : std::as_const(records.first().Fields))
            header << h.toLower();
    if (!header.contains(QLatin1String("register")) || !header.contains(QLatin1String("name"))) {
        *error = QCoreApplication::translate(
                     "ProfileCsv", "%1: the first line must name the columns (register,name,unit,scale,"
                                   "offset,decimals,type,access,min,max,default,bits,enum,description)")
                     .arg(fileName);
        return false;
    }
    TDeviceProfile out;
    out.setDevice(device);
    for (qsizetype i = 1; i < records.size(); ++i) {
        const QStringList& cells = records.at(i).Fields;
        const QString where =
            QCoreApplication::translate("ProfileCsv", "%1: line %2").arg(fileName).arg(records.at(i).Line);
        if (cells.size() != header.size()) {
            *error = QCoreApplication::translate("ProfileCsv", "%1: %2 fields, the header names %3")
                         .arg(where)
                         .arg(cells.size())
                         .arg(header.size());
            return false;
        }
        // The record as a register entry, checked by the profile's own rules; columns the map does
        // not know are left out.
        const auto cell = [&](const char* column) {
            const qsizetype c = header.indexOf(QLatin1String(column));
            return c < 0 ? QString() : cells.at(c);
        };
        TRegisterFields fields;
        fields.Register = cell("register");
        fields.Name = cell("name");
        fields.Unit = cell("unit");
        fields.Scale = cell("scale");
        fields.Offset = cell("offset");
        fields.Decimals = cell("decimals");
        fields.Type = cell("type");
        fields.Access = cell("access");
        fields.Min = cell("min");
        fields.Max = cell("max");
        fields.Default = cell("default");
        fields.Description = cell("description");
        const bool isEnum = fields.Type.trimmed().compare(QLatin1String("enum"), Qt::CaseInsensitive) == 0;
        const QString names = isEnum ? cell("enum") : cell("bits");
        const QString other = isEnum ? cell("bits") : cell("enum");
        if (!other.trimmed().isEmpty()) {
            *error = QCoreApplication::translate(
                         "ProfileCsv",
                         "%1: the register has names in the \"%2\" column, which is for %2 registers")
                         .arg(where, isEnum ? QStringLiteral("bits") : QStringLiteral("enum"));
            return false;
        }
        fields.Names = names;
        TRegisterInfo info;
        QString why;
        if (!RegisterFromFields(fields, QLatin1Char(';'), &info, &why)) {
            *error = QStringLiteral("%1: %2").arg(where, why);
            return false;
        }
        if (out.find(info.Register) != nullptr) {
            *error = QCoreApplication::translate("ProfileCsv", "%1: register %2 is described twice")
                         .arg(where)
                         .arg(info.Register);
            return false;
        }
        out.setRegister(info);
    }
    *profile = out;
    return true;
}
