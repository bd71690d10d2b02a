#pragma once

// A socketcand server (raw mode) for one bus, "can0" unless named otherwise. It knows nothing of
// where the bus is: whoever runs it hands it every frame seen on the bus (publish) and, when
// clients may send, a sink that puts a client's frame onto the bus (setSink; without one every
// "< send >" is refused with "< error ... >" and goes nowhere).
// At most MaxClients clients; a client past them gets "< error too many clients >". A slow client
// never holds the bus up: frames it has not taken wait in its bounded queue, frames past the queue
// are dropped for that client and counted, and a client whose oldest waiting frame is more than
// MaxBehindMs old is disconnected. A client that has not reached raw mode HandshakeMs after it
// connected is closed with "< error ... >", so idle connections cannot hold the slots. The log
// (event) says why each client left. No UDP beacon is sent: clients are given the address.

#include <QByteArrayView>
#include <QCanBusFrame>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QObject>
#include <QString>
#include <QTcpServer>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <vector>

class SocketcandSession;

class SocketcandServer : public QObject {
    Q_OBJECT
public:
    static constexpr quint16 DefaultPort = 29536;
    static constexpr int MaxClients = 8;
    static constexpr int MaxBehindMs = 10000;
    static constexpr int CheckIntervalMs = 1000;
    static constexpr int HandshakeMs = 5000;
    static constexpr int RefusedLingerMs = 2000; // a refused client's "< error >" has this long to leave
    static constexpr int QueueCapacity = 4096; // frames per client, about 1.8 s at 2,300 frames/s

    // Puts a client's frame onto the bus: an empty text when it did, else why not.
    using FrameSink = std::function<QString(const QCanBusFrame& frame)>;

    // "[ADDR:]PORT": "29536" (on 127.0.0.1), "0.0.0.0:29536", "[::1]:29536"; port 0 lets the system
    // choose. False with a reason otherwise.
    [[nodiscard]] static bool parseListenAddress(const QString& text, QHostAddress* address, quint16* port,
                                                 QString* errorMessage);

    explicit SocketcandServer(QString busName = QStringLiteral("can0"), QObject* parent = nullptr);
    ~SocketcandServer() override;

    // Starts listening; false with the reason.
    [[nodiscard]] bool listen(const QHostAddress& address, quint16 port, QString* errorMessage);
    // Stops listening and lets every client go once the frames it has not had yet have left,
    // waiting at most waitMs (the event loop runs meanwhile).
    void finish(int waitMs);
    // "ADDRESS:PORT" listened on (the port the system chose for port 0).
    [[nodiscard]] QString listenName() const;
    [[nodiscard]] quint16 port() const { return m_server.serverPort(); }
    [[nodiscard]] const QString& busName() const { return m_bus; }

    // How far behind a client may be before it is disconnected (MaxBehindMs unless set).
    void setMaxBehindMs(int ms) { m_maxBehindMs = ms; }
    void setHandshakeMs(int ms) { m_handshakeMs = ms; }

    // Who takes the clients' frames; an empty sink refuses them all.
    void setSink(FrameSink sink) { m_sink = std::move(sink); }
    [[nodiscard]] bool acceptsFrames() const { return static_cast<bool>(m_sink); }
    // A frame seen on the bus (received or sent by whoever runs the server): to every client in raw
    // mode, except the client that sent this very frame.
    void publish(const QCanBusFrame& frame, QByteArrayView payload);
    void publish(const QCanBusFrame& frame) { publish(frame, frame.payload()); }

    [[nodiscard]] int clientCount() const { return static_cast<int>(m_sessions.size()); }
    // Frames dropped for slow clients since the start (clients that left included).
    [[nodiscard]] uint64_t droppedFrames() const;
    [[nodiscard]] uint64_t acceptedFrames() const { return m_accepted; }
    [[nodiscard]] uint64_t refusedFrames() const { return m_refused; }
    // Clients disconnected for being too far behind.
    [[nodiscard]] uint64_t slowClientsDropped() const { return m_slowDropped; }
    // One line: where it listens, whether clients may send, clients now, frames dropped.
    [[nodiscard]] QString statusText() const;

signals:
    // Clients came or went, or frames were dropped.
    void statusChanged();
    // Something to log: a client came, left, was refused or was disconnected.
    void event(const QString& text);

private:
    void onNewConnection();
    void onFinished(SocketcandSession* session);
    void check();
    [[nodiscard]] QString fromClient(SocketcandSession* session, const QCanBusFrame& frame);

    QString m_bus;
    QTcpServer m_server;
    std::vector<SocketcandSession*> m_sessions;
    FrameSink m_sink;
    QElapsedTimer m_clock;
    QTimer m_check;
    // The client whose frame the sink is putting onto the bus now, and that frame: it is not sent
    // back to that client.
    SocketcandSession* m_origin = nullptr;
    QCanBusFrame m_originFrame;
    uint64_t m_droppedByGone = 0; // drops of clients that have left
    uint64_t m_lastDropped = 0;   // at the last check
    uint64_t m_accepted = 0;
    uint64_t m_refused = 0;
    uint64_t m_slowDropped = 0;
    int m_maxBehindMs = MaxBehindMs;
    int m_handshakeMs = HandshakeMs;
};
