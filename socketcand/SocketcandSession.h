#pragma once

// One client of the socketcand server: greets it ("< hi >"), lets it open the served bus and switch
// to raw mode, answers "< echo >", hands its "< send >" frames to the server, which accepts or
// refuses them ("< error ... >"), and passes it the bus's frames in raw mode.
// Frames for the client go straight to the socket while its buffer is short (SocketHighWater),
// otherwise into the client's bounded queue (SocketcandClientQueue), where frames past its end are
// dropped and counted; the server disconnects a client whose oldest waiting frame is too old. The
// first frames follow the raw mode's "< ok >" after RawModeSettleMs, so a client that waits for
// exactly "< ok >" in one read (python-can does) gets it alone.

#include "SocketcandClientQueue.h"
#include "SocketcandTokenizer.h"

#include <QByteArrayView>
#include <QCanBusFrame>
#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>

class QTcpSocket;

class SocketcandSession : public QObject {
    Q_OBJECT
public:
    // Bytes in the socket's own buffer beyond which frames wait in the queue instead.
    static constexpr qint64 SocketHighWater = 16 * 1024;
    // The kernel's send buffer for the client, kept small so that a client that stops reading is
    // noticed within seconds, not minutes.
    static constexpr int SendBufferBytes = 64 * 1024;
    // Answers a client makes us write without reading them; past this it is disconnected.
    static constexpr qint64 MaxUnreadReplies = 1024 * 1024;
    static constexpr int RawModeSettleMs = 100;
    static constexpr int ReadChunk = 4096;

    // Takes a frame a client sent: an empty text when it went onto the bus, else why not (the
    // client gets it as "< error TEXT >").
    using SendHandler = std::function<QString(SocketcandSession* session, const QCanBusFrame& frame)>;

    // Takes over the connected socket (as its parent).
    SocketcandSession(QTcpSocket* socket, QString busName, SendHandler onSend, int queueCapacity,
                      QObject* parent = nullptr);
    ~SocketcandSession() override;

    // Greets the client ("< hi >"); a client that is refused is not greeted.
    void greet();

    // A frame on the bus, encoded; taken only in raw mode. nowMs: the server's monotonic clock.
    void offer(QByteArrayView message, int64_t nowMs);
    // Sends "< error TEXT >" and closes once it has left; TEXT (the protocol's, in English) is the
    // reason the log gives, or `shown` when given (in the user's language).
    void refuse(const QByteArray& text, const QString& shown = {});
    // Closes the connection at once; finished() follows. `reason` is what the log says.
    void drop(const QString& reason = {});
    // Hands everything queued to the socket and closes once it has left; finished() follows.
    void finish();

    [[nodiscard]] bool isRaw() const { return m_mode == Mode::Raw; }
    [[nodiscard]] int64_t behindMs(int64_t nowMs) const { return m_queue.oldestAgeMs(nowMs); }
    [[nodiscard]] uint64_t dropped() const { return m_queue.dropped(); }
    [[nodiscard]] uint64_t garbage() const { return m_tokenizer.garbage(); }
    // "ADDRESS:PORT" of the client.
    [[nodiscard]] const QString& peerName() const { return m_peer; }
    // Why the connection ended, in words; empty while it lasts.
    [[nodiscard]] const QString& endReason() const { return m_reason; }
    // How long the client has been connected, by the server's monotonic clock.
    [[nodiscard]] int64_t connectedMs(int64_t nowMs) const { return nowMs - m_connectedAtMs; }
    void setConnectedAt(int64_t nowMs) { m_connectedAtMs = nowMs; }

    // "ADDRESS:PORT" of a socket's peer (IPv6 in brackets); empty when the peer is gone already.
    [[nodiscard]] static QString peerNameOf(const QTcpSocket* socket);

signals:
    // The connection ended (closed by either side); the server deletes the session later.
    void finished(SocketcandSession* session);

private:
    enum class Mode : uint8_t { NoBus, Bus, Raw, Closing };

    void onReadyRead();
    void onBytesWritten();
    void onGone();
    void handle(QByteArrayView text);
    void reply(const QByteArray& message);
    void refill();

    QTcpSocket* m_socket = nullptr;
    QString m_bus;
    QString m_peer;
    QString m_reason;
    int64_t m_connectedAtMs = 0;
    SendHandler m_onSend;
    SocketcandTokenizer m_tokenizer;
    SocketcandClientQueue m_queue;
    QByteArray m_chunk; // reused for writing queued frames
    Mode m_mode = Mode::NoBus;
    QElapsedTimer m_rawSince; // frames are taken RawModeSettleMs after raw mode began
    bool m_settling = false;
    bool m_finished = false;
};
