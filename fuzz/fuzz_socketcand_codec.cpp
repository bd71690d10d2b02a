// The socketcand message codec: the input as the text between '<' and '>' (as the tokenizer hands
// it over: inputs it would not deliver as one message are passed over). A frame, a send or an
// error frame read is a valid frame, and the message written for it (into a buffer of exactly the
// room the codec promises) is one message for the tokenizer that reads back the same.

#include "FuzzCheck.h"

#include "socketcand/SocketcandCodec.h"
#include "socketcand/SocketcandTokenizer.h"

#include <memory>

namespace {

// The one message of text, read again.
SocketcandMessage reread(QByteArrayView text) {
    SocketcandTokenizer tokenizer;
    int count = 0;
    SocketcandMessage m;
    tokenizer.feed(text, [&](QByteArrayView message) {
        ++count;
        m = SocketcandParse(message);
    });
    FUZZ_CHECK(count == 1 && tokenizer.garbage() == 0 && !tokenizer.inMessage());
    return m;
}

[[nodiscard]] bool sameFrame(const QCanBusFrame& a, const QCanBusFrame& b) {
    return a.frameType() == b.frameType() && a.frameId() == b.frameId() &&
           a.hasExtendedFrameFormat() == b.hasExtendedFrameFormat() && a.payload() == b.payload() &&
           a.error() == b.error();
}

void checkBusFrame(const SocketcandMessage& m) {
    FUZZ_CHECK(m.frame.isValid());
    FUZZ_CHECK(m.frame.payload().size() <= 8);
    const auto out = std::make_unique<char[]>(SocketcandMaxBusFrameMessage);
    const int n = SocketcandEncodeBusFrame(m.frame, m.frame.payload(), m.timeUs, out.get());
    FUZZ_CHECK(n > 0 && n <= SocketcandMaxBusFrameMessage);
    const SocketcandMessage back = reread(QByteArrayView(out.get(), n));
    FUZZ_CHECK(back.kind == m.kind);
    FUZZ_CHECK(sameFrame(back.frame, m.frame));
    // A message without a time is sent with time 0.
    FUZZ_CHECK(back.timeUs == (m.timeUs < 0 ? 0 : m.timeUs));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView text(data, static_cast<qsizetype>(size));
    if (text.contains('<') || text.contains('>') || text.size() > SocketcandTokenizer::MaxMessageLength)
        return 0;
    SocketcandTokenizer tokenizer;
    QByteArray message;
    tokenizer.feed("<" + text.toByteArray() + ">",
                   [&message](QByteArrayView m) { message = m.toByteArray(); });
    const SocketcandMessage m = SocketcandParse(message);
    switch (m.kind) {
    case SocketcandKind::Frame:
        FUZZ_CHECK(m.timeUs >= 0);
        checkBusFrame(m);
        break;
    case SocketcandKind::ErrorFrame:
        FUZZ_CHECK(m.frame.frameType() == QCanBusFrame::ErrorFrame);
        checkBusFrame(m);
        break;
    case SocketcandKind::Send: {
        FUZZ_CHECK(m.frame.isValid() && m.frame.payload().size() <= 8);
        const QByteArray sent = SocketcandEncodeSend(m.frame);
        FUZZ_CHECK(!sent.isEmpty());
        const SocketcandMessage back = reread(sent);
        FUZZ_CHECK(back.kind == SocketcandKind::Send && sameFrame(back.frame, m.frame));
        break;
    }
    case SocketcandKind::Open:
        FUZZ_CHECK(!m.text.isEmpty());
        // "< open NAME >" as the client sends it, when it fits the longest message.
        if (m.text.size() + 7 <= SocketcandTokenizer::MaxMessageLength)
            FUZZ_CHECK(reread(SocketcandCommand("open", m.text)).text == m.text);
        break;
    default:
        break;
    }
    return 0;
}
