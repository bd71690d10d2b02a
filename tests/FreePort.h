#pragma once

// A TCP port on the loopback interface that the system has free now: a server listens on port 0,
// the number it got is read and the server closed. Tests host their virtual CAN buses there, so
// that tests running side by side never meet on one port. 0 when no port could be had.

#include <QHostAddress>
#include <QTcpServer>

[[nodiscard]] inline quint16 FreeTcpPort() {
    QTcpServer server;
    if (!server.listen(QHostAddress::LocalHost, 0)) return 0;
    const quint16 port = server.serverPort();
    server.close();
    return port;
}

// The virtual CAN bus URL on that port.
[[nodiscard]] inline QString VirtualBusUrl(quint16 port) {
    return QStringLiteral("tcp://127.0.0.1:%1/can0").arg(port);
}
