#pragma once

// How a caption fits a box of fixed size: on one line at the widget's own font if it can; else
// broken onto two lines (between words where it can, inside a word with a hyphen where it must), the font
// shrinking a pixel at a time down to MinPixelSize; and when even that is too long, the second line
// ends in "…". The caption always begins with its first letters.

#include <QFont>
#include <QSize>
#include <QString>
#include <QStringList>

struct TCaptionFit {
    // The smallest text the windows draw (about 6 points at 96 dpi), still readable.
    static constexpr int MinPixelSize = 8;

    int pixelSize = 0; // the font's pixel size to draw with
    QStringList lines; // one or two lines, top to bottom
    bool whole = true; // the lines hold the whole caption (nothing replaced by "…")

    // Fits text into box (the room for the text, in pixels) with font (its pixel size is where the
    // search starts; a font given in points counts at 96 dpi).
    [[nodiscard]] static TCaptionFit fit(const QString& text, const QFont& font, QSize box,
                                         int minPixelSize = MinPixelSize);
    // The height that two lines of the font take (no leading between them).
    [[nodiscard]] static int twoLineHeight(const QFont& font);
};
