#include "SlcanCanBusDevice.h"

#include <QDateTime>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QVariant>

#include <algorithm>

namespace {

Q_LOGGING_CATEGORY(lcSlcan, "quorvex.slcan")

const QString PluginName = QStringLiteral("slcan");

// Commands waiting for their answer while open; an adapter that never answers sent frames must
// not make the list grow without end.
constexpr size_t MaxPending = 4096;

// The port's file, for noticing that it went away (USB adapters unplugged, a pty pair ended);
// empty where ports are not files.
[[nodiscard]] QString portFile(const QString& portName) {
#ifdef Q_OS_UNIX
    return portName.startsWith(QLatin1Char('/')) ? portName : QStringLiteral("/dev/") + portName;
#else
    Q_UNUSED(portName);
    return {};
#endif
}

} // namespace

bool SlcanCanBusDevice::parseInterfaceName(const QString& interfaceName, QString* portName, int* baud,
                                           QString* errorMessage) {
    const qsizetype at = interfaceName.lastIndexOf(QLatin1Char('@'));
    const QString port = (at < 0 ? interfaceName : interfaceName.left(at)).trimmed();
    int speed = DefaultBaud;
    if (at >= 0) {
        bool ok = false;
        speed = interfaceName.mid(at + 1).toInt(&ok);
        if (!ok || speed < 50 || speed > 12000000) {
            if (errorMessage != nullptr)
                *errorMessage = tr("slcan:%1: \"%2\" is not a serial speed (e.g. @115200)")
                                    .arg(interfaceName, interfaceName.mid(at + 1));
            return false;
        }
    }
    if (port.isEmpty()) {
        if (errorMessage != nullptr)
            *errorMessage =
                tr("slcan:%1: no serial port named (e.g. slcan:/dev/ttyACM0, slcan:COM5)").arg(interfaceName);
        return false;
    }
    if (portName != nullptr) *portName = port;
    if (baud != nullptr) *baud = speed;
    return true;
}

QCanBusDeviceInfo SlcanCanBusDevice::makeDeviceInfo(const QString& interfaceName, const QString& description,
                                                    const QString& serialNumber) {
    return createDeviceInfo(PluginName, interfaceName, serialNumber, description, QString(), 0, false, false);
}

SlcanCanBusDevice::SlcanCanBusDevice(const QString& portName, int baud, QObject* parent)
    : QCanBusDevice(parent), m_portName(portName), m_baud(baud) {
    m_stepTimer.setSingleShot(true);
    m_statusTimer.setInterval(StatusPollMs);
    connect(&m_port, &QSerialPort::readyRead, this, &SlcanCanBusDevice::onReadyRead);
    connect(&m_port, &QSerialPort::errorOccurred, this, &SlcanCanBusDevice::onPortError);
    connect(&m_stepTimer, &QTimer::timeout, this, &SlcanCanBusDevice::onStepTimeout);
    connect(&m_statusTimer, &QTimer::timeout, this, &SlcanCanBusDevice::pollStatus);
}

SlcanCanBusDevice::~SlcanCanBusDevice() {
    m_port.disconnect(this);
    m_step = Step::Idle;
}

bool SlcanCanBusDevice::open() {
    const QVariant rate = configurationParameter(QCanBusDevice::BitRateKey);
    const int bitRate = rate.isValid() ? rate.toInt() : DefaultBitRate;
    m_bitRateCommand = SlcanBitRateCommand(bitRate);
    if (m_bitRateCommand.isEmpty()) {
        setError(tr("SLCAN adapter %1: the adapters have no command for %2 bit/s (they offer 10k, 20k, 50k, "
                    "100k, 125k, 250k, 500k, 800k and 1M)")
                     .arg(m_portName)
                     .arg(bitRate),
                 QCanBusDevice::ConfigurationError);
        return false;
    }
    m_port.setPortName(m_portName);
    if (!m_port.open(QIODevice::ReadWrite)) {
        setError(
            tr("SLCAN adapter %1: cannot open the serial port: %2").arg(m_portName, m_port.errorString()),
            QCanBusDevice::ConnectionError);
        return false;
    }
    // USB CDC adapters ignore the line settings; adapters on a real UART need them.
    if (!m_port.setBaudRate(m_baud) || !m_port.setDataBits(QSerialPort::Data8) ||
        !m_port.setParity(QSerialPort::NoParity) || !m_port.setStopBits(QSerialPort::OneStop) ||
        !m_port.setFlowControl(QSerialPort::NoFlowControl)) {
        const QString why = m_port.errorString();
        m_port.close();
        setError(tr("SLCAN adapter %1: cannot set the serial port to %2 baud: %3")
                     .arg(m_portName)
                     .arg(m_baud)
                     .arg(why),
                 QCanBusDevice::ConnectionError);
        return false;
    }
    m_port.clear();
    m_reader.clear();
    m_pending.clear();
    m_closeAttempts = 0;
    m_timestampRefused = false;
    m_statusSupported = true;
    m_statusAnswered = false;
    m_silentPolls = 0;
    m_busStatus = CanBusStatus::Unknown;
    m_malformed = 0;
    m_overlongAtOpen = m_reader.overlongLines();
    sendStep(Step::Close);
    // The state stays "connecting" until O is answered.
    return m_step != Step::Idle;
}

void SlcanCanBusDevice::close() {
    m_stepTimer.stop();
    m_statusTimer.stop();
    const bool running = m_step == Step::Running;
    // Nothing read from now on is taken (the wait below may read).
    m_step = Step::Idle;
    if (m_port.isOpen()) {
        if (running) {
            // Off the bus before the port closes; a bounded wait for the line to leave.
            (void)sendLine(QByteArrayLiteral("C\r"));
            (void)m_port.waitForBytesWritten(CloseWaitMs);
        }
        m_port.close();
    }
    m_pending.clear();
    m_busStatus = CanBusStatus::Unknown;
    setState(QCanBusDevice::UnconnectedState);
}

QString SlcanCanBusDevice::stepName(Step step) const {
    switch (step) {
    case Step::Close:
        return tr("close (C)");
    case Step::BitRate:
        return tr("bit rate (%1)").arg(QString::fromLatin1(m_bitRateCommand));
    case Step::Timestamps:
        return tr("time stamps off (Z0)");
    case Step::Open:
        return tr("open (O)");
    default:
        return {};
    }
}

void SlcanCanBusDevice::sendStep(Step step) {
    m_step = step;
    QByteArray command;
    int timeout = StepTimeoutMs;
    switch (step) {
    case Step::Close:
        command = QByteArrayLiteral("C");
        timeout = CloseWaitMs;
        break;
    case Step::BitRate:
        command = m_bitRateCommand;
        break;
    case Step::Timestamps:
        command = QByteArrayLiteral("Z0");
        break;
    case Step::Open:
        command = QByteArrayLiteral("O");
        break;
    default:
        return;
    }
    if (!sendLine(command + SlcanOk)) {
        failOpen(
            tr("step \"%1\": cannot write to the serial port: %2").arg(stepName(step), m_port.errorString()));
        return;
    }
    m_stepTimer.start(timeout);
}

void SlcanCanBusDevice::stepAnswered(bool ok) {
    m_stepTimer.stop();
    switch (m_step) {
    case Step::Close:
        // BEL is the usual answer of a closed adapter; a second C clears a half line left in the
        // adapter by an earlier session. What comes after, comes from the new session.
        if (!ok && ++m_closeAttempts < 2)
            sendStep(Step::Close);
        else
            sendStep(Step::BitRate);
        return;
    case Step::BitRate:
        if (!ok) return failOpen(tr("step \"%1\": the adapter refused it (BEL)").arg(stepName(m_step)));
        sendStep(Step::Timestamps);
        return;
    case Step::Timestamps:
        // Adapters without time stamps refuse the command; received time stamps are dropped anyway.
        m_timestampRefused = !ok;
        sendStep(Step::Open);
        return;
    case Step::Open:
        if (!ok) return failOpen(tr("step \"%1\": the adapter refused it (BEL)").arg(stepName(m_step)));
        m_step = Step::Running;
        m_statusTimer.start();
        setState(QCanBusDevice::ConnectedState);
        return;
    default:
        return;
    }
}

void SlcanCanBusDevice::onStepTimeout() {
    if (m_step == Step::Close) {
        // No answer to C: perhaps the adapter is silent while closed; the next step tells.
        sendStep(Step::BitRate);
        return;
    }
    failOpen(tr("step \"%1\": no answer within %2 ms").arg(stepName(m_step)).arg(StepTimeoutMs));
}

void SlcanCanBusDevice::failOpen(const QString& why) {
    m_stepTimer.stop();
    m_step = Step::Idle;
    m_port.close();
    const QString text = tr("SLCAN adapter %1: %2").arg(m_portName, why);
    qCWarning(lcSlcan).noquote() << text;
    setError(text, QCanBusDevice::ConnectionError);
    setState(QCanBusDevice::UnconnectedState);
}

void SlcanCanBusDevice::lose(const QString& why) {
    m_statusTimer.stop();
    m_step = Step::Idle;
    m_pending.clear();
    m_busStatus = CanBusStatus::Unknown;
    m_port.close();
    const QString text = tr("SLCAN adapter %1: %2").arg(m_portName, why);
    qCWarning(lcSlcan).noquote() << text;
    setError(text, QCanBusDevice::ConnectionError);
    setState(QCanBusDevice::UnconnectedState);
}

bool SlcanCanBusDevice::sendLine(const QByteArray& line) {
    return m_port.isOpen() && m_port.write(line) == line.size();
}

void SlcanCanBusDevice::onPortError(QSerialPort::SerialPortError error) {
    if (error == QSerialPort::NoError || error == QSerialPort::TimeoutError || m_step == Step::Idle) return;
    const QString file = portFile(m_portName);
    const bool gone = error == QSerialPort::ResourceError || error == QSerialPort::DeviceNotFoundError ||
                      (!file.isEmpty() && !QFileInfo::exists(file));
    const QString why = gone ? tr("the serial port went away (unplugged?): %1").arg(m_port.errorString())
                             : tr("the serial port failed: %1").arg(m_port.errorString());
    if (m_step == Step::Running)
        lose(why);
    else
        failOpen(why);
}

void SlcanCanBusDevice::onReadyRead() {
    m_reader.append(m_port.readAll());
    QList<QCanBusFrame> batch;
    qint64 written = 0;
    QCanBusFrame::TimeStamp now;
    bool haveNow = false;
    auto stamp = [&](QCanBusFrame& frame) {
        if (!haveNow) {
            now = QCanBusFrame::TimeStamp::fromMicroSeconds(QDateTime::currentMSecsSinceEpoch() * 1000);
            haveNow = true;
        }
        frame.setTimeStamp(now);
    };

    SlcanLineReader::Token token;
    QCanBusFrame frame;
    uint8_t status = 0;
    while (m_step != Step::Idle && m_reader.next(token)) {
        const SlcanReplyKind kind =
            token.bell ? SlcanReplyKind::Bell : SlcanParseReply(token.line, frame, status);
        if (m_step != Step::Running) {
            // Opening: only the answers count; frames and reports of an earlier session are dropped.
            if (kind == SlcanReplyKind::Ok || kind == SlcanReplyKind::Bell)
                stepAnswered(kind == SlcanReplyKind::Ok);
            continue;
        }
        switch (kind) {
        case SlcanReplyKind::Frame:
            stamp(frame);
            batch.append(frame);
            break;
        case SlcanReplyKind::Ok:
        case SlcanReplyKind::Bell:
            if (m_pending.empty()) break;
            if (m_pending.front() == Pending::Transmit) {
                if (kind == SlcanReplyKind::Ok)
                    ++written;
                else
                    setError(tr("SLCAN adapter %1: the adapter refused a frame (BEL)").arg(m_portName),
                             QCanBusDevice::WriteError);
            } else if (kind == SlcanReplyKind::Bell) {
                // No status command on this adapter: its bus state stays unknown.
                m_statusSupported = false;
                m_busStatus = CanBusStatus::Unknown;
            }
            m_pending.pop_front();
            break;
        case SlcanReplyKind::SentAck:
            popPending(Pending::Transmit);
            ++written;
            break;
        case SlcanReplyKind::Status:
            popPending(Pending::Status);
            if (std::optional<QCanBusFrame> error = handleStatus(status)) {
                stamp(*error);
                batch.append(*error);
            }
            break;
        case SlcanReplyKind::Text:
            break;
        case SlcanReplyKind::Malformed:
            ++m_malformed;
            break;
        }
    }
    if (!batch.isEmpty()) enqueueReceivedFrames(batch);
    if (written > 0) emit framesWritten(written);
}

void SlcanCanBusDevice::popPending(Pending kind) {
    const auto it = std::find(m_pending.begin(), m_pending.end(), kind);
    if (it != m_pending.end()) m_pending.erase(it);
}

std::optional<QCanBusFrame> SlcanCanBusDevice::handleStatus(uint8_t flags) {
    m_statusAnswered = true;
    m_silentPolls = 0;
    m_busStatus = SlcanBusStatusOf(flags);
    return SlcanStatusErrorFrame(flags);
}

void SlcanCanBusDevice::pollStatus() {
    if (m_step != Step::Running) return;
    const QString file = portFile(m_portName);
    if (!file.isEmpty() && !QFileInfo::exists(file)) {
        lose(tr("the serial port is gone"));
        return;
    }
    if (!m_statusSupported) return;
    const auto unanswered = std::find(m_pending.begin(), m_pending.end(), Pending::Status);
    if (unanswered != m_pending.end()) {
        m_pending.erase(unanswered);
        if (m_statusAnswered && ++m_silentPolls >= SilentPollsUntilLost) {
            lose(tr("the adapter stopped answering"));
            return;
        }
    }
    if (!sendLine(QByteArrayLiteral("F\r"))) return;
    if (m_pending.size() >= MaxPending) m_pending.pop_front();
    m_pending.push_back(Pending::Status);
}

bool SlcanCanBusDevice::writeFrame(const QCanBusFrame& frame) {
    if (state() != QCanBusDevice::ConnectedState) {
        setError(tr("SLCAN adapter %1 is not connected").arg(m_portName), QCanBusDevice::OperationError);
        return false;
    }
    const QByteArray line = SlcanEncodeFrame(frame);
    if (line.isEmpty()) {
        setError(
            tr("SLCAN adapter %1: the frame cannot be sent (only data and remote frames of up to 8 bytes)")
                .arg(m_portName),
            QCanBusDevice::WriteError);
        return false;
    }
    if (!sendLine(line)) {
        setError(
            tr("SLCAN adapter %1: cannot write to the serial port: %2").arg(m_portName, m_port.errorString()),
            QCanBusDevice::WriteError);
        return false;
    }
    if (m_pending.size() >= MaxPending) m_pending.pop_front();
    m_pending.push_back(Pending::Transmit);
    return true;
}

QString SlcanCanBusDevice::interpretErrorFrame(const QCanBusFrame& errorFrame) {
    if (errorFrame.frameType() != QCanBusFrame::ErrorFrame) return {};
    QStringList words;
    const QCanBusFrame::FrameErrors errors = errorFrame.error();
    const QByteArray payload = errorFrame.payload();
    const uint8_t problem = payload.size() > 1 ? static_cast<uint8_t>(payload[1]) : 0;
    if (errors & QCanBusFrame::ControllerError) {
        if ((problem & 0x30) != 0)
            words << tr("error passive");
        else if ((problem & 0x0C) != 0)
            words << tr("error warning");
        if ((problem & 0x01) != 0) words << tr("receive overrun");
        if ((problem & 0x02) != 0) words << tr("transmit queue full");
    }
    if (errors & QCanBusFrame::BusError) words << tr("bus error");
    return words.join(QStringLiteral(", "));
}

bool SlcanCanBusDevice::hasBusStatus() const {
    return m_statusSupported;
}

QCanBusDevice::CanBusStatus SlcanCanBusDevice::busStatus() {
    return m_step == Step::Running ? m_busStatus : CanBusStatus::Unknown;
}

QCanBusDeviceInfo SlcanCanBusDevice::deviceInfo() const {
    return makeDeviceInfo(m_portName, QString(), QString());
}
