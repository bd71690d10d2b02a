#include "TraceFrameConvert.h"

#include <algorithm>
#include <cstring>

bool TraceFrameFromQt(const QCanBusFrame& in, const QByteArray& payload, TraceFrame& out) {
    if (!in.isValid() || in.hasFlexibleDataRateFormat()) return false;
    out = TraceFrame{};
    switch (in.frameType()) {
    case QCanBusFrame::DataFrame:
    case QCanBusFrame::RemoteRequestFrame: {
        out.id = in.frameId();
        out.extended = in.hasExtendedFrameFormat();
        out.remote = in.frameType() == QCanBusFrame::RemoteRequestFrame;
        out.dlc = static_cast<uint8_t>(std::min<qsizetype>(payload.size(), 8));
        if (!out.remote) std::memcpy(out.data, payload.constData(), out.dlc);
        return true;
    }
    case QCanBusFrame::ErrorFrame: {
        out.error = true;
        out.id = static_cast<uint32_t>(in.error()) & 0x1FFFFFFFu;
        out.dlc = 8;
        std::memcpy(out.data, payload.constData(),
                    static_cast<size_t>(std::min<qsizetype>(payload.size(), 8)));
        return true;
    }
    default:
        return false;
    }
}

QCanBusFrame TraceFrameToQt(const TraceFrame& in) {
    QCanBusFrame out;
    if (in.error) {
        out.setFrameType(QCanBusFrame::ErrorFrame);
        out.setError(QCanBusFrame::FrameErrors(static_cast<int>(in.id & 0x1FFFFFFFu)));
        out.setPayload(QByteArray(reinterpret_cast<const char*>(in.data), 8));
    } else {
        out.setExtendedFrameFormat(in.extended);
        out.setFrameId(in.id);
        if (in.remote) {
            out.setFrameType(QCanBusFrame::RemoteRequestFrame);
            out.setPayload(QByteArray(in.dlc, '\0')); // a remote frame carries its length only
        } else {
            out.setPayload(QByteArray(reinterpret_cast<const char*>(in.data), std::min<int>(in.dlc, 8)));
        }
    }
    out.setTimeStamp(QCanBusFrame::TimeStamp::fromMicroSeconds(in.timeUs));
    return out;
}
