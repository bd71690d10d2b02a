#pragma once

// The colours of the parameter display, indexed by highlight level a = 0..ColorLevels (the device
// window's FadeLevels) and, for the analog cells and the zero bits, by direction (0 from the
// device, 1 to the device). Computed once; painting a cell is a table look-up.

#include "Highlight.h"

#include <array>
#include <cstdint>

inline constexpr int ColorLevels = FadeLevels;

// An opaque colour as 0xAARRGGBB, the layout the painting side takes (QRgb).
using TRgb = uint32_t;
[[nodiscard]] constexpr TRgb Rgb(int r, int g, int b) {
    return (0xFFu << 24) | ((static_cast<TRgb>(r) & 0xFFu) << 16) | ((static_cast<TRgb>(g) & 0xFFu) << 8) |
           (static_cast<TRgb>(b) & 0xFFu);
}

// A cell outside the chosen block.
inline constexpr TRgb SilverColor = 0xFFC0C0C0u; // (192, 192, 192)

struct TColorTables {
    std::array<std::array<TRgb, 2>, ColorLevels + 1> AnaColor{};  // analog cell
    std::array<TRgb, ColorLevels + 1> OneColor{};                 // bit cell, bit 1, either direction
    std::array<std::array<TRgb, 2>, ColorLevels + 1> ZeroColor{}; // bit cell, bit 0
};

// Evaluates the integer formulas of the tables for every level.
[[nodiscard]] TColorTables ComputeColorTables();

// The tables shared by all device windows, computed on first use.
[[nodiscard]] const TColorTables& ColorTables();
