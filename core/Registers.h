#pragma once

// The register map every ZELM device shares: 128 registers of 16 bits, the last one taking the
// command words.

inline constexpr int RegisterCount = 128;
inline constexpr int CommandRegister = 127;
