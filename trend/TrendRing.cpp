#include "TrendRing.h"

#include "TrendBudget.h"

#include <algorithm>

TTrendRing::TTrendRing(int capacity, TTrendBudget* budget)
    : m_capacity(std::max(1, capacity)), m_budget(budget ? budget : &TTrendBudget::shared()) {
    m_budget->add(this);
}

TTrendRing::~TTrendRing() {
    clear();
    m_budget->remove(this);
}

void TTrendRing::append(qint64 timeMs, int32_t value) {
    // The clock may step back (a time adjustment); the ring stays sorted so searches hold.
    if (m_size > 0 && timeMs < last().TimeMs) timeMs = last().TimeMs;
    ++m_appended;
    if (m_size == m_capacity) dropOldestSample();
    if (m_first + m_size == chunkCount() * ChunkSamples) {
        // Counted first: making room may take this ring's own oldest chunk.
        m_budget->takeChunk();
        m_chunks.push_back(std::make_unique<Chunk>());
    }
    const int k = m_first + m_size;
    (*m_chunks[static_cast<size_t>(k / ChunkSamples)])[static_cast<size_t>(k % ChunkSamples)] = {timeMs,
                                                                                                 value};
    ++m_size;
}

void TTrendRing::dropOldestSample() {
    ++m_first;
    --m_size;
    if (m_first < ChunkSamples) return;
    m_chunks.pop_front();
    m_budget->giveBack(1);
    m_first = 0;
}

void TTrendRing::dropOldestChunk() {
    Q_ASSERT(chunkCount() >= 2);
    const int lost = ChunkSamples - m_first;
    m_size -= lost;
    m_droppedToBudget += lost;
    m_chunks.pop_front();
    m_budget->giveBack(1);
    m_first = 0;
}

void TTrendRing::clear() {
    m_budget->giveBack(chunkCount());
    m_chunks.clear();
    m_first = 0;
    m_size = 0;
    m_appended = 0;
    m_droppedToBudget = 0;
}

const TTrendSample& TTrendRing::at(int i) const {
    Q_ASSERT(i >= 0 && i < size());
    const int k = m_first + i;
    return (*m_chunks[static_cast<size_t>(k / ChunkSamples)])[static_cast<size_t>(k % ChunkSamples)];
}

int TTrendRing::lowerBound(qint64 timeMs) const {
    int lo = 0;
    int hi = size();
    while (lo < hi) {
        const int mid = lo + (hi - lo) / 2;
        if (at(mid).TimeMs < timeMs)
            lo = mid + 1;
        else
            hi = mid;
    }
    return lo;
}

int TTrendRing::indexAt(qint64 timeMs) const {
    // The first sample after timeMs, then one back.
    int lo = 0;
    int hi = size();
    while (lo < hi) {
        const int mid = lo + (hi - lo) / 2;
        if (at(mid).TimeMs <= timeMs)
            lo = mid + 1;
        else
            hi = mid;
    }
    return lo - 1;
}
