#pragma once

// One simulated ZELM device: 128 registers of 16 bits with a plausible live behaviour, writes and
// commands received on its RXadr, and its reports on TXadr in the project's layout.
//
// Registers, as the device window shows them by default:
//   0 ... 23   discrete block: a heartbeat bit, a walking bit, slow toggles, fixed patterns
//   24 ... 87  analog block: measurements that drift slowly around their set value
//   88         seconds since start (wraps at 65536)
//   89 ... 126 settings: fixed values until written
//   127        the last command word received
// A register written over the bus keeps the written value; the live behaviour no longer drives it.

#include "core/DeviceMessage.h"
#include "core/Registers.h"

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

class ZelmDevice {
public:
    static constexpr int CounterRegister = 88;
    static constexpr int DiscreteFirst = 0;
    static constexpr int DiscreteCount = 24;
    static constexpr int AnalogFirst = 24;
    static constexpr int AnalogCount = 64;
    // Registers per report: three in the standard layout, four in the protocol 3 layout.
    static constexpr int StandardReportValues = 3;
    static constexpr int Protocol3ReportValues = 4;

    ZelmDevice(int row, QString name, uint32_t rxAdr, uint32_t txAdr, int32_t protokol, int32_t rsAdr);

    [[nodiscard]] int row() const { return m_row; }
    [[nodiscard]] const QString& name() const { return m_name; }
    [[nodiscard]] uint32_t rxAdr() const { return m_rxAdr; }
    [[nodiscard]] uint32_t txAdr() const { return m_txAdr; }
    [[nodiscard]] int32_t protokol() const { return m_protokol; }
    [[nodiscard]] int32_t rsAdr() const { return m_rsAdr; }

    // Value of register r (0 for a register outside 0..127).
    [[nodiscard]] uint16_t reg(int r) const;
    // True when register r was written over the bus and no longer follows the live behaviour.
    [[nodiscard]] bool held(int r) const;

    // Moves the live behaviour on to nowMs, milliseconds since the simulation started.
    void advance(int64_t nowMs);

    // Applies a message received on RXadr: each present slot whose register lies in 0..127 is
    // written. Appends the device's echo of the written registers (frames on TXadr) to echo and
    // returns the number of registers written.
    int apply(const TDeviceMessage& msg, std::vector<TCanFrame>& echo);

    // The next report in the round-robin over all 128 registers.
    [[nodiscard]] TCanFrame nextReport();
    // Frames one round-robin cycle takes: 43 in the standard layout, 32 under protocol 3.
    [[nodiscard]] int reportsPerCycle() const;

    // A message from the device about registers first .. first+count-1 (count clipped to the
    // layout's width and to register 127), encoded on TXadr.
    [[nodiscard]] TCanFrame reportFrame(int first, int count) const;

private:
    [[nodiscard]] int reportWidth() const;
    void set(int r, uint16_t value);

    int m_row = 0;
    QString m_name;
    uint32_t m_rxAdr = 0;
    uint32_t m_txAdr = 0;
    int32_t m_protokol = 0;
    int32_t m_rsAdr = 0;
    std::array<uint16_t, RegisterCount> m_regs{};
    std::array<bool, RegisterCount> m_held{};
    int m_nextReport = 0;
    int64_t m_lastMs = -1;
};
