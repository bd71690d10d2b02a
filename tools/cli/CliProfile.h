#pragma once

// canquorvex-cli and device profiles: the commands "profile import CSV JSON" and "profile check
// FILE", and the profile by which "read" names its registers (the row's in Quorvex.ini, or the
// one --profile names).

#include "CliOptions.h"

#include "profile/DeviceProfile.h"

#include <QString>

#include <cstdint>
#include <optional>

class TJsonLine;

// Runs "profile ..." (it needs neither project nor bus): the exit code; a JSON line on standard
// output (file, device, registers), the message on standard error.
[[nodiscard]] int RunProfileCommand(const TCliOptions& options, const QString& settingsFolder);

// A profile named on the command line: the path as given, else a file of that name in the
// profiles folder.
[[nodiscard]] QString CliProfilePath(const QString& name, const QString& settingsFolder);

// The profile read uses for a row: the file --profile names, else the row's profile. false with
// the message when --profile names no valid profile. A row's profile that cannot be used is only
// warned about (warning): read goes on with raw values.
[[nodiscard]] bool LoadReadProfile(const TCliOptions& options, const QString& settingsFolder,
                                   const QString& project, int row, std::optional<TDeviceProfile>* profile,
                                   QString* error, QString* warning);

// Adds name, value and unit of a register the profile describes to a line of read.
void AddProfileFields(TJsonLine& line, const TDeviceProfile& profile, int reg, uint16_t raw);
