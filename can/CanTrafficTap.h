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
    virtual void canTraffic(const QCanBusFrame& frame, CanTrafficDirection direction) = 0;
};

// Adds an observer (once; a second add of the same one does nothing) or removes it. Observers are
// not owned; remove one before it is destroyed.
void CanTrafficAddObserver(CanTrafficObserver* observer);
void CanTrafficRemoveObserver(CanTrafficObserver* observer);
// Passes one frame to every observer.
void CanTrafficNotify(const QCanBusFrame& frame, CanTrafficDirection direction);
