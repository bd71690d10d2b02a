#pragma once

// The recent history of one register: a bounded ring of (time, value) samples. When it is full the
// oldest sample makes room for the newest, so it always holds the last capacity() samples. Storage
// grows with use up to the capacity, so a register that changes seldom costs little.

#include <QtGlobal>

#include <cstdint>
#include <vector>

struct TTrendSample {
    qint64 TimeMs = 0; // milliseconds since the epoch
    int32_t Value = 0; // the register's value, sign-extended as the image holds it
};

class TTrendRing {
public:
    // An hour at a hundred values a second.
    static constexpr int DefaultCapacity = 100 * 3600;

    explicit TTrendRing(int capacity = DefaultCapacity);

    void append(qint64 timeMs, int32_t value);
    void clear();

    [[nodiscard]] int capacity() const { return m_capacity; }
    [[nodiscard]] int size() const { return static_cast<int>(m_samples.size()); }
    [[nodiscard]] bool isEmpty() const { return m_samples.empty(); }
    // Samples appended since creation or the last clear(), including those the ring has dropped:
    // a reader that remembers it knows how many samples are new since it last looked.
    [[nodiscard]] qint64 appended() const { return m_appended; }
    // Sample i, 0 the oldest held; i must lie in 0..size()-1.
    [[nodiscard]] const TTrendSample& at(int i) const;
    [[nodiscard]] const TTrendSample& last() const { return at(size() - 1); }
    // The index of the first sample at or after timeMs (size() when there is none). Samples are
    // appended in time order, so this is a binary search.
    [[nodiscard]] int lowerBound(qint64 timeMs) const;
    // The index of the last sample at or before timeMs, or -1 when every sample is later.
    [[nodiscard]] int indexAt(qint64 timeMs) const;

private:
    int m_capacity;
    std::vector<TTrendSample> m_samples;
    int m_head = 0; // index in m_samples of the oldest sample once the ring is full
    qint64 m_appended = 0;
};
