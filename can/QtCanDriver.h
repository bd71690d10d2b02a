#pragma once

// The adapter library on Qt's CAN bus: each configured adapter (plugin and interface) is one device
// of the library. One device is open at a time, on the bus object beneath (TCanBus), which queues
// what arrives between ticks; DeviceReadEvents hands it out and never blocks.
// Configuration: DeviceOpen creates the device, DeviceSetBitRate sets its bit rate, DeviceSetMode
// connects it (waiting at most TCanBus::ConnectWaitMs for plugins that connect later), the other
// steps only check that the device is there.

#include "CanAdapterName.h"
#include "CanBus.h"
#include "SlCanDriver.h"

#include <QList>
#include <QString>

#include <cstdint>

class QCanBusDevice;

class QtCanDriver : public SlCanDriver {
public:
    static constexpr int DefaultQueueCapacity = TCanBus::DefaultQueueCapacity;
    static constexpr int ConnectWaitMs = TCanBus::ConnectWaitMs;

    // The driver opens its adapters on bus (the program's bus unless another is given); the queue
    // of an open device holds queueCapacity events.
    explicit QtCanDriver(QList<CanAdapterName> adapters, int queueCapacity = DefaultQueueCapacity,
                         TCanBus& bus = CanBus());
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

    // True while a bus waits for its device to reach the connected state (TCanBus::isOpening):
    // every driver call made meanwhile is refused.
    [[nodiscard]] static bool isOpening();

    [[nodiscard]] TCanBus& bus() const { return m_bus; }
    // "PLUGIN:INTERFACE" of the connected device, empty when none is connected (closed or lost).
    [[nodiscard]] QString openAdapterName() const;
    // Events dropped because the queue was full, since the last open.
    [[nodiscard]] uint64_t droppedFrames() const { return m_bus.droppedFrames(); }
    [[nodiscard]] int queuedEvents() const { return isOpen() ? m_bus.queuedEvents() : 0; }
    [[nodiscard]] int queueCapacity() const { return m_queueCapacity; }
    // The open device went away (unplugged, bus host gone) and has not been closed yet.
    [[nodiscard]] bool deviceLost() const { return isOpen() && m_bus.isLost(); }
    // The device behind the open handle, nullptr when none is open.
    [[nodiscard]] QCanBusDevice* device() const { return isOpen() ? m_bus.device() : nullptr; }
    [[nodiscard]] const QList<CanAdapterName>& adapters() const { return m_adapters; }
    // Why the last open or configuration step was refused.
    [[nodiscard]] QString lastError() const { return m_bus.lastError(); }

private:
    [[nodiscard]] bool isOpen() const { return m_openHandle >= 0 && m_bus.device() != nullptr; }
    [[nodiscard]] bool isOpenHandle(SlCanHandle h) const;
    void release();

    QList<CanAdapterName> m_adapters;
    int m_queueCapacity;
    TCanBus& m_bus;
    SlCanHandle m_openHandle = -1;
};
