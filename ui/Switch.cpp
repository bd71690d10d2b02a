#include "Switch.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

TSwitch::TSwitch(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void TSwitch::setOn(bool on) {
    if (m_on == on) return;
    m_on = on;
    update();
}

void TSwitch::flip() {
    setOn(!m_on);
    emit clicked(m_on);
}

void TSwitch::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) flip();
}

void TSwitch::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space) {
        flip();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TSwitch::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF outer = QRectF(rect()).adjusted(4.5, 1.5, -4.5, -1.5);
    p.setPen(QPen(QColor(96, 96, 96), 1));
    p.setBrush(m_on ? QColor(60, 170, 80) : QColor(170, 170, 170));
    p.drawRoundedRect(outer, 6, 6);
    // The lever: a light knob in the upper half when on, the lower half when off.
    const qreal h = outer.height() / 2 - 3;
    QRectF knob(outer.left() + 3, m_on ? outer.top() + 3 : outer.center().y(), outer.width() - 6, h);
    p.setBrush(QColor(245, 245, 245));
    p.setPen(QPen(QColor(80, 80, 80), 1));
    p.drawRoundedRect(knob, 4, 4);
    if (hasFocus()) {
        p.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    }
}
