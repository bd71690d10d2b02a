#include "TrendBudget.h"

#include "TrendRing.h"

#include <algorithm>

TTrendBudget::TTrendBudget(qint64 bytes) : m_limitChunks(std::max<qint64>(1, bytes / chunkBytes())) {}

TTrendBudget::~TTrendBudget() = default;

TTrendBudget& TTrendBudget::shared() {
    static TTrendBudget budget;
    return budget;
}

qint64 TTrendBudget::chunkBytes() {
    return TTrendRing::ChunkBytes;
}

void TTrendBudget::add(TTrendRing* ring) {
    m_rings.push_back(ring);
}

void TTrendBudget::remove(TTrendRing* ring) {
    m_rings.erase(std::remove(m_rings.begin(), m_rings.end(), ring), m_rings.end());
}

void TTrendBudget::takeChunk() {
    if (m_chunks >= m_limitChunks) {
        // The oldest sample of all goes first: the ring that holds it gives up its oldest chunk.
        TTrendRing* oldest = nullptr;
        for (TTrendRing* r : m_rings) {
            if (r->chunkCount() < 2) continue;
            if (!oldest || r->at(0).TimeMs < oldest->at(0).TimeMs) oldest = r;
        }
        if (oldest) {
            oldest->dropOldestChunk();
            m_exhausted = true;
        }
    }
    ++m_chunks;
}
