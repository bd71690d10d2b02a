#include "JsonLine.h"

#include <cmath>

QByteArray TJsonLine::quoted(const QString& text) {
    QByteArray out = "\"";
    for (const char c : text.toUtf8()) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20)
                out += QByteArray("\\u00") + QByteArray::number(static_cast<unsigned char>(c), 16).rightJustified(2, '0');
            else
                out += c;
        }
    }
    return out + '"';
}

void TJsonLine::key(const char* name) {
    if (m_text.size() > 1) m_text += ',';
    m_text += '"';
    m_text += name;
    m_text += "\":";
}

TJsonLine& TJsonLine::add(const char* name, const QString& value) {
    key(name);
    m_text += quoted(value);
    return *this;
}

TJsonLine& TJsonLine::add(const char* name, int64_t value) {
    key(name);
    m_text += QByteArray::number(static_cast<qlonglong>(value));
    return *this;
}

TJsonLine& TJsonLine::add(const char* name, bool value) {
    key(name);
    m_text += value ? "true" : "false";
    return *this;
}

TJsonLine& TJsonLine::add(const char* name, double value, int decimals) {
    key(name);
    // JSON has no NaN or infinity.
    m_text += std::isfinite(value) ? QByteArray::number(value, 'f', decimals) : QByteArray("null");
    return *this;
}

TJsonLine& TJsonLine::addNull(const char* name) {
    key(name);
    m_text += "null";
    return *this;
}

TJsonLine& TJsonLine::addRaw(const char* name, const QByteArray& json) {
    key(name);
    m_text += json;
    return *this;
}
