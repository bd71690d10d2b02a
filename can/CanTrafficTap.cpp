#include "CanTrafficTap.h"

#include "CanBus.h"

void CanTrafficAddObserver(CanTrafficObserver* observer) {
    CanBus().addObserver(observer);
}

void CanTrafficRemoveObserver(CanTrafficObserver* observer) {
    CanBus().removeObserver(observer);
}

void CanTrafficNotify(const QCanBusFrame& frame, const QByteArray& payload, CanTrafficDirection direction) {
    CanBus().notify(frame, payload, direction);
}

void CanTrafficNotify(const QCanBusFrame& frame, CanTrafficDirection direction) {
    CanBus().notify(frame, direction);
}
