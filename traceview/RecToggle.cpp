#include "RecToggle.h"

#include <QPainter>
#include <QStyleOptionButton>

TRecToggle::TRecToggle(QWidget* parent) : QAbstractButton(parent) {
    setCheckable(true);
    setText(QStringLiteral("REC"));
    setFocusPolicy(Qt::TabFocus);
}

void TRecToggle::setFrames(uint64_t frames) {
    if (m_frames == frames) return;
    m_frames = frames;
    update();
}

QString TRecToggle::shortCount(uint64_t frames) {
    if (frames < 100000) return QString::number(frames);
    if (frames < 10000000) return QStringLiteral("%1k").arg(static_cast<double>(frames) / 1e3, 0, 'f', 1);
    return QStringLiteral("%1M").arg(static_cast<double>(frames) / 1e6, 0, 'f', 1);
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
    const int d = 10;
    const QRect dot(7, (height() - d) / 2, d, d);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(on ? QColor(150, 0, 0) : palette().color(QPalette::Mid));
    p.setBrush(on ? QColor(230, 0, 0) : palette().color(QPalette::Button).darker(125));
    p.drawEllipse(dot);

    QFont bold = font();
    bold.setBold(true);
    p.setFont(bold);
    p.setPen(isEnabled() ? (on ? QColor(190, 0, 0) : palette().color(QPalette::ButtonText))
                         : palette().color(QPalette::Disabled, QPalette::ButtonText));
    const QRect textArea = rect().adjusted(dot.right() + 5, 0, -5, 0);
    p.drawText(textArea, Qt::AlignVCenter | Qt::AlignLeft, text());
    if (on || m_frames > 0) {
        p.setFont(font());
        p.setPen(palette().color(QPalette::ButtonText));
        p.drawText(textArea, Qt::AlignVCenter | Qt::AlignRight, shortCount(m_frames));
    }
}
