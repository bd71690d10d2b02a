#include "RewriteBudget.h"

#include <algorithm>

namespace {
int textsPartlyCovered = 0; // texts of all windows
} // namespace

void TRewriteBudget::setPartlyCovered(bool partly) {
    if (partly == m_partly) return;
    m_partly = partly;
    textsPartlyCovered += partly ? 1 : -1;
}

qint64 TRewriteBudget::intervalMs(qint64 ownMs) const {
    if (!m_partly) return ownMs;
    return std::max<qint64>(ownMs, qint64{textsPartlyCovered} * 1000 / PerSecond);
}

int TRewriteBudget::partlyCoveredCount() {
    return textsPartlyCovered;
}
