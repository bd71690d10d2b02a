#pragma once

// Writes a profile file (schema 1) from the map editor: the JSON is checked by the profile reader
// before anything is written, so a file the reader would refuse is never made, and it goes to disk
// through the safe replacement of files. Saving over the file the profile came from keeps what the
// editor does not know: keys of the file and of its register entries that the tool does not read.

#include "DeviceProfile.h"

#include <QString>

// keepFrom: the file whose unknown keys are kept (usually path itself); empty for none. false with
// the message when the profile is refused, the old file cannot be read or the file not written.
[[nodiscard]] bool SaveProfile(const TDeviceProfile& profile, const QString& path, const QString& keepFrom,
                               QString* error);
