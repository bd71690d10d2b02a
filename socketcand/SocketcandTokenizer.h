#pragma once

// Cuts a socketcand byte stream into its messages: everything between a '<' and the next '>'.
// Whitespace between messages is ignored; anything else there is garbage. A message longer than
// MaxMessageLength bytes, or one that a new '<' cuts short, is garbage too. Garbage is counted
// (one piece per stray run or broken message) and skipped; the tokenizer never holds more than
// one message, however much comes in.

#include <QByteArray>
#include <QByteArrayView>

#include <cstdint>

class SocketcandTokenizer {
public:
    // The longest message taken, between '<' and '>' (the longest the protocol knows is about 60).
    static constexpr int MaxMessageLength = 256;
    // How much of the latest stray run is kept, to show what a server that is none sent.
    static constexpr int GarbageSampleLength = 40;

    // Feeds bytes as they arrive; calls onMessage(QByteArrayView) for every complete message with
    // the text between '<' and '>', spaces around it removed. The view is valid during the call.
    template <typename OnMessage> void feed(QByteArrayView bytes, OnMessage&& onMessage) {
        for (const char c : bytes) {
            switch (m_state) {
            case State::Between:
                if (c == '<') {
                    m_state = State::Message;
                    m_length = 0;
                } else if (!isSpace(c)) {
                    ++m_garbage;
                    m_sample.clear();
                    m_sample.append(c);
                    m_state = State::Stray;
                }
                break;
            case State::Stray:
                if (c == '<') {
                    m_state = State::Message;
                    m_length = 0;
                } else if (m_sample.size() < GarbageSampleLength) {
                    m_sample.append(c);
                }
                break;
            case State::Message:
                if (c == '>') {
                    m_state = State::Between;
                    onMessage(trimmed());
                } else if (c == '<') {
                    ++m_garbage; // unterminated: the new '<' starts the next message
                    m_length = 0;
                } else if (m_length == MaxMessageLength) {
                    ++m_garbage;
                    m_state = State::Overlong;
                } else {
                    m_buffer[m_length++] = c;
                }
                break;
            case State::Overlong:
                if (c == '>') {
                    m_state = State::Between;
                } else if (c == '<') {
                    m_state = State::Message;
                    m_length = 0;
                }
                break;
            }
        }
    }

    // Pieces of garbage skipped since the start or the last clear().
    [[nodiscard]] uint64_t garbage() const { return m_garbage; }
    // The first bytes of the latest stray run between messages.
    [[nodiscard]] const QByteArray& garbageSample() const { return m_sample; }
    // A message has begun and not ended yet.
    [[nodiscard]] bool inMessage() const { return m_state == State::Message || m_state == State::Overlong; }
    void clear();

private:
    enum class State : uint8_t { Between, Stray, Message, Overlong };

    [[nodiscard]] static bool isSpace(char c) {
        return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v' || c == '\0';
    }
    [[nodiscard]] QByteArrayView trimmed() const;

    char m_buffer[MaxMessageLength] = {};
    int m_length = 0;
    State m_state = State::Between;
    uint64_t m_garbage = 0;
    QByteArray m_sample;
};
