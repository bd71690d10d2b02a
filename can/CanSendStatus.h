#pragma once

// The outcome of one send: the adapter library's transmit status (0..7) and whether the library
// refused the call. The memo line that reports it is made from the value, never compared.

#include <QString>

#include <cstdint>

inline constexpr const char* const CanStatusNames[8] = {
    "OK", "TimeOut", "BusOff", "Abort", "Disable", "One shot error", "Invalid mode", "Unknown"};

struct TCanSendStatus {
    uint8_t Code = 0;     // 0 (OK) .. 7 (Unknown)
    bool Refused = false; // the library call itself failed

    // Something for the user to hear of: a refused call or a status other than OK.
    [[nodiscard]] bool failed() const { return Refused || Code != 0; }
    // "  Transmit error" for a refused call, otherwise "Status CAN = <name>."
    [[nodiscard]] QString text() const {
        if (Refused) return QStringLiteral("  Transmit error");
        return QStringLiteral("Status CAN = %1.").arg(QLatin1String(CanStatusNames[Code > 7 ? 7 : Code]));
    }
};
