#include "TrendRing.h"

#include <algorithm>

TTrendRing::TTrendRing(int capacity) : m_capacity(std::max(1, capacity)) {}

void TTrendRing::append(qint64 timeMs, int32_t value) {
    // The clock may step back (a time adjustment); the ring stays sorted so searches hold.
    if (!m_samples.empty() && timeMs < last().TimeMs) timeMs = last().TimeMs;
    ++m_appended;
    if (size() < m_capacity) {
        m_samples.push_back({timeMs, value});
        return;
    }
    m_samples[static_cast<size_t>(m_head)] = {timeMs, value};
    m_head = (m_head + 1) % m_capacity;
}

void TTrendRing::clear() {
    m_samples.clear();
    m_samples.shrink_to_fit();
    m_head = 0;
    m_appended = 0;
}

const TTrendSample& TTrendRing::at(int i) const {
    Q_ASSERT(i >= 0 && i < size());
    int k = m_head + i;
    if (k >= m_capacity) k -= m_capacity;
    return m_samples[static_cast<size_t>(k)];
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
