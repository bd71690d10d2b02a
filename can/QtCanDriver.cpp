#include "QtCanDriver.h"

#include "CanBitRates.h"
#include "CanTrafficTap.h"

#include <QCanBus>
#include <QCanBusFrame>
#include <QEventLoop>
#include <QTimer>
#include <QVariant>

#include <algorithm>
#include <cstring>

namespace {

bool s_opening = false;

// Raises the opening flag for one wait; a wait never nests (every call is refused while it runs).
class OpeningGuard {
public:
    OpeningGuard() { s_opening = true; }
    ~OpeningGuard() { s_opening = false; }
    OpeningGuard(const OpeningGuard&) = delete;
    OpeningGuard& operator=(const OpeningGuard&) = delete;
};

[[nodiscard]] uint32_t millisecondsOf(const QCanBusFrame::TimeStamp& ts) {
    return static_cast<uint32_t>(ts.seconds() * 1000 + ts.microSeconds() / 1000);
}

} // namespace

QtCanDriver::QtCanDriver(QList<CanAdapterName> adapters, int queueCapacity)
    : m_adapters(std::move(adapters)), m_ring(static_cast<size_t>(std::max(queueCapacity, 1))) {}

QtCanDriver::~QtCanDriver() {
    releaseDevice();
}

int QtCanDriver::bitRateForCode(uint16_t code) {
    return CanBitRateForCode(code);
}

bool QtCanDriver::isOpening() {
    return s_opening;
}

QString QtCanDriver::openAdapterName() const {
    if (m_device == nullptr || m_lost || m_device->state() != QCanBusDevice::ConnectedState) return {};
    const CanAdapterName& adapter = m_adapters.at(m_openHandle);
    return adapter.plugin + QLatin1Char(':') + adapter.interfaceName;
}

bool QtCanDriver::Load() {
    return true;
}

bool QtCanDriver::Free() {
    if (s_opening) return false;
    releaseDevice();
    return true;
}

int32_t QtCanDriver::GetDeviceCount() {
    return static_cast<int32_t>(m_adapters.size());
}

SlCanHandle QtCanDriver::GetDevice(int32_t index) {
    return index >= 0 && index < m_adapters.size() ? index : -1;
}

bool QtCanDriver::isOpenHandle(SlCanHandle h) const {
    return !s_opening && m_device != nullptr && h == m_openHandle;
}

bool QtCanDriver::DeviceOpen(SlCanHandle h) {
    if (s_opening || h < 0 || h >= m_adapters.size()) return false;
    // Opening again (after a refused configuration step) starts from a fresh device.
    releaseDevice();
    m_dropped = 0;
    m_lastError.clear();

    const CanAdapterName& adapter = m_adapters.at(h);
    QString error;
    QCanBusDevice* device = CreateCanBusDevice(adapter.plugin, adapter.interfaceName, &error);
    if (device == nullptr) {
        m_lastError = error.isEmpty()
                          ? QStringLiteral("no device for %1:%2").arg(adapter.plugin, adapter.interfaceName)
                          : error;
        return false;
    }

    m_device = device;
    m_openHandle = h;
    m_connections.push_back(
        QObject::connect(device, &QCanBusDevice::framesReceived, device, [this] { takeFrames(); }));
    m_connections.push_back(QObject::connect(device, &QCanBusDevice::errorOccurred, device,
                                             [this](QCanBusDevice::CanBusError e) { onErrorOccurred(e); }));
    m_connections.push_back(
        QObject::connect(device, &QCanBusDevice::stateChanged, device,
                         [this](QCanBusDevice::CanBusDeviceState s) { onStateChanged(s); }));
    return true;
}

bool QtCanDriver::DeviceClose(SlCanHandle h) {
    if (s_opening || h < 0 || h >= m_adapters.size()) return false;
    if (h == m_openHandle) releaseDevice();
    return true;
}

bool QtCanDriver::DeviceSetBitRate(SlCanHandle h, const TSlCanBitRate& bitRate) {
    if (!isOpenHandle(h)) return false;
    const int rate = bitRateForCode(bitRate.BRP);
    if (rate == 0) {
        m_lastError = QStringLiteral("unknown bit-rate code 0x%1").arg(bitRate.BRP, 4, 16, QLatin1Char('0'));
        return false;
    }
    // Set before the device connects, so plugins that configure the controller on connecting use it.
    // Plugins that cannot set it (a network interface without the privilege to configure it) still
    // connect to an interface that is already up; that counts as accepted.
    m_device->setConfigurationParameter(QCanBusDevice::BitRateKey, QVariant(rate));
    return true;
}

bool QtCanDriver::DeviceSetEventLevel(SlCanHandle h, uint8_t /*level*/) {
    // Every kind of event is always reported; the level selects nothing here.
    return isOpenHandle(h);
}

bool QtCanDriver::DeviceSetMode(SlCanHandle h, uint32_t /*mode*/) {
    // The mode step puts the adapter on the bus: the device connects here, after its bit rate is set.
    if (!isOpenHandle(h)) return false;
    return connectAndWait();
}

bool QtCanDriver::DeviceSetTXTimeOut(SlCanHandle h, uint32_t /*timeOut*/) {
    // Writes are queued by the plugin and never wait, so there is no transmit time-out to set.
    return isOpenHandle(h) && m_device->state() == QCanBusDevice::ConnectedState;
}

bool QtCanDriver::connectAndWait() {
    if (m_device->state() == QCanBusDevice::ConnectedState) return true;
    if (m_device->state() == QCanBusDevice::UnconnectedState && !m_device->connectDevice()) {
        m_lastError = m_device->errorString();
        return false;
    }
    if (m_device->state() == QCanBusDevice::ConnectingState) {
        // Plugins that connect over a socket finish later. Wait a bounded time in a local loop that
        // takes no user input; timers do run, so the opening flag refuses every driver call meanwhile
        // and tells the bus monitor to skip its tick.
        OpeningGuard guard;
        QEventLoop loop;
        QTimer deadline;
        deadline.setSingleShot(true);
        QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
        QObject::connect(m_device, &QCanBusDevice::stateChanged, &loop,
                         [&loop](QCanBusDevice::CanBusDeviceState s) {
                             if (s != QCanBusDevice::ConnectingState) loop.quit();
                         });
        deadline.start(std::max(ConnectWaitMs, m_device->property(ConnectWaitProperty).toInt()));
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    if (m_device->state() != QCanBusDevice::ConnectedState) {
        m_lastError = m_device->errorString().isEmpty() ? QStringLiteral("the adapter did not connect")
                                                        : m_device->errorString();
        return false;
    }
    return true;
}

bool QtCanDriver::DeviceWriteMessages(SlCanHandle h, const TSlCanMessage* msgs, uint32_t count,
                                      uint8_t* status) {
    if (!isOpenHandle(h) || m_lost || m_device->state() != QCanBusDevice::ConnectedState) return false;
    for (uint32_t i = 0; i < count; ++i) {
        const TSlCanMessage& m = msgs[i];
        const int dlc = std::min<int>(m.DataCount, 8);
        QCanBusFrame frame;
        frame.setFrameId(m.ID);
        frame.setExtendedFrameFormat((m.Flags & 1) != 0);
        frame.setPayload(QByteArray(reinterpret_cast<const char*>(m.Data), dlc));
        // An identifier too wide for its format is refused rather than cut.
        if (!frame.isValid() || !m_device->writeFrame(frame)) return false;
        CanTrafficNotify(frame, CanTrafficDirection::Sent);
    }
    if (status != nullptr) *status = 0;
    return true;
}

bool QtCanDriver::DeviceReadEvents(SlCanHandle h, uint32_t /*timeOut*/, TSlCanEvent* events,
                                   uint32_t maxCount, uint32_t* count) {
    // Never waits: what arrived since the last call is already queued (the time-out is not used).
    if (count != nullptr) *count = 0;
    if (!isOpenHandle(h) || events == nullptr || count == nullptr) return false;
    takeFrames();
    const size_t n = std::min<size_t>(m_size, maxCount);
    for (size_t i = 0; i < n; ++i) {
        events[i] = m_ring[m_head];
        m_head = (m_head + 1) % m_ring.size();
    }
    m_size -= n;
    *count = static_cast<uint32_t>(n);
    return true;
}

void QtCanDriver::takeFrames() {
    // An unconnected device has nothing to give (and complains when asked).
    if (m_device == nullptr || m_device->state() != QCanBusDevice::ConnectedState) return;
    const QList<QCanBusFrame> frames = m_device->readAllFrames();
    for (const QCanBusFrame& frame : frames) {
        if (frame.hasLocalEcho()) continue; // our own frames coming back are not traffic
        TSlCanMessage msg;
        const QByteArray payload = frame.payload();
        CanTrafficNotify(frame, payload, CanTrafficDirection::Received);
        msg.Flags = frame.hasExtendedFrameFormat() ? 1 : 0;
        msg.ID = frame.frameId();
        msg.DataCount = static_cast<uint8_t>(std::min<qsizetype>(payload.size(), 8));
        std::memcpy(msg.Data, payload.constData(), msg.DataCount);
        const uint32_t ts = millisecondsOf(frame.timeStamp());
        switch (frame.frameType()) {
        case QCanBusFrame::DataFrame:
        case QCanBusFrame::RemoteRequestFrame:
            push(SLCAN_EVT_FRAME, msg, ts);
            break;
        case QCanBusFrame::ErrorFrame:
            msg.ID = static_cast<uint32_t>(frame.error());
            push(SLCAN_EVT_ERROR_FRAME, msg, ts);
            break;
        default:
            push(SLCAN_EVT_ERROR_FRAME, msg, ts);
            break;
        }
    }
}

void QtCanDriver::onErrorOccurred(QCanBusDevice::CanBusError error) {
    if (!m_connected || m_closing || m_lost) return; // errors of a refused open are in lastError()
    if (error == QCanBusDevice::ConnectionError) {
        m_lost = true;
        push(SLCAN_EVT_DEVICE_LOST);
        return;
    }
    push(SLCAN_EVT_BUS_STATE);
}

void QtCanDriver::onStateChanged(QCanBusDevice::CanBusDeviceState state) {
    if (state == QCanBusDevice::ConnectedState) {
        m_connected = true;
        return;
    }
    if (state == QCanBusDevice::UnconnectedState && m_connected && !m_closing && !m_lost) {
        m_lost = true;
        push(SLCAN_EVT_DEVICE_LOST);
    }
}

void QtCanDriver::push(uint8_t eventType, const TSlCanMessage& msg, uint32_t timeStamp) {
    if (m_size == m_ring.size()) {
        ++m_dropped;
        return;
    }
    TSlCanEvent& e = m_ring[(m_head + m_size) % m_ring.size()];
    e.EventType = eventType;
    e.TimeStamp = timeStamp;
    e.Msg = msg;
    ++m_size;
}

void QtCanDriver::clearQueue() {
    m_head = 0;
    m_size = 0;
}

void QtCanDriver::releaseDevice() {
    if (m_device != nullptr) {
        m_closing = true;
        for (const QMetaObject::Connection& c : m_connections)
            QObject::disconnect(c);
        m_connections.clear();
        const QCanBusDevice::CanBusDeviceState state = m_device->state();
        if (state == QCanBusDevice::ConnectedState || state == QCanBusDevice::ConnectingState)
            m_device->disconnectDevice();
        delete m_device;
        m_device = nullptr;
    }
    m_openHandle = -1;
    m_connected = false;
    m_lost = false;
    m_closing = false;
    clearQueue();
}
