#include "SocketcandCanBusDevice.h"

#include <QDateTime>
#include <QLoggingCategory>

namespace {

Q_LOGGING_CATEGORY(lcSocketcand, "quorvex.socketcand")

const QString PluginName = QStringLiteral("socketcand");

[[nodiscard]] bool busNameUsable(const QString& bus) {
    if (bus.isEmpty() || bus.size() > SocketcandCanBusDevice::MaxBusNameLength) return false;
    for (const QChar c : bus)
        if (c.unicode() <= ' ' || c.unicode() > '~' || c == QLatin1Char('<') || c == QLatin1Char('>'))
            return false;
    return true;
}

// What a peer that is not a socketcand server sent, for the message: printable characters only.
// Bytes as they came, those that are no printable ASCII as \xNN.
[[nodiscard]] QString shown(QByteArrayView bytes) {
    QString text;
    for (const char c : bytes)
        text += (c >= ' ' && c <= '~')
                    ? QString(QLatin1Char(c))
                    : QStringLiteral("\\x%1").arg(static_cast<uint8_t>(c), 2, 16, QLatin1Char('0'));
    return text;
}

} // namespace

bool SocketcandCanBusDevice::parseInterfaceName(const QString& interfaceName, QString* host, quint16* port,
                                                QString* bus, QString* errorMessage) {
    auto fail = [&](const QString& why) {
        if (errorMessage != nullptr)
            *errorMessage = tr("socketcand:%1: %2 (the form is HOST[:PORT]/BUS, e.g. "
                               "socketcand:127.0.0.1/can0 or socketcand:rig7.local:29536/can1)")
                                .arg(interfaceName, why);
        return false;
    };
    const qsizetype slash = interfaceName.lastIndexOf(QLatin1Char('/'));
    if (slash < 0) return fail(tr("no bus named"));
    const QString busName = interfaceName.mid(slash + 1).trimmed();
    const QString address = interfaceName.left(slash).trimmed();
    if (!busNameUsable(busName))
        return fail(tr("\"%1\" is no bus name (1 to %2 printable characters, no spaces)")
                        .arg(busName)
                        .arg(MaxBusNameLength));
    QString hostName = address;
    QString portText;
    if (address.startsWith(QLatin1Char('['))) {
        const qsizetype close = address.indexOf(QLatin1Char(']'));
        if (close < 0) return fail(tr("\"]\" missing after the IPv6 address"));
        hostName = address.mid(1, close - 1);
        const QString rest = address.mid(close + 1);
        if (!rest.isEmpty()) {
            if (!rest.startsWith(QLatin1Char(':'))) return fail(tr("\":PORT\" expected after \"]\""));
            portText = rest.mid(1);
        }
    } else if (address.count(QLatin1Char(':')) == 1) {
        const qsizetype colon = address.indexOf(QLatin1Char(':'));
        hostName = address.left(colon);
        portText = address.mid(colon + 1);
    } else if (address.contains(QLatin1Char(':'))) {
        return fail(tr("write an IPv6 address in brackets, e.g. [::1]:29536/can0"));
    }
    if (hostName.isEmpty() || hostName.contains(QLatin1Char(' '))) return fail(tr("no host named"));
    quint16 portNumber = DefaultPort;
    if (!portText.isNull()) {
        bool ok = false;
        const uint value = portText.toUInt(&ok);
        if (!ok || value < 1 || value > 65535)
            return fail(tr("\"%1\" is no TCP port (1 to 65535)").arg(portText));
        portNumber = static_cast<quint16>(value);
    }
    if (host != nullptr) *host = hostName;
    if (port != nullptr) *port = portNumber;
    if (bus != nullptr) *bus = busName;
    return true;
}

SocketcandCanBusDevice::SocketcandCanBusDevice(QString host, quint16 port, QString bus, QObject* parent)
    : QCanBusDevice(parent), m_host(std::move(host)), m_port(port), m_bus(std::move(bus)) {
    m_stepTimer.setSingleShot(true);
    m_linkTimer.setInterval(EchoAfterMs);
    // Qt's own buffer stays small; what arrives is taken at once.
    m_socket.setReadBufferSize(64 * 1024);
    connect(&m_socket, &QTcpSocket::connected, this, &SocketcandCanBusDevice::onConnected);
    connect(&m_socket, &QTcpSocket::readyRead, this, &SocketcandCanBusDevice::onReadyRead);
    connect(&m_socket, &QTcpSocket::errorOccurred, this, &SocketcandCanBusDevice::onSocketError);
    connect(&m_socket, &QTcpSocket::disconnected, this, &SocketcandCanBusDevice::onDisconnected);
    connect(&m_socket, &QTcpSocket::bytesWritten, this, &SocketcandCanBusDevice::onBytesWritten);
    connect(&m_stepTimer, &QTimer::timeout, this, &SocketcandCanBusDevice::onStepTimeout);
    connect(&m_linkTimer, &QTimer::timeout, this, &SocketcandCanBusDevice::onLinkCheck);
}

SocketcandCanBusDevice::~SocketcandCanBusDevice() {
    m_socket.disconnect(this);
    m_step = Step::Idle;
    m_socket.abort();
}

QString SocketcandCanBusDevice::serverName() const {
    const bool v6 = m_host.contains(QLatin1Char(':'));
    return (v6 ? QStringLiteral("[%1]:%2") : QStringLiteral("%1:%2")).arg(m_host).arg(m_port);
}

QString SocketcandCanBusDevice::prefix() const {
    return tr("socketcand server %1, bus %2").arg(serverName(), m_bus);
}

QString SocketcandCanBusDevice::stepName(Step step) const {
    switch (step) {
    case Step::Connect:
        return tr("connect");
    case Step::Greeting:
        return tr("greeting (< hi >)");
    case Step::Open:
        return tr("open (< open %1 >)").arg(m_bus);
    case Step::RawMode:
        return tr("raw mode (< rawmode >)");
    default:
        return {};
    }
}

bool SocketcandCanBusDevice::open() {
    m_tokenizer.clear();
    m_notTaken = 0;
    m_serverErrors = 0;
    m_lastServerError.clear();
    m_unconfirmed = 0;
    m_unlogged = 0;
    m_lost = false;
    m_silentChecks = 0;
    m_socket.abort();
    m_step = Step::Connect;
    m_stepTimer.start(ConnectTimeoutMs);
    // Host names are looked up without blocking; the state stays "connecting" until raw mode.
    m_socket.connectToHost(m_host, m_port);
    return m_step != Step::Idle;
}

void SocketcandCanBusDevice::close() {
    m_stepTimer.stop();
    m_linkTimer.stop();
    const bool running = m_step == Step::Running;
    m_step = Step::Idle;
    if (running && m_socket.bytesToWrite() > 0) {
        // Frames written just before switching off still leave, within a bounded wait.
        (void)m_socket.waitForBytesWritten(100);
    }
    m_socket.abort();
    setState(QCanBusDevice::UnconnectedState);
}

void SocketcandCanBusDevice::sendStep(Step step, const QByteArray& command) {
    m_step = step;
    if (m_socket.write(command) != command.size()) {
        failOpen(tr("step \"%1\": cannot write to the connection: %2")
                     .arg(stepName(step), m_socket.errorString()));
        return;
    }
    m_stepTimer.start(StepTimeoutMs);
}

void SocketcandCanBusDevice::onConnected() {
    if (m_step != Step::Connect) return;
    m_socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);
    m_step = Step::Greeting;
    m_stepTimer.start(StepTimeoutMs);
}

void SocketcandCanBusDevice::onStepTimeout() {
    if (m_step == Step::Idle || m_step == Step::Running) return;
    failOpen(tr("step \"%1\": no answer within %2 ms")
                 .arg(stepName(m_step))
                 .arg(m_step == Step::Connect ? ConnectTimeoutMs : StepTimeoutMs));
}

void SocketcandCanBusDevice::onSocketError(QAbstractSocket::SocketError error) {
    // What the server sent before it went is taken first (its "< error ... >", its last frames).
    if (m_step != Step::Idle && m_socket.bytesAvailable() > 0) onReadyRead();
    if (m_step == Step::Idle) return;
    const QString why = error == QAbstractSocket::RemoteHostClosedError
                            ? tr("the server closed the connection")
                            : m_socket.errorString();
    if (m_step == Step::Running)
        lose(tr("the connection was lost: %1").arg(why));
    else
        failOpen(tr("step \"%1\": %2").arg(stepName(m_step), why));
}

void SocketcandCanBusDevice::onDisconnected() {
    if (m_step != Step::Idle && m_socket.bytesAvailable() > 0) onReadyRead();
    if (m_step == Step::Running)
        lose(tr("the connection was lost: the server closed it"));
    else if (m_step != Step::Idle)
        failOpen(tr("step \"%1\": the server closed the connection").arg(stepName(m_step)));
}

void SocketcandCanBusDevice::failOpen(const QString& why) {
    m_stepTimer.stop();
    m_linkTimer.stop();
    m_step = Step::Idle;
    m_socket.abort();
    const QString text = QStringLiteral("%1: %2").arg(prefix(), why);
    qCWarning(lcSocketcand).noquote() << text;
    setError(text, QCanBusDevice::ConnectionError);
    setState(QCanBusDevice::UnconnectedState);
}

void SocketcandCanBusDevice::lose(const QString& why) {
    m_linkTimer.stop();
    m_step = Step::Idle;
    m_lost = true;
    m_socket.abort();
    const QString text = QStringLiteral("%1: %2").arg(prefix(), why);
    qCWarning(lcSocketcand).noquote() << text;
    setError(text, QCanBusDevice::ConnectionError);
    setState(QCanBusDevice::UnconnectedState);
}

void SocketcandCanBusDevice::onReadyRead() {
    QList<QCanBusFrame> batch;
    char chunk[ReadChunk];
    while (m_step != Step::Idle) {
        const qint64 n = m_socket.read(chunk, sizeof chunk);
        if (n <= 0) break;
        const uint64_t garbageBefore = m_tokenizer.garbage();
        m_tokenizer.feed(QByteArrayView(chunk, n), [this, &batch](QByteArrayView text) {
            if (m_step == Step::Idle) return;
            // Silence counts from the last whole message: bytes trickling in are no answer.
            m_lastHeard.start();
            m_silentChecks = 0;
            const SocketcandMessage message = SocketcandParse(text);
            if (m_step == Step::Running)
                take(message, batch);
            else
                handshake(message, text);
        });
        // Whatever is not a message during the open is no socketcand server talking.
        if (m_step != Step::Idle && m_step != Step::Running && m_tokenizer.garbage() != garbageBefore)
            failOpen(tr("step \"%1\": the server sent \"%2\", which is not the socketcand protocol")
                         .arg(stepName(m_step), shown(m_tokenizer.garbageSample())));
    }
    if (!batch.isEmpty()) enqueueReceivedFrames(batch);
}

void SocketcandCanBusDevice::handshake(const SocketcandMessage& message, QByteArrayView text) {
    if (message.kind == SocketcandKind::ErrorText || message.kind == SocketcandKind::ErrorFrame) {
        const QString said =
            message.kind == SocketcandKind::ErrorText ? shown(message.text) : tr("an error frame");
        failOpen(tr("step \"%1\": the server answered \"< error %2 >\"").arg(stepName(m_step), said));
        return;
    }
    const SocketcandKind expected = m_step == Step::Greeting ? SocketcandKind::Hi : SocketcandKind::Ok;
    if (message.kind != expected) {
        failOpen(
            tr("step \"%1\": the server answered \"%2\" instead of \"%3\"")
                .arg(stepName(m_step), QStringLiteral("< %1 >").arg(shown(text)),
                     expected == SocketcandKind::Hi ? QStringLiteral("< hi >") : QStringLiteral("< ok >")));
        return;
    }
    switch (m_step) {
    case Step::Greeting:
        sendStep(Step::Open, SocketcandCommand("open", m_bus.toLatin1()));
        return;
    case Step::Open:
        sendStep(Step::RawMode, SocketcandCommand("rawmode"));
        return;
    case Step::RawMode:
        m_stepTimer.stop();
        m_step = Step::Running;
        m_lastHeard.start();
        m_linkTimer.start();
        setState(QCanBusDevice::ConnectedState);
        return;
    default:
        return;
    }
}

void SocketcandCanBusDevice::take(const SocketcandMessage& message, QList<QCanBusFrame>& batch) {
    switch (message.kind) {
    case SocketcandKind::Frame:
    case SocketcandKind::ErrorFrame: {
        QCanBusFrame frame = message.frame;
        if (message.timeUs >= 0)
            frame.setTimeStamp(QCanBusFrame::TimeStamp::fromMicroSeconds(message.timeUs));
        batch.append(frame);
        return;
    }
    case SocketcandKind::ErrorText: {
        // A complaint in words (a refused frame, an unknown command): an error frame of no class
        // the bus knows, its text in the link's status and the log.
        noteServerError(shown(message.text));
        QCanBusFrame frame(QCanBusFrame::ErrorFrame);
        frame.setError(QCanBusFrame::UnknownError);
        frame.setTimeStamp(
            QCanBusFrame::TimeStamp::fromMicroSeconds(QDateTime::currentMSecsSinceEpoch() * 1000));
        batch.append(frame);
        return;
    }
    case SocketcandKind::Echo:
    case SocketcandKind::Ok:
        return; // answers to our echoes
    default:
        ++m_notTaken;
        return;
    }
}

void SocketcandCanBusDevice::noteServerError(const QString& text) {
    ++m_serverErrors;
    m_lastServerError = text;
    if (m_lastLog.isValid() && m_lastLog.elapsed() < 1000) {
        ++m_unlogged;
        return;
    }
    m_lastLog.start();
    // For the log of the developer (the user sees the count and the last text in the link's status).
    QString line = QStringLiteral("%1: the server reports \"%2\"").arg(prefix(), text);
    if (m_unlogged > 0) line += QStringLiteral(" (and %1 more since the last report)").arg(m_unlogged);
    m_unlogged = 0;
    qCWarning(lcSocketcand).noquote() << line;
}

void SocketcandCanBusDevice::onLinkCheck() {
    if (m_step != Step::Running) return;
    // After a stall of this program, what the server sent meanwhile is read before the silence is
    // judged: the event loop reads the socket between two checks, so a silence seen by one check
    // alone is no silence yet.
    if (m_lastHeard.elapsed() >= LinkSilenceMs && ++m_silentChecks >= 2) {
        lose(tr("the server has not answered for %1 s").arg(LinkSilenceMs / 1000));
        return;
    }
    if (m_lastHeard.elapsed() >= EchoAfterMs && m_socket.bytesToWrite() < MaxWriteBacklogBytes)
        m_socket.write(SocketcandCommand("echo"));
}

bool SocketcandCanBusDevice::writeFrame(const QCanBusFrame& frame) {
    if (state() != QCanBusDevice::ConnectedState || m_step != Step::Running) {
        setError(tr("%1: not connected").arg(prefix()), QCanBusDevice::OperationError);
        return false;
    }
    const QByteArray message = SocketcandEncodeSend(frame);
    if (message.isEmpty()) {
        setError(
            tr("%1: the frame cannot be sent (only data and remote frames of up to 8 bytes)").arg(prefix()),
            QCanBusDevice::WriteError);
        return false;
    }
    if (m_socket.bytesToWrite() + message.size() > MaxWriteBacklogBytes) {
        setError(tr("%1: the server is not taking frames (%2 bytes wait to be sent)")
                     .arg(prefix())
                     .arg(m_socket.bytesToWrite()),
                 QCanBusDevice::WriteError);
        return false;
    }
    if (m_socket.write(message) != message.size()) {
        setError(tr("%1: cannot write to the connection: %2").arg(prefix(), m_socket.errorString()),
                 QCanBusDevice::WriteError);
        return false;
    }
    ++m_unconfirmed;
    return true;
}

void SocketcandCanBusDevice::onBytesWritten() {
    if (m_unconfirmed > 0 && m_socket.bytesToWrite() == 0) {
        const qint64 written = m_unconfirmed;
        m_unconfirmed = 0;
        emit framesWritten(written);
    }
}

QString SocketcandCanBusDevice::interpretErrorFrame(const QCanBusFrame& errorFrame) {
    if (errorFrame.frameType() != QCanBusFrame::ErrorFrame) return {};
    if (errorFrame.error() == QCanBusFrame::UnknownError && !m_lastServerError.isEmpty())
        return tr("the server reports \"%1\"").arg(m_lastServerError);
    return {};
}

QCanBusDeviceInfo SocketcandCanBusDevice::deviceInfo() const {
    return createDeviceInfo(PluginName, QStringLiteral("%1/%2").arg(serverName(), m_bus), QString(),
                            tr("socketcand server"), QString(), 0, true, false);
}

QString SocketcandCanBusDevice::linkState() const {
    switch (m_step) {
    case Step::Running:
        return tr("connected");
    case Step::Idle:
        return m_lost ? tr("link lost") : tr("not connected");
    default:
        return tr("connecting");
    }
}

QString SocketcandCanBusDevice::linkStatus() const {
    QString text = tr("Link: %1, %2").arg(prefix(), linkState());
    if (m_lost || (m_step == Step::Idle && !errorString().isEmpty()))
        text += QLatin1Char('\n') + errorString();
    text += QLatin1Char('\n') + (m_lastServerError.isEmpty()
                                     ? tr("Errors reported by the server: %1").arg(m_serverErrors)
                                     : tr("Errors reported by the server: %1 (last: \"%2\")")
                                           .arg(QString::number(m_serverErrors), m_lastServerError));
    if (m_notTaken > 0 || garbage() > 0)
        text += QLatin1Char('\n') +
                tr("Messages not understood: %1, garbage skipped: %2").arg(m_notTaken).arg(garbage());
    return text;
}
