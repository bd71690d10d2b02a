#include "BusHealthMeter.h"

#include "CanFrameBits.h"

#include <algorithm>

BusHealthMeter::BusHealthMeter(int slotsPerSecond)
    : m_slotsPerSecond(std::clamp(slotsPerSecond, 1, MaxSlotsPerSecond)) {}

void BusHealthMeter::restart(qint64 nowMs, int bitRate) {
    *this = BusHealthMeter(m_slotsPerSecond);
    m_bitRate = std::max(bitRate, 0);
    m_slotStart = nowMs;
}

void BusHealthMeter::canTraffic(const QCanBusFrame& frame, const QByteArray& payload,
                                CanTrafficDirection direction) {
    switch (frame.frameType()) {
    case QCanBusFrame::DataFrame:
    case QCanBusFrame::RemoteRequestFrame:
        countFrame(WorstCaseFrameBits(frame, payload.size()), direction);
        break;
    case QCanBusFrame::ErrorFrame:
        countErrorFrame(BusErrorInfo::fromFrame(frame));
        break;
    default:
        break;
    }
}

void BusHealthMeter::countFrame(int bits, CanTrafficDirection direction) {
    m_open.bits += static_cast<uint64_t>(bits);
    if (direction == CanTrafficDirection::Sent) {
        ++m_open.sent;
        ++m_framesSent;
    } else {
        ++m_open.received;
        ++m_framesReceived;
    }
}

void BusHealthMeter::countErrorFrame(const BusErrorInfo& error) {
    ++m_errorFrames;
    m_lastError = error;
    m_state = BusStateAfter(m_state, error);
    if (error.isOverrun()) {
        ++m_overruns;
        ++m_open.overruns;
    }
}

void BusHealthMeter::sample(qint64 nowMs) {
    const qint64 ms = nowMs - m_slotStart;
    if (ms <= 0) return; // no time has passed: the slot stays open
    m_open.ms = ms;
    m_newest = (m_newest + 1) % MaxSlotsPerSecond;
    m_slots[static_cast<size_t>(m_newest)] = m_open;
    m_filled = std::min(m_filled + 1, m_slotsPerSecond);
    m_open = Slot{};
    m_slotStart = nowMs;

    // The last second is the newest slotsPerSecond slots (fewer just after a restart), over the
    // time they really lasted.
    Slot window;
    for (int i = 0; i < m_filled; ++i) {
        const Slot& s = m_slots[static_cast<size_t>((m_newest - i + MaxSlotsPerSecond) % MaxSlotsPerSecond)];
        window.ms += s.ms;
        window.bits += s.bits;
        window.received += s.received;
        window.sent += s.sent;
        window.overruns += s.overruns;
    }
    const double seconds = static_cast<double>(window.ms) / 1000.0;
    m_rxPerSecond = window.received / seconds;
    m_txPerSecond = window.sent / seconds;
    m_countedPercent = m_bitRate > 0 ? 100.0 * static_cast<double>(window.bits) / (m_bitRate * seconds) : 0.0;
    m_peakPercent = std::max(m_peakPercent, loadPercent());
    m_overrunsInWindow = window.overruns;
}
