#include "FrameRateSchedule.h"

#include <algorithm>

int64_t FrameRateSchedule::due(int64_t nowMs) {
    if (m_rate <= 0 || nowMs < 0) return 0;
    const int64_t target = static_cast<int64_t>(m_rate) * nowMs / 1000;
    int64_t n = target - m_scheduled;
    if (n <= 0) return 0;
    const int64_t limit = std::max<int64_t>(1, m_rate / 10);
    if (n > limit) {
        m_dropped += n - limit;
        n = limit;
    }
    m_scheduled = target;
    return n;
}
