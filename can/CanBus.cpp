#include "CanBus.h"

#include <QDateTime>
#include <QEventLoop>
#include <QTimer>
#include <QVariant>

#include <algorithm>
#include <cstring>

namespace {

int s_opening = 0;

// Counts one wait for a connection; a bus never nests its own waits (every call is refused while
// one runs), but two buses may each wait.
class OpeningGuard {
public:
    OpeningGuard() { ++s_opening; }
    ~OpeningGuard() { --s_opening; }
    OpeningGuard(const OpeningGuard&) = delete;
    OpeningGuard& operator=(const OpeningGuard&) = delete;
};

[[nodiscard]] uint32_t millisecondsOf(const QCanBusFrame::TimeStamp& ts) {
    return static_cast<uint32_t>(ts.seconds() * 1000 + ts.microSeconds() / 1000);
}

// A frame's time in microseconds since the epoch: a trace's recorded time as it is; a live
// adapter's time stamp when it lies within an hour of the clock (some adapters count from their
// own start, some give none), else now.
[[nodiscard]] int64_t timeOf(const QCanBusFrame::TimeStamp& ts, bool recorded) {
    const int64_t us = ts.seconds() * 1000000 + ts.microSeconds();
    if (recorded) return us;
    const int64_t now = QDateTime::currentMSecsSinceEpoch() * 1000;
    constexpr int64_t Hour = 3600LL * 1000000;
    return us > now - Hour && us < now + Hour ? us : now;
}

} // namespace

TCanBus::TCanBus(QObject* parent)
    : QObject(parent), m_ring(DefaultQueueCapacity), m_times(DefaultQueueCapacity, 0) {}

TCanBus::~TCanBus() {
    close();
}

bool TCanBus::isOpening() {
    return s_opening > 0;
}

TCanBus* TCanBus::of(const QObject* device) {
    return device != nullptr ? qobject_cast<TCanBus*>(device->parent()) : nullptr;
}

bool TCanBus::isConnected() const {
    return m_device != nullptr && !m_lost && m_device->state() == QCanBusDevice::ConnectedState;
}

QString TCanBus::adapterName() const {
    if (!isConnected()) return {};
    return m_adapter.plugin + QLatin1Char(':') + m_adapter.interfaceName;
}

bool TCanBus::open(const CanAdapterName& adapter, int queueCapacity) {
    close();
    m_dropped = 0;
    m_lastError.clear();
    m_ring.assign(static_cast<size_t>(std::max(queueCapacity, 1)), TSlCanEvent{});
    m_times.assign(m_ring.size(), 0);
    m_readTimes.clear();
    m_recordedTime = adapter.plugin == QLatin1String("trace");

    QString error;
    QCanBusDevice* device = CreateCanBusDevice(adapter.plugin, adapter.interfaceName, &error);
    if (device == nullptr) {
        m_lastError =
            error.isEmpty() ? tr("no device for %1:%2").arg(adapter.plugin, adapter.interfaceName) : error;
        return false;
    }

    device->setParent(this);
    m_device = device;
    m_adapter = adapter;
    m_connections.push_back(connect(device, &QCanBusDevice::framesReceived, this, &TCanBus::takeFrames));
    m_connections.push_back(connect(device, &QCanBusDevice::errorOccurred, this, &TCanBus::onErrorOccurred));
    m_connections.push_back(connect(device, &QCanBusDevice::stateChanged, this, &TCanBus::onStateChanged));
    return true;
}

void TCanBus::setBitRate(int bitRate) {
    // Set before the device connects, so plugins that configure the controller on connecting use it.
    if (m_device != nullptr) m_device->setConfigurationParameter(QCanBusDevice::BitRateKey, QVariant(bitRate));
}

bool TCanBus::connectDevice() {
    if (m_device == nullptr) return false;
    if (m_device->state() == QCanBusDevice::ConnectedState) return true;
    if (m_device->state() == QCanBusDevice::UnconnectedState && !m_device->connectDevice()) {
        m_lastError = m_device->errorString();
        return false;
    }
    if (m_device->state() == QCanBusDevice::ConnectingState) {
        // Plugins that connect over a socket finish later. Wait a bounded time in a local loop that
        // takes no user input; timers do run, so the opening flag tells everyone to keep off.
        OpeningGuard guard;
        QEventLoop loop;
        QTimer deadline;
        deadline.setSingleShot(true);
        connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
        connect(m_device, &QCanBusDevice::stateChanged, &loop, [&loop](QCanBusDevice::CanBusDeviceState s) {
            if (s != QCanBusDevice::ConnectingState) loop.quit();
        });
        deadline.start(std::max(ConnectWaitMs, m_device->property(ConnectWaitProperty).toInt()));
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    if (m_device == nullptr || m_device->state() != QCanBusDevice::ConnectedState) {
        const QString why = m_device != nullptr ? m_device->errorString() : QString();
        m_lastError = why.isEmpty() ? tr("the adapter did not connect") : why;
        return false;
    }
    return true;
}

void TCanBus::close() {
    if (m_device != nullptr) {
        m_closing = true;
        for (const QMetaObject::Connection& c : m_connections)
            disconnect(c);
        m_connections.clear();
        const QCanBusDevice::CanBusDeviceState state = m_device->state();
        if (state == QCanBusDevice::ConnectedState || state == QCanBusDevice::ConnectingState)
            m_device->disconnectDevice();
        delete m_device;
        m_device = nullptr;
    }
    m_adapter = {};
    m_connected = false;
    m_lost = false;
    m_closing = false;
    m_head = 0;
    m_size = 0;
}

bool TCanBus::send(const QCanBusFrame& frame) {
    if (!isConnected()) return false;
    // An identifier too wide for its format is refused rather than cut.
    if (!frame.isValid() || !m_device->writeFrame(frame)) return false;
    notify(frame, CanTrafficDirection::Sent);
    return true;
}

uint32_t TCanBus::readEvents(TSlCanEvent* events, uint32_t maxCount) {
    if (events == nullptr) return 0;
    takeFrames();
    const size_t n = std::min<size_t>(m_size, maxCount);
    m_readTimes.resize(n);
    for (size_t i = 0; i < n; ++i) {
        events[i] = m_ring[m_head];
        m_readTimes[i] = m_times[m_head];
        m_head = (m_head + 1) % m_ring.size();
    }
    m_size -= n;
    return static_cast<uint32_t>(n);
}

void TCanBus::takeFrames() {
    // An unconnected device has nothing to give (and complains when asked).
    if (m_device == nullptr || m_device->state() != QCanBusDevice::ConnectedState) return;
    const QList<QCanBusFrame> frames = m_device->readAllFrames();
    for (const QCanBusFrame& frame : frames) {
        if (frame.hasLocalEcho()) continue; // our own frames coming back are not traffic
        TSlCanMessage msg;
        const QByteArray payload = frame.payload();
        notify(frame, payload, CanTrafficDirection::Received);
        msg.Flags = frame.hasExtendedFrameFormat() ? 1 : 0;
        msg.ID = frame.frameId();
        msg.DataCount = static_cast<uint8_t>(std::min<qsizetype>(payload.size(), 8));
        std::memcpy(msg.Data, payload.constData(), msg.DataCount);
        const uint32_t ts = millisecondsOf(frame.timeStamp());
        const int64_t timeUs = timeOf(frame.timeStamp(), m_recordedTime);
        switch (frame.frameType()) {
        case QCanBusFrame::DataFrame:
        case QCanBusFrame::RemoteRequestFrame:
            push(SLCAN_EVT_FRAME, msg, ts, timeUs);
            break;
        case QCanBusFrame::ErrorFrame:
            msg.ID = static_cast<uint32_t>(frame.error());
            push(SLCAN_EVT_ERROR_FRAME, msg, ts, timeUs);
            break;
        default:
            push(SLCAN_EVT_ERROR_FRAME, msg, ts);
            break;
        }
    }
}

void TCanBus::onErrorOccurred(QCanBusDevice::CanBusError error) {
    if (!m_connected || m_closing || m_lost) return; // errors of a refused open are in lastError()
    if (error == QCanBusDevice::ConnectionError) {
        markLost();
        return;
    }
    push(SLCAN_EVT_BUS_STATE);
    emit errorOccurred(error);
}

void TCanBus::onStateChanged(QCanBusDevice::CanBusDeviceState state) {
    if (state == QCanBusDevice::ConnectedState) {
        m_connected = true;
        emit connected();
        return;
    }
    if (state == QCanBusDevice::UnconnectedState && m_connected && !m_closing && !m_lost) markLost();
}

void TCanBus::markLost() {
    m_lost = true;
    push(SLCAN_EVT_DEVICE_LOST);
    emit lost();
}

void TCanBus::push(uint8_t eventType, const TSlCanMessage& msg, uint32_t timeStamp, int64_t timeUs) {
    if (m_size == m_ring.size()) {
        ++m_dropped;
        return;
    }
    const size_t slot = (m_head + m_size) % m_ring.size();
    m_times[slot] = timeUs != 0 ? timeUs : QDateTime::currentMSecsSinceEpoch() * 1000;
    TSlCanEvent& e = m_ring[slot];
    e.EventType = eventType;
    e.TimeStamp = timeStamp;
    e.Msg = msg;
    ++m_size;
}

void TCanBus::addObserver(CanTrafficObserver* observer) {
    if (observer != nullptr && std::find(m_observers.begin(), m_observers.end(), observer) == m_observers.end())
        m_observers.push_back(observer);
}

void TCanBus::removeObserver(CanTrafficObserver* observer) {
    m_observers.erase(std::remove(m_observers.begin(), m_observers.end(), observer), m_observers.end());
}

void TCanBus::notify(const QCanBusFrame& frame, const QByteArray& payload, CanTrafficDirection direction) {
    // Iterated by index: an observer may remove itself while being told.
    for (size_t i = 0; i < m_observers.size(); ++i)
        m_observers[i]->canTraffic(frame, payload, direction);
}

TCanBus& CanBus() {
    static TCanBus bus;
    return bus;
}
