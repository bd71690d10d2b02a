#include "AscFormat.h"

#include "TraceText.h"

namespace {

[[nodiscard]] bool equalsNoCase(QByteArrayView a, const char* b) {
    return a.compare(QByteArrayView(b), Qt::CaseInsensitive) == 0;
}

[[nodiscard]] bool allDigits(QByteArrayView text) {
    if (text.isEmpty()) return false;
    for (const char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

} // namespace

bool AscReader::number(QByteArrayView text, uint32_t& value) const {
    return m_hex ? ParseHex(text, value) : ParseDecimal(text, value);
}

TraceLineResult AscReader::parseLine(QByteArrayView line, TraceFrame& frame) {
    TraceTokens tokens(line);
    QByteArrayView first;
    if (!tokens.next(first)) return TraceLineResult::Ignored;
    if (equalsNoCase(first, "base")) {
        // "base hex  timestamps absolute" (or dec, relative)
        QByteArrayView t;
        while (tokens.next(t)) {
            if (equalsNoCase(t, "hex")) m_hex = true;
            if (equalsNoCase(t, "dec")) m_hex = false;
            if (equalsNoCase(t, "absolute")) m_relative = false;
            if (equalsNoCase(t, "relative")) m_relative = true;
        }
        return TraceLineResult::Ignored;
    }
    int64_t stampUs = 0;
    // A negative time is a line of the log that cannot be played, not a header.
    if (first.size() > 1 && first.front() == '-' && ((first[1] >= '0' && first[1] <= '9') || first[1] == '.'))
        return TraceLineResult::Bad;
    // Headers, comments and trigger-block lines do not begin with a time.
    if (first.front() < '0' || first.front() > '9') return TraceLineResult::Ignored;
    if (!ParseSeconds(first, stampUs)) return TraceLineResult::Bad;

    QByteArrayView channel;
    if (!tokens.next(channel)) return TraceLineResult::Bad;
    if (equalsNoCase(channel, "CANFD")) return TraceLineResult::CanFd;
    if (!allDigits(channel)) return TraceLineResult::Ignored; // "Start of measurement", "log trigger event"
    // Relative times add up; a sum beyond what a trace can hold is a line that cannot be read.
    if (m_relative && stampUs > MaxTraceTimeUs - m_lastUs) return TraceLineResult::Bad;
    const int64_t timeUs = m_relative ? m_lastUs + stampUs : stampUs;

    QByteArrayView idText;
    if (!tokens.next(idText)) return TraceLineResult::Bad;
    frame = TraceFrame{};
    frame.timeUs = timeUs;
    if (equalsNoCase(idText, "ErrorFrame")) {
        m_lastUs = timeUs;
        frame.error = true;
        frame.dlc = 8;
        return TraceLineResult::Frame;
    }
    const char last = idText.back();
    if (last == 'x' || last == 'X') {
        frame.extended = true;
        idText.chop(1);
    }
    uint32_t id = 0;
    if (!number(idText, id)) {
        // "Statistic:", "SV:", "J1939TP" and other events of a channel
        return idText.endsWith(':') || !ParseHex(idText, id) ? TraceLineResult::Ignored
                                                             : TraceLineResult::Bad;
    }
    if (id > (frame.extended ? 0x1FFFFFFFu : 0x7FFu)) return TraceLineResult::Bad;
    frame.id = id;

    QByteArrayView dir;
    QByteArrayView kind;
    if (!tokens.next(dir) || !tokens.next(kind)) return TraceLineResult::Bad;
    if (equalsNoCase(dir, "Rx"))
        frame.direction = TraceDirection::Received;
    else if (equalsNoCase(dir, "Tx") || equalsNoCase(dir, "TxRq"))
        frame.direction = TraceDirection::Sent;
    else
        return TraceLineResult::Bad;

    QByteArrayView dlcText;
    const bool hasDlc = tokens.next(dlcText);
    uint32_t dlc = 0;
    if (equalsNoCase(kind, "r")) {
        // "r" alone (older tools) or "r 0"; anything after is extra information
        frame.remote = true;
        if (hasDlc && ParseHex(dlcText, dlc) && dlc <= 8) frame.dlc = static_cast<uint8_t>(dlc);
        m_lastUs = timeUs;
        return TraceLineResult::Frame;
    }
    if (!equalsNoCase(kind, "d") || !hasDlc || !ParseHex(dlcText, dlc)) return TraceLineResult::Bad;
    if (dlc > 8) return TraceLineResult::Bad;
    frame.dlc = static_cast<uint8_t>(dlc);
    for (uint32_t i = 0; i < dlc; ++i) {
        QByteArrayView byteText;
        uint32_t b = 0;
        if (!tokens.next(byteText) || !number(byteText, b) || b > 0xFF) return TraceLineResult::Bad;
        frame.data[i] = static_cast<uint8_t>(b);
    }
    m_lastUs = timeUs;
    return TraceLineResult::Frame;
}
