#include "SlcanCodec.h"

#include <array>

namespace {

constexpr char HexDigits[] = "0123456789ABCDEF";

// The S-commands in order: "S0" is the first rate.
constexpr std::array<int, 9> BitRates = {10000,  20000,  50000,  100000, 125000,
                                         250000, 500000, 800000, 1000000};

// Value of one hex digit (either case), -1 for anything else.
[[nodiscard]] int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

[[nodiscard]] bool parseHex(QByteArrayView text, uint32_t& value) {
    value = 0;
    for (const char c : text) {
        const int v = hexValue(c);
        if (v < 0) return false;
        value = (value << 4) | static_cast<uint32_t>(v);
    }
    return true;
}

void appendHex(char*& out, uint32_t value, int digits) {
    for (int i = digits - 1; i >= 0; --i)
        *out++ = HexDigits[(value >> (4 * i)) & 0xF];
}

// Byte 1 of an error frame's payload: the controller's problem (as Qt and SocketCAN lay it out).
enum ControllerProblem : uint8_t {
    RxOverflow = 0x01,
    TxOverflow = 0x02,
    RxWarning = 0x04,
    TxWarning = 0x08,
    RxPassive = 0x10,
    TxPassive = 0x20,
};

} // namespace

QByteArray SlcanEncodeFrame(const QCanBusFrame& frame) {
    const QCanBusFrame::FrameType type = frame.frameType();
    if (!frame.isValid() || frame.hasFlexibleDataRateFormat() ||
        (type != QCanBusFrame::DataFrame && type != QCanBusFrame::RemoteRequestFrame))
        return {};
    const QByteArray payload = frame.payload();
    const qsizetype length = payload.size();
    if (length > 8) return {};
    const bool extended = frame.hasExtendedFrameFormat();
    const bool remote = type == QCanBusFrame::RemoteRequestFrame;

    char line[1 + 8 + 1 + 16 + 1];
    char* out = line;
    *out++ = remote ? (extended ? 'R' : 'r') : (extended ? 'T' : 't');
    appendHex(out, frame.frameId(), extended ? 8 : 3);
    *out++ = static_cast<char>('0' + length);
    if (!remote)
        for (qsizetype i = 0; i < length; ++i)
            appendHex(out, static_cast<uint8_t>(payload[i]), 2);
    *out++ = SlcanOk;
    return QByteArray(line, out - line);
}

bool SlcanDecodeFrame(QByteArrayView line, QCanBusFrame& frame) {
    if (line.isEmpty()) return false;
    const char kind = line[0];
    const bool extended = kind == 'T' || kind == 'R';
    const bool remote = kind == 'r' || kind == 'R';
    if (!extended && kind != 't' && kind != 'r') return false;
    const qsizetype idDigits = extended ? 8 : 3;
    if (line.size() < 1 + idDigits + 1) return false;

    uint32_t id = 0;
    if (!parseHex(line.sliced(1, idDigits), id)) return false;
    if (id > (extended ? 0x1FFFFFFFu : 0x7FFu)) return false;
    const char dlcChar = line[1 + idDigits];
    if (dlcChar < '0' || dlcChar > '8') return false;
    const int dlc = dlcChar - '0';

    const qsizetype dataAt = 2 + idDigits;
    const qsizetype dataDigits = remote ? 0 : 2 * dlc;
    const qsizetype rest = line.size() - dataAt - dataDigits;
    uint32_t ignored = 0;
    // Nothing after the data, or the adapter's 4-digit time stamp (milliseconds, wrapping at 60000).
    if (rest != 0 && !(rest == 4 && parseHex(line.sliced(dataAt + dataDigits), ignored))) return false;

    QByteArray payload(dlc, '\0');
    for (int i = 0; i < dlc && !remote; ++i) {
        const int hi = hexValue(line[dataAt + 2 * i]);
        const int lo = hexValue(line[dataAt + 2 * i + 1]);
        if (hi < 0 || lo < 0) return false;
        payload[i] = static_cast<char>((hi << 4) | lo);
    }
    frame = QCanBusFrame(remote ? QCanBusFrame::RemoteRequestFrame : QCanBusFrame::DataFrame);
    frame.setExtendedFrameFormat(extended);
    frame.setFrameId(id);
    frame.setPayload(payload);
    return true;
}

SlcanReplyKind SlcanParseReply(QByteArrayView line, QCanBusFrame& frame, uint8_t& status) {
    if (line.isEmpty()) return SlcanReplyKind::Ok;
    switch (line[0]) {
    case 'z':
    case 'Z':
        return line.size() == 1 ? SlcanReplyKind::SentAck : SlcanReplyKind::Malformed;
    case 't':
    case 'T':
    case 'r':
    case 'R':
        return SlcanDecodeFrame(line, frame) ? SlcanReplyKind::Frame : SlcanReplyKind::Malformed;
    case 'F': {
        uint32_t flags = 0;
        if (line.size() != 3 || !parseHex(line.sliced(1), flags)) return SlcanReplyKind::Malformed;
        status = static_cast<uint8_t>(flags);
        return SlcanReplyKind::Status;
    }
    case 'V':
    case 'v':
    case 'N':
        return SlcanReplyKind::Text;
    default:
        return SlcanReplyKind::Malformed;
    }
}

QByteArray SlcanBitRateCommand(int bitRate) {
    for (size_t i = 0; i < BitRates.size(); ++i)
        if (BitRates[i] == bitRate) return QByteArray("S") + static_cast<char>('0' + i);
    return {};
}

int SlcanBitRateOfCommand(QByteArrayView command) {
    if (command.size() != 2 || command[0] != 'S' || command[1] < '0' || command[1] > '8') return 0;
    return BitRates[static_cast<size_t>(command[1] - '0')];
}

std::optional<QCanBusFrame> SlcanStatusErrorFrame(uint8_t flags) {
    QCanBusFrame::FrameErrors errors = QCanBusFrame::NoError;
    uint8_t problem = 0;
    if ((flags & SlcanErrorWarning) != 0) problem |= RxWarning | TxWarning;
    if ((flags & SlcanErrorPassive) != 0) problem |= RxPassive | TxPassive;
    if ((flags & (SlcanDataOverrun | SlcanRxFifoFull)) != 0) problem |= RxOverflow;
    if ((flags & SlcanTxFifoFull) != 0) problem |= TxOverflow;
    if (problem != 0) errors |= QCanBusFrame::ControllerError;
    if ((flags & SlcanBusError) != 0) errors |= QCanBusFrame::BusError;
    if (errors == QCanBusFrame::NoError) return std::nullopt;

    QCanBusFrame frame(QCanBusFrame::ErrorFrame);
    frame.setError(errors);
    QByteArray payload(8, '\0');
    payload[1] = static_cast<char>(problem);
    frame.setPayload(payload);
    return frame;
}

QCanBusDevice::CanBusStatus SlcanBusStatusOf(uint8_t flags) {
    if ((flags & SlcanErrorPassive) != 0) return QCanBusDevice::CanBusStatus::Error;
    if ((flags & SlcanErrorWarning) != 0) return QCanBusDevice::CanBusStatus::Warning;
    return QCanBusDevice::CanBusStatus::Good;
}

void SlcanLineReader::append(QByteArrayView bytes) {
    if (m_pos > 0) {
        m_buffer.remove(0, m_pos);
        m_pos = 0;
    }
    m_buffer.append(bytes);
}

bool SlcanLineReader::next(Token& token) {
    while (m_pos < m_buffer.size()) {
        const char* begin = m_buffer.constData() + m_pos;
        const qsizetype available = m_buffer.size() - m_pos;
        qsizetype end = 0;
        while (end < available && begin[end] != SlcanOk && begin[end] != SlcanBell)
            ++end;
        if (end == available) {
            // An unfinished line: keep it, unless it is already longer than any real one.
            if (available > MaxLineLength) {
                if (!m_discarding) ++m_overlong;
                m_discarding = true;
                m_pos = m_buffer.size();
            }
            return false;
        }
        const bool bell = begin[end] == SlcanBell;
        QByteArrayView line(begin, end);
        m_pos += end + 1;
        if (m_discarding || line.size() > MaxLineLength) {
            // The tail of an overlong line ends here; a BEL after it is still an answer.
            if (!m_discarding) ++m_overlong;
            m_discarding = false;
            if (!bell) continue;
            line = {};
        }
        // A LF after the CR before (adapters that end lines with CR LF) belongs to no line.
        while (!line.isEmpty() && line.front() == '\n')
            line = line.sliced(1);
        if (bell && !line.isEmpty()) {
            // Text before a BEL is an unfinished line the adapter gave up; the BEL is the answer.
            line = {};
        }
        token.bell = bell;
        token.line = line;
        return true;
    }
    return false;
}

void SlcanLineReader::clear() {
    m_buffer.clear();
    m_pos = 0;
    m_discarding = false;
}
