#pragma once

// Counts the traffic of one bus: every frame adds its worst-case length on the wire to the bus
// load and one to the received or sent frames; every error frame adds to the error count, keeps the
// error as the last one, moves the bus state it tells, and counts as an adapter overrun when the
// controller reports an overflow. The counting is a few additions per frame, with no clock read
// and no allocation; sample(), called a few times a second with the time, closes the slot of
// traffic since the previous call and works out the figures over the last second from the latest
// slots.

#include "BusErrorInfo.h"
#include "BusState.h"

#include "can/CanTrafficTap.h"

#include <QtGlobal>

#include <algorithm>
#include <array>
#include <cstdint>

class BusHealthMeter : public CanTrafficObserver {
public:
    static constexpr int MaxSlotsPerSecond = 8;

    // sample() is to be called slotsPerSecond times a second (1 to MaxSlotsPerSecond).
    explicit BusHealthMeter(int slotsPerSecond = 4);

    // Starts afresh at nowMs (a monotonic clock in milliseconds) at the given bit rate (bit/s).
    void restart(qint64 nowMs, int bitRate);
    [[nodiscard]] int bitRate() const { return m_bitRate; }

    using CanTrafficObserver::canTraffic;
    void canTraffic(const QCanBusFrame& frame, const QByteArray& payload,
                    CanTrafficDirection direction) override;
    // One data or remote frame, its worst-case length on the wire given.
    void countFrame(int bits, CanTrafficDirection direction);
    void countErrorFrame(const BusErrorInfo& error);

    // Closes the slot that began at the previous sample (or restart) and updates the figures.
    void sample(qint64 nowMs);

    // Bus load over the last second, in percent of the bit rate (from the last sample): at most
    // 100, what the bus can carry.
    [[nodiscard]] double loadPercent() const { return std::min(m_countedPercent, 100.0); }
    // The load the frames of the last second add up to, without the bound. Above 100 they cannot
    // all have come from a bus at this bit rate: the adapter runs at another rate, or a serial-line
    // adapter (or whatever pretends to be one) hands over more frames than any bus could carry.
    [[nodiscard]] double countedPercent() const { return m_countedPercent; }
    // The highest load of any sample since the restart (at most 100).
    [[nodiscard]] double peakLoadPercent() const { return m_peakPercent; }
    // The adapter reported an overrun within the last second: it lost frames, so the load was at
    // least what was counted.
    [[nodiscard]] bool overrunInLastSecond() const { return m_overrunsInWindow > 0; }
    [[nodiscard]] double receivedPerSecond() const { return m_rxPerSecond; }
    [[nodiscard]] double sentPerSecond() const { return m_txPerSecond; }

    [[nodiscard]] uint64_t errorFrames() const { return m_errorFrames; }
    // The last error frame's classes and details (no classes before the first).
    [[nodiscard]] const BusErrorInfo& lastError() const { return m_lastError; }
    // The bus state as the error frames tell it (unknown until one does).
    [[nodiscard]] BusState errorFrameState() const { return m_state; }
    // Error frames that reported a receive or transmit overflow of the adapter.
    [[nodiscard]] uint64_t overruns() const { return m_overruns; }
    [[nodiscard]] uint64_t framesReceived() const { return m_framesReceived; }
    [[nodiscard]] uint64_t framesSent() const { return m_framesSent; }

private:
    struct Slot {
        qint64 ms = 0;
        uint64_t bits = 0;
        uint32_t received = 0;
        uint32_t sent = 0;
        uint32_t overruns = 0;
    };

    int m_slotsPerSecond = 4;
    int m_bitRate = 0;
    // The slot being filled.
    qint64 m_slotStart = 0;
    Slot m_open;
    // Closed slots, newest at m_newest; m_filled of them are valid.
    std::array<Slot, MaxSlotsPerSecond> m_slots{};
    int m_newest = 0;
    int m_filled = 0;

    double m_countedPercent = 0;
    double m_peakPercent = 0;
    uint32_t m_overrunsInWindow = 0;
    double m_rxPerSecond = 0;
    double m_txPerSecond = 0;
    uint64_t m_framesReceived = 0;
    uint64_t m_framesSent = 0;
    uint64_t m_errorFrames = 0;
    uint64_t m_overruns = 0;
    BusErrorInfo m_lastError;
    BusState m_state = BusState::Unknown;
};
