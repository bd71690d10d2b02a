#pragma once

// Register maps as vendors ship them and as "Export as CSV…" writes them: a CSV file with the
// columns register,name,unit,scale,offset,decimals,type,access,min,max,default,bits,enum,description
// (a header line names them, in any order; only register and name are required; fields may be
// quoted), made into a profile. A bits register's names stand in the "bits" column, an enum
// register's values and names in the "enum" column, as "number=name" items separated by ";"
// (RegisterFields.h).

#include "DeviceProfile.h"

#include <QByteArray>
#include <QString>

// false with a message naming the file and the line when the map cannot be read: a quote never
// closed, a record with more or fewer fields than the header. Quoted fields may span lines. A file
// that is not UTF-8 is read as Windows-1251, and `warning` says so.
[[nodiscard]] bool ImportProfileCsv(const QByteArray& csv, const QString& fileName, const QString& device,
                                    TDeviceProfile* profile, QString* error, QString* warning = nullptr);
