#pragma once

// The messages of the socketcand protocol (raw mode), both ways. Every message is "< ... >" with
// single spaces; the tokenizer hands over the text between the brackets.
//   server: "< hi >", "< ok >", "< echo >", "< error ... >",
//           "< frame ID SEC.USEC DATA >" (ID 3 hex digits standard, 8 extended; DATA contiguous
//           upper-case hex, possibly empty), "< rtr ID SEC.USEC DLC >"
//   client: "< open BUS >", "< rawmode >", "< bcmmode >", "< echo >", "< send ID DLC B0 B1 ... >",
//           "< sendrtr ID DLC >"
// Parsing is liberal: lower-case hex and command words, unpadded identifiers (an identifier of 8
// digits, or above 0x7FF, is extended), data bytes separated by spaces, runs of spaces. Encoding is
// strict and writes what the daemon writes.

#include <QByteArray>
#include <QByteArrayView>
#include <QCanBusFrame>

#include <cstdint>

enum class SocketcandKind : uint8_t {
    Hi,
    Ok,
    Echo,
    Open, // a client opens a bus; `text` is its name
    RawMode,
    BcmMode,
    Frame,      // "frame" or "rtr" from a server: `frame`, `timeUs`
    Send,       // "send" or "sendrtr" from a client: `frame`
    ErrorFrame, // "error CLASS [SEC.USEC] [DATA]": a bus error as an error frame, `timeUs` when given
    ErrorText,  // "error TEXT": the other side's complaint in words, `text`
    FdFrame,    // a CAN FD frame, which is not taken
    Unknown,    // another message; `text` is its first word
    Malformed,  // a known message whose fields do not parse; `text` is the whole message
};

struct SocketcandMessage {
    SocketcandKind kind = SocketcandKind::Unknown;
    QCanBusFrame frame = QCanBusFrame(QCanBusFrame::DataFrame);
    qint64 timeUs = -1; // the sender's time in microseconds since 1970, -1 when none was given
    QByteArray text;
};

// One message, given the text between '<' and '>'.
[[nodiscard]] SocketcandMessage SocketcandParse(QByteArrayView message);

// Room enough for every message SocketcandEncodeBusFrame writes.
inline constexpr int SocketcandMaxBusFrameMessage = 80;

// A frame seen on the bus, as a server sends it: "< frame ... >" for a data frame (an empty
// payload leaves an empty field, "< frame 123 1.000000  >", as the daemon writes it), "< rtr ... >"
// for a remote frame, "< error CLASS SEC.USEC DATA >" for an error frame (DATA, the error's
// details, is left out when the payload is empty). Writes at most SocketcandMaxBusFrameMessage bytes
// to `out` and returns how many; 0 for a frame the protocol cannot carry (CAN FD, invalid).
[[nodiscard]] int SocketcandEncodeBusFrame(const QCanBusFrame& frame, QByteArrayView payload, qint64 timeUs,
                                           char* out);
// A frame a client sends: "< send ID DLC B0 ... >" or "< sendrtr ID DLC >"; empty for a frame the
// protocol cannot carry (error frames, CAN FD, more than 8 bytes, invalid).
[[nodiscard]] QByteArray SocketcandEncodeSend(const QCanBusFrame& frame);
// "< WORD >" or "< WORD ARGUMENT >".
[[nodiscard]] QByteArray SocketcandCommand(QByteArrayView word, QByteArrayView argument = {});
