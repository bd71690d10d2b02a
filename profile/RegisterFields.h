#pragma once

// One register entry of a profile as texts: what the Parameters view's map editor shows and the
// CSV export writes. A text is made into a register entry through the profile reader's own
// checks, so an entry the reader would refuse is never made.
//
// The names of a bits register are items "bit=name" or "first-last=name" ("0=Ready",
// "8-15=Device code"); those of an enum register "value=name" ("0=Off"). Items are separated by
// line breaks in the editor and by ";" in a CSV cell, where a ";" of a name is written ";;".

#include "DeviceProfile.h"

#include <QChar>
#include <QString>

struct TRegisterFields {
    QString Register;
    QString Name;
    QString Unit;
    QString Scale;
    QString Offset;
    QString Decimals;
    QString Type;   // s16, u16, bits, enum
    QString Access; // ro, rw
    QString Min;
    QString Max;
    QString Default;
    QString Names; // bit names of a bits register, values and names of an enum register
    QString Description;
};

// The texts of an entry; separator: '\n' or ';'.
[[nodiscard]] TRegisterFields RegisterFieldsOf(const TRegisterInfo& info, QChar separator);
// The entry the texts describe, checked as a profile file's entry is; false with what is wrong.
[[nodiscard]] bool RegisterFromFields(const TRegisterFields& fields, QChar separator, TRegisterInfo* info,
                                      QString* error);
// The bit or value names alone, as RegisterFieldsOf writes them.
[[nodiscard]] QString RegisterNamesText(const TRegisterInfo& info, QChar separator);
// A number as a profile holds it, as short as it reads back exactly.
[[nodiscard]] QString ProfileNumberText(double value);
