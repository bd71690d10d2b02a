#pragma once

// The bit-rate codes the adapter library takes, indexed by the bit-rate index of CanOpen, and the
// bit rate each stands for on a Qt CAN bus. The low byte of a code is the index of the usual
// bit-timing ladder (0: 1 Mbit/s, 2: 500 kbit/s, 3: 250 kbit/s, 4: 125 kbit/s); 0x800A lies
// beyond that ladder and is taken as the slowest rate the adapters offer, 10 kbit/s.

#include <cstdint>

inline constexpr int CanBitRateCount = 5;
inline constexpr uint16_t CanBitRates[CanBitRateCount] = {0x800A, 0x8004, 0x8003, 0x8002, 0x8000};
inline constexpr int CanBitRatesPerSecond[CanBitRateCount] = {10000, 125000, 250000, 500000, 1000000};

// Bit rate in bit/s for a code of CanBitRates, 0 for an unknown code.
[[nodiscard]] constexpr int CanBitRateForCode(uint16_t code) {
    for (int i = 0; i < CanBitRateCount; ++i)
        if (CanBitRates[i] == code) return CanBitRatesPerSecond[i];
    return 0;
}
