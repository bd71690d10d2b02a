#include "SocketcandClientQueue.h"

#include <algorithm>
#include <cstring>

SocketcandClientQueue::SocketcandClientQueue(int capacity)
    : m_capacity(static_cast<size_t>(std::max(capacity, 1))) {}

bool SocketcandClientQueue::push(QByteArrayView message, int64_t nowMs) {
    // A client that keeps up never needs its slots: they are made when the first frame waits.
    if (m_slots.empty()) m_slots.resize(m_capacity);
    if (m_size == m_slots.size() || message.size() > MaxMessageLength) {
        ++m_dropped;
        return false;
    }
    Slot& slot = m_slots[(m_head + m_size) % m_slots.size()];
    slot.queuedMs = nowMs;
    slot.length = static_cast<uint8_t>(message.size());
    std::memcpy(slot.bytes.data(), message.data(), static_cast<size_t>(message.size()));
    ++m_size;
    return true;
}

int SocketcandClientQueue::take(QByteArray& out, qsizetype maxBytes) {
    int moved = 0;
    qsizetype added = 0;
    while (m_size > 0 && added < maxBytes) {
        const Slot& slot = m_slots[m_head];
        out.append(slot.bytes.data(), slot.length);
        added += slot.length;
        m_head = (m_head + 1) % m_slots.size();
        --m_size;
        ++moved;
    }
    return moved;
}

int64_t SocketcandClientQueue::oldestAgeMs(int64_t nowMs) const {
    if (m_size == 0) return 0;
    return std::max<int64_t>(0, nowMs - m_slots[m_head].queuedMs);
}
