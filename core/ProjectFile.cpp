#include "ProjectFile.h"

#include "DeviceMessage.h"
#include "IniFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cstdint>

namespace {
const QString SectionProjects = QStringLiteral("Projects");

QString indexed(const char* key, int i) {
    return QLatin1String(key) + QString::number(i);
}
} // namespace

TProjectList ReadProjectList(const IniFile& ini) {
    TProjectList list;
    list.ProjectQua = ini.readInteger(SectionProjects, QStringLiteral("ProjectQua"), 0);
    list.ProjectNum = ini.readInteger(SectionProjects, QStringLiteral("ProjectNum"), 0);
    // A name is read for every project the count claims, missing names defaulting to their key; a
    // count beyond the number of keys the section has (a damaged or hostile file) is cut to that
    // number: nobody keeps two billion projects.
    const int64_t count = std::min<int64_t>(list.ProjectQua, ini.keyCount(SectionProjects));
    for (int64_t k = 1; k <= count; ++k) {
        const QString key = QLatin1String("Project") + QString::number(k);
        list.Names << ini.readString(SectionProjects, key, key);
    }
    return list;
}

void ReadProjectSection(const IniFile& ini, const QString& section, TProject& project) {
    project.Protokol = ini.readInteger(section, QStringLiteral("Protokol"), 0);
    int shift = 0;
    if (project.Protokol == Protocol3) {
        project.BaseAdr = 0;
        project.PlusAdr = 0x10000000;
        shift = 24;
    } else {
        project.BaseAdr = ini.readInteger(section, QStringLiteral("BaseAdr"), 0);
        project.PlusAdr = ini.readInteger(section, QStringLiteral("PlusAdr"), 16);
    }
    project.CommAdr = ini.readInteger(section, QStringLiteral("CommAdr"), 0);

    // The device number advances only through rows in use; an explicit value resets it. All
    // identifier arithmetic is 32-bit and wraps.
    int32_t can = -1;
    for (int i = 0; i < DeviceRows; ++i) {
        TZELM& row = project.Devices[static_cast<size_t>(i)];
        row.Use = ini.readBool(section, indexed("Use_", i), false);
        if (!row.Use) continue;
        can = ini.readInteger(section, indexed("CANadr_", i),
                              static_cast<int32_t>(static_cast<uint32_t>(can) + 1u));
        row.RSadr = ini.readInteger(section, indexed("RSadr_", i), i);
        const uint32_t rxDefault =
            (static_cast<uint32_t>(can) << shift) + static_cast<uint32_t>(project.BaseAdr);
        const uint32_t txDefault = rxDefault + static_cast<uint32_t>(project.PlusAdr);
        row.TXadr = static_cast<uint32_t>(
            ini.readInteger(section, indexed("TXadr_", i), static_cast<int32_t>(txDefault)));
        row.RXadr = static_cast<uint32_t>(
            ini.readInteger(section, indexed("RXadr_", i), static_cast<int32_t>(rxDefault)));
        row.Name = ini.readString(section, indexed("Name_", i), indexed("ZELM_", i));
    }
}

void ReadCaptions(const IniFile& ini, const QString& section, TProject& project) {
    for (int j = 0; j < CommandCount; ++j)
        project.DigiBut[static_cast<size_t>(j)] =
            ini.readString(section, indexed("DigiBut_", j), QStringLiteral("-"));
}

bool WriteCaptions(IniFile& ini, const QString& section, const TProject& project) {
    ini.beginBatch();
    for (int j = 0; j < CommandCount; ++j)
        (void)ini.writeString(section, indexed("DigiBut_", j), project.DigiBut[static_cast<size_t>(j)]);
    return ini.commitBatch();
}

bool LoadProjectFromFile(const QString& path, const QString& name, TProject& project, QString* error) {
    if (!QFileInfo(path).isFile()) {
        *error = QCoreApplication::translate("ProjectFile", "project file %1 not found")
                     .arg(QDir::toNativeSeparators(path));
        return false;
    }
    const IniFile ini(path);
    const TProjectList list = ReadProjectList(ini);
    QString chosen = name;
    if (chosen.isEmpty()) {
        if (list.ProjectNum < 1 || list.ProjectNum > list.Names.size()) {
            *error = QCoreApplication::translate("ProjectFile", "%1 selects no project; name one")
                         .arg(QDir::toNativeSeparators(path));
            return false;
        }
        chosen = list.Names.at(list.ProjectNum - 1);
    } else {
        // Sections are named without regard to case, as the file's keys are.
        bool found = false;
        for (const QString& n : list.Names) {
            if (n.compare(chosen, Qt::CaseInsensitive) == 0) {
                chosen = n;
                found = true;
                break;
            }
        }
        if (!found) {
            *error = QCoreApplication::translate("ProjectFile",
                                                 "project \"%1\" is not in the project list of %2 (%3)")
                         .arg(name, QDir::toNativeSeparators(path), list.Names.join(QStringLiteral(", ")));
            return false;
        }
    }
    project = TProject{};
    project.Name = chosen;
    ReadProjectSection(ini, chosen, project);
    ReadCaptions(ini, chosen, project);
    return true;
}
