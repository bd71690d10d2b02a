#include "SocketcandCodec.h"

#include <array>

namespace {

constexpr uint32_t MaxStandardId = 0x7FF;
constexpr uint32_t MaxExtendedId = 0x1FFFFFFF;
// A message of more fields than this is no message we know.
constexpr int MaxFields = 12;

struct Fields {
    std::array<QByteArrayView, MaxFields> at{};
    int count = 0;
    bool tooMany = false;
};

[[nodiscard]] bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

[[nodiscard]] Fields split(QByteArrayView text) {
    Fields f;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        while (i < n && isSpace(text[i]))
            ++i;
        if (i == n) break;
        const qsizetype begin = i;
        while (i < n && !isSpace(text[i]))
            ++i;
        if (f.count == MaxFields) {
            f.tooMany = true;
            break;
        }
        f.at[static_cast<size_t>(f.count++)] = text.sliced(begin, i - begin);
    }
    return f;
}

[[nodiscard]] int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// 1 to maxDigits hex digits.
[[nodiscard]] bool parseHex(QByteArrayView text, int maxDigits, uint32_t& value) {
    if (text.isEmpty() || text.size() > maxDigits) return false;
    uint32_t v = 0;
    for (const char c : text) {
        const int d = hexDigit(c);
        if (d < 0) return false;
        v = (v << 4) | static_cast<uint32_t>(d);
    }
    value = v;
    return true;
}

// An identifier: 8 digits, or a value that does not fit 11 bits, is extended.
[[nodiscard]] bool parseId(QByteArrayView text, QCanBusFrame& frame) {
    uint32_t id = 0;
    if (!parseHex(text, 8, id) || id > MaxExtendedId) return false;
    frame.setExtendedFrameFormat(text.size() == 8 || id > MaxStandardId);
    frame.setFrameId(id);
    return true;
}

// SEC or SEC.USEC (up to six digits of fraction).
[[nodiscard]] bool parseTime(QByteArrayView text, qint64& timeUs) {
    const qsizetype dot = text.indexOf('.');
    const QByteArrayView whole = dot < 0 ? text : text.first(dot);
    const QByteArrayView fraction = dot < 0 ? QByteArrayView() : text.sliced(dot + 1);
    if (whole.isEmpty() || whole.size() > 12 || fraction.size() > 6) return false;
    qint64 seconds = 0;
    for (const char c : whole) {
        if (c < '0' || c > '9') return false;
        seconds = seconds * 10 + (c - '0');
    }
    qint64 micro = 0;
    for (qsizetype i = 0; i < 6; ++i) {
        const char c = i < fraction.size() ? fraction[i] : '0';
        if (c < '0' || c > '9') return false;
        micro = micro * 10 + (c - '0');
    }
    timeUs = seconds * 1000000 + micro;
    return true;
}

// The data of a frame: one field of contiguous hex, or one field per byte (1-2 digits each).
[[nodiscard]] bool parseData(const Fields& f, int first, QByteArray& data) {
    data.clear();
    const int fields = f.count - first;
    if (fields == 1) {
        const QByteArrayView hex = f.at[static_cast<size_t>(first)];
        if (hex.size() % 2 != 0 || hex.size() > 16) return false;
        for (qsizetype i = 0; i < hex.size(); i += 2) {
            uint32_t b = 0;
            if (!parseHex(hex.sliced(i, 2), 2, b)) return false;
            data.append(static_cast<char>(b));
        }
        return true;
    }
    if (fields > 8) return false;
    for (int i = first; i < f.count; ++i) {
        uint32_t b = 0;
        if (!parseHex(f.at[static_cast<size_t>(i)], 2, b)) return false;
        data.append(static_cast<char>(b));
    }
    return true;
}

[[nodiscard]] bool parseDlc(QByteArrayView text, int& dlc) {
    if (text.size() != 1 || text[0] < '0' || text[0] > '8') return false;
    dlc = text[0] - '0';
    return true;
}

[[nodiscard]] bool is(QByteArrayView word, QByteArrayView name) {
    return word.compare(name, Qt::CaseInsensitive) == 0;
}

// "frame ID TIME [DATA]" / "rtr ID TIME DLC".
[[nodiscard]] bool parseServerFrame(const Fields& f, bool remote, SocketcandMessage& m) {
    if (f.count < 3 || !parseId(f.at[1], m.frame) || !parseTime(f.at[2], m.timeUs)) return false;
    if (remote) {
        int dlc = 0;
        if (f.count != 4 || !parseDlc(f.at[3], dlc)) return false;
        m.frame.setFrameType(QCanBusFrame::RemoteRequestFrame);
        m.frame.setPayload(QByteArray(dlc, '\0'));
        return true;
    }
    QByteArray data;
    if (f.count > 3 && !parseData(f, 3, data)) return false;
    m.frame.setFrameType(QCanBusFrame::DataFrame);
    m.frame.setPayload(data);
    return true;
}

// "send ID DLC B0 ..." / "sendrtr ID DLC".
[[nodiscard]] bool parseSend(const Fields& f, bool remote, SocketcandMessage& m) {
    int dlc = 0;
    if (f.count < 3 || !parseId(f.at[1], m.frame) || !parseDlc(f.at[2], dlc)) return false;
    if (remote) {
        if (f.count != 3) return false;
        m.frame.setFrameType(QCanBusFrame::RemoteRequestFrame);
        m.frame.setPayload(QByteArray(dlc, '\0'));
        return true;
    }
    if (f.count != 3 + dlc) return false;
    QByteArray data;
    for (int i = 3; i < f.count; ++i) {
        uint32_t b = 0;
        if (!parseHex(f.at[static_cast<size_t>(i)], 2, b)) return false;
        data.append(static_cast<char>(b));
    }
    m.frame.setFrameType(QCanBusFrame::DataFrame);
    m.frame.setPayload(data);
    return true;
}

// "error CLASS [TIME [DATA]]" is an error frame; anything else after "error" is words.
[[nodiscard]] bool parseErrorFrame(const Fields& f, SocketcandMessage& m) {
    uint32_t errorClass = 0;
    if (f.tooMany || f.count < 2 || !parseHex(f.at[1], 8, errorClass) || errorClass > MaxExtendedId)
        return false;
    QByteArray data;
    if (f.count >= 3 && !parseTime(f.at[2], m.timeUs)) return false;
    if (f.count >= 4 && !parseData(f, 3, data)) return false;
    m.frame.setFrameType(QCanBusFrame::ErrorFrame);
    m.frame.setExtendedFrameFormat(errorClass > MaxStandardId);
    m.frame.setError(QCanBusFrame::FrameErrors::fromInt(static_cast<int>(errorClass)));
    m.frame.setPayload(data);
    return true;
}

char* appendHex(char* p, uint32_t value, int digits) {
    static constexpr char Digits[] = "0123456789ABCDEF";
    for (int i = digits - 1; i >= 0; --i)
        *p++ = Digits[(value >> (4 * i)) & 0xF];
    return p;
}

char* appendText(char* p, const char* text) {
    while (*text != '\0')
        *p++ = *text++;
    return p;
}

char* appendDecimal(char* p, uint64_t value, int minDigits) {
    char digits[20];
    int n = 0;
    do {
        digits[n++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0 && n < 20);
    while (n < minDigits && n < 20)
        digits[n++] = '0';
    while (n > 0)
        *p++ = digits[--n];
    return p;
}

char* appendId(char* p, const QCanBusFrame& frame) {
    return frame.hasExtendedFrameFormat() ? appendHex(p, frame.frameId() & MaxExtendedId, 8)
                                          : appendHex(p, frame.frameId() & MaxStandardId, 3);
}

char* appendTime(char* p, qint64 timeUs) {
    const uint64_t t = timeUs > 0 ? static_cast<uint64_t>(timeUs) : 0;
    p = appendDecimal(p, t / 1000000, 1);
    *p++ = '.';
    return appendDecimal(p, t % 1000000, 6);
}

} // namespace

SocketcandMessage SocketcandParse(QByteArrayView message) {
    SocketcandMessage m;
    const Fields f = split(message);
    if (f.count == 0) {
        m.kind = SocketcandKind::Unknown;
        return m;
    }
    const QByteArrayView word = f.at[0];
    auto malformed = [&m, message] {
        m = SocketcandMessage{};
        m.kind = SocketcandKind::Malformed;
        m.text = message.toByteArray();
        return m;
    };
    if (is(word, "error")) {
        if (parseErrorFrame(f, m)) {
            m.kind = SocketcandKind::ErrorFrame;
            return m;
        }
        m = SocketcandMessage{};
        m.kind = SocketcandKind::ErrorText;
        m.text = message.sliced(word.data() - message.data() + word.size()).trimmed().toByteArray();
        return m;
    }
    if (f.tooMany) return malformed();
    if (is(word, "frame") || is(word, "rtr")) {
        if (!parseServerFrame(f, is(word, "rtr"), m)) return malformed();
        m.kind = SocketcandKind::Frame;
        return m;
    }
    if (is(word, "send") || is(word, "sendrtr")) {
        if (!parseSend(f, is(word, "sendrtr"), m)) return malformed();
        m.kind = SocketcandKind::Send;
        return m;
    }
    const bool single = f.count == 1;
    if (is(word, "hi"))
        m.kind = single ? SocketcandKind::Hi : SocketcandKind::Malformed;
    else if (is(word, "ok"))
        m.kind = single ? SocketcandKind::Ok : SocketcandKind::Malformed;
    else if (is(word, "echo"))
        m.kind = single ? SocketcandKind::Echo : SocketcandKind::Malformed;
    else if (is(word, "rawmode"))
        m.kind = single ? SocketcandKind::RawMode : SocketcandKind::Malformed;
    else if (is(word, "bcmmode"))
        m.kind = single ? SocketcandKind::BcmMode : SocketcandKind::Malformed;
    else if (is(word, "open")) {
        if (f.count != 2) return malformed();
        m.kind = SocketcandKind::Open;
        m.text = f.at[1].toByteArray();
        return m;
    } else if (is(word, "fdframe")) {
        m.kind = SocketcandKind::FdFrame;
    } else {
        m.kind = SocketcandKind::Unknown;
        m.text = word.toByteArray();
        return m;
    }
    if (m.kind == SocketcandKind::Malformed) return malformed();
    return m;
}

int SocketcandEncodeBusFrame(const QCanBusFrame& frame, QByteArrayView payload, qint64 timeUs, char* out) {
    if (!frame.isValid() || frame.hasFlexibleDataRateFormat() || payload.size() > 8) return 0;
    char* p = out;
    switch (frame.frameType()) {
    case QCanBusFrame::DataFrame:
        p = appendText(p, "< frame ");
        p = appendId(p, frame);
        *p++ = ' ';
        p = appendTime(p, timeUs);
        *p++ = ' ';
        for (const char b : payload)
            p = appendHex(p, static_cast<uint8_t>(b), 2);
        break;
    case QCanBusFrame::RemoteRequestFrame:
        p = appendText(p, "< rtr ");
        p = appendId(p, frame);
        *p++ = ' ';
        p = appendTime(p, timeUs);
        *p++ = ' ';
        p = appendDecimal(p, static_cast<uint64_t>(payload.size()), 1);
        break;
    case QCanBusFrame::ErrorFrame: {
        const uint32_t errorClass = static_cast<uint32_t>(frame.error().toInt()) & MaxExtendedId;
        p = appendText(p, "< error ");
        p = appendHex(p, errorClass, errorClass > 0xFFF ? 8 : 3);
        *p++ = ' ';
        p = appendTime(p, timeUs);
        if (!payload.isEmpty()) {
            *p++ = ' ';
            for (const char b : payload)
                p = appendHex(p, static_cast<uint8_t>(b), 2);
        }
        break;
    }
    default:
        return 0;
    }
    p = appendText(p, " >");
    return static_cast<int>(p - out);
}

QByteArray SocketcandEncodeSend(const QCanBusFrame& frame) {
    if (!frame.isValid() || frame.hasFlexibleDataRateFormat()) return {};
    const bool remote = frame.frameType() == QCanBusFrame::RemoteRequestFrame;
    if (!remote && frame.frameType() != QCanBusFrame::DataFrame) return {};
    const QByteArray payload = frame.payload();
    if (payload.size() > 8) return {};
    char buffer[64];
    char* p = appendText(buffer, remote ? "< sendrtr " : "< send ");
    p = appendId(p, frame);
    *p++ = ' ';
    p = appendDecimal(p, static_cast<uint64_t>(payload.size()), 1);
    if (!remote) {
        for (const char b : payload) {
            *p++ = ' ';
            p = appendHex(p, static_cast<uint8_t>(b), 2);
        }
    }
    p = appendText(p, " >");
    return QByteArray(buffer, p - buffer);
}

QByteArray SocketcandCommand(QByteArrayView word, QByteArrayView argument) {
    QByteArray text = "< " + word.toByteArray();
    if (!argument.isEmpty()) text += ' ' + argument.toByteArray();
    return text + " >";
}
