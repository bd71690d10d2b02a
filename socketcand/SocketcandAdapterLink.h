#pragma once

// Shares the bus the tool has open through a socketcand server: every frame the bus's taps see
// (received from the open adapter and sent by the tool) is published to the server's clients, and,
// when writing is allowed, a client's frame is sent on the bus like the tool's own (so the taps,
// the recorder and the Bus panel count it as sent). This is the server's only tie to the tool.

#include "can/CanBus.h"

#include <QString>

class SocketcandServer;

class SocketcandAdapterLink : public CanTrafficObserver {
public:
    // Watches the bus from now on; with allowWrite the server's clients may send on it.
    SocketcandAdapterLink(SocketcandServer& server, bool allowWrite, TCanBus& bus = CanBus());
    ~SocketcandAdapterLink() override;
    SocketcandAdapterLink(const SocketcandAdapterLink&) = delete;
    SocketcandAdapterLink& operator=(const SocketcandAdapterLink&) = delete;

    void canTraffic(const QCanBusFrame& frame, const QByteArray& payload,
                    CanTrafficDirection direction) override;

    // Sends one client frame on the open adapter: empty when sent, else why not.
    [[nodiscard]] QString send(const QCanBusFrame& frame);

private:
    SocketcandServer& m_server;
    TCanBus& m_bus;
};
