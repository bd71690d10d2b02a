#pragma once

// The current project: one record for the process, with its sixteen device rows. The main window
// owns it (and keeps the widgets that show it in records of its own); device windows read the
// command captions and mark them changed; the demo bus plays its devices.

#include <QString>

#include <array>
#include <cstdint>

inline constexpr int DeviceRows = 16;
inline constexpr int CommandCount = 17;

struct TZELM {
    int32_t RSadr = 0;
    uint32_t RXadr = 0;
    uint32_t TXadr = 0;
    bool Use = false;
    QString Name;
};

struct TProject {
    int32_t BaseAdr = 0;
    int32_t PlusAdr = 16;
    int32_t CommAdr = 0;
    std::array<TZELM, DeviceRows> Devices{};
    QString Name;
    std::array<QString, CommandCount> DigiBut{};
    bool DigiButChanged = false;
    int32_t Protokol = 0;
};
