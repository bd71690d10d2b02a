#include "CliProfile.h"

#include "CliText.h"

#include "core/FileReplace.h"
#include "core/JsonLine.h"
#include "profile/ProfileCsv.h"
#include "profile/ProfileStore.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace {

// A CSV register map is a small text; anything much larger is no map.
constexpr qint64 MaxCsvSize = 4 * 1024 * 1024;

int failWith(const QString& message) {
    CliMessage(message);
    return CliBadInput;
}

void printSummary(const QString& path, const TDeviceProfile& profile) {
    const QByteArray line = TJsonLine()
                                .add("file", QFileInfo(path).absoluteFilePath())
                                .add("device", profile.device())
                                .add("registers", static_cast<int>(profile.registers().size()))
                                .line();
    std::fwrite(line.constData(), 1, static_cast<size_t>(line.size()), stdout);
    std::fflush(stdout);
}

int checkProfile(const QStringList& a, const QString& settingsFolder) {
    if (a.size() != 1)
        return failWith(QCoreApplication::translate("CliProfile", "profile check wants one file"));
    const QString path = CliProfilePath(a.at(0), settingsFolder);
    TDeviceProfile profile;
    QString error;
    if (!TDeviceProfile::load(path, &profile, &error)) return failWith(error);
    printSummary(path, profile);
    return CliDone;
}

int importProfile(const QStringList& a, const QString& device) {
    if (a.size() != 2)
        return failWith(QCoreApplication::translate(
            "CliProfile", "profile import wants a CSV file and the JSON file to write"));
    const QString csvPath = a.at(0);
    const QString jsonPath = a.at(1);
    const QFileInfo csvInfo(csvPath);
    if (!csvInfo.isFile())
        return failWith(QCoreApplication::translate("CliProfile", "%1: no such file").arg(csvPath));
    const QFileInfo jsonInfo(jsonPath);
    if (jsonInfo.exists() && jsonInfo.canonicalFilePath() == csvInfo.canonicalFilePath())
        return failWith(QCoreApplication::translate(
                            "CliProfile", "%1: the profile would replace the register map it is made from")
                            .arg(jsonPath));
    if (csvInfo.size() > MaxCsvSize)
        return failWith(
            QCoreApplication::translate("CliProfile", "%1: %2 bytes is too large for a register map")
                .arg(csvPath)
                .arg(csvInfo.size()));
    QFile csv(csvPath);
    if (!csv.open(QIODevice::ReadOnly))
        return failWith(QStringLiteral("%1: %2").arg(csvPath, csv.errorString()));
    TDeviceProfile profile;
    QString error;
    const QString name = device.isEmpty() ? jsonInfo.completeBaseName() : device;
    QString warning;
    if (!ImportProfileCsv(csv.readAll(), csvPath, name, &profile, &error, &warning)) return failWith(error);
    if (!warning.isEmpty()) CliMessage(warning);
    if (profile.isEmpty())
        return failWith(
            QCoreApplication::translate("CliProfile", "%1: the map describes no register").arg(csvPath));
    if (!FileReplace::write(jsonPath, profile.toJson(), &error)) return failWith(error);
    printSummary(jsonPath, profile);
    return CliDone;
}

} // namespace

QString CliProfilePath(const QString& name, const QString& settingsFolder) {
    if (QFileInfo::exists(name)) return name;
    const QString inFolder = TProfileStore(settingsFolder).resolve(name);
    return QFileInfo::exists(inFolder) ? inFolder : name;
}

int RunProfileCommand(const TCliOptions& options, const QString& settingsFolder) {
    const QStringList& a = options.arguments;
    const QString what = a.value(0);
    if (what == QLatin1String("check")) return checkProfile(a.mid(1), settingsFolder);
    if (what == QLatin1String("import")) return importProfile(a.mid(1), options.device);
    return failWith(
        QCoreApplication::translate("CliProfile", "profile wants \"import CSV JSON\" or \"check FILE\""));
}

bool LoadReadProfile(const TCliOptions& options, const QString& settingsFolder, const QString& project,
                     int row, std::optional<TDeviceProfile>* profile, QString* error, QString* warning) {
    profile->reset();
    TDeviceProfile p;
    if (!options.profile.isEmpty()) {
        if (!TDeviceProfile::load(CliProfilePath(options.profile, settingsFolder), &p, error)) return false;
        *profile = p;
        return true;
    }
    QString why;
    if (TProfileStore(settingsFolder).load(project, row, &p, &why))
        *profile = p;
    else if (!why.isEmpty())
        *warning = QCoreApplication::translate("CliProfile", "the register map of row %1 is not used: %2")
                       .arg(QString::number(row), why);
    return true;
}

void AddProfileFields(TJsonLine& line, const TDeviceProfile& profile, int reg, uint16_t raw) {
    const TRegisterInfo* info = profile.find(reg);
    if (info == nullptr) return;
    line.add("name", info->Name);
    if (info->Type == TRegisterType::S16 || info->Type == TRegisterType::U16)
        line.add("value", info->engineering(raw), info->Decimals);
    else
        line.add("value", info->valueText(raw, false));
    line.add("unit", info->Unit);
}
