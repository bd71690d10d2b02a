#include "ProfileCsvExport.h"

#include "RegisterFields.h"

#include <QStringList>

namespace {

QString csvField(const QString& text) {
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')) && text.trimmed() == text)
        return text;
    return QLatin1Char('"') + QString(text).replace(QLatin1Char('"'), QLatin1String("\"\"")) +
           QLatin1Char('"');
}

} // namespace

QByteArray ExportProfileCsv(const TDeviceProfile& profile) {
    QString out =
        QStringLiteral("register,name,unit,scale,offset,decimals,type,access,min,max,default,bits,enum,"
                       "description\r\n");
    for (const TRegisterInfo& info : profile.registers()) {
        const TRegisterFields f = RegisterFieldsOf(info, QLatin1Char(';'));
        const bool values = info.Type == TRegisterType::Enum;
        const QStringList fields{f.Register,
                                 f.Name,
                                 f.Unit,
                                 f.Scale,
                                 f.Offset,
                                 f.Decimals,
                                 f.Type,
                                 f.Access,
                                 f.Min,
                                 f.Max,
                                 f.Default,
                                 values ? QString() : f.Names,
                                 values ? f.Names : QString(),
                                 f.Description};
        QStringList cells;
        for (const QString& field : fields)
            cells << csvField(field);
        out += cells.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    }
    return out.toUtf8();
}
