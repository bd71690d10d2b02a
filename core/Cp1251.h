#pragma once

// Windows-1251, the code page of Cyrillic text in files made on Windows. Bytes below 0x80 are
// ASCII; the one byte the code page leaves undefined (0x98) maps to U+0098, so that every byte
// sequence decodes and encodes back unchanged.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

[[nodiscard]] QString DecodeCp1251(QByteArrayView bytes);
// Characters the code page cannot represent become '?'.
[[nodiscard]] QByteArray EncodeCp1251(QStringView text);
