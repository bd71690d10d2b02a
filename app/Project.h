#pragma once

// The current project: one record for the process, with its sixteen device rows. The main window
// owns it; device windows read the command captions and mark them changed.

#include <QString>

#include <array>
#include <cstdint>

class TPanel;
class QPushButton;
class TModbusForm;

inline constexpr int DeviceRows = 16;
inline constexpr int CommandCount = 17;

struct TZELM {
    TPanel* RsPanel = nullptr;
    TPanel* RxPanel = nullptr;
    TPanel* TxPanel = nullptr;
    TPanel* NamePanel = nullptr;
    QPushButton* OpenButton = nullptr;
    int32_t RSadr = 0;
    uint32_t RXadr = 0;
    uint32_t TXadr = 0;
    bool Use = false;
    bool WindowOpen = false;
    QString Name;
    TModbusForm* Window = nullptr;
};

struct TProject {
    TPanel* BasePanel = nullptr;
    TPanel* CommPanel = nullptr;
    TPanel* TitlePanel = nullptr;
    int32_t BaseAdr = 0;
    int32_t PlusAdr = 16;
    int32_t CommAdr = 0;
    std::array<TZELM, DeviceRows> Devices{};
    QString Name;
    std::array<QString, CommandCount> DigiBut{};
    bool DigiButChanged = false;
    int32_t Protokol = 0;
};
