#pragma once

// Register numbers as people write them on a command line: single numbers and ranges, separated
// by commas or given as separate words ("96-127,5", "24 30-33"), decimal or 0x hex.

#include <QList>
#include <QString>
#include <QStringList>

// The registers in the order given, each once; false and a message naming the bad part when a
// number is not one, lies outside 0..127, or a range runs backwards.
[[nodiscard]] bool ParseRegisterList(const QStringList& words, QList<int>* registers, QString* error);

// A whole number written in decimal or with 0x; false when it is none or lies outside low..high.
[[nodiscard]] bool ParseNumber(const QString& text, qint64 low, qint64 high, qint64* value);
