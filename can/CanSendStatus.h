#pragma once

// The outcome of one send: the adapter library's transmit status (0..7) and whether the library
// refused the call. The memo line that reports it is made from the value, never compared.

#include "core/Language.h"

#include <QString>

#include <cstdint>

// The memo's own words: shown as written unless the user chose a language.
inline constexpr const char* const CanStatusNames[8] = {
    QT_TRANSLATE_NOOP("FixedCaption", "OK"),           QT_TRANSLATE_NOOP("FixedCaption", "TimeOut"),
    QT_TRANSLATE_NOOP("FixedCaption", "BusOff"),       QT_TRANSLATE_NOOP("FixedCaption", "Abort"),
    QT_TRANSLATE_NOOP("FixedCaption", "Disable"),      QT_TRANSLATE_NOOP("FixedCaption", "One shot error"),
    QT_TRANSLATE_NOOP("FixedCaption", "Invalid mode"), QT_TRANSLATE_NOOP("FixedCaption", "Unknown")};

struct TCanSendStatus {
    uint8_t Code = 0;     // 0 (OK) .. 7 (Unknown)
    bool Refused = false; // the library call itself failed

    // Something for the user to hear of: a refused call or a status other than OK.
    [[nodiscard]] bool failed() const { return Refused || Code != 0; }
    // "  Transmit error" for a refused call, otherwise "Status CAN = <name>."
    [[nodiscard]] QString text() const {
        if (Refused) return FixedCaption(QT_TRANSLATE_NOOP("FixedCaption", "  Transmit error"));
        return FixedCaption(QT_TRANSLATE_NOOP("FixedCaption", "Status CAN = %1."))
            .arg(FixedCaption(CanStatusNames[Code > 7 ? 7 : Code]));
    }
};
