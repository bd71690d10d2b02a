#include "SocketcandTokenizer.h"

QByteArrayView SocketcandTokenizer::trimmed() const {
    int begin = 0;
    int end = m_length;
    while (begin < end && isSpace(m_buffer[begin]))
        ++begin;
    while (end > begin && isSpace(m_buffer[end - 1]))
        --end;
    return QByteArrayView(m_buffer + begin, end - begin);
}

void SocketcandTokenizer::clear() {
    m_length = 0;
    m_state = State::Between;
    m_garbage = 0;
    m_sample.clear();
}
