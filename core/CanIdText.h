#pragma once

#include <QString>

#include <cstdint>

// A CAN identifier as the tool writes it: "0x" and eight upper-case hexadecimal digits.
[[nodiscard]] inline QString CanIdText(uint32_t id) {
    return QLatin1String("0x") + QString::number(id, 16).toUpper().rightJustified(8, QLatin1Char('0'));
}
