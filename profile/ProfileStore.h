#pragma once

// Which profile each device row has: section [Profiles] of Quorvex.ini, key
// "<project section>/<row>", value the profile's file name in the profiles folder (profiles/ in
// the settings folder) or an absolute path. Projects.ini is never touched. Every change is written
// at once, with the safe replacement of the settings files.

#include "DeviceProfile.h"

#include <QString>
#include <QStringList>

#include <cstdint>

class TProfileStore {
public:
    // folder: where Quorvex.ini lies (the program's or the settings folder).
    explicit TProfileStore(QString folder);

    [[nodiscard]] QString profilesFolder() const;
    // The profiles in the profiles folder (file names, sorted).
    [[nodiscard]] QStringList available() const;

    // What is stored for a row: a file name, an absolute path, or empty.
    [[nodiscard]] QString assigned(const QString& project, int row) const;
    // The path a stored value stands for.
    [[nodiscard]] QString resolve(const QString& value) const;
    // Stores a profile for the row (a file in the profiles folder is kept by its name, any other
    // by its absolute path); an empty path clears it. false with the reason when Quorvex.ini cannot
    // be written (it then stays as it was).
    [[nodiscard]] bool assign(const QString& project, int row, const QString& path, QString* error);
    // Loads the row's profile: true with the profile; false with an empty error when none is
    // assigned, or with the message when the one assigned cannot be used.
    [[nodiscard]] bool load(const QString& project, int row, TDeviceProfile* profile, QString* error) const;
    // Counts the profiles this process assigned or cleared: whoever keeps profiles read before
    // reads them again when the count has moved on.
    [[nodiscard]] static uint64_t changes();

    static constexpr const char* Section = "Profiles";

private:
    [[nodiscard]] QString iniPath() const;
    QString m_folder;
};
