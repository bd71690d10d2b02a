#pragma once

// The simulated devices of one project on one bus: frames from the bus are routed by their key to
// the devices whose RXadr it is, and the devices' reports come out either once per period per
// device or, in burst mode, at a fixed total frame rate spread evenly over the devices.
// Plain code: the caller moves frames to and from the real bus and supplies the clock.

#include "FrameRateSchedule.h"
#include "ZelmDevice.h"

#include "core/DeviceMessage.h"

#include <QString>

#include <cstdint>
#include <vector>

struct TProject;

class ZelmBus {
public:
    static constexpr int DefaultPeriodMs = 100;

    ZelmBus() = default;
    explicit ZelmBus(const TProject& project) { setProject(project); }

    // Rebuilds the devices from the rows in use; resets the clock and the counters.
    void setProject(const TProject& project);

    [[nodiscard]] const QString& projectName() const { return m_projectName; }
    [[nodiscard]] int32_t protokol() const { return m_protokol; }
    [[nodiscard]] int deviceCount() const { return static_cast<int>(m_devices.size()); }
    [[nodiscard]] ZelmDevice& device(int i) { return m_devices[static_cast<size_t>(i)]; }
    [[nodiscard]] const ZelmDevice& device(int i) const { return m_devices[static_cast<size_t>(i)]; }
    // The first device whose serial address has these low 8 bits, or nullptr.
    [[nodiscard]] const ZelmDevice* deviceBySerialAddress(uint8_t address) const;

    // Report period of every device in period mode (at least 1 ms).
    void setPeriodMs(int periodMs);
    [[nodiscard]] int periodMs() const { return m_periodMs; }
    // Burst mode: the given total frame rate over all devices; 0 returns to period mode.
    void setBurstRate(int framesPerSecond);

    // A frame from the bus. A frame whose key is a device's RXadr is a write to that device;
    // everything else is ignored. The devices' echoes are appended to out. Returns the number of
    // registers written.
    int receive(const TCanFrame& frame, std::vector<TCanFrame>& out);

    // Reports due at nowMs (milliseconds since the start), appended to out.
    void produce(int64_t nowMs, std::vector<TCanFrame>& out);

    [[nodiscard]] int64_t framesProduced() const { return m_framesProduced; }
    [[nodiscard]] int64_t framesReceived() const { return m_framesReceived; }
    [[nodiscard]] int64_t framesForDevices() const { return m_framesForDevices; }
    [[nodiscard]] int64_t registersWritten() const { return m_registersWritten; }
    [[nodiscard]] int64_t framesDropped() const { return m_burst.dropped() + m_periodDropped; }

private:
    [[nodiscard]] bool isCommandFrame(const TCanFrame& frame, const ZelmDevice& device) const;
    void restartSchedule();

    QString m_projectName;
    int32_t m_protokol = 0;
    std::vector<ZelmDevice> m_devices;
    std::vector<int64_t> m_nextDue; // period mode: when each device reports next
    int m_periodMs = DefaultPeriodMs;
    FrameRateSchedule m_burst;
    int64_t m_burstOrigin = 0;
    int64_t m_lastNow = 0;
    int m_burstNext = 0; // burst mode: the device whose turn it is
    int64_t m_framesProduced = 0;
    int64_t m_framesReceived = 0;
    int64_t m_framesForDevices = 0;
    int64_t m_registersWritten = 0;
    int64_t m_periodDropped = 0;
};
