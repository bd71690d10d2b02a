#pragma once

// The frames waiting for one client of the server, already encoded: a ring of a fixed number of
// messages, so a client that reads slowly never makes the server's memory grow. A message that
// finds the ring full is dropped for that client and counted. Each message keeps the time it was
// queued, so the server can tell how far behind the client is. Times are passed in (ms of any
// monotonic clock).

#include <QByteArray>
#include <QByteArrayView>

#include <array>
#include <cstdint>
#include <vector>

class SocketcandClientQueue {
public:
    static constexpr int DefaultCapacity = 4096;
    static constexpr int MaxMessageLength = 80;

    explicit SocketcandClientQueue(int capacity = DefaultCapacity);

    // Queues one message; false (and counted) when the ring is full or the message too long.
    bool push(QByteArrayView message, int64_t nowMs);
    // Moves queued messages, oldest first, to the end of `out` until about maxBytes were added;
    // returns how many messages were moved.
    int take(QByteArray& out, qsizetype maxBytes);
    // How long the oldest queued message has been waiting; 0 when nothing waits.
    [[nodiscard]] int64_t oldestAgeMs(int64_t nowMs) const;

    [[nodiscard]] bool isEmpty() const { return m_size == 0; }
    [[nodiscard]] int size() const { return static_cast<int>(m_size); }
    [[nodiscard]] int capacity() const { return static_cast<int>(m_capacity); }
    // Messages dropped because the ring was full.
    [[nodiscard]] uint64_t dropped() const { return m_dropped; }

private:
    struct Slot {
        int64_t queuedMs = 0;
        uint8_t length = 0;
        std::array<char, MaxMessageLength> bytes{};
    };

    size_t m_capacity;
    std::vector<Slot> m_slots; // empty until the first push
    size_t m_head = 0; // the oldest message
    size_t m_size = 0;
    uint64_t m_dropped = 0;
};
