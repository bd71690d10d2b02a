#pragma once

// The adapter library on Qt's CAN bus: each configured adapter (plugin and interface) is one device
// of the library. One device is open at a time. Frames are queued by the device's framesReceived
// signal between ticks and handed out by DeviceReadEvents, which never blocks.
// Configuration: DeviceOpen creates the device, DeviceSetBitRate sets its bit rate, DeviceSetMode
// connects it (waiting at most ConnectWaitMs, or what the device asks for, for plugins that
// connect later), the other steps
// only check that the device is there.

#include "CanAdapterName.h"
#include "CanDeviceFactory.h"
#include "SlCanDriver.h"

#include <QCanBusDevice>
#include <QList>
#include <QMetaObject>
#include <QString>

#include <cstdint>
#include <vector>

class QtCanDriver : public SlCanDriver {
public:
    static constexpr int DefaultQueueCapacity = 65536;
    static constexpr int ConnectWaitMs = 1000;
    // A device whose open takes several steps over the network may ask for a longer wait with an
    // int property of this name (milliseconds).
    static constexpr char ConnectWaitProperty[] = "connectWaitMs";

    explicit QtCanDriver(QList<CanAdapterName> adapters, int queueCapacity = DefaultQueueCapacity);
    ~QtCanDriver() override;
    QtCanDriver(const QtCanDriver&) = delete;
    QtCanDriver& operator=(const QtCanDriver&) = delete;

    bool Load() override;
    bool Free() override;
    int32_t GetDeviceCount() override;
    SlCanHandle GetDevice(int32_t index) override;
    bool DeviceOpen(SlCanHandle h) override;
    bool DeviceClose(SlCanHandle h) override;
    bool DeviceSetBitRate(SlCanHandle h, const TSlCanBitRate& bitRate) override;
    bool DeviceSetEventLevel(SlCanHandle h, uint8_t level) override;
    bool DeviceSetMode(SlCanHandle h, uint32_t mode) override;
    bool DeviceSetTXTimeOut(SlCanHandle h, uint32_t timeOut) override;
    bool DeviceWriteMessages(SlCanHandle h, const TSlCanMessage* msgs, uint32_t count,
                             uint8_t* status) override;
    bool DeviceReadEvents(SlCanHandle h, uint32_t timeOut, TSlCanEvent* events, uint32_t maxCount,
                          uint32_t* count) override;

    // Bit rate in bit/s for a code of the library's bit-rate table, 0 for an unknown code.
    [[nodiscard]] static int bitRateForCode(uint16_t code);

    // True while a driver waits for a device to reach the connected state. The wait runs a local event
    // loop, so timers still fire: the bus monitor skips its tick while this is true, and every driver
    // call made meanwhile is refused.
    [[nodiscard]] static bool isOpening();

    // "PLUGIN:INTERFACE" of the connected device, empty when none is connected (closed or lost).
    [[nodiscard]] QString openAdapterName() const;
    // Events dropped because the queue was full, since the last open.
    [[nodiscard]] uint64_t droppedFrames() const { return m_dropped; }
    [[nodiscard]] int queuedEvents() const { return static_cast<int>(m_size); }
    [[nodiscard]] int queueCapacity() const { return static_cast<int>(m_ring.size()); }
    // The open device went away (unplugged, bus host gone) and has not been closed yet.
    [[nodiscard]] bool deviceLost() const { return m_lost; }
    // The device behind the open handle, nullptr when none is open.
    [[nodiscard]] QCanBusDevice* device() const { return m_device; }
    [[nodiscard]] const QList<CanAdapterName>& adapters() const { return m_adapters; }
    // Why the last open or configuration step was refused.
    [[nodiscard]] QString lastError() const { return m_lastError; }

private:
    [[nodiscard]] bool isOpenHandle(SlCanHandle h) const;
    [[nodiscard]] bool connectAndWait();
    void releaseDevice();
    void takeFrames();
    void onErrorOccurred(QCanBusDevice::CanBusError error);
    void onStateChanged(QCanBusDevice::CanBusDeviceState state);
    void push(uint8_t eventType, const TSlCanMessage& msg = {}, uint32_t timeStamp = 0);
    void clearQueue();

    QList<CanAdapterName> m_adapters;
    std::vector<TSlCanEvent> m_ring;
    size_t m_head = 0; // oldest queued event
    size_t m_size = 0;
    uint64_t m_dropped = 0;

    QCanBusDevice* m_device = nullptr;
    SlCanHandle m_openHandle = -1;
    std::vector<QMetaObject::Connection> m_connections;
    bool m_connected = false; // reached the connected state since the open
    bool m_lost = false;
    bool m_closing = false;
    QString m_lastError;
};
