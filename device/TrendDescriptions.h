#pragma once

// What a trend needs to know of a device's registers from its register map: names, units and the
// scaling to engineering values, bit names. Registers the map does not describe stay raw.

#include "trend/TrendModel.h"

class TDeviceProfile;

[[nodiscard]] TTrendModel::Descriptions TrendDescriptionsOf(const TDeviceProfile* profile);
