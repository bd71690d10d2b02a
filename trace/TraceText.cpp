#include "TraceText.h"

namespace {

[[nodiscard]] bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

} // namespace

bool TraceTokens::next(QByteArrayView& token) {
    while (m_pos < m_text.size() && isBlank(m_text[m_pos]))
        ++m_pos;
    if (m_pos >= m_text.size()) return false;
    const qsizetype start = m_pos;
    while (m_pos < m_text.size() && !isBlank(m_text[m_pos]))
        ++m_pos;
    token = m_text.sliced(start, m_pos - start);
    return true;
}

bool ParseHex(QByteArrayView text, uint32_t& value) {
    if (text.isEmpty() || text.size() > 8) return false;
    uint32_t v = 0;
    for (const char c : text) {
        const int d = HexValue(c);
        if (d < 0) return false;
        v = v << 4 | static_cast<uint32_t>(d);
    }
    value = v;
    return true;
}

bool ParseDecimal(QByteArrayView text, uint32_t& value) {
    if (text.isEmpty() || text.size() > 10) return false;
    uint64_t v = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return false;
        v = v * 10 + static_cast<uint64_t>(c - '0');
    }
    if (v > 0xFFFFFFFFu) return false;
    value = static_cast<uint32_t>(v);
    return true;
}

bool ParseSeconds(QByteArrayView text, int64_t& microseconds) {
    const qsizetype dot = text.indexOf('.');
    const QByteArrayView whole = dot < 0 ? text : text.first(dot);
    const QByteArrayView frac = dot < 0 ? QByteArrayView() : text.sliced(dot + 1);
    if (whole.isEmpty() || whole.size() > 12 || (dot >= 0 && frac.size() > 12)) return false;
    int64_t s = 0;
    for (const char c : whole) {
        if (c < '0' || c > '9') return false;
        s = s * 10 + (c - '0');
    }
    int64_t us = 0;
    for (qsizetype i = 0; i < frac.size(); ++i) {
        const char c = frac[i];
        if (c < '0' || c > '9') return false;
        if (i < 6) us = us * 10 + (c - '0');
    }
    for (qsizetype i = frac.size(); i < 6; ++i)
        us *= 10;
    microseconds = s * 1000000 + us;
    return true;
}
