#pragma once

// One JSON object on one line, its keys in the order they were added: what the command-line
// program prints for each frame, register or result. Strings are escaped as JSON wants them.

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <initializer_list>

class TJsonLine {
public:
    TJsonLine& add(const char* key, const QString& value);
    TJsonLine& add(const char* key, const char* value) { return add(key, QString::fromUtf8(value)); }
    TJsonLine& add(const char* key, int64_t value);
    TJsonLine& add(const char* key, int value) { return add(key, static_cast<int64_t>(value)); }
    TJsonLine& add(const char* key, uint32_t value) { return add(key, static_cast<int64_t>(value)); }
    TJsonLine& add(const char* key, bool value);
    // A number with the given places after the point.
    TJsonLine& add(const char* key, double value, int decimals);
    TJsonLine& addNull(const char* key);
    // A value that is already JSON (an array, an object).
    TJsonLine& addRaw(const char* key, const QByteArray& json);

    // The object with a newline.
    [[nodiscard]] QByteArray line() const { return m_text + "}\n"; }
    // The object alone.
    [[nodiscard]] QByteArray object() const { return m_text + "}"; }

    [[nodiscard]] static QByteArray quoted(const QString& text);

private:
    void key(const char* name);

    QByteArray m_text = "{";
};
