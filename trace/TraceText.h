#pragma once

// Small pieces of text reading shared by the trace readers: blank-separated tokens, hexadecimal
// and decimal numbers, and seconds with a fraction.

#include <QByteArrayView>

#include <cstdint>

class TraceTokens {
public:
    explicit TraceTokens(QByteArrayView text) : m_text(text) {}
    // The next token separated by blanks or tabs; false when none is left.
    [[nodiscard]] bool next(QByteArrayView& token);

private:
    QByteArrayView m_text;
    qsizetype m_pos = 0;
};

// -1 for a character that is not a hexadecimal digit.
[[nodiscard]] inline int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// One to eight hexadecimal digits.
[[nodiscard]] bool ParseHex(QByteArrayView text, uint32_t& value);
// One to ten decimal digits that fit 32 bits.
[[nodiscard]] bool ParseDecimal(QByteArrayView text, uint32_t& value);
// The latest time a trace can hold, in microseconds: 999999999999.999999 s, the most a line can
// state (twelve digits of seconds). Two such times added stay far inside 64 bits.
inline constexpr int64_t MaxTraceTimeUs = 999'999'999'999'999'999;

// Seconds as digits with an optional fraction ("1733650000.123456", "0.5", "12"), to whole
// microseconds (at most MaxTraceTimeUs); decimals beyond the sixth are dropped. Negative or
// overlong values are refused.
[[nodiscard]] bool ParseSeconds(QByteArrayView text, int64_t& microseconds);
