#pragma once

// Everything the adapter passes, for those who keep or measure it (trace recording, the trace view,
// bus health): every frame received from the open adapter (data, remote and error frames, in
// arrival order, before the monitor's queue, so frames the queue drops are seen too) and every
// frame the adapter accepted for sending. Observers run on the GUI thread inside the driver's
// calls: they must be quick and must not call back into the adapter layer.

#include <QCanBusFrame>

#include <cstdint>

enum class CanTrafficDirection : uint8_t { Received, Sent };

class CanTrafficObserver {
public:
    virtual ~CanTrafficObserver() = default;
    // `payload` is the frame's payload, fetched once for every observer: QCanBusFrame::payload()
    // hands out a copy, which costs more than the counting of the bus panel itself.
    virtual void canTraffic(const QCanBusFrame& frame, const QByteArray& payload,
                            CanTrafficDirection direction) = 0;
    // The same for a frame whose payload the caller has not fetched.
    void canTraffic(const QCanBusFrame& frame, CanTrafficDirection direction) {
        canTraffic(frame, frame.payload(), direction);
    }
};

// Adds an observer (once; a second add of the same one does nothing) or removes it. Observers are
// not owned; remove one before it is destroyed.
void CanTrafficAddObserver(CanTrafficObserver* observer);
void CanTrafficRemoveObserver(CanTrafficObserver* observer);
// Passes one frame, with its payload, to every observer.
void CanTrafficNotify(const QCanBusFrame& frame, const QByteArray& payload, CanTrafficDirection direction);
void CanTrafficNotify(const QCanBusFrame& frame, CanTrafficDirection direction);
