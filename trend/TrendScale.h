#pragma once

// What a register means, as the device's profile describes it, for the trend: its name, its unit,
// the names of its bits and the scaling of the raw word to the engineering value (raw * Scale +
// Offset, with Decimals places; Unsigned: the raw word counts 0..65535, else -32768..32767).

#include <QString>

#include <array>
#include <cstdint>

struct TTrendScale {
    QString Name;
    QString Unit;
    double Scale = 1.0;
    double Offset = 0.0;
    int Decimals = 0;
    bool Unsigned = false;
    std::array<QString, 16> BitNames{};

    // The engineering value of a value as the register image holds it (sign-extended).
    [[nodiscard]] double value(int32_t stored) const {
        const int32_t raw = Unsigned ? static_cast<int32_t>(static_cast<uint16_t>(stored))
                                     : static_cast<int32_t>(static_cast<int16_t>(stored));
        return static_cast<double>(raw) * Scale + Offset;
    }
};
