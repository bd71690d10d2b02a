#include "ColorTables.h"

TColorTables ComputeColorTables() {
    constexpr int F = ColorLevels;
    TColorTables t;
    for (int a = 0; a <= F; ++a) {
        const int d = F - a;
        // Fresh values from the device are strong green, those to the device light blue; both
        // pale towards near-white as the level falls.
        t.AnaColor[a][0] = Rgb(180 + (75 / F) * d, 255, 160 + (95 / F) * d);
        t.AnaColor[a][1] = Rgb(160 + (95 / F) * d, 220 + (35 / F) * d, 255);
        // Set bits are strong red and pale towards silver.
        t.OneColor[a] = Rgb(255 - ((6300 / F) * d) / 100, ((1920 / F) * d) / 10, ((1920 / F) * d) / 10);
        t.ZeroColor[a][0] = Rgb(160 + (95 / F) * d, 255, 140 + (115 / F) * d);
        t.ZeroColor[a][1] = Rgb(150 + (105 / F) * d, 210 + (45 / F) * d, 255);
    }
    return t;
}

const TColorTables& ColorTables() {
    static const TColorTables tables = ComputeColorTables();
    return tables;
}
