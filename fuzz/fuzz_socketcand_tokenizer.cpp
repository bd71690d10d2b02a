// The socketcand tokenizer: the input as a TCP stream, fed once whole and once in small pieces
// (the same messages, garbage count and sample either way). A message is at most MaxMessageLength
// bytes, holds no bracket, has no spaces at its ends, and sent again between brackets is that one
// message; each is read as the client and the servers read it.

#include "FuzzCheck.h"

#include "socketcand/SocketcandCodec.h"
#include "socketcand/SocketcandTokenizer.h"

#include <vector>

namespace {

[[nodiscard]] bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v' || c == '\0';
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView bytes(data, static_cast<qsizetype>(size));
    SocketcandTokenizer whole;
    std::vector<QByteArray> messages;
    whole.feed(bytes, [&messages](QByteArrayView m) { messages.push_back(m.toByteArray()); });

    SocketcandTokenizer pieces;
    std::vector<QByteArray> piecewise;
    ForEachPiece(bytes, [&](QByteArrayView piece) {
        pieces.feed(piece, [&piecewise](QByteArrayView m) { piecewise.push_back(m.toByteArray()); });
    });
    FUZZ_CHECK(piecewise == messages);
    FUZZ_CHECK(pieces.garbage() == whole.garbage());
    FUZZ_CHECK(pieces.garbageSample() == whole.garbageSample());
    FUZZ_CHECK(pieces.inMessage() == whole.inMessage());
    FUZZ_CHECK(whole.garbageSample().size() <= SocketcandTokenizer::GarbageSampleLength);

    for (const QByteArray& m : messages) {
        FUZZ_CHECK(m.size() <= SocketcandTokenizer::MaxMessageLength);
        FUZZ_CHECK(!m.contains('<') && !m.contains('>'));
        FUZZ_CHECK(m.isEmpty() || (!isSpace(m.front()) && !isSpace(m.back())));
        SocketcandTokenizer again;
        int count = 0;
        again.feed("<" + m + ">", [&](QByteArrayView back) {
            ++count;
            FUZZ_CHECK(back == m);
        });
        FUZZ_CHECK(count == 1 && again.garbage() == 0);
        (void)SocketcandParse(m);
    }
    return 0;
}
