// The INI reader (IniFile with its Windows-1251 codec): the input gives a section, a key, a value
// and a second section and key (printable ASCII), the rest is the file. Windows-1251 decodes and
// encodes every byte string back unchanged; the file reads without fault; a write that is taken
// reads back as the value written, from the same object and from the file anew, and leaves the
// value of the other key as it was.

#include "FuzzCheck.h"

#include "core/Cp1251.h"
#include "core/IniFile.h"

#include <fuzzer/FuzzedDataProvider.h>

namespace {

QString printable(const std::string& text) {
    QString out;
    for (const char c : text)
        out += QChar(0x20 + static_cast<uint8_t>(c) % 95);
    return out;
}

QString trimmedBlanks(QString text) {
    while (text.startsWith(u' '))
        text.remove(0, 1);
    while (text.endsWith(u' '))
        text.chop(1);
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const FuzzScratchFile file(QStringLiteral("Projects.ini"));
    FuzzedDataProvider input(data, size);
    const QString section = printable(input.ConsumeRandomLengthString(24));
    const QString key = printable(input.ConsumeRandomLengthString(24));
    const QString value = printable(input.ConsumeRandomLengthString(40));
    const QString otherSection = printable(input.ConsumeRandomLengthString(24));
    const QString otherKey = printable(input.ConsumeRandomLengthString(24));
    const std::string rest = input.ConsumeRemainingBytesAsString();
    const QByteArray bytes(rest.data(), static_cast<qsizetype>(rest.size()));

    FUZZ_CHECK(EncodeCp1251(DecodeCp1251(bytes)) == bytes);

    const QString none = QStringLiteral("\x01none");
    IniFile ini(file.write(bytes));
    FUZZ_CHECK(ini.exists() && !ini.readError());
    const QString before = ini.readString(section, key, none);
    (void)ini.readInteger(section, key, 7);
    (void)ini.readBool(section, key, true);
    FUZZ_CHECK(ini.hasKey(section, key) == (before != none));
    FUZZ_CHECK(ini.keyCount(section) >= (before != none ? 1 : 0));
    const QString other = ini.readString(otherSection, otherKey, none);
    if (const std::optional<int32_t> n = IniFile::parseInteger(before))
        FUZZ_CHECK(IniFile::parseInteger(QString::number(*n)) == n);

    if (!ini.writeString(section, key, value)) return 0;
    const QString written = trimmedBlanks(value);
    FUZZ_CHECK(ini.readString(section, key, none) == written);
    const IniFile again(file.path());
    FUZZ_CHECK(again.readString(section, key, none) == written);
    const bool sameKey = section.compare(otherSection, Qt::CaseInsensitive) == 0 &&
                         key.compare(otherKey, Qt::CaseInsensitive) == 0;
    if (!sameKey) FUZZ_CHECK(again.readString(otherSection, otherKey, none) == other);
    return 0;
}
