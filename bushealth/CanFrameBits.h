#pragma once

// The length of a frame on the wire as the bus load counts it: the worst case, with every stuff bit
// the frame can have and the interframe space. A standard frame of n data bytes takes 55 + 10·n bits,
// an extended one 80 + 10·n; a remote frame carries no data (n = 0) whatever its length code.

#include <QCanBusFrame>

[[nodiscard]] constexpr int WorstCaseFrameBits(bool extended, int dataBytes) {
    return (extended ? 80 : 55) + 10 * dataBytes;
}

// Bits of a data or remote frame; 0 for anything that is not a frame on the wire (error frames are
// the controller's reports).
[[nodiscard]] inline int WorstCaseFrameBits(const QCanBusFrame& frame, qsizetype payloadSize) {
    switch (frame.frameType()) {
    case QCanBusFrame::DataFrame:
        return WorstCaseFrameBits(frame.hasExtendedFrameFormat(), static_cast<int>(payloadSize));
    case QCanBusFrame::RemoteRequestFrame:
        return WorstCaseFrameBits(frame.hasExtendedFrameFormat(), 0);
    default:
        return 0;
    }
}

[[nodiscard]] inline int WorstCaseFrameBits(const QCanBusFrame& frame) {
    return WorstCaseFrameBits(frame, frame.payload().size());
}
