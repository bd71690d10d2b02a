#include "SocketcandAdapterLink.h"

#include "SocketcandServer.h"

SocketcandAdapterLink::SocketcandAdapterLink(SocketcandServer& server, bool allowWrite, TCanBus& bus)
    : m_server(server), m_bus(bus) {
    if (allowWrite) m_server.setSink([this](const QCanBusFrame& frame) { return send(frame); });
    m_bus.addObserver(this);
}

SocketcandAdapterLink::~SocketcandAdapterLink() {
    m_bus.removeObserver(this);
    m_server.setSink({});
}

void SocketcandAdapterLink::canTraffic(const QCanBusFrame& frame, const QByteArray& payload,
                                       CanTrafficDirection /*direction*/) {
    m_server.publish(frame, payload);
}

QString SocketcandAdapterLink::send(const QCanBusFrame& frame) {
    if (!m_bus.isConnected()) return QStringLiteral("the bus is not open (CAN is switched off in the tool)");
    if (frame.frameType() != QCanBusFrame::DataFrame)
        return QStringLiteral("only data frames can be sent on this bus");
    if (frame.payload().size() > 8) return QStringLiteral("a frame carries at most 8 bytes");
    if (!m_bus.send(frame)) return QStringLiteral("the adapter did not take the frame");
    return {};
}
