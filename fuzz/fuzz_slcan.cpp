// The serial-line CAN codec: the input as an adapter's byte stream, cut into lines by
// SlcanLineReader once whole and once in small pieces (the same lines either way), every line taken
// as a reply. A frame read is a valid classic frame, and the line written for it is the line read
// (hex in upper case, without the adapter's time stamp) and reads back the same frame.

#include "FuzzCheck.h"

#include "slcan/SlcanCodec.h"

#include <vector>

namespace {

struct Token {
    bool bell = false;
    QByteArray line;
    bool operator==(const Token&) const = default;
};

void drain(SlcanLineReader& reader, std::vector<Token>& out) {
    SlcanLineReader::Token t;
    while (reader.next(t))
        out.push_back({t.bell, t.line.toByteArray()});
}

void checkFrame(const QByteArray& line, const QCanBusFrame& frame) {
    FUZZ_CHECK(frame.isValid());
    FUZZ_CHECK(frame.payload().size() <= 8);
    FUZZ_CHECK(frame.frameId() <= (frame.hasExtendedFrameFormat() ? 0x1FFFFFFFu : 0x7FFu));
    const QByteArray encoded = SlcanEncodeFrame(frame);
    FUZZ_CHECK(encoded.endsWith(SlcanOk));
    const QByteArray written = encoded.chopped(1);
    FUZZ_CHECK(line.size() == written.size() || line.size() == written.size() + 4);
    FUZZ_CHECK(line.front() == written.front());
    FUZZ_CHECK(line.mid(1, written.size() - 1).toUpper() == written.mid(1));
    QCanBusFrame back;
    FUZZ_CHECK(SlcanDecodeFrame(written, back));
    FUZZ_CHECK(back.frameType() == frame.frameType() && back.frameId() == frame.frameId() &&
               back.hasExtendedFrameFormat() == frame.hasExtendedFrameFormat() &&
               back.payload() == frame.payload());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView bytes(data, static_cast<qsizetype>(size));
    SlcanLineReader whole;
    std::vector<Token> tokens;
    whole.append(bytes);
    drain(whole, tokens);

    SlcanLineReader pieces;
    std::vector<Token> piecewise;
    ForEachPiece(bytes, [&](QByteArrayView piece) {
        pieces.append(piece);
        drain(pieces, piecewise);
    });
    FUZZ_CHECK(piecewise == tokens);
    FUZZ_CHECK(pieces.overlongLines() == whole.overlongLines());

    for (const Token& t : tokens) {
        FUZZ_CHECK(t.line.size() <= SlcanLineReader::MaxLineLength);
        FUZZ_CHECK(!t.line.contains(SlcanOk) && !t.line.contains(SlcanBell));
        FUZZ_CHECK(!t.bell || t.line.isEmpty());
        QCanBusFrame frame;
        uint8_t status = 0;
        switch (SlcanParseReply(t.line, frame, status)) {
        case SlcanReplyKind::Frame:
            checkFrame(t.line, frame);
            break;
        case SlcanReplyKind::Status:
            if (const std::optional<QCanBusFrame> error = SlcanStatusErrorFrame(status)) {
                FUZZ_CHECK(error->frameType() == QCanBusFrame::ErrorFrame);
                FUZZ_CHECK(error->payload().size() == 8);
            }
            (void)SlcanBusStatusOf(status);
            break;
        default:
            break;
        }
        if (const int rate = SlcanBitRateOfCommand(t.line); rate != 0)
            FUZZ_CHECK(SlcanBitRateCommand(rate) == t.line);
    }
    return 0;
}
