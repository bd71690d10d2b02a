#pragma once

// Frames between Qt's CAN bus and trace files.

#include "TraceFrame.h"

#include <QCanBusFrame>

// A data, remote or error frame of the bus as a trace frame (time and direction left to the
// caller); false for frames a trace does not hold (CAN FD, invalid frames).
[[nodiscard]] bool TraceFrameFromQt(const QCanBusFrame& in, const QByteArray& payload, TraceFrame& out);
[[nodiscard]] inline bool TraceFrameFromQt(const QCanBusFrame& in, TraceFrame& out) {
    return TraceFrameFromQt(in, in.payload(), out);
}
// A trace frame for the bus, stamped with its trace time.
[[nodiscard]] QCanBusFrame TraceFrameToQt(const TraceFrame& in);
