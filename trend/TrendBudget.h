#pragma once

// One memory budget for the samples of all trend rings: DefaultBytes (256 MB, about 16.7 million
// samples) for every register recorded in every device window together. Rings take their storage
// in chunks from it; once it is used up, a new chunk is made room for by the ring whose oldest
// sample is the oldest of all, so the oldest samples go first and every ring's span shrinks alike.
// The process has one (shared()); tests make their own.

#include <QtGlobal>

#include <vector>

class TTrendRing;

class TTrendBudget {
public:
    static constexpr qint64 DefaultBytes = 256LL * 1024 * 1024;

    explicit TTrendBudget(qint64 bytes = DefaultBytes);
    // Every ring counted against it must be gone by then.
    ~TTrendBudget();
    TTrendBudget(const TTrendBudget&) = delete;
    TTrendBudget& operator=(const TTrendBudget&) = delete;

    [[nodiscard]] static TTrendBudget& shared();

    [[nodiscard]] qint64 limitBytes() const { return m_limitChunks * chunkBytes(); }
    // The storage the rings hold now. It passes the limit only when no ring has a chunk to spare
    // (each keeps its newest): by at most one chunk per ring.
    [[nodiscard]] qint64 usedBytes() const { return m_chunks * chunkBytes(); }
    // True once a ring has given up samples to the budget.
    [[nodiscard]] bool exhausted() const { return m_exhausted; }

private:
    friend class TTrendRing;
    [[nodiscard]] static qint64 chunkBytes();
    void add(TTrendRing* ring);
    void remove(TTrendRing* ring);
    // Counts a new chunk, after making room for it when the budget is used up (the ring that asks
    // may be the one that gives up its oldest chunk).
    void takeChunk();
    void giveBack(int chunks) { m_chunks -= chunks; }

    qint64 m_limitChunks;
    qint64 m_chunks = 0;
    bool m_exhausted = false;
    std::vector<TTrendRing*> m_rings;
};
