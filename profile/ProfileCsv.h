#pragma once

// Register maps as vendors ship them, a CSV file with the columns
// register,name,unit,scale,offset,decimals,type,access,min,max,description (a header line names
// them, in any order; only register and name are required; fields may be quoted), made into a
// profile. Bit and value names have no columns: a bits register comes without names, and an enum
// register is refused (its values are added in the JSON).

#include "DeviceProfile.h"

#include <QByteArray>
#include <QString>

// false with a message naming the file and the line when the map cannot be read: a quote never
// closed, a record with more or fewer fields than the header. Quoted fields may span lines. A file
// that is not UTF-8 is read as Windows-1251, and `warning` says so.
[[nodiscard]] bool ImportProfileCsv(const QByteArray& csv, const QString& fileName, const QString& device,
                                    TDeviceProfile* profile, QString* error, QString* warning = nullptr);
