#include "RecToggle.h"

#include <QPainter>
#include <QStyleOptionButton>

TRecToggle::TRecToggle(QWidget* parent) : QAbstractButton(parent) {
    setCheckable(true);
    setText(tr("REC"));
    setFocusPolicy(Qt::TabFocus);
}

void TRecToggle::setFrames(uint64_t frames) {
    if (m_frames == frames) return;
    m_frames = frames;
    update();
}

QString TRecToggle::shortCount(uint64_t frames) {
    if (frames < 10000) return QString::number(frames);
    // Three significant digits and a unit, rounded up to the next unit at 999.5.
    static constexpr char Units[] = "kMGTPE";
    double value = static_cast<double>(frames);
    int unit = -1;
    do {
        value /= 1000.0;
        ++unit;
    } while (value >= 999.5 && unit < 5);
    const int decimals = value < 9.995 ? 2 : value < 99.95 ? 1 : 0;
    return QString::number(value, 'f', decimals) + QLatin1Char(Units[unit]);
}

namespace {

constexpr int DotSize = 10;
constexpr int DotLeft = 7;
constexpr int Gap = 4;

QFont boldOf(QFont font) {
    font.setBold(true);
    return font;
}

} // namespace

TRecToggle::TextLayout TRecToggle::textLayout() const {
    TextLayout layout;
    const QRect area = rect().adjusted(DotLeft + DotSize + 5, 0, -5, 0);
    const QFontMetrics labelMetrics(boldOf(font()));
    const int labelWidth = labelMetrics.horizontalAdvance(text());
    layout.Label = QRect(area.left(), area.top(), std::min(labelWidth, area.width()), area.height());
    if (!isChecked() && m_frames == 0) return layout;
    const QString count = shortCount(m_frames);
    int room = area.right() - layout.Label.right() - Gap;
    if (fontMetrics().horizontalAdvance(count) > room) {
        // No room for both: the count goes first (the dot tells that it records).
        layout.Label = QRect();
        room = area.width();
    }
    layout.CountText = fontMetrics().elidedText(count, Qt::ElideRight, std::max(0, room));
    const int countWidth = fontMetrics().horizontalAdvance(layout.CountText);
    layout.Count = QRect(area.right() + 1 - countWidth, area.top(), countWidth, area.height());
    return layout;
}

void TRecToggle::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QStyleOptionButton opt;
    opt.initFrom(this);
    opt.features = QStyleOptionButton::None;
    if (isDown() || isChecked())
        opt.state |= QStyle::State_Sunken;
    else
        opt.state |= QStyle::State_Raised;
    style()->drawControl(QStyle::CE_PushButtonBevel, &opt, &p, this);

    const bool on = isChecked();
    const QRect dot(DotLeft, (height() - DotSize) / 2, DotSize, DotSize);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(on ? QColor(150, 0, 0) : palette().color(QPalette::Mid));
    p.setBrush(on ? QColor(230, 0, 0) : palette().color(QPalette::Button).darker(125));
    p.drawEllipse(dot);

    const TextLayout layout = textLayout();
    p.setFont(boldOf(font()));
    p.setPen(isEnabled() ? (on ? QColor(190, 0, 0) : palette().color(QPalette::ButtonText))
                         : palette().color(QPalette::Disabled, QPalette::ButtonText));
    if (!layout.Label.isEmpty()) p.drawText(layout.Label, Qt::AlignVCenter | Qt::AlignLeft, text());
    if (!layout.CountText.isEmpty()) {
        p.setFont(font());
        p.setPen(palette().color(QPalette::ButtonText));
        p.drawText(layout.Count, Qt::AlignVCenter | Qt::AlignRight, layout.CountText);
    }
}
