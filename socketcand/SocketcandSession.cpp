#include "SocketcandSession.h"

#include "SocketcandCodec.h"

#include <QHostAddress>
#include <QTcpSocket>

#include <limits>

SocketcandSession::SocketcandSession(QTcpSocket* socket, QString busName, SendHandler onSend,
                                     int queueCapacity, QObject* parent)
    : QObject(parent), m_socket(socket), m_bus(std::move(busName)), m_onSend(std::move(onSend)),
      m_queue(queueCapacity) {
    m_socket->setParent(this);
    m_peer = peerNameOf(m_socket);
    m_socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    m_socket->setSocketOption(QAbstractSocket::SendBufferSizeSocketOption, SendBufferBytes);
    m_socket->setReadBufferSize(64 * 1024);
    connect(m_socket, &QTcpSocket::readyRead, this, &SocketcandSession::onReadyRead);
    connect(m_socket, &QTcpSocket::bytesWritten, this, &SocketcandSession::onBytesWritten);
    connect(m_socket, &QTcpSocket::disconnected, this, &SocketcandSession::onGone);
    connect(m_socket, &QTcpSocket::errorOccurred, this, &SocketcandSession::onGone);
}

QString SocketcandSession::peerNameOf(const QTcpSocket* socket) {
    const QHostAddress address = socket->peerAddress();
    if (address.isNull() || socket->peerPort() == 0) return {};
    return (address.protocol() == QAbstractSocket::IPv6Protocol ? QStringLiteral("[%1]:%2")
                                                                : QStringLiteral("%1:%2"))
        .arg(address.toString())
        .arg(socket->peerPort());
}

void SocketcandSession::greet() {
    reply(SocketcandCommand("hi"));
}

SocketcandSession::~SocketcandSession() {
    m_socket->disconnect(this);
    m_finished = true;
    m_socket->abort();
}

void SocketcandSession::offer(QByteArrayView message, int64_t nowMs) {
    if (m_mode != Mode::Raw) return;
    if (m_settling) {
        if (m_rawSince.elapsed() < RawModeSettleMs) return;
        m_settling = false;
    }
    if (m_queue.isEmpty() && m_socket->bytesToWrite() < SocketHighWater) {
        m_socket->write(message.data(), message.size());
        return;
    }
    (void)m_queue.push(message, nowMs);
}

void SocketcandSession::onBytesWritten() {
    refill();
}

void SocketcandSession::refill() {
    if (m_queue.isEmpty() || m_mode == Mode::Closing) return;
    const qint64 room = SocketHighWater - m_socket->bytesToWrite();
    if (room <= 0) return;
    m_chunk.clear();
    (void)m_queue.take(m_chunk, room);
    m_socket->write(m_chunk);
}

void SocketcandSession::reply(const QByteArray& message) {
    if (m_mode == Mode::Closing) return;
    if (m_socket->bytesToWrite() > MaxUnreadReplies) {
        drop(tr("more than %1 KB of replies unread").arg(MaxUnreadReplies / 1024));
        return;
    }
    m_socket->write(message);
}

void SocketcandSession::refuse(const QByteArray& text, const QString& shown) {
    if (m_reason.isEmpty()) m_reason = shown.isEmpty() ? QString::fromLatin1(text) : shown;
    reply(SocketcandCommand("error", text));
    m_mode = Mode::Closing;
    m_socket->disconnectFromHost(); // after what was written has left
}

void SocketcandSession::finish() {
    if (m_mode == Mode::Closing) return;
    m_chunk.clear();
    (void)m_queue.take(m_chunk, std::numeric_limits<qsizetype>::max());
    m_socket->write(m_chunk);
    m_mode = Mode::Closing;
    m_socket->disconnectFromHost();
}

void SocketcandSession::drop(const QString& reason) {
    if (m_reason.isEmpty()) m_reason = reason;
    m_mode = Mode::Closing;
    m_socket->abort();
    onGone();
}

void SocketcandSession::onGone() {
    if (m_finished) return;
    if (m_reason.isEmpty() && m_mode != Mode::Closing)
        m_reason = m_socket->error() == QAbstractSocket::RemoteHostClosedError ||
                           m_socket->error() == QAbstractSocket::UnknownSocketError
                       ? tr("closed the connection")
                       : m_socket->errorString();
    if (m_socket->state() != QAbstractSocket::UnconnectedState && m_mode != Mode::Closing) {
        // An error on a connection that is still up (a write that failed): end it.
        m_mode = Mode::Closing;
        m_socket->abort();
    }
    if (m_socket->state() != QAbstractSocket::UnconnectedState) return;
    m_finished = true;
    m_mode = Mode::Closing;
    emit finished(this);
}

void SocketcandSession::onReadyRead() {
    char chunk[ReadChunk];
    while (m_mode != Mode::Closing) {
        const qint64 n = m_socket->read(chunk, sizeof chunk);
        if (n <= 0) break;
        m_tokenizer.feed(QByteArrayView(chunk, n), [this](QByteArrayView text) {
            if (m_mode != Mode::Closing) handle(text);
        });
    }
}

void SocketcandSession::handle(QByteArrayView text) {
    const SocketcandMessage m = SocketcandParse(text);
    switch (m.kind) {
    case SocketcandKind::Open:
        if (m_mode != Mode::NoBus) {
            reply(SocketcandCommand("error", "a bus is open already"));
        } else if (QString::fromLatin1(m.text) != m_bus) {
            // As the daemon does: a bus that is not served ends the connection.
            refuse("could not open bus", tr("could not open bus"));
        } else {
            m_mode = Mode::Bus;
            reply(SocketcandCommand("ok"));
        }
        return;
    case SocketcandKind::RawMode:
    case SocketcandKind::BcmMode:
        if (m_mode == Mode::NoBus) {
            reply(SocketcandCommand("error", "no bus is open"));
            return;
        }
        reply(SocketcandCommand("ok"));
        if (m.kind == SocketcandKind::BcmMode) {
            m_mode = Mode::Bus;
        } else if (m_mode != Mode::Raw) {
            m_mode = Mode::Raw;
            m_settling = true;
            m_rawSince.start();
        }
        return;
    case SocketcandKind::Echo:
        reply(SocketcandCommand("echo"));
        return;
    case SocketcandKind::Send:
        if (m_mode == Mode::NoBus) {
            reply(SocketcandCommand("error", "no bus is open"));
            return;
        }
        if (const QString why = m_onSend(this, m.frame); !why.isEmpty())
            reply(SocketcandCommand("error", why.toLatin1()));
        return;
    case SocketcandKind::Malformed: {
        // The reply is one message: the client's text is shown without brackets, which would end it.
        QByteArray shown = m.text.trimmed().left(60);
        for (char& c : shown)
            if (c < ' ' || c > '~' || c == '<' || c == '>') c = '.';
        reply(SocketcandCommand("error", "syntax error in \"" + shown + "\""));
        return;
    }
    default:
        if (m_mode != Mode::NoBus &&
            (text.startsWith("add") || text.startsWith("update") || text.startsWith("delete") ||
             text.startsWith("subscribe") || text.startsWith("filter") || text.startsWith("unsubscribe") ||
             text.startsWith("muxfilter"))) {
            reply(SocketcandCommand("error", "only raw mode is served here: send < rawmode >"));
            return;
        }
        reply(SocketcandCommand("error", "unknown command"));
        return;
    }
}
