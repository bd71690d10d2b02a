#pragma once

// One adapter of slcan.dll as a Qt CAN bus device (plugin "slcandll", interface "0" for the first
// adapter the library reports, "1" for the second, ...).
//
// Opening runs the library's sequence: SlCan_GetDeviceCount, SlCan_GetDevice, SlCan_DeviceOpen, the
// bit-rate code (0x8004 for 125 kbit/s, 0x8003 for 250 kbit/s, the rest of the table in
// can/CanBitRates.h), event level 1, mode 1 and TX time-out 100; a refused step closes the adapter
// again and says which step it was. While connected, a thread of the device makes every call on
// the open adapter: it reads at most 1000 events at a time with a time-out of 10, as the tool's tick
// would, sends the frames queued since, and hands what it read to the device's thread. Events other
// than frames are counted and skipped; at most MaxQueuedEvents wait there, more are dropped and
// counted.

#include "SlcanDllLibrary.h"

#include <QCanBusDevice>
#include <QCanBusDeviceInfo>

#include <cstdint>
#include <memory>
#include <thread>

class SlcanDllCanBusDevice : public QCanBusDevice {
    Q_OBJECT
public:
    static constexpr uint32_t ReadTimeOut = 10;
    static constexpr uint32_t MaxEventsPerRead = 1000;
    static constexpr uint32_t EventLevel = 1;
    static constexpr uint32_t Mode = 1;
    static constexpr uint32_t TxTimeOut = 100;
    static constexpr int DefaultBitRate = 125000;
    static constexpr size_t MaxQueuedEvents = 100000;
    // Frames handed to the library in one SlCan_DeviceWriteMessages.
    static constexpr size_t MaxMessagesPerWrite = 100;

    SlcanDllCanBusDevice(SlcanDllLibrary& library, int adapterIndex, QObject* parent = nullptr);
    ~SlcanDllCanBusDevice() override;
    SlcanDllCanBusDevice(const SlcanDllCanBusDevice&) = delete;
    SlcanDllCanBusDevice& operator=(const SlcanDllCanBusDevice&) = delete;

    bool writeFrame(const QCanBusFrame& frame) override;
    QString interpretErrorFrame(const QCanBusFrame& errorFrame) override;
    [[nodiscard]] QCanBusDeviceInfo deviceInfo() const override;

    [[nodiscard]] static QCanBusDeviceInfo makeDeviceInfo(int adapterIndex);
    // The library's code for a bit rate in bit/s; 0 when it has none.
    [[nodiscard]] static uint16_t bitRateCode(int bitsPerSecond);
    // Events that were no frames, and events dropped because too many waited, since the open.
    [[nodiscard]] uint64_t otherEvents() const { return m_otherEvents; }
    [[nodiscard]] uint64_t droppedEvents() const { return m_droppedEvents; }

protected:
    bool open() override;
    void close() override;

private:
    struct Shared;
    void takeResults();
    [[nodiscard]] bool refuse(const QString& step, QCanBusDevice::CanBusError kind);

    SlcanDllLibrary& m_library;
    int m_index;
    int32_t m_handle = -1;
    std::shared_ptr<Shared> m_shared;
    std::thread m_thread;
    uint64_t m_otherEvents = 0;
    uint64_t m_droppedEvents = 0;
};
