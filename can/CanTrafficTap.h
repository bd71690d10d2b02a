#pragma once

// An observer of everything the adapter passes, for those who keep or measure it (trace recording,
// the trace view, bus health, the network server, the command-line program): every frame received
// from the open adapter (data, remote and error frames, in arrival order, before the monitor's
// queue, so frames the queue drops are seen too) and every frame the adapter accepted for sending.
// Observers are added to the bus object (TCanBus::addObserver) and run on the GUI thread inside
// its calls: they must be quick and must not call back into the adapter layer.

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
