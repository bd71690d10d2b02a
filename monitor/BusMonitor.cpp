#include "BusMonitor.h"

#include "session/DeviceSession.h"

void TBusMonitor::setSession(int row, TDeviceSession* session) {
    if (row >= 0 && row < DeviceRows) m_sessions[static_cast<size_t>(row)] = session;
}

TDeviceSession* TBusMonitor::session(int row) const {
    return row >= 0 && row < DeviceRows ? m_sessions[static_cast<size_t>(row)] : nullptr;
}

void TBusMonitor::takeFrames(const TCanFrame* frames, int count) {
    if (count <= 0) return;
    const int32_t protokol = m_project.Protokol;
    // The identifiers of the rows in use, side by side: each frame is matched against these.
    struct TRowKeys {
        uint32_t Rx;
        uint32_t Tx;
        int Row;
    };
    std::array<TRowKeys, DeviceRows> rows{};
    int inUse = 0;
    for (int i = 0; i < DeviceRows; ++i) {
        const TZELM& row = m_project.Devices[static_cast<size_t>(i)];
        if (row.Use) rows[static_cast<size_t>(inUse++)] = {row.RXadr, row.TXadr, i};
    }
    for (int f = 0; f < count; ++f) {
        const TCanFrame& frame = frames[f];
        const uint32_t key = CanKey(frame.ID, protokol);
        m_stats.count(key);
        for (int j = 0; j < inUse; ++j) {
            const TRowKeys& keys = rows[static_cast<size_t>(j)];
            const bool rx = keys.Rx == key;
            const bool tx = keys.Tx == key;
            if (!rx && !tx) continue;
            TRowLights& lights = m_lights[static_cast<size_t>(keys.Row)];
            if (rx) {
                setLight(keys.Row, lights.Rx, TCellLight::Light);
                lights.Rx.FadeCount = FadeTicks;
            }
            if (tx) {
                setLight(keys.Row, lights.Tx, TCellLight::Light);
                lights.Tx.FadeCount = FadeTicks;
            }
            TDeviceSession* session = m_sessions[static_cast<size_t>(keys.Row)];
            if (session == nullptr && !onRowFrame) continue;
            const TDeviceMessage msg = DecodeDeviceFrame(frame, protokol, keys.Rx, keys.Tx);
            if (onRowFrame) onRowFrame(frame, keys.Row, msg);
            if (session != nullptr) {
                // The registers written carry the frame's own time.
                TRegisterImage& image = session->image();
                image.setMessageTime(frame.TimeUs / 1000, frame.Recorded);
                session->receive(msg);
                image.clearMessageTime();
            }
        }
    }
}

void TBusMonitor::fadePass() {
    for (int i = 0; i < DeviceRows; ++i) {
        if (!m_project.Devices[static_cast<size_t>(i)].Use) continue;
        TRowLights& lights = m_lights[static_cast<size_t>(i)];
        for (TCellState* cell : {&lights.Rx, &lights.Tx}) {
            if (cell->FadeCount == 0) {
                setLight(i, *cell, TCellLight::Idle);
            } else {
                --cell->FadeCount;
                if (cell->FadeCount < PaleBelow) setLight(i, *cell, TCellLight::Pale);
            }
        }
    }
}

void TBusMonitor::switchedOff() {
    m_stats.clearUsed();
    for (int i = 0; i < DeviceRows; ++i) {
        TRowLights& lights = m_lights[static_cast<size_t>(i)];
        setLight(i, lights.Rx, TCellLight::Off);
        setLight(i, lights.Tx, TCellLight::Off);
    }
}

void TBusMonitor::projectShown() {
    for (int i = 0; i < DeviceRows; ++i) {
        TRowLights& lights = m_lights[static_cast<size_t>(i)];
        const TCellLight light = m_project.Devices[static_cast<size_t>(i)].Use ? TCellLight::Idle : TCellLight::Off;
        for (TCellState* cell : {&lights.Rx, &lights.Tx}) {
            cell->FadeCount = 0;
            setLight(i, *cell, light);
        }
    }
    // Drawn whatever the cells showed before: the window sets all four cells of a row.
    m_changed = (1u << DeviceRows) - 1;
}

bool TBusMonitor::fading() const {
    for (int i = 0; i < DeviceRows; ++i) {
        if (!m_project.Devices[static_cast<size_t>(i)].Use) continue;
        const TRowLights& lights = m_lights[static_cast<size_t>(i)];
        for (const TCellState* cell : {&lights.Rx, &lights.Tx})
            if (cell->FadeCount != 0 || cell->Light != TCellLight::Idle) return true;
    }
    return false;
}
