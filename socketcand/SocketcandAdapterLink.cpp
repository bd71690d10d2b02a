#include "SocketcandAdapterLink.h"

#include "SocketcandServer.h"

#include "can/SlCan.h"
#include "can/ToolsCan.h"

#include <algorithm>
#include <cstring>

SocketcandAdapterLink::SocketcandAdapterLink(SocketcandServer& server, bool allowWrite) : m_server(server) {
    if (allowWrite) m_server.setSink(&SocketcandAdapterLink::sendThroughAdapter);
    CanTrafficAddObserver(this);
}

SocketcandAdapterLink::~SocketcandAdapterLink() {
    CanTrafficRemoveObserver(this);
    m_server.setSink({});
}

void SocketcandAdapterLink::canTraffic(const QCanBusFrame& frame, const QByteArray& payload,
                                       CanTrafficDirection /*direction*/) {
    m_server.publish(frame, payload);
}

QString SocketcandAdapterLink::sendThroughAdapter(const QCanBusFrame& frame) {
    if (!CanOpened) return QStringLiteral("the bus is not open (CAN is switched off in the tool)");
    if (frame.frameType() != QCanBusFrame::DataFrame)
        return QStringLiteral("only data frames can be sent on this bus");
    const QByteArray payload = frame.payload();
    TSlCanMessage message;
    message.Flags = frame.hasExtendedFrameFormat() ? 1 : 0;
    message.ID = frame.frameId();
    message.DataCount = static_cast<uint8_t>(std::min<qsizetype>(payload.size(), 8));
    std::memcpy(message.Data, payload.constData(), message.DataCount);
    uint8_t status = 0;
    if (!SlCan_DeviceWriteMessages(CanHandle, &message, 1, &status))
        return QStringLiteral("the adapter did not take the frame");
    return {};
}
