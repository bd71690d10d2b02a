#include "CaptionFit.h"

#include <QFontMetricsF>

#include <cmath>
#include <optional>

namespace {

int startPixelSize(const QFont& font) {
    if (font.pixelSize() > 0) return font.pixelSize();
    return std::max(1, static_cast<int>(std::lround(font.pointSizeF() * 96.0 / 72.0)));
}

struct TSplit {
    QString first;
    QString second;
};

// Between two words: of the breaks whose lines both fit, the one whose wider line is narrowest.
std::optional<TSplit> splitBetweenWords(const QString& text, const QFontMetricsF& fm, qreal width) {
    std::optional<TSplit> best;
    qreal bestWidth = 0;
    for (qsizetype i = text.indexOf(QLatin1Char(' ')); i > 0; i = text.indexOf(QLatin1Char(' '), i + 1)) {
        TSplit s{text.left(i).trimmed(), text.mid(i + 1).trimmed()};
        if (s.first.isEmpty() || s.second.isEmpty()) continue;
        const qreal wider = std::max(fm.horizontalAdvance(s.first), fm.horizontalAdvance(s.second));
        if (wider <= width && (!best || wider < bestWidth)) {
            best = std::move(s);
            bestWidth = wider;
        }
    }
    return best;
}

// The longest beginning of text that fits width, ending between words when one such end fits,
// else inside the first word (at least one letter).
qsizetype firstLineLength(const QString& text, const QFontMetricsF& fm, qreal width) {
    qsizetype atWord = 0;
    for (qsizetype i = text.indexOf(QLatin1Char(' ')); i > 0; i = text.indexOf(QLatin1Char(' '), i + 1)) {
        if (fm.horizontalAdvance(text.left(i)) > width) break;
        atWord = i;
    }
    if (atWord > 0) return atWord;
    qsizetype n = 1;
    while (n < text.size() && fm.horizontalAdvance(text.left(n + 1)) <= width)
        ++n;
    return n;
}

// Inside a word, marked with a hyphen: of the breaks whose lines both fit, the one whose wider line
// is narrowest.
std::optional<TSplit> splitInsideWord(const QString& text, const QFontMetricsF& fm, qreal width) {
    std::optional<TSplit> best;
    qreal bestWidth = 0;
    for (qsizetype n = 1; n < text.size(); ++n) {
        const bool inWord = text.at(n - 1) != QLatin1Char(' ') && text.at(n) != QLatin1Char(' ');
        TSplit s{text.left(n).trimmed() + (inWord ? QStringLiteral("-") : QString()), text.mid(n).trimmed()};
        if (s.second.isEmpty()) continue;
        const qreal wider = std::max(fm.horizontalAdvance(s.first), fm.horizontalAdvance(s.second));
        if (wider <= width && (!best || wider < bestWidth)) {
            best = std::move(s);
            bestWidth = wider;
        }
    }
    return best;
}

// The elided text keeps at least the first letter.
QString elided(const QString& text, const QFontMetricsF& fm, qreal width) {
    const QString e = fm.elidedText(text, Qt::ElideRight, width);
    if (e.isEmpty() || e == QStringLiteral("…")) return text.left(1) + QStringLiteral("…");
    return e;
}

} // namespace

int TCaptionFit::twoLineHeight(const QFont& font) {
    return static_cast<int>(std::ceil(2 * QFontMetricsF(font).height() - 0.01));
}

TCaptionFit TCaptionFit::fit(const QString& text, const QFont& font, QSize box, int minPixelSize) {
    const QString caption = text.simplified();
    const int start = startPixelSize(font);
    const int smallest = std::min(start, minPixelSize);
    const qreal width = box.width();
    const qreal height = box.height();
    QFont f = font;
    if (caption.isEmpty()) return {start, {QString()}, true};

    for (int px = start; px >= smallest; --px) {
        f.setPixelSize(px);
        const QFontMetricsF fm(f);
        if (fm.horizontalAdvance(caption) <= width && fm.height() <= height + 0.01)
            return {px, {caption}, true};
        if (twoLineHeight(f) <= height) {
            std::optional<TSplit> split = splitBetweenWords(caption, fm, width);
            if (!split) split = splitInsideWord(caption, fm, width);
            if (split) return {px, {split->first, split->second}, true};
        }
    }

    // Too long even at the smallest size: the first line takes what fits, the second the rest up
    // to an ellipsis.
    f.setPixelSize(smallest);
    const QFontMetricsF fm(f);
    if (twoLineHeight(f) > height) return {smallest, {elided(caption, fm, width)}, false};
    const qsizetype n = firstLineLength(caption, fm, width);
    return {smallest, {caption.left(n).trimmed(), elided(caption.mid(n).trimmed(), fm, width)}, false};
}
