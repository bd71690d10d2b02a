#pragma once

// The recent history of one register: a bounded ring of (time, value) samples. When it is full the
// oldest sample makes room for the newest, so it holds at most the last capacity() samples.
// Storage comes in chunks of ChunkSamples as it is used, so a register that changes seldom costs
// little, and every chunk counts against one memory budget shared by the rings (TTrendBudget):
// when the budget is used up, the ring whose oldest samples are the oldest of all gives up its
// oldest chunk, and the span every ring holds shrinks alike. A ring never gives up its newest
// chunk, so every register keeps its latest values.

#include <QtGlobal>

#include <array>
#include <cstdint>
#include <deque>
#include <memory>

struct TTrendSample {
    qint64 TimeMs = 0; // milliseconds since the epoch
    int32_t Value = 0; // the register's value, sign-extended as the image holds it
};

class TTrendBudget;

class TTrendRing {
public:
    // An hour at a hundred values a second.
    static constexpr int DefaultCapacity = 100 * 3600;
    static constexpr int ChunkSamples = 4096;
    static constexpr qint64 ChunkBytes = qint64(ChunkSamples) * qint64(sizeof(TTrendSample));

    // Counted against budget, or against the process's one (TTrendBudget::shared()) without it.
    explicit TTrendRing(int capacity = DefaultCapacity, TTrendBudget* budget = nullptr);
    ~TTrendRing();
    TTrendRing(const TTrendRing&) = delete;
    TTrendRing& operator=(const TTrendRing&) = delete;

    void append(qint64 timeMs, int32_t value);
    void clear();

    [[nodiscard]] int capacity() const { return m_capacity; }
    [[nodiscard]] int size() const { return m_size; }
    [[nodiscard]] bool isEmpty() const { return m_size == 0; }
    // Samples appended since creation or the last clear(), including those the ring has dropped:
    // a reader that remembers it knows how many samples are new since it last looked.
    [[nodiscard]] qint64 appended() const { return m_appended; }
    // Samples given up to the memory budget (not to the capacity) since creation or clear().
    [[nodiscard]] qint64 droppedToBudget() const { return m_droppedToBudget; }
    // Sample i, 0 the oldest held; i must lie in 0..size()-1.
    [[nodiscard]] const TTrendSample& at(int i) const;
    [[nodiscard]] const TTrendSample& last() const { return at(size() - 1); }
    // The index of the first sample at or after timeMs (size() when there is none). Samples are
    // appended in time order, so this is a binary search.
    [[nodiscard]] int lowerBound(qint64 timeMs) const;
    // The index of the last sample at or before timeMs, or -1 when every sample is later.
    [[nodiscard]] int indexAt(qint64 timeMs) const;

private:
    friend class TTrendBudget;
    using Chunk = std::array<TTrendSample, ChunkSamples>;

    [[nodiscard]] int chunkCount() const { return static_cast<int>(m_chunks.size()); }
    // Gives the oldest chunk back to the budget; only while the ring has another one.
    void dropOldestChunk();
    void dropOldestSample();

    int m_capacity;
    TTrendBudget* m_budget;
    std::deque<std::unique_ptr<Chunk>> m_chunks;
    int m_first = 0; // where in the front chunk the oldest sample lies
    int m_size = 0;
    qint64 m_appended = 0;
    qint64 m_droppedToBudget = 0;
};
