#pragma once

// A profile as a CSV register map, the file `canquorvex-cli profile import` reads: a header line
// naming the columns register,name,unit,scale,offset,decimals,type,access,min,max,default,bits,
// enum,description, then one line per register in register order. Fields holding a comma, a
// quote or a line break are quoted (a quote doubled); numbers are written as short as they read
// back exactly; bit and value names are "number=name" items separated by ";" (RegisterFields.h).
// UTF-8 without byte order mark, lines ended by CR LF as spreadsheets write them.

#include "DeviceProfile.h"

#include <QByteArray>

[[nodiscard]] QByteArray ExportProfileCsv(const TDeviceProfile& profile);
