#pragma once

// The text rules of the device window's write editor: which typed characters a data cell takes,
// and how a cell's text is corrected as it is edited so that it always stands for a 16-bit word.

#include <QString>

#include <cstdint>

inline constexpr int64_t EditorMaxWord = 65535;
inline constexpr int64_t EditorMinWord = -32768;

// The integer a cell text stands for: decimal, optional leading minus. Text that does not convert
// gives 0 and ok = false.
[[nodiscard]] int64_t EditorCellValue(const QString& text, bool* ok = nullptr);

// True for the characters a data cell takes: digits, Backspace (8), Ctrl+C (3) and Ctrl+V (22).
[[nodiscard]] bool EditorTakesChar(char16_t c);

struct TEditorCell {
    QString Text;
    int64_t Value = 0;
};

// The text of a cell after an edit: an empty text is "0", one leading zero of two or more
// characters goes, text that is no number is "0", and a number outside the word range loses its
// last character until it fits.
[[nodiscard]] TEditorCell EditorFixText(const QString& text);
