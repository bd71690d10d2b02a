#include "ZelmBus.h"

#include "core/Project.h"

#include <algorithm>

void ZelmBus::setProject(const TProject& project) {
    m_projectName = project.Name;
    m_protokol = project.Protokol;
    m_devices.clear();
    for (int i = 0; i < DeviceRows; ++i) {
        const TZELM& row = project.Devices[static_cast<size_t>(i)];
        if (!row.Use) continue;
        m_devices.emplace_back(i, row.Name, row.RXadr, row.TXadr, project.Protokol, row.RSadr);
    }
    m_framesProduced = m_framesReceived = m_framesForDevices = m_registersWritten = m_periodDropped = 0;
    m_lastNow = 0;
    m_burst = FrameRateSchedule(m_burst.rate());
    m_burstOrigin = 0;
    restartSchedule();
}

const ZelmDevice* ZelmBus::deviceBySerialAddress(uint8_t address) const {
    for (const ZelmDevice& d : m_devices)
        if (static_cast<uint8_t>(d.rsAdr() & 0xFF) == address) return &d;
    return nullptr;
}

void ZelmBus::setPeriodMs(int periodMs) {
    m_periodMs = std::max(1, periodMs);
    restartSchedule();
}

void ZelmBus::setBurstRate(int framesPerSecond) {
    m_burst = FrameRateSchedule(framesPerSecond);
    m_burstOrigin = m_lastNow;
    restartSchedule();
}

void ZelmBus::restartSchedule() {
    // The devices' reports are spread evenly over one period rather than sent all at once.
    m_nextDue.assign(m_devices.size(), 0);
    const auto n = static_cast<int64_t>(m_devices.size());
    for (int64_t i = 0; i < n; ++i)
        m_nextDue[static_cast<size_t>(i)] = m_lastNow + i * m_periodMs / n;
    m_burstNext = 0;
}

bool ZelmBus::isCommandFrame(const TCanFrame& frame, const ZelmDevice& device) const {
    // Commands always travel in the standard layout, also in protocol 3 projects: on RXadr itself
    // (register address 0 there), eight bytes, mask 4 with register 127, zero bytes 0-3.
    if (m_protokol != Protocol3) return false;
    return frame.ID == device.rxAdr() && frame.DLC == 8 && frame.Data[4] == 0x80 && frame.Data[5] == 0x7F &&
           frame.Data[0] == 0 && frame.Data[1] == 0 && frame.Data[2] == 0 && frame.Data[3] == 0;
}

int ZelmBus::receive(const TCanFrame& frame, std::vector<TCanFrame>& out) {
    ++m_framesReceived;
    const uint32_t key = CanKey(frame.ID, m_protokol);
    int written = 0;
    bool forDevice = false;
    for (ZelmDevice& d : m_devices) {
        if (d.rxAdr() != key) continue;
        forDevice = true;
        const int32_t layout = isCommandFrame(frame, d) ? 0 : m_protokol;
        const TDeviceMessage msg = DecodeDeviceFrame(frame, layout, d.rxAdr(), d.txAdr());
        written += d.apply(msg, out);
    }
    if (forDevice) ++m_framesForDevices;
    m_registersWritten += written;
    return written;
}

void ZelmBus::produce(int64_t nowMs, std::vector<TCanFrame>& out) {
    m_lastNow = std::max(m_lastNow, nowMs);
    if (m_devices.empty()) return;
    for (ZelmDevice& d : m_devices)
        d.advance(nowMs);

    if (m_burst.rate() > 0) {
        const int64_t n = m_burst.due(nowMs - m_burstOrigin);
        for (int64_t k = 0; k < n; ++k) {
            out.push_back(m_devices[static_cast<size_t>(m_burstNext)].nextReport());
            m_burstNext = (m_burstNext + 1) % deviceCount();
        }
        m_framesProduced += n;
        return;
    }

    for (size_t i = 0; i < m_devices.size(); ++i) {
        int64_t& due = m_nextDue[i];
        if (due > nowMs) continue;
        out.push_back(m_devices[i].nextReport());
        ++m_framesProduced;
        due += m_periodMs;
        // After a stall a device sends one report and carries on from now, not a backlog.
        if (due <= nowMs) {
            const int64_t missed = (nowMs - due) / m_periodMs + 1;
            m_periodDropped += missed;
            due += missed * m_periodMs;
        }
    }
}
