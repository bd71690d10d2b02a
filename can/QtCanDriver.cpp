#include "QtCanDriver.h"

#include "CanBitRates.h"

#include <QCanBusFrame>
#include <QCoreApplication>

#include <algorithm>

QtCanDriver::QtCanDriver(QList<CanAdapterName> adapters, int queueCapacity, TCanBus& bus)
    : m_adapters(std::move(adapters)), m_queueCapacity(std::max(queueCapacity, 1)), m_bus(bus) {}

QtCanDriver::~QtCanDriver() {
    release();
}

int QtCanDriver::bitRateForCode(uint16_t code) {
    return CanBitRateForCode(code);
}

bool QtCanDriver::isOpening() {
    return TCanBus::isOpening();
}

QString QtCanDriver::openAdapterName() const {
    return isOpen() ? m_bus.adapterName() : QString();
}

void QtCanDriver::release() {
    // Only a device this driver opened is closed: another driver may use the same bus.
    if (m_openHandle >= 0) m_bus.close();
    m_openHandle = -1;
}

bool QtCanDriver::Load() {
    return true;
}

bool QtCanDriver::Free() {
    if (isOpening()) return false;
    release();
    return true;
}

int32_t QtCanDriver::GetDeviceCount() {
    return static_cast<int32_t>(m_adapters.size());
}

SlCanHandle QtCanDriver::GetDevice(int32_t index) {
    return index >= 0 && index < m_adapters.size() ? index : -1;
}

bool QtCanDriver::isOpenHandle(SlCanHandle h) const {
    return !isOpening() && isOpen() && h == m_openHandle;
}

bool QtCanDriver::DeviceOpen(SlCanHandle h) {
    if (isOpening() || h < 0 || h >= m_adapters.size()) return false;
    // Opening again (after a refused configuration step) starts from a fresh device.
    release();
    if (!m_bus.open(m_adapters.at(h), m_queueCapacity)) return false;
    m_openHandle = h;
    return true;
}

bool QtCanDriver::DeviceClose(SlCanHandle h) {
    if (isOpening() || h < 0 || h >= m_adapters.size()) return false;
    if (h == m_openHandle) release();
    return true;
}

bool QtCanDriver::DeviceSetBitRate(SlCanHandle h, const TSlCanBitRate& bitRate) {
    if (!isOpenHandle(h)) return false;
    const int rate = bitRateForCode(bitRate.BRP);
    if (rate == 0) {
        m_bus.setLastError(QCoreApplication::translate("QtCanDriver", "unknown bit-rate code 0x%1")
                               .arg(bitRate.BRP, 4, 16, QLatin1Char('0')));
        return false;
    }
    // Plugins that cannot set it (a network interface without the privilege to configure it) still
    // connect to an interface that is already up; that counts as accepted.
    m_bus.setBitRate(rate);
    return true;
}

bool QtCanDriver::DeviceSetEventLevel(SlCanHandle h, uint8_t /*level*/) {
    // Every kind of event is always reported; the level selects nothing here.
    return isOpenHandle(h);
}

bool QtCanDriver::DeviceSetMode(SlCanHandle h, uint32_t /*mode*/) {
    // The mode step puts the adapter on the bus: the device connects here, after its bit rate is set.
    if (!isOpenHandle(h)) return false;
    return m_bus.connectDevice();
}

bool QtCanDriver::DeviceSetTXTimeOut(SlCanHandle h, uint32_t /*timeOut*/) {
    // Writes are queued by the plugin and never wait, so there is no transmit time-out to set.
    return isOpenHandle(h) && m_bus.device()->state() == QCanBusDevice::ConnectedState;
}

bool QtCanDriver::DeviceWriteMessages(SlCanHandle h, const TSlCanMessage* msgs, uint32_t count,
                                      uint8_t* status) {
    if (!isOpenHandle(h) || !m_bus.isConnected()) return false;
    for (uint32_t i = 0; i < count; ++i) {
        const TSlCanMessage& m = msgs[i];
        const int dlc = std::min<int>(m.DataCount, 8);
        QCanBusFrame frame;
        frame.setFrameId(m.ID);
        frame.setExtendedFrameFormat((m.Flags & 1) != 0);
        frame.setPayload(QByteArray(reinterpret_cast<const char*>(m.Data), dlc));
        if (!m_bus.send(frame)) return false;
    }
    if (status != nullptr) *status = 0;
    return true;
}

bool QtCanDriver::DeviceReadEvents(SlCanHandle h, uint32_t /*timeOut*/, TSlCanEvent* events,
                                   uint32_t maxCount, uint32_t* count) {
    // Never waits: what arrived since the last call is already queued (the time-out is not used).
    if (count != nullptr) *count = 0;
    if (!isOpenHandle(h) || events == nullptr || count == nullptr) return false;
    *count = m_bus.readEvents(events, maxCount);
    return true;
}
