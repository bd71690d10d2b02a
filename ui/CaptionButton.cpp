#include "CaptionButton.h"

#include <QFontMetricsF>
#include <QStyleOptionButton>
#include <QStylePainter>

TCaptionButton::TCaptionButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {}

QRect TCaptionButton::textRoom() const {
    // The bevel takes two pixels at the sides; the blank above and below the letters of a line lies
    // over the bevel at the top and the bottom.
    return rect().adjusted(2, 0, -2, 0);
}

TCaptionFit TCaptionButton::captionFit() const {
    return TCaptionFit::fit(text(), font(), textRoom().size());
}

void TCaptionButton::paintEvent(QPaintEvent*) {
    QStylePainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    p.drawControl(QStyle::CE_PushButton, option);

    const TCaptionFit fit = captionFit();
    QFont f = font();
    f.setPixelSize(fit.pixelSize);
    p.setFont(f);
    QRectF room = textRoom();
    if (option.state & (QStyle::State_Sunken | QStyle::State_On))
        room.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                       style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    const qreal pitch = QFontMetricsF(f).height();
    qreal top = room.top() + (room.height() - pitch * fit.lines.size()) / 2;
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    for (const QString& line : fit.lines) {
        p.drawText(QRectF(room.left(), top, room.width(), pitch), Qt::AlignCenter, line);
        top += pitch;
    }
}
