#include "IniFile.h"

#include "Cp1251.h"
#include "FileCheck.h"
#include "FileReplace.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

// Only the char form is used: the text handed over is always UTF-8, decoded by us. The parser
// is instantiated here for our own name order (Debian's header keeps its template bodies behind
// SI_IMPLEMENTATION).
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

#include <algorithm>
#include <cstring>
#include <vector>

// How the file is held: the lines as they were read (bytes and line ending apart), so that every
// line nobody wrote goes back to disk byte for byte. Writes edit this list; reads go through
// SimpleIni, which parses the decoded text of the same lines. Both sides classify a line the same
// way: after leading spaces and tabs, ';' or '#' starts a comment, '[' ... ']' names a section,
// "key=value" is an entry (key not empty), anything else is ignored.

namespace {

constexpr char Utf8Bom[] = "\xEF\xBB\xBF";

enum class Encoding { Utf8, Utf8Bom, Cp1251 };

// NUL counts as a blank: the reads see it as a space (refreshView), so a line that begins with
// NULs is classified here as the reads see it.
bool isBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == QChar(0);
}

qsizetype skipBlanks(QStringView s, qsizetype i) {
    while (i < s.size() && isBlank(s[i]))
        ++i;
    return i;
}

QStringView trimBlanks(QStringView s) {
    qsizetype begin = skipBlanks(s, 0);
    qsizetype end = s.size();
    while (end > begin && isBlank(s[end - 1]))
        --end;
    return s.sliced(begin, end - begin);
}

bool sameName(QStringView a, QStringView b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Case-insensitive order of UTF-8 names for SimpleIni (its own comparison folds ASCII only;
// section names are project names and may be Cyrillic).
struct NoCaseUtf8 {
    static unsigned char lower(unsigned char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; }
    bool operator()(const char* left, const char* right) const {
        for (;; ++left, ++right) {
            const auto a = static_cast<unsigned char>(*left);
            const auto b = static_cast<unsigned char>(*right);
            if (a >= 0x80 || b >= 0x80) break;
            if (a == 0 || b == 0) return a == 0 && b != 0;
            if (lower(a) != lower(b)) return lower(a) < lower(b);
        }
        return QString::compare(decoded(left), decoded(right), Qt::CaseInsensitive) < 0;
    }
    // The rest of a name as it is: a byte order mark where the rest begins is a character of the
    // name, not a mark to drop (QString::fromUtf8 drops it, and "A\uFEFF" would equal "A").
    static QString decoded(const char* text) {
        QStringDecoder decoder(QStringDecoder::Utf8,
                               QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
        return decoder.decode(QByteArrayView(text, qsizetype(std::strlen(text))));
    }
};

using SimpleIni = CSimpleIniTempl<char, NoCaseUtf8, SI_ConvertA<char>>;

struct Line {
    QByteArray bytes; // without the line ending
    QByteArray eol;   // "\r\n", "\n", "\r" or empty for a last line without one
};

enum class Kind { Blank, Comment, Section, Entry, Other };

struct Parsed {
    Kind kind = Kind::Other;
    QString name;              // section name or key
    qsizetype valueStart = 0;  // entry: where the value begins in the decoded line
    bool brokenHeader = false; // "[" without "]"
};

Parsed classify(const QString& text) {
    Parsed p;
    const qsizetype i = skipBlanks(text, 0);
    if (i == text.size()) {
        p.kind = Kind::Blank;
        return p;
    }
    const QChar first = text[i];
    if (first == u';' || first == u'#') {
        p.kind = Kind::Comment;
        return p;
    }
    if (first == u'[') {
        const qsizetype close = text.indexOf(u']', i + 1);
        if (close < 0) {
            p.brokenHeader = true;
            return p;
        }
        p.kind = Kind::Section;
        p.name = trimBlanks(QStringView(text).sliced(i + 1, close - i - 1)).toString();
        return p;
    }
    const qsizetype eq = text.indexOf(u'=', i);
    if (eq <= i) // no "=", or an empty key
        return p;
    p.kind = Kind::Entry;
    p.name = trimBlanks(QStringView(text).sliced(i, eq - i)).toString();
    p.valueStart = skipBlanks(text, eq + 1);
    return p;
}

bool isValidUtf8(QByteArrayView bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes); // the decoder works when its result is taken
    return !decoder.hasError();
}

QByteArray nativeEol() {
#ifdef Q_OS_WIN
    return QByteArrayLiteral("\r\n");
#else
    return QByteArrayLiteral("\n");
#endif
}

enum class OpKind { Write, RemoveKey, RenameSection, RemoveSection };

struct Op {
    QString section;
    QString key;
    QString value; // Write: the value; RenameSection: the new name
    OpKind kind = OpKind::Write;
};

} // namespace

struct IniFile::Impl {
    Encoding encoding = Encoding::Utf8;
    QByteArray newEol = nativeEol(); // ending of lines we add
    std::vector<Line> lines;
    QByteArray diskBytes; // the file as last read or written
    bool onDisk = false;
    bool readFailed = false;

    int batchDepth = 0;
    std::vector<Op> pending; // applied to lines, not yet on disk

    mutable SimpleIni view{true, true, false}; // UTF-8, several equal keys kept, no multi-line values
    mutable bool viewStale = true;

    void parse(const QByteArray& bytes);
    [[nodiscard]] QString decode(const QByteArray& bytes) const;
    [[nodiscard]] QByteArray encode(const QString& text) const;
    [[nodiscard]] QByteArray serialise() const;
    void apply(const Op& op);
    void refreshView() const;
    [[nodiscard]] const char* lookup(const QString& section, const QString& key) const;
};

void IniFile::Impl::parse(const QByteArray& bytes) {
    lines.clear();
    viewStale = true;
    QByteArrayView body(bytes);
    if (body.startsWith(Utf8Bom) && isValidUtf8(body.sliced(3))) {
        encoding = Encoding::Utf8Bom;
        body = body.sliced(3);
    } else {
        encoding = isValidUtf8(body) ? Encoding::Utf8 : Encoding::Cp1251;
    }
    newEol = nativeEol();
    bool eolSeen = false;
    qsizetype start = 0;
    const qsizetype n = body.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char c = body[i];
        if (c != '\n' && c != '\r') continue;
        Line line;
        line.bytes = body.sliced(start, i - start).toByteArray();
        if (c == '\r' && i + 1 < n && body[i + 1] == '\n') {
            line.eol = QByteArrayLiteral("\r\n");
            ++i;
        } else {
            line.eol = QByteArray(1, c);
        }
        if (!eolSeen) {
            newEol = line.eol;
            eolSeen = true;
        }
        lines.push_back(std::move(line));
        start = i + 1;
    }
    if (start < n) lines.push_back({body.sliced(start).toByteArray(), {}});
}

QString IniFile::Impl::decode(const QByteArray& bytes) const {
    return encoding == Encoding::Cp1251 ? DecodeCp1251(bytes) : QString::fromUtf8(bytes);
}

QByteArray IniFile::Impl::encode(const QString& text) const {
    return encoding == Encoding::Cp1251 ? EncodeCp1251(text) : text.toUtf8();
}

QByteArray IniFile::Impl::serialise() const {
    QByteArray out;
    if (encoding == Encoding::Utf8Bom) out.append(Utf8Bom);
    for (const Line& line : lines) {
        out.append(line.bytes);
        out.append(line.eol);
    }
    return out;
}

void IniFile::Impl::apply(const Op& op) {
    viewStale = true;
    if (op.kind == OpKind::RemoveKey || op.kind == OpKind::RemoveSection) {
        // Lines are removed from the end, so the indices before stay valid.
        qsizetype sectionStart = -1; // header of the matching section we are in
        qsizetype lastEntry = -1;    // its last entry or other text
        const auto closeSection = [&] {
            if (op.kind != OpKind::RemoveSection || sectionStart < 0) return;
            const qsizetype end = std::max(sectionStart, lastEntry);
            lines.erase(lines.begin() + sectionStart, lines.begin() + end + 1);
            // One blank line less where the section leaves two together.
            const qsizetype at = sectionStart;
            if (at > 0 && classify(decode(lines[size_t(at - 1)].bytes)).kind == Kind::Blank &&
                (at == qsizetype(lines.size()) ||
                 classify(decode(lines[size_t(at)].bytes)).kind == Kind::Blank))
                lines.erase(lines.begin() + at - 1);
        };
        bool inSection = false;
        for (qsizetype i = 0; i < qsizetype(lines.size()); ++i) {
            const Parsed p = classify(decode(lines[size_t(i)].bytes));
            if (p.kind == Kind::Section) {
                if (inSection && op.kind == OpKind::RemoveSection) {
                    const qsizetype removedBefore = lines.size();
                    closeSection();
                    i -= removedBefore - qsizetype(lines.size());
                    sectionStart = -1;
                }
                inSection = sameName(p.name, op.section);
                if (inSection) {
                    sectionStart = i;
                    lastEntry = -1;
                }
                continue;
            }
            if (!inSection) continue;
            if (op.kind == OpKind::RemoveKey && p.kind == Kind::Entry && sameName(p.name, op.key)) {
                lines.erase(lines.begin() + i);
                --i;
                continue;
            }
            if (p.kind == Kind::Entry || p.kind == Kind::Other) lastEntry = i;
        }
        if (inSection) closeSection();
        return;
    }
    if (op.kind == OpKind::RenameSection) {
        for (Line& line : lines) {
            const QString text = decode(line.bytes);
            const Parsed p = classify(text);
            if (p.kind != Kind::Section || !sameName(p.name, op.section)) continue;
            const qsizetype open = text.indexOf(u'[');
            const qsizetype close = text.indexOf(u']', open + 1);
            line.bytes = encode(text.left(open + 1) + op.value + text.mid(close));
        }
        return;
    }
    // The first entry of the key in any section of that name is the one reads see: change it.
    // Otherwise the key goes to the end of the first section of that name, after its last entry
    // (or other text): blank lines and comments at the end of a section usually introduce the
    // next one. Lines before the first header belong to no section.
    bool inSection = false;
    qsizetype insertAfter = -1;
    bool firstSectionDone = false;
    for (qsizetype i = 0; i < qsizetype(lines.size()); ++i) {
        const QString text = decode(lines[size_t(i)].bytes);
        const Parsed p = classify(text);
        if (p.kind == Kind::Section) {
            if (insertAfter >= 0) firstSectionDone = true;
            inSection = sameName(p.name, op.section);
            if (inSection && !firstSectionDone) insertAfter = i;
            continue;
        }
        if (!inSection) continue;
        if (p.kind == Kind::Entry && sameName(p.name, op.key)) {
            lines[size_t(i)].bytes = encode(text.left(p.valueStart) + op.value);
            return;
        }
        if (!firstSectionDone && (p.kind == Kind::Entry || p.kind == Kind::Other)) insertAfter = i;
    }
    const QByteArray entry = encode(op.key + u'=' + op.value);
    if (insertAfter >= 0) {
        Line& after = lines[size_t(insertAfter)];
        if (after.eol.isEmpty()) after.eol = newEol;
        lines.insert(lines.begin() + insertAfter + 1, Line{entry, newEol});
        return;
    }
    if (!lines.empty()) {
        if (lines.back().eol.isEmpty()) lines.back().eol = newEol;
        if (classify(decode(lines.back().bytes)).kind != Kind::Blank) lines.push_back({{}, newEol});
    }
    lines.push_back({encode(u'[' + op.section + u']'), newEol});
    lines.push_back({entry, newEol});
}

void IniFile::Impl::refreshView() const {
    if (!viewStale) return;
    // SimpleIni reads the same lines, except that a header without "]" is blanked (SimpleIni
    // would take the following lines as part of a section name, Windows ignores such a line) and
    // NUL characters, which would end its parse, become spaces.
    QByteArray text;
    for (const Line& line : lines) {
        QString decoded = decode(line.bytes);
        if (classify(decoded).brokenHeader) decoded.clear();
        decoded.replace(QChar(0), u' ');
        text.append(decoded.toUtf8());
        text.append('\n');
    }
    view.Reset();
    view.SetUnicode(true);
    view.SetMultiKey(true);
    view.SetMultiLine(false);
    view.SetSpaces(false);
    view.SetQuotes(false);
    view.SetAllowKeyOnly(false);
    (void)view.LoadData(text.constData(), size_t(text.size()));
    viewStale = false;
}

const char* IniFile::Impl::lookup(const QString& section, const QString& key) const {
    refreshView();
    const QByteArray s = section.toUtf8();
    const QByteArray k = key.toUtf8();
    SimpleIni::TNamesDepend values;
    if (!view.GetAllValues(s.constData(), k.constData(), values) || values.empty()) return nullptr;
    // With equal keys in the file, the first one counts.
    const SimpleIni::Entry* first = &values.front();
    for (const SimpleIni::Entry& e : values) {
        if (e.nOrder < first->nOrder) first = &e;
    }
    return first->pItem;
}

// ---- IniFile ----

IniFile::IniFile(QString path) : m_impl(std::make_unique<Impl>()), m_path(std::move(path)) {
    const QFileInfo info(m_path);
    if (!info.exists() && !info.isSymLink()) return;
    // Only a regular file is read: a FIFO or a device in its place would never answer.
    QFile file;
    QString why;
    if (!FileCheck::openRegular(file, m_path, &why)) {
        m_impl->readFailed = true;
        m_error = QCoreApplication::translate("IniFile", "Cannot read %1: %2")
                      .arg(QDir::toNativeSeparators(m_path), why);
        return;
    }
    m_impl->diskBytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        m_impl->readFailed = true;
        m_error = QCoreApplication::translate("IniFile", "Cannot read %1: %2")
                      .arg(QDir::toNativeSeparators(m_path), file.errorString());
        return;
    }
    m_impl->onDisk = true;
    m_impl->parse(m_impl->diskBytes);
}

IniFile::~IniFile() = default;

bool IniFile::exists() const {
    return m_impl->onDisk;
}

bool IniFile::readError() const {
    return m_impl->readFailed;
}

QString IniFile::readString(const QString& section, const QString& key, const QString& def) const {
    const char* value = m_impl->lookup(section, key);
    return value ? QString::fromUtf8(value) : def;
}

int32_t IniFile::readInteger(const QString& section, const QString& key, int32_t def) const {
    const char* value = m_impl->lookup(section, key);
    if (!value) return def;
    return parseInteger(QString::fromUtf8(value)).value_or(def);
}

bool IniFile::readBool(const QString& section, const QString& key, bool def) const {
    const char* value = m_impl->lookup(section, key);
    if (!value) return def;
    const std::optional<int32_t> number = parseInteger(QString::fromUtf8(value));
    return number ? *number != 0 : def;
}

int IniFile::keyCount(const QString& section) const {
    m_impl->refreshView();
    return std::max(m_impl->view.GetSectionSize(section.toUtf8().constData()), 0);
}

bool IniFile::hasKey(const QString& section, const QString& key) const {
    return m_impl->lookup(section, key) != nullptr;
}

std::optional<int32_t> IniFile::parseInteger(QStringView text) {
    text = trimBlanks(text);
    if (text.isEmpty()) return std::nullopt;
    if (text.size() > 2 && text[0] == u'0' && (text[1] == u'x' || text[1] == u'X')) {
        uint64_t value = 0;
        for (const QChar c : text.sliced(2)) {
            const int digit = c >= u'0' && c <= u'9'   ? c.unicode() - u'0'
                              : c >= u'a' && c <= u'f' ? c.unicode() - u'a' + 10
                              : c >= u'A' && c <= u'F' ? c.unicode() - u'A' + 10
                                                       : -1;
            if (digit < 0) return std::nullopt;
            value = value * 16 + uint64_t(digit);
            if (value > 0xFFFFFFFFu) return std::nullopt;
        }
        return static_cast<int32_t>(static_cast<uint32_t>(value));
    }
    qsizetype i = 0;
    const bool negative = text[0] == u'-';
    if (text[0] == u'-' || text[0] == u'+') ++i;
    if (i == text.size()) return std::nullopt;
    int64_t value = 0;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c < u'0' || c > u'9') return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
        if (value > int64_t(INT32_MAX) + 1) return std::nullopt;
    }
    if (negative) value = -value;
    if (value > INT32_MAX) return std::nullopt;
    return static_cast<int32_t>(value);
}

bool IniFile::writeString(const QString& section, const QString& key, const QString& value) {
    return change(int(OpKind::Write), section, key, value);
}

bool IniFile::removeKey(const QString& section, const QString& key) {
    return change(int(OpKind::RemoveKey), section, key, {});
}

bool IniFile::renameSection(const QString& section, const QString& newName) {
    return change(int(OpKind::RenameSection), section, {}, newName);
}

bool IniFile::removeSection(const QString& section) {
    return change(int(OpKind::RemoveSection), section, {}, {});
}

bool IniFile::canEncode(const QString& text) const {
    return m_impl->encoding != Encoding::Cp1251 || DecodeCp1251(EncodeCp1251(text)) == text;
}

bool IniFile::isCp1251() const {
    return m_impl->encoding == Encoding::Cp1251;
}

bool IniFile::change(int kind, const QString& section, const QString& key, const QString& value) {
    const auto opKind = static_cast<OpKind>(kind);
    const auto fail = [this](const QString& why) {
        m_error = FileReplace::message(m_path, why);
        return false;
    };
    if (m_impl->readFailed) return fail(QCoreApplication::translate("IniFile", "the file could not be read"));
    const auto badName = [](const QString& name, bool isKey) {
        if (name.isEmpty() || isBlank(name.front()) || isBlank(name.back())) return true;
        if (name.contains(u'\r') || name.contains(u'\n') || name.contains(QChar(0)) || name.contains(u']'))
            return true;
        return isKey &&
               (name.contains(u'=') || name.front() == u'[' || name.front() == u';' || name.front() == u'#');
    };
    if (badName(section, false))
        return fail(QCoreApplication::translate("IniFile", "invalid section name \"%1\"").arg(section));
    const bool keyed = opKind == OpKind::Write || opKind == OpKind::RemoveKey;
    if (keyed && badName(key, true))
        return fail(QCoreApplication::translate("IniFile", "invalid key name \"%1\"").arg(key));
    if (opKind == OpKind::RenameSection && badName(value, false))
        return fail(QCoreApplication::translate("IniFile", "invalid section name \"%1\"").arg(value));
    if (value.contains(u'\r') || value.contains(u'\n') || value.contains(QChar(0)))
        return fail(
            QCoreApplication::translate("IniFile", "the value of \"%1\" contains a line break").arg(key));
    Op op{section, key, value, opKind};
    m_impl->apply(op);
    m_impl->pending.push_back(std::move(op));
    return m_impl->batchDepth > 0 ? true : commitBatch();
}

bool IniFile::writeInteger(const QString& section, const QString& key, int32_t value) {
    return writeString(section, key, QString::number(value));
}

bool IniFile::writeBool(const QString& section, const QString& key, bool value) {
    return writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void IniFile::beginBatch() {
    ++m_impl->batchDepth;
}

void IniFile::cancelBatch() {
    Impl& d = *m_impl;
    d.batchDepth = 0;
    d.pending.clear();
    d.lines.clear();
    if (d.onDisk) d.parse(d.diskBytes);
    d.viewStale = true;
}

bool IniFile::commitBatch() {
    Impl& d = *m_impl;
    if (d.batchDepth > 0) --d.batchDepth;
    if (d.batchDepth > 0) return true;
    const auto fail = [this, &d](const QString& why, bool whole = false) {
        m_error = whole ? why : FileReplace::message(m_path, why);
        // What is on disk stays what reads see.
        d.pending.clear();
        d.lines.clear();
        if (d.onDisk) d.parse(d.diskBytes);
        d.viewStale = true;
        return false;
    };
    if (d.readFailed) return fail(QCoreApplication::translate("IniFile", "the file could not be read"));
    if (d.pending.empty()) return true;

    // Somebody else may have changed the file since we read it: then our writes go into what
    // is there now.
    const QFileInfo info(m_path);
    QByteArray current;
    bool existsNow = false;
    if (info.exists()) {
        QFile file;
        QString why;
        if (!FileCheck::openRegular(file, m_path, &why)) return fail(why);
        current = file.readAll();
        existsNow = true;
    }
    if (existsNow != d.onDisk || current != d.diskBytes) {
        d.diskBytes = current;
        d.onDisk = existsNow;
        if (existsNow)
            d.parse(current);
        else
            d.lines.clear();
        for (const Op& op : d.pending)
            d.apply(op);
    }
    // A file without any write permission is read-only, whoever we are (also as root).
    if (existsNow &&
        !(info.permissions() & (QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther)))
        return fail(QCoreApplication::translate("IniFile", "Permission denied (the file is read-only)"));
    if (existsNow && !info.isWritable())
        return fail(QCoreApplication::translate("IniFile", "Permission denied"));

    const QByteArray bytes = d.serialise();
    QString error;
    if (!FileReplace::write(m_path, bytes, &error)) return fail(error, true);
    d.diskBytes = bytes;
    d.onDisk = true;
    d.pending.clear();
    return true;
}
