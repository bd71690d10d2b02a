#pragma once

// A pseudo-terminal pair made by socat, with a peer process on its far end: either the pymodbus
// server (modbus_server.py) or the scripted device (raw_peer.py). The near end is the path the
// COM port component opens.

#include <QProcess>
#include <QString>
#include <QStringList>

#include <memory>

class SerialPeer {
public:
    SerialPeer();
    ~SerialPeer();
    SerialPeer(const SerialPeer&) = delete;
    SerialPeer& operator=(const SerialPeer&) = delete;

    // Empty when the tools are there; otherwise why the tests cannot run.
    [[nodiscard]] static QString missingTools();

    // Makes the pty pair; false (with error()) when socat did not come up.
    bool startLine();
    // Starts a peer script of this folder on the far end with the given arguments (the port and,
    // for raw_peer.py, the log file are added) and waits for its "ready".
    bool startPeer(const QString& script, const QStringList& args);
    void stopPeer();

    [[nodiscard]] QString nearPath() const { return m_near; }
    [[nodiscard]] QString error() const { return m_error; }
    // The requests raw_peer.py got, one hex string each; waits a while for at least `expected`.
    [[nodiscard]] QStringList requests(int expected = 1) const;

private:
    void stopLine();

    std::unique_ptr<QProcess> m_socat;
    std::unique_ptr<QProcess> m_peer;
    QString m_near;
    QString m_far;
    QString m_log;
    QString m_error;
};
