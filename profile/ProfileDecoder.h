#pragma once

// A device's frame in words: the registers it carries, by the names of the row's profile, with
// their engineering values ("Pump: Motor current = 12.3 A, Speed set-point = 1500 rpm"). The trace
// view shows it beside every frame of a row whose device has a profile. The rows' profiles are read
// when the project changes or this process assigns a profile (TProfileStore::changes), never per
// frame; a profile that cannot be used decodes nothing (the device window says why).

#include "DeviceProfile.h"
#include "ProfileStore.h"

#include "core/CanFrame.h"
#include "core/DeviceMessage.h"
#include "core/Project.h"

#include <QString>

#include <array>
#include <cstdint>
#include <memory>

class TProfileDecoder {
public:
    // project: the current project (read live: its name, protocol and rows); settingsFolder: where
    // Quorvex.ini lies.
    TProfileDecoder(const TProject& project, const QString& settingsFolder);

    // Whether any row in use of the project has a profile.
    [[nodiscard]] bool active();
    // The words for a frame; empty when it belongs to no row with a profile or carries no register
    // the profile describes. Rows sharing the identifier are joined with "; ".
    [[nodiscard]] QString decode(const TCanFrame& frame);
    // The words for one message of a device called name.
    [[nodiscard]] static QString describe(const QString& name, const TDeviceProfile& profile,
                                          const TDeviceMessage& msg);

private:
    void refresh();

    const TProject& m_project;
    TProfileStore m_store;
    QString m_projectName;
    uint64_t m_changes = 0;
    bool m_read = false;
    bool m_any = false;
    std::array<std::unique_ptr<TDeviceProfile>, DeviceRows> m_profiles;
};
