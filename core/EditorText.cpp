#include "EditorText.h"

int64_t EditorCellValue(const QString& text, bool* ok) {
    bool converted = false;
    const qlonglong v = text.toLongLong(&converted, 10);
    if (ok) *ok = converted;
    return converted ? v : 0;
}

bool EditorTakesChar(char16_t c) {
    const bool digit = c >= u'0' && c <= u'9';
    return digit || c == 8 || c == 3 || c == 22;
}

TEditorCell EditorFixText(const QString& text) {
    QString t = text;
    if (t.isEmpty()) t = QStringLiteral("0");
    if (t.size() >= 2 && t.startsWith(QLatin1Char('0'))) t.remove(0, 1);
    bool ok = false;
    int64_t v = EditorCellValue(t, &ok);
    if (!ok) {
        t = QStringLiteral("0");
        v = 0;
    }
    // A value above 65535 loses its last character until it fits: one keystroke in front of five
    // digits ("9" before 65535) needs more than one cut. A pasted number below -32768, which no
    // 16-bit register holds, is cut the same way.
    while ((v > EditorMaxWord || v < EditorMinWord) && t.size() > 1) {
        t.chop(1);
        v = EditorCellValue(t);
    }
    return {t, v};
}
