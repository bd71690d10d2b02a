#include "CandumpFormat.h"

#include "TraceText.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr char HexDigits[] = "0123456789ABCDEF";
constexpr uint32_t ErrorFlag = 0x20000000u;

char* putHex(char* p, uint32_t value, int digits) {
    for (int i = digits - 1; i >= 0; --i) {
        p[i] = HexDigits[value & 0xFu];
        value >>= 4;
    }
    return p + digits;
}

char* putDecimal(char* p, uint64_t value) {
    char tmp[20];
    int n = 0;
    do {
        tmp[n++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    while (n > 0)
        *p++ = tmp[--n];
    return p;
}

} // namespace

void AppendCandumpLine(QByteArray& out, const TraceFrame& frame, QByteArrayView interfaceName) {
    // The line is made in one buffer and appended at once; the whole seconds change rarely and
    // are written once per second.
    thread_local uint64_t lastSeconds = ~uint64_t(0);
    thread_local char secondsText[24];
    thread_local int secondsLength = 0;
    char line[160];
    const qsizetype nameLength = std::min<qsizetype>(interfaceName.size(), 64);
    char* p = line;
    const uint64_t us = frame.timeUs < 0 ? 0 : static_cast<uint64_t>(frame.timeUs);
    const uint64_t seconds = us / 1000000u;
    if (seconds != lastSeconds) {
        lastSeconds = seconds;
        secondsLength = static_cast<int>(putDecimal(secondsText, seconds) - secondsText);
    }
    *p++ = '(';
    std::memcpy(p, secondsText, static_cast<size_t>(secondsLength));
    p += secondsLength;
    *p++ = '.';
    const uint32_t frac = static_cast<uint32_t>(us % 1000000u);
    for (uint32_t div = 100000; div != 0; div /= 10)
        *p++ = static_cast<char>('0' + frac / div % 10);
    *p++ = ')';
    *p++ = ' ';
    std::memcpy(p, interfaceName.data(), static_cast<size_t>(nameLength));
    p += nameLength;
    *p++ = ' ';
    if (frame.error)
        p = putHex(p, ErrorFlag | (frame.id & 0x1FFFFFFFu), 8);
    else if (frame.extended)
        p = putHex(p, frame.id & 0x1FFFFFFFu, 8);
    else
        p = putHex(p, frame.id & 0x7FFu, 3);
    *p++ = '#';
    if (frame.remote && !frame.error) {
        // A remote frame keeps its length, as candump writes it: "R" for none, "R5" for five.
        *p++ = 'R';
        if (frame.dlc > 0) *p++ = static_cast<char>('0' + std::min<int>(frame.dlc, 8));
    } else {
        const int n = frame.error ? 8 : (frame.dlc > 8 ? 8 : frame.dlc);
        for (int i = 0; i < n; ++i) {
            *p++ = HexDigits[frame.data[i] >> 4];
            *p++ = HexDigits[frame.data[i] & 0xFu];
        }
    }
    if (frame.direction != TraceDirection::Unknown && !frame.error) {
        *p++ = ' ';
        *p++ = frame.direction == TraceDirection::Sent ? 'T' : 'R';
    }
    *p++ = '\n';
    out.append(line, p - line);
}

TraceLineResult ParseCandumpLine(QByteArrayView line, TraceFrame& frame) {
    TraceTokens tokens(line);
    QByteArrayView stamp;
    if (!tokens.next(stamp)) return TraceLineResult::Ignored;
    if (stamp.startsWith('#') || stamp.startsWith("//")) return TraceLineResult::Ignored;
    QByteArrayView iface;
    QByteArrayView text;
    if (stamp.size() < 3 || stamp.front() != '(' || stamp.back() != ')' || !tokens.next(iface) ||
        !tokens.next(text))
        return TraceLineResult::Bad;
    frame = TraceFrame{};
    if (!ParseSeconds(stamp.sliced(1, stamp.size() - 2), frame.timeUs)) return TraceLineResult::Bad;

    QByteArrayView dir;
    if (tokens.next(dir)) {
        if (dir.size() != 1) return TraceLineResult::Bad;
        const char d = static_cast<char>(dir.front() | 0x20);
        if (d == 'r')
            frame.direction = TraceDirection::Received;
        else if (d == 't')
            frame.direction = TraceDirection::Sent;
        else
            return TraceLineResult::Bad;
        QByteArrayView more;
        if (tokens.next(more)) return TraceLineResult::Bad;
    }

    const qsizetype hash = text.indexOf('#');
    if (hash <= 0 || hash > 8) return TraceLineResult::Bad;
    uint32_t id = 0;
    if (!ParseHex(text.first(hash), id)) return TraceLineResult::Bad;
    QByteArrayView rest = text.sliced(hash + 1);
    if (rest.startsWith('#')) return TraceLineResult::CanFd;
    if (hash <= 3) {
        if (id > 0x7FFu) return TraceLineResult::Bad;
    } else if ((id & ErrorFlag) != 0 && id <= 0x3FFFFFFFu) {
        frame.error = true;
        id &= 0x1FFFFFFFu;
    } else if (id > 0x1FFFFFFFu) {
        return TraceLineResult::Bad;
    } else {
        frame.extended = true;
    }
    frame.id = id;

    if (!rest.isEmpty() && (rest.front() | 0x20) == 'r' && !frame.error) {
        frame.remote = true;
        if (rest.size() == 2 && rest[1] >= '0' && rest[1] <= '8')
            frame.dlc = static_cast<uint8_t>(rest[1] - '0');
        else if (rest.size() != 1)
            return TraceLineResult::Bad;
        return TraceLineResult::Frame;
    }
    int n = 0;
    for (qsizetype i = 0; i < rest.size();) {
        if (rest[i] == '.') { // candump accepts dots between the bytes
            ++i;
            continue;
        }
        int hi = 0;
        int lo = 0;
        if (n == 8 || i + 1 >= rest.size() || (hi = HexValue(rest[i])) < 0 ||
            (lo = HexValue(rest[i + 1])) < 0)
            return TraceLineResult::Bad;
        frame.data[n++] = static_cast<uint8_t>(hi << 4 | lo);
        i += 2;
    }
    frame.dlc = static_cast<uint8_t>(n);
    return TraceLineResult::Frame;
}
