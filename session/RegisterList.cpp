#include "RegisterList.h"

#include "core/Registers.h"

#include <QCoreApplication>
#include <QSet>

bool ParseNumber(const QString& text, qint64 low, qint64 high, qint64* value) {
    const QString t = text.trimmed();
    bool ok = false;
    qint64 v = 0;
    if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        v = t.mid(2).toLongLong(&ok, 16);
    else if (t.startsWith(QLatin1String("-0x"), Qt::CaseInsensitive))
        v = -t.mid(3).toLongLong(&ok, 16);
    else
        v = t.toLongLong(&ok, 10);
    if (!ok || t.isEmpty() || v < low || v > high) return false;
    *value = v;
    return true;
}

bool ParseRegisterList(const QStringList& words, QList<int>* registers, QString* error) {
    QList<int> out;
    QSet<int> seen;
    const auto take = [&](int r) {
        if (!seen.contains(r)) {
            seen.insert(r);
            out << r;
        }
    };
    for (const QString& word : words) {
        for (const QString& part : word.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            const int dash = part.indexOf(QLatin1Char('-'), 1);
            qint64 first = 0;
            qint64 last = 0;
            const bool ok = dash < 0 ? ParseNumber(part, 0, RegisterCount - 1, &first)
                                     : ParseNumber(part.left(dash), 0, RegisterCount - 1, &first) &&
                                           ParseNumber(part.mid(dash + 1), 0, RegisterCount - 1, &last);
            if (dash < 0) last = first;
            if (!ok || last < first) {
                *error = QCoreApplication::translate(
                             "RegisterList", "\"%1\" is not a register or a range of registers (0-127)")
                             .arg(part);
                return false;
            }
            for (qint64 r = first; r <= last; ++r)
                take(static_cast<int>(r));
        }
    }
    if (out.isEmpty()) {
        *error = QCoreApplication::translate("RegisterList", "no register given");
        return false;
    }
    *registers = out;
    return true;
}
