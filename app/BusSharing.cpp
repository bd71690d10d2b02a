#include "BusSharing.h"

#include "BusHealthPanel.h"
#include "socketcand/SocketcandAdapterLink.h"
#include "socketcand/SocketcandServer.h"

#include <QCoreApplication>
#include <QHostAddress>

#include <cstdio>

TBusSharing::TBusSharing() = default;

TBusSharing::~TBusSharing() {
    // The tap stops feeding the server before the server goes.
    m_link.reset();
    m_server.reset();
}

std::unique_ptr<TBusSharing> TBusSharing::start(const QString& listen, bool allowWrite, BusHealthPanel* panel,
                                                QString* errorMessage) {
    QHostAddress address;
    quint16 port = 0;
    if (!SocketcandServer::parseListenAddress(listen, &address, &port, errorMessage)) return nullptr;
    std::unique_ptr<TBusSharing> sharing(new TBusSharing);
    sharing->m_server = std::make_unique<SocketcandServer>();
    if (!sharing->m_server->listen(address, port, errorMessage)) return nullptr;
    sharing->m_link = std::make_unique<SocketcandAdapterLink>(*sharing->m_server, allowWrite);
    SocketcandServer* server = sharing->m_server.get();
    QObject::connect(server, &SocketcandServer::event, server, [](const QString& text) {
        std::printf("canquorvex: %s\n", qPrintable(text));
        std::fflush(stdout);
    });
    if (panel != nullptr) {
        panel->setSharingStatus(server->statusText());
        QObject::connect(server, &SocketcandServer::statusChanged, panel,
                         [panel, server] { panel->setSharingStatus(server->statusText()); });
    }
    std::printf("%s\n",
                qUtf8Printable(QCoreApplication::translate("BusSharing", "canquorvex: sharing the bus: %1")
                                   .arg(server->statusText())));
    std::fflush(stdout);
    return sharing;
}
