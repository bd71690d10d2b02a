#pragma once

// Projects for the simulator tests, with the identifiers the project file gives by default:
// standard layout RX = 0x100 + n, TX = RX + 0x10; protocol 3 RX = n << 24, TX = RX + 0x10000000.

#include "core/Project.h"

#include <QString>

#include <initializer_list>

inline TProject MakeSimProject(int protokol, std::initializer_list<int> rows,
                               const QString& name = QStringLiteral("Test")) {
    TProject p;
    p.Name = name;
    p.Protokol = protokol;
    uint32_t n = 0;
    for (int row : rows) {
        TZELM& d = p.Devices[static_cast<size_t>(row)];
        d.Use = true;
        d.RSadr = row;
        d.Name = QStringLiteral("ZELM_%1").arg(row);
        if (protokol == 3) {
            d.RXadr = n << 24;
            d.TXadr = d.RXadr + 0x10000000u;
        } else {
            d.RXadr = 0x100 + n;
            d.TXadr = d.RXadr + 0x10;
        }
        ++n;
    }
    return p;
}

inline TProject MakeSimProject16(int protokol) {
    return MakeSimProject(protokol, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15});
}
