#pragma once

// What canquorvex-cli writes for people: messages on standard error, the help on standard output,
// in the language installed, as UTF-8 (a Windows console is switched to UTF-8 for them).

#include <QString>

#include <cstdint>
#include <cstdio>

// Switches a Windows console to UTF-8 output; nothing elsewhere.
void CliUseUtf8Console();
// "canquorvex-cli: TEXT" and a line end on standard error.
void CliMessage(const QString& text);
// The text as it is.
void CliWrite(std::FILE* file, const QString& text);
// The count that chooses a plural form (tr(..., n)): the count itself, or one with its last six
// digits (which decide the form) where it does not fit an int.
[[nodiscard]] int CliPluralOf(uint64_t n);
