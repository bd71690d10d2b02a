#include "CanTrafficTap.h"

#include <algorithm>
#include <vector>

namespace {

std::vector<CanTrafficObserver*>& observers() {
    static std::vector<CanTrafficObserver*> list;
    return list;
}

} // namespace

void CanTrafficAddObserver(CanTrafficObserver* observer) {
    auto& list = observers();
    if (observer != nullptr && std::find(list.begin(), list.end(), observer) == list.end())
        list.push_back(observer);
}

void CanTrafficRemoveObserver(CanTrafficObserver* observer) {
    auto& list = observers();
    list.erase(std::remove(list.begin(), list.end(), observer), list.end());
}

void CanTrafficNotify(const QCanBusFrame& frame, const QByteArray& payload, CanTrafficDirection direction) {
    // Iterated by index: an observer may remove itself while being told.
    auto& list = observers();
    for (size_t i = 0; i < list.size(); ++i)
        list[i]->canTraffic(frame, payload, direction);
}

void CanTrafficNotify(const QCanBusFrame& frame, CanTrafficDirection direction) {
    if (!observers().empty()) CanTrafficNotify(frame, frame.payload(), direction);
}
