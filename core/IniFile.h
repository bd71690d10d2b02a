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
    // Removes every entry of the key in the sections of that name (nothing when there is none).
    [[nodiscard]] bool removeKey(const QString& section, const QString& key);
    // Gives every section of that name the new name in its header line (the rest of the line, its
    // entries and their order stay).
    [[nodiscard]] bool renameSection(const QString& section, const QString& newName);
    // Removes every section of that name: its header and the lines up to its last entry; comments
    // and blank lines after that introduce what follows and stay.
    [[nodiscard]] bool removeSection(const QString& section);
    // Several writes as one replacement of the file: begin, write..., commit.
    void beginBatch();
    [[nodiscard]] bool commitBatch();
    // Drops the writes of the batch: nothing reaches the disk, reads see the file as it was.
    void cancelBatch();

    [[nodiscard]] QString errorString() const { return m_error; }
    // Whether the file's encoding can hold the text (a Windows-1251 file holds no character
    // outside its code page; UTF-8 holds everything).
    [[nodiscard]] bool canEncode(const QString& text) const;
    // True for a file kept in Windows-1251.
    [[nodiscard]] bool isCp1251() const;

    // The integer rules of the files: optional sign and decimal digits in the 32-bit range, or
    // "0x"/"0X" and up to 32 bits of hexadecimal digits (0xFFFFFFFF is -1). Surrounding spaces
    // and tabs are ignored; anything else is no number.
    [[nodiscard]] static std::optional<int32_t> parseInteger(QStringView text);

private:
    [[nodiscard]] bool change(int kind, const QString& section, const QString& key, const QString& value);
    struct Impl;
    std::unique_ptr<Impl> m_impl;
    QString m_path;
    QString m_error;
};
