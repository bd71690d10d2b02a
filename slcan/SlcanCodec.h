#pragma once

// The line protocol of serial-line USB-CAN adapters (the ASCII protocol of the Lawicel adapters):
// each command and each report is one line of ASCII ended by CR; the adapter answers a command
// with CR for OK or BEL (0x07) for an error. Frames travel as
//   tIIILDD..   standard data frame      TIIIIIIIILDD..   extended data frame
//   rIIIL       standard remote frame    RIIIIIIIIL       extended remote frame
// with upper-case hex, L the data length 0-8; a report may carry a 4-digit time stamp after the
// data. "z"/"Z" acknowledge a sent frame; "Fxx" answers the status command F.
// Plain code: bytes in, frames and replies out, and back.

#include <QByteArray>
#include <QByteArrayView>
#include <QCanBusDevice>
#include <QCanBusFrame>

#include <cstdint>
#include <optional>

inline constexpr char SlcanOk = '\r';
inline constexpr char SlcanBell = '\a';

// Flag bits of the status answer "Fxx".
enum SlcanStatusFlag : uint8_t {
    SlcanRxFifoFull = 0x01,
    SlcanTxFifoFull = 0x02,
    SlcanErrorWarning = 0x04,
    SlcanDataOverrun = 0x08,
    SlcanErrorPassive = 0x20,
    SlcanArbitrationLost = 0x40,
    SlcanBusError = 0x80,
};

// The line that sends the frame, CR included; empty for what the protocol cannot carry (error
// frames, flexible data-rate frames, more than eight bytes, invalid frames).
[[nodiscard]] QByteArray SlcanEncodeFrame(const QCanBusFrame& frame);

// A frame line (without its CR) into a frame; false when the line is not a well-formed frame. A
// time stamp of four hex digits after the data is accepted and dropped.
[[nodiscard]] bool SlcanDecodeFrame(QByteArrayView line, QCanBusFrame& frame);

enum class SlcanReplyKind : uint8_t {
    Ok,        // an empty line: the bare CR
    Bell,      // BEL: the adapter refused a command
    SentAck,   // "z" or "Z": a frame was taken for sending
    Frame,     // a received frame
    Status,    // "Fxx"
    Text,      // an answer carrying text (version "V…", serial number "N…")
    Malformed, // anything else
};

// What one line from the adapter is (the line without its CR). frame is set for Frame, status for
// Status.
[[nodiscard]] SlcanReplyKind SlcanParseReply(QByteArrayView line, QCanBusFrame& frame, uint8_t& status);

// The command that sets a bit rate ("S0" for 10 kbit/s … "S8" for 1 Mbit/s, without CR); empty
// for a rate the protocol has no command for.
[[nodiscard]] QByteArray SlcanBitRateCommand(int bitRate);
// The bit rate an S-command selects ("S4" → 125000), 0 for anything else.
[[nodiscard]] int SlcanBitRateOfCommand(QByteArrayView command);

// The error frame that reports status flags as Qt's error classes do: error warning and error
// passive as controller problems (the warning or passive bits of payload byte 1), data overrun
// and full adapter queues as controller overflow, a bus error as the bus error class. Nothing when
// no such flag is set (arbitration lost is part of normal bus life and is not reported).
[[nodiscard]] std::optional<QCanBusFrame> SlcanStatusErrorFrame(uint8_t flags);
// The bus state the flags show: error passive, else warning, else good.
[[nodiscard]] QCanBusDevice::CanBusStatus SlcanBusStatusOf(uint8_t flags);

// Splits the adapter's byte stream into lines and BELs. Lines longer than any the protocol has are
// dropped up to their CR and counted; a LF after a CR is ignored.
class SlcanLineReader {
public:
    static constexpr qsizetype MaxLineLength = 64;

    struct Token {
        bool bell = false;
        QByteArrayView line; // without its CR; valid until the next append()
    };

    void append(QByteArrayView bytes);
    // The next complete token, or false when the rest is an unfinished line.
    [[nodiscard]] bool next(Token& token);
    void clear();
    [[nodiscard]] uint64_t overlongLines() const { return m_overlong; }

private:
    QByteArray m_buffer;
    qsizetype m_pos = 0;
    bool m_discarding = false; // inside an overlong line, waiting for its end
    uint64_t m_overlong = 0;
};
