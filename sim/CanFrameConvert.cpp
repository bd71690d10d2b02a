#include "CanFrameConvert.h"

#include "core/DeviceMessage.h"

#include <QByteArray>

#include <algorithm>
#include <cstring>

QCanBusFrame ToQtFrame(const TCanFrame& frame, int32_t protokol) {
    const int dlc = std::min<int>(frame.DLC, 8);
    QCanBusFrame out(frame.ID & 0x1FFFFFFFu,
                     QByteArray(reinterpret_cast<const char*>(frame.Data), static_cast<qsizetype>(dlc)));
    out.setExtendedFrameFormat(frame.ID > 0x7FFu || protokol == Protocol3);
    return out;
}

bool FromQtFrame(const QCanBusFrame& in, TCanFrame& out) {
    if (!in.isValid() || in.frameType() != QCanBusFrame::DataFrame) return false;
    out = TCanFrame{};
    out.ID = in.frameId();
    const QByteArray payload = in.payload();
    out.DLC = static_cast<uint8_t>(std::min<qsizetype>(payload.size(), 8));
    std::memcpy(out.Data, payload.constData(), out.DLC);
    return true;
}
