#include "SlcanDllCanBusDevice.h"

#include "can/CanBitRates.h"
#include "can/CanSendStatus.h"

#include <QCanBusFrame>
#include <QDateTime>
#include <QDir>
#include <QPointer>
#include <QVariant>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <vector>

namespace {

const QString PluginName = QStringLiteral("slcandll");

} // namespace

// What the device's thread and the reading thread share.
struct SlcanDllCanBusDevice::Shared {
    const TSlcanDllFunctions* functions = nullptr;
    TSlcanDllFunctions::Handle handle = -1;
    QPointer<SlcanDllCanBusDevice> device;

    std::mutex mutex;
    std::condition_variable wake;
    bool stop = false;
    std::vector<TSlCanMessage> toSend;
    // Results waiting for the device's thread.
    std::vector<TSlCanEvent> received;
    uint64_t dropped = 0;
    qint64 written = 0;
    QStringList problems;
    bool told = false;

    void run();
    void tell(); // with the mutex held
};

void SlcanDllCanBusDevice::Shared::tell() {
    if (told) return;
    told = true;
    QMetaObject::invokeMethod(device.data(), &SlcanDllCanBusDevice::takeResults, Qt::QueuedConnection);
}

void SlcanDllCanBusDevice::Shared::run() {
    std::vector<TSlCanEvent> events(MaxEventsPerRead);
    std::vector<TSlCanMessage> sending;
    for (;;) {
        {
            const std::lock_guard lock(mutex);
            if (stop) return;
            sending.swap(toSend);
        }
        for (size_t at = 0; at < sending.size(); at += MaxMessagesPerWrite) {
            const auto count = static_cast<uint32_t>(std::min(MaxMessagesPerWrite, sending.size() - at));
            uint8_t status = 0;
            const bool accepted =
                functions->DeviceWriteMessages(handle, sending.data() + at, count, &status) != 0;
            const std::lock_guard lock(mutex);
            if (accepted && status == 0) {
                written += count;
            } else {
                TCanSendStatus outcome;
                outcome.Refused = !accepted;
                outcome.Code = status > 7 ? 7 : status;
                problems << outcome.text().trimmed();
            }
            tell();
        }
        sending.clear();

        const auto started = std::chrono::steady_clock::now();
        uint32_t count = 0;
        (void)functions->DeviceReadEvents(handle, ReadTimeOut, events.data(), MaxEventsPerRead, &count);
        count = std::min(count, MaxEventsPerRead);
        std::unique_lock lock(mutex);
        if (count > 0) {
            const size_t room = MaxQueuedEvents - std::min(MaxQueuedEvents, received.size());
            const size_t kept = std::min<size_t>(room, count);
            received.insert(received.end(), events.begin(), events.begin() + static_cast<qsizetype>(kept));
            dropped += count - kept;
            tell();
        } else {
            // A library that answers at once when nothing came: the rest of the time-out is waited
            // here, so the thread does not spin; frames to send end the wait.
            wake.wait_until(lock, started + std::chrono::milliseconds(ReadTimeOut),
                            [this] { return stop || !toSend.empty(); });
        }
    }
}

SlcanDllCanBusDevice::SlcanDllCanBusDevice(SlcanDllLibrary& library, int adapterIndex, QObject* parent)
    : QCanBusDevice(parent), m_library(library), m_index(adapterIndex) {}

SlcanDllCanBusDevice::~SlcanDllCanBusDevice() {
    if (m_handle >= 0) close();
}

QCanBusDeviceInfo SlcanDllCanBusDevice::makeDeviceInfo(int adapterIndex) {
    return createDeviceInfo(PluginName, QString::number(adapterIndex), QString(),
                            tr("adapter %1 of slcan.dll").arg(adapterIndex + 1), QString(), 0, false, false);
}

QCanBusDeviceInfo SlcanDllCanBusDevice::deviceInfo() const {
    return makeDeviceInfo(m_index);
}

uint16_t SlcanDllCanBusDevice::bitRateCode(int bitsPerSecond) {
    for (int i = 0; i < CanBitRateCount; ++i)
        if (CanBitRatesPerSecond[i] == bitsPerSecond) return CanBitRates[i];
    return 0;
}

QString SlcanDllCanBusDevice::interpretErrorFrame(const QCanBusFrame& /*errorFrame*/) {
    return {};
}

bool SlcanDllCanBusDevice::refuse(const QString& step, QCanBusDevice::CanBusError kind) {
    if (m_handle >= 0) (void)m_library.functions().DeviceClose(m_handle);
    m_handle = -1;
    setError(tr("slcan.dll adapter %1: %2").arg(m_index).arg(step), kind);
    return false;
}

bool SlcanDllCanBusDevice::open() {
    QString why;
    if (!m_library.start(&why)) {
        setError(why, QCanBusDevice::ConnectionError);
        return false;
    }
    const TSlcanDllFunctions& f = m_library.functions();
    const int32_t count = f.GetDeviceCount();
    if (count <= 0)
        return refuse(count == 0 ? tr("the library reports no adapter attached")
                                 : tr("the library cannot count its adapters (%1)").arg(count),
                      QCanBusDevice::ConnectionError);
    if (m_index < 0 || m_index >= count)
        return refuse(tr("not attached: the library reports %n adapter(s), numbered from 0", nullptr, count),
                      QCanBusDevice::ConnectionError);
    const int32_t handle = f.GetDevice(static_cast<uint32_t>(m_index));
    if (handle == -1) return refuse(tr("the library gives no handle for it"), QCanBusDevice::ConnectionError);
    if (f.DeviceOpen(handle) == 0)
        return refuse(tr("the library cannot open it (is another program using it?)"),
                      QCanBusDevice::ConnectionError);
    m_handle = handle;
    const QVariant rate = configurationParameter(QCanBusDevice::BitRateKey);
    const int bitRate = rate.isValid() ? rate.toInt() : DefaultBitRate;
    TSlCanBitRate record{};
    record.BRP = bitRateCode(bitRate);
    if (record.BRP == 0)
        return refuse(
            tr("no code for %1 bit/s (the library takes 10k, 125k, 250k, 500k and 1M)").arg(bitRate),
            QCanBusDevice::ConfigurationError);
    if (f.DeviceSetBitRate(m_handle, &record) == 0)
        return refuse(tr("the bit rate %1 bit/s (code 0x%2) was refused")
                          .arg(bitRate)
                          .arg(record.BRP, 4, 16, QLatin1Char('0')),
                      QCanBusDevice::ConfigurationError);
    if (f.DeviceSetEventLevel(m_handle, EventLevel) == 0)
        return refuse(tr("event level %1 was refused").arg(EventLevel), QCanBusDevice::ConfigurationError);
    if (f.DeviceSetMode(m_handle, Mode) == 0)
        return refuse(tr("mode %1 was refused").arg(Mode), QCanBusDevice::ConfigurationError);
    if (f.DeviceSetTXTimeOut(m_handle, TxTimeOut) == 0)
        return refuse(tr("TX time-out %1 was refused").arg(TxTimeOut), QCanBusDevice::ConfigurationError);

    m_otherEvents = 0;
    m_droppedEvents = 0;
    m_shared = std::make_shared<Shared>();
    m_shared->functions = &f;
    m_shared->handle = m_handle;
    m_shared->device = this;
    m_thread = std::thread([shared = m_shared] { shared->run(); });
    setState(QCanBusDevice::ConnectedState);
    return true;
}

void SlcanDllCanBusDevice::close() {
    if (m_shared) {
        {
            const std::lock_guard lock(m_shared->mutex);
            m_shared->stop = true;
        }
        m_shared->wake.notify_all();
        if (m_thread.joinable()) m_thread.join();
        m_shared.reset();
    }
    if (m_handle >= 0) (void)m_library.functions().DeviceClose(m_handle);
    m_handle = -1;
    setState(QCanBusDevice::UnconnectedState);
}

bool SlcanDllCanBusDevice::writeFrame(const QCanBusFrame& frame) {
    if (state() != QCanBusDevice::ConnectedState || !m_shared) {
        setError(tr("slcan.dll adapter %1 is not connected").arg(m_index), QCanBusDevice::OperationError);
        return false;
    }
    if (!frame.isValid() || frame.frameType() != QCanBusFrame::DataFrame ||
        frame.hasFlexibleDataRateFormat() || frame.payload().size() > 8) {
        setError(tr("slcan.dll adapter %1 sends classic data frames of 0 to 8 bytes only").arg(m_index),
                 QCanBusDevice::WriteError);
        return false;
    }
    TSlCanMessage message;
    message.Flags = frame.hasExtendedFrameFormat() ? 1 : 0;
    message.ID = frame.frameId();
    const QByteArray payload = frame.payload();
    message.DataCount = static_cast<uint8_t>(payload.size());
    std::memcpy(message.Data, payload.constData(), static_cast<size_t>(payload.size()));
    {
        const std::lock_guard lock(m_shared->mutex);
        m_shared->toSend.push_back(message);
    }
    m_shared->wake.notify_all();
    return true;
}

void SlcanDllCanBusDevice::takeResults() {
    if (!m_shared) return;
    std::vector<TSlCanEvent> events;
    qint64 written = 0;
    QStringList problems;
    {
        const std::lock_guard lock(m_shared->mutex);
        events.swap(m_shared->received);
        written = std::exchange(m_shared->written, 0);
        problems.swap(m_shared->problems);
        m_droppedEvents += std::exchange(m_shared->dropped, 0);
        m_shared->told = false;
    }
    QList<QCanBusFrame> frames;
    frames.reserve(static_cast<qsizetype>(events.size()));
    const auto now = QCanBusFrame::TimeStamp::fromMicroSeconds(QDateTime::currentMSecsSinceEpoch() * 1000);
    for (const TSlCanEvent& event : events) {
        if (event.EventType != SLCAN_EVT_FRAME) {
            ++m_otherEvents;
            continue;
        }
        const TSlCanMessage& m = event.Msg;
        QCanBusFrame frame(m.ID,
                           QByteArray(reinterpret_cast<const char*>(m.Data), std::min<int>(m.DataCount, 8)));
        frame.setExtendedFrameFormat((m.Flags & 1) != 0 || m.ID > 0x7FF);
        frame.setTimeStamp(now);
        frames.append(frame);
    }
    if (!frames.isEmpty()) enqueueReceivedFrames(frames);
    if (written > 0) emit framesWritten(written);
    for (const QString& problem : problems)
        setError(tr("slcan.dll adapter %1: %2").arg(m_index).arg(problem), QCanBusDevice::WriteError);
}
