#pragma once

// The colours of the parameter display, indexed by highlight level a = 0..ColorLevels (the device
// window's FadeLevels) and, for the analog cells and the zero bits, by direction (0 from the
// device, 1 to the device). Computed once; painting a cell is a table look-up.

#include <QColor>

#include <array>

inline constexpr int ColorLevels = 20;

// A cell outside the chosen block.
inline constexpr QRgb SilverColor = 0xFFC0C0C0u; // (192, 192, 192)

struct TColorTables {
    std::array<std::array<QRgb, 2>, ColorLevels + 1> AnaColor{};  // analog cell
    std::array<QRgb, ColorLevels + 1> OneColor{};                 // bit cell, bit 1, either direction
    std::array<std::array<QRgb, 2>, ColorLevels + 1> ZeroColor{}; // bit cell, bit 0
};

// Evaluates the integer formulas of the tables for every level.
[[nodiscard]] TColorTables ComputeColorTables();

// The tables shared by all device windows, computed on first use.
[[nodiscard]] const TColorTables& ColorTables();
