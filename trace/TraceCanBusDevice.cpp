#include "TraceCanBusDevice.h"

#include "TraceFrameConvert.h"
#include "TraceReplayControl.h"

#include "can/CanBus.h"
#include "can/CanDeviceFactory.h"

#include <QDir>
#include <QList>

TraceCanBusDevice::TraceCanBusDevice(QString path, QObject* parent)
    : QCanBusDevice(parent), m_path(std::move(path)) {
    m_timer.setInterval(TickMs);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &TraceCanBusDevice::tick);
}

bool TraceCanBusDevice::open() {
    m_played = 0;
    m_started = m_haveNext = m_finished = false;
    m_error.clear();
    if (const QString recording = TraceReplayControl::instance().recordingOf(m_path); !recording.isEmpty()) {
        m_error = tr("%1 is the file being recorded into: playing it would record its own "
                     "frames again and again. Stop the recording (REC) or choose another file.")
                      .arg(QDir::toNativeSeparators(m_path));
    } else if (!m_reader.open(m_path)) {
        m_error = m_reader.errorString();
    }
    if (!m_error.isEmpty()) {
        report();
        setError(m_error, QCanBusDevice::ConnectionError);
        return false;
    }
    m_clock.start();
    m_lastWallUs = 0;
    m_timer.start();
    setState(QCanBusDevice::ConnectedState);
    report();
    return true;
}

void TraceCanBusDevice::close() {
    m_timer.stop();
    report();
    TraceReplayControl::Status s = TraceReplayControl::instance().status();
    s.playing = false;
    TraceReplayControl::instance().report(s);
    m_reader.close();
    setState(QCanBusDevice::UnconnectedState);
}

bool TraceCanBusDevice::writeFrame(const QCanBusFrame& frame) {
    if (state() != QCanBusDevice::ConnectedState) {
        setError(tr("The trace is not playing."), QCanBusDevice::OperationError);
        return false;
    }
    if (!frame.isValid()) {
        setError(tr("Invalid frame."), QCanBusDevice::WriteError);
        return false;
    }
    return true;
}

QString TraceCanBusDevice::interpretErrorFrame(const QCanBusFrame&) {
    return {};
}

int TraceCanBusDevice::waitingFrames() const {
    int waiting = static_cast<int>(framesAvailable());
    // What the bus has queued for the monitor counts too: the replay never runs far ahead of it.
    if (const TCanBus* bus = TCanBus::of(this)) waiting += bus->queuedEvents();
    return waiting;
}

void TraceCanBusDevice::tick() {
    const TraceReplayControl& control = TraceReplayControl::instance();
    const int64_t wallUs = m_clock.nsecsElapsed() / 1000;
    const int64_t deltaUs = wallUs - m_lastWallUs;
    m_lastWallUs = wallUs;
    if (m_finished || control.paused()) return;
    const int factor = TraceReplayControl::factor(control.speed());
    if (m_started) m_traceNowUs += deltaUs * factor;

    int room = MaxWaiting - waitingFrames();
    QList<QCanBusFrame> frames;
    int lines = LinesPerTick;
    while (room > 0) {
        if (!m_haveNext) {
            const TraceFileReader::Result r = m_reader.next(m_next, lines);
            if (r == TraceFileReader::Result::Busy) break; // this tick's reading is done
            if (r == TraceFileReader::Result::End || r == TraceFileReader::Result::Failed) {
                if (r == TraceFileReader::Result::Failed) m_error = m_reader.errorString();
                m_finished = true;
                break;
            }
            m_haveNext = true;
            if (!m_started) { // the replay starts with the first frame
                m_started = true;
                m_traceNowUs = m_next.timeUs;
            }
        }
        if (factor != 0 && m_next.timeUs > m_traceNowUs) break; // not yet
        frames.append(TraceFrameToQt(m_next));
        m_haveNext = false;
        --room;
    }
    if (!frames.isEmpty()) {
        m_played += static_cast<uint64_t>(frames.size());
        enqueueReceivedFrames(frames);
    }
    if (m_finished) m_timer.stop(); // stays connected and quiet
    report();
}

void TraceCanBusDevice::report() {
    TraceReplayControl::Status s;
    s.path = m_path;
    s.frames = m_played;
    s.badLines = m_reader.badLines();
    s.canFdLines = m_reader.canFdLines();
    s.bytesRead = m_reader.bytesRead();
    s.size = m_reader.size();
    s.playing = state() == QCanBusDevice::ConnectedState;
    s.finished = m_finished;
    s.error = m_error;
    TraceReplayControl::instance().report(s);
}

void RegisterTraceBus() {
    RegisterCanDeviceFactory(
        QStringLiteral("trace"),
        [](const QString& interfaceName, QString*) -> QCanBusDevice* {
            return new TraceCanBusDevice(interfaceName);
        },
        {}, QStringLiteral("PATH"));
}
