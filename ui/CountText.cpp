#include "CountText.h"

#include <QCoreApplication>

#include <limits>

namespace {

// The number the plural form is chosen by. A count past int's range is given a small number of the
// same form: the forms of the languages translated to depend on the last two digits only.
int pluralNumber(qint64 n) {
    if (n >= 0 && n <= std::numeric_limits<int>::max()) return static_cast<int>(n);
    return static_cast<int>(n % 100 + (n < 0 ? -100 : 100));
}

// translated: the text of the translation with the plural number in place of %n. Without a
// translation it is the source text itself, "%n register(s)": then the English forms are made here.
QString countText(qint64 n, QString translated, const char* source, const char* one, const char* many) {
    const int p = pluralNumber(n);
    const QString number = QString::number(p);
    if (translated == QString::fromLatin1(source).replace(QLatin1String("%n"), number))
        return n == 1 ? QString::fromLatin1(one) : QString::fromLatin1(many).arg(n);
    if (p != n) {
        const qsizetype at = translated.indexOf(number);
        if (at >= 0) translated.replace(at, number.size(), QString::number(n));
    }
    return translated;
}

} // namespace

QString RegisterCountText(qint64 n) {
    return countText(n, QCoreApplication::translate("CountText", "%n register(s)", nullptr, pluralNumber(n)),
                     "%n register(s)", "1 register", "%1 registers");
}

QString FrameCountText(qint64 n) {
    return countText(n, QCoreApplication::translate("CountText", "%n frame(s)", nullptr, pluralNumber(n)),
                     "%n frame(s)", "1 frame", "%1 frames");
}
