#pragma once

// A CAN bus on a socketcand server, over TCP, as a Qt CAN bus device (raw mode).
// connectDevice() starts the open and returns at once (the device is "connecting"):
//   connect (the TCP connection, at most ConnectTimeoutMs), greeting ("< hi >"),
//   open ("< open BUS >" answered "< ok >"), raw mode ("< rawmode >" answered "< ok >");
// each protocol step waits at most StepTimeoutMs. A refused connection, an "< error ... >", a wrong
// greeting or silence ends the open with a ConnectionError whose text names the step and the
// server. No bit rate is sent: the server owns the bus and its speed.
// While open, "< frame >" and "< rtr >" messages become received frames (their time stamps the
// server's), and every "< error ... >" an error frame (its class when the server names one). A
// server silent for LinkSilenceMs (asked with "< echo >" after a quiet second) or a connection that
// breaks ends in the unconnected state with a ConnectionError, as an unplugged adapter does; a new
// connectDevice() connects again.

#include "SocketcandCodec.h"
#include "SocketcandTokenizer.h"

#include <QCanBusDevice>
#include <QCanBusDeviceInfo>
#include <QElapsedTimer>
#include <QTcpSocket>
#include <QTimer>

#include <cstdint>

class SocketcandCanBusDevice : public QCanBusDevice {
    Q_OBJECT
    // The link as the Bus panel shows it, read by name: a word ("connecting", "connected", "link
    // lost", "not connected") and a few lines with the server, its errors and what was not understood.
    Q_PROPERTY(QString linkState READ linkState)
    Q_PROPERTY(bool linkConnected READ linkConnected)
    Q_PROPERTY(QString linkStatus READ linkStatus)
    // How long the adapter layer may wait for the open to end (all its steps).
    Q_PROPERTY(int connectWaitMs READ connectWaitMs CONSTANT)
public:
    static constexpr quint16 DefaultPort = 29536;
    static constexpr int ConnectTimeoutMs = 2000;
    static constexpr int StepTimeoutMs = 1000;
    // With nothing from the server for a second the link is asked with "< echo >"; silent this long,
    // it counts as lost.
    static constexpr int EchoAfterMs = 1000;
    static constexpr int LinkSilenceMs = 5000;
    // Frames written but not yet taken by the network, at the most; a write past it is refused.
    static constexpr qint64 MaxWriteBacklogBytes = 64 * 1024;
    static constexpr int MaxBusNameLength = 16;
    static constexpr int ReadChunk = 4096;

    // "HOST[:PORT]/BUS": "127.0.0.1/can0", "rig7.local:29536/can1", "[::1]:29536/can0". False with a
    // reason for a missing host or bus, a bad port or a bus name the protocol cannot carry.
    [[nodiscard]] static bool parseInterfaceName(const QString& interfaceName, QString* host, quint16* port,
                                                 QString* bus, QString* errorMessage);

    SocketcandCanBusDevice(QString host, quint16 port, QString bus, QObject* parent = nullptr);
    ~SocketcandCanBusDevice() override;

    bool writeFrame(const QCanBusFrame& frame) override;
    QString interpretErrorFrame(const QCanBusFrame& errorFrame) override;
    [[nodiscard]] QCanBusDeviceInfo deviceInfo() const override;

    // "HOST:PORT" and the bus, as messages name them.
    [[nodiscard]] QString serverName() const;
    [[nodiscard]] const QString& busName() const { return m_bus; }
    // Since the open: garbage skipped, messages not understood (or CAN FD frames, not taken), and
    // "< error >"s from the server with the last one's text.
    [[nodiscard]] uint64_t garbage() const { return m_tokenizer.garbage(); }
    [[nodiscard]] uint64_t messagesNotTaken() const { return m_notTaken; }
    [[nodiscard]] uint64_t serverErrors() const { return m_serverErrors; }
    [[nodiscard]] QString lastServerError() const { return m_lastServerError; }
    [[nodiscard]] QString linkState() const;
    // True while the link runs (linkState is its word in the language shown).
    [[nodiscard]] bool linkConnected() const { return m_step == Step::Running; }
    [[nodiscard]] QString linkStatus() const;
    [[nodiscard]] static constexpr int connectWaitMs() { return ConnectTimeoutMs + 3 * StepTimeoutMs + 500; }

protected:
    bool open() override;
    void close() override;

private:
    enum class Step : uint8_t { Idle, Connect, Greeting, Open, RawMode, Running };

    void onConnected();
    void onReadyRead();
    void onSocketError(QAbstractSocket::SocketError error);
    void onDisconnected();
    void onStepTimeout();
    void onLinkCheck();
    void onBytesWritten();
    void take(const SocketcandMessage& message, QList<QCanBusFrame>& batch);
    // text: the message as it came, to show when it is not the one expected.
    void handshake(const SocketcandMessage& message, QByteArrayView text);
    void sendStep(Step step, const QByteArray& command);
    void failOpen(const QString& why);
    void lose(const QString& why);
    void noteServerError(const QString& text);
    [[nodiscard]] QString stepName(Step step) const;
    [[nodiscard]] QString prefix() const;

    QString m_host;
    quint16 m_port = DefaultPort;
    QString m_bus;
    QTcpSocket m_socket;
    SocketcandTokenizer m_tokenizer;
    QTimer m_stepTimer;
    QTimer m_linkTimer;
    QElapsedTimer m_lastHeard; // since the server's last complete message
    int m_silentChecks = 0;    // link checks in a row that found the server silent
    Step m_step = Step::Idle;
    bool m_lost = false;
    uint64_t m_notTaken = 0;
    uint64_t m_serverErrors = 0;
    QString m_lastServerError;
    qint64 m_unconfirmed = 0; // frames written since the socket last had nothing left to send
    QElapsedTimer m_lastLog;  // server errors are logged at most once a second
    uint64_t m_unlogged = 0;
};
