#pragma once

// Initialisation files with Windows profile semantics: sections and keys compared without case,
// the first matching key wins, values are the trimmed text after "=". Integers are decimal or
// "0x" hexadecimal; anything unparsable yields the default. A write changes only the line of its
// key (or appends the key to its section, or appends the section) and keeps everything else of
// the file as it was: comments, order, blank lines, unknown keys, line endings and the encoding
// (UTF-8, or Windows-1251 for files made on Windows). Every write replaces the file atomically.

#include <QString>
#include <QStringView>

#include <cstdint>
#include <memory>
#include <optional>

class IniFile {
public:
    // Reads the file if it exists; a missing file reads as empty.
    explicit IniFile(QString path);
    ~IniFile();
    IniFile(const IniFile&) = delete;
    IniFile& operator=(const IniFile&) = delete;

    [[nodiscard]] const QString& path() const { return m_path; }
    // True when the file existed and was read.
    [[nodiscard]] bool exists() const;
    // True when the file exists but could not be read (errorString() says why). Every write then
    // fails, so that a file we could not read is never replaced.
    [[nodiscard]] bool readError() const;

    [[nodiscard]] QString readString(const QString& section, const QString& key, const QString& def) const;
    [[nodiscard]] int32_t readInteger(const QString& section, const QString& key, int32_t def) const;
    [[nodiscard]] bool readBool(const QString& section, const QString& key, bool def) const;
    [[nodiscard]] bool hasKey(const QString& section, const QString& key) const;
    // The number of entries of a section (0 when it is missing).
    [[nodiscard]] int keyCount(const QString& section) const;

    // Each write goes to disk at once (temporary file in the same folder, renamed over the
    // original). Returns false and fills errorString() when the file or its folder is not writable.
    [[nodiscard]] bool writeString(const QString& section, const QString& key, const QString& value);
    [[nodiscard]] bool writeInteger(const QString& section, const QString& key, int32_t value);
    [[nodiscard]] bool writeBool(const QString& section, const QString& key, bool value);
    // Several writes as one replacement of the file: begin, write..., commit.
    void beginBatch();
    [[nodiscard]] bool commitBatch();

    [[nodiscard]] QString errorString() const { return m_error; }

    // The integer rules of the files: optional sign and decimal digits in the 32-bit range, or
    // "0x"/"0X" and up to 32 bits of hexadecimal digits (0xFFFFFFFF is -1). Surrounding spaces
    // and tabs are ignored; anything else is no number.
    [[nodiscard]] static std::optional<int32_t> parseInteger(QStringView text);

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
    QString m_path;
    QString m_error;
};
