#include "SocketcandServer.h"

#include "SocketcandCodec.h"
#include "SocketcandSession.h"

#include <QEventLoop>
#include <QTcpSocket>

#include <algorithm>
#include <chrono>

namespace {

[[nodiscard]] qint64 nowUs() {
    return std::chrono::duration_cast<std::chrono::microseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

[[nodiscard]] bool sameFrame(const QCanBusFrame& a, const QCanBusFrame& b, QByteArrayView payloadOfA) {
    return a.frameId() == b.frameId() && a.hasExtendedFrameFormat() == b.hasExtendedFrameFormat() &&
           a.frameType() == b.frameType() && payloadOfA == QByteArrayView(b.payload());
}

[[nodiscard]] QString addressText(const QHostAddress& address, quint16 port) {
    return (address.protocol() == QAbstractSocket::IPv6Protocol ? QStringLiteral("[%1]:%2")
                                                                : QStringLiteral("%1:%2"))
        .arg(address.toString())
        .arg(port);
}

} // namespace

bool SocketcandServer::parseListenAddress(const QString& text, QHostAddress* address, quint16* port,
                                          QString* errorMessage) {
    auto fail = [&](const QString& why) {
        if (errorMessage != nullptr)
            *errorMessage = tr("\"%1\": %2 (give [ADDR:]PORT, e.g. 29536, 0.0.0.0:29536 or "
                               "[::1]:29536)")
                                .arg(text, why);
        return false;
    };
    const QString t = text.trimmed();
    QString host;
    QString portText = t;
    if (t.startsWith(QLatin1Char('['))) {
        const qsizetype close = t.indexOf(QLatin1String("]:"));
        if (close < 0) return fail(tr("\"]:PORT\" expected after the IPv6 address"));
        host = t.mid(1, close - 1);
        portText = t.mid(close + 2);
    } else if (const qsizetype colon = t.lastIndexOf(QLatin1Char(':')); colon >= 0) {
        host = t.left(colon);
        portText = t.mid(colon + 1);
        if (host.contains(QLatin1Char(':'))) return fail(tr("write an IPv6 address in brackets"));
    }
    bool ok = false;
    const uint value = portText.toUInt(&ok);
    if (!ok || value > 65535) return fail(tr("\"%1\" is no TCP port (0 to 65535)").arg(portText));
    QHostAddress listenOn(QHostAddress::LocalHost);
    if (host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0) {
        listenOn = QHostAddress(QHostAddress::LocalHost);
    } else if (!host.isEmpty() && !listenOn.setAddress(host)) {
        return fail(tr("\"%1\" is no IP address of this machine").arg(host));
    }
    if (address != nullptr) *address = listenOn;
    if (port != nullptr) *port = static_cast<quint16>(value);
    return true;
}

SocketcandServer::SocketcandServer(QString busName, QObject* parent)
    : QObject(parent), m_bus(std::move(busName)) {
    m_clock.start();
    m_check.setInterval(CheckIntervalMs);
    connect(&m_check, &QTimer::timeout, this, &SocketcandServer::check);
    connect(&m_server, &QTcpServer::newConnection, this, &SocketcandServer::onNewConnection);
}

SocketcandServer::~SocketcandServer() {
    m_server.close();
    for (SocketcandSession* s : m_sessions) {
        s->disconnect(this);
        delete s;
    }
    m_sessions.clear();
}

bool SocketcandServer::listen(const QHostAddress& address, quint16 port, QString* errorMessage) {
    if (!m_server.listen(address, port)) {
        if (errorMessage != nullptr)
            *errorMessage =
                tr("cannot listen on %1: %2").arg(addressText(address, port), m_server.errorString());
        return false;
    }
    m_check.start();
    return true;
}

void SocketcandServer::finish(int waitMs) {
    m_server.close();
    m_check.stop();
    if (m_sessions.empty()) return;
    QEventLoop loop;
    connect(this, &SocketcandServer::statusChanged, &loop, [this, &loop] {
        if (m_sessions.empty()) loop.quit();
    });
    QTimer::singleShot(waitMs, &loop, &QEventLoop::quit);
    // Copied: a client that is gone already leaves the list at once.
    const std::vector<SocketcandSession*> sessions = m_sessions;
    for (SocketcandSession* s : sessions)
        s->finish();
    if (!m_sessions.empty()) loop.exec();
}

QString SocketcandServer::listenName() const {
    return addressText(m_server.serverAddress(), m_server.serverPort());
}

void SocketcandServer::onNewConnection() {
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        const QString peer = SocketcandSession::peerNameOf(socket);
        if (peer.isEmpty() || socket->state() != QAbstractSocket::ConnectedState) {
            // Reset before it was taken: nobody to greet, nothing to log.
            socket->abort();
            socket->deleteLater();
            continue;
        }
        if (static_cast<int>(m_sessions.size()) >= MaxClients) {
            // Refused before anything is allocated for it: a flood of connections costs no memory.
            emit event(tr("socketcand client %1 refused: %2 clients already").arg(peer).arg(MaxClients));
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QTcpSocket::errorOccurred, socket, &QObject::deleteLater);
            // A peer that takes nothing does not keep it open.
            QTimer::singleShot(RefusedLingerMs, socket, &QTcpSocket::abort);
            socket->write(SocketcandCommand("error", "too many clients"));
            socket->disconnectFromHost();
            continue;
        }
        auto* session = new SocketcandSession(
            socket, m_bus,
            [this](SocketcandSession* s, const QCanBusFrame& frame) { return fromClient(s, frame); },
            QueueCapacity, this);
        session->setConnectedAt(m_clock.elapsed());
        m_sessions.push_back(session);
        connect(session, &SocketcandSession::finished, this, &SocketcandServer::onFinished);
        session->greet();
        emit event(tr("socketcand client %1 connected").arg(session->peerName()));
        emit statusChanged();
    }
}

void SocketcandServer::onFinished(SocketcandSession* session) {
    const auto it = std::find(m_sessions.begin(), m_sessions.end(), session);
    if (it == m_sessions.end()) return;
    m_sessions.erase(it);
    m_droppedByGone += session->dropped();
    if (m_origin == session) m_origin = nullptr;
    const QString& why = session->endReason();
    emit event(why.isEmpty() ? tr("socketcand client %1 left").arg(session->peerName())
                             : tr("socketcand client %1 left: %2").arg(session->peerName(), why));
    session->deleteLater();
    emit statusChanged();
}

QString SocketcandServer::fromClient(SocketcandSession* session, const QCanBusFrame& frame) {
    if (!m_sink) {
        ++m_refused;
        return QStringLiteral("sending is not allowed on this server");
    }
    m_origin = session;
    m_originFrame = frame;
    const QString why = m_sink(frame);
    m_origin = nullptr;
    if (why.isEmpty())
        ++m_accepted;
    else
        ++m_refused;
    return why;
}

void SocketcandServer::publish(const QCanBusFrame& frame, QByteArrayView payload) {
    if (m_sessions.empty()) return;
    char message[SocketcandMaxBusFrameMessage];
    const int length = SocketcandEncodeBusFrame(frame, payload, nowUs(), message);
    if (length == 0) return;
    const int64_t now = m_clock.elapsed();
    for (SocketcandSession* s : m_sessions) {
        if (s == m_origin && sameFrame(frame, m_originFrame, payload)) continue;
        s->offer(QByteArrayView(message, length), now);
    }
}

void SocketcandServer::check() {
    const int64_t now = m_clock.elapsed();
    // Copied: dropping a client takes it out of the list.
    const std::vector<SocketcandSession*> sessions = m_sessions;
    for (SocketcandSession* s : sessions) {
        if (!s->isRaw() && s->connectedMs(now) > m_handshakeMs) {
            // A slot is for a client that uses the bus: one that idles before raw mode gives it back.
            s->refuse(QStringLiteral("open and rawmode not given within %1 s")
                          .arg(m_handshakeMs / 1000.0)
                          .toLatin1(),
                      tr("open and rawmode not given within %1 s").arg(m_handshakeMs / 1000.0));
            continue;
        }
        if (s->behindMs(now) <= m_maxBehindMs) continue;
        ++m_slowDropped;
        s->drop(tr("more than %1 s behind, disconnected").arg(m_maxBehindMs / 1000.0));
    }
    const uint64_t dropped = droppedFrames();
    if (dropped != m_lastDropped) {
        m_lastDropped = dropped;
        emit statusChanged();
    }
}

uint64_t SocketcandServer::droppedFrames() const {
    uint64_t total = m_droppedByGone;
    for (const SocketcandSession* s : m_sessions)
        total += s->dropped();
    return total;
}

QString SocketcandServer::statusText() const {
    return (acceptsFrames()
                ? tr("socketcand on %1 (bus %2, clients may send): %3 client(s), %4 frame(s) dropped")
                : tr("socketcand on %1 (bus %2, read only): %3 client(s), %4 frame(s) dropped"))
        .arg(listenName(), m_bus)
        .arg(clientCount())
        .arg(droppedFrames());
}
