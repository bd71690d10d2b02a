#include "Panel.h"

#include <QPainter>

TPanel::TPanel(QWidget* parent) : QWidget(parent), m_color(palette().color(QPalette::Button)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPanel::setText(const QString& text) {
    if (m_text == text) return;
    m_text = text;
    update();
}

void TPanel::setColor(QColor color) {
    if (m_color == color) return;
    m_color = color;
    update();
}

void TPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, m_color);
    p.setPen(m_color.lighter(160));
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(m_color.darker(160));
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
    if (!m_text.isEmpty()) {
        // A text wider than the cell keeps its beginning and ends in an ellipsis.
        const QRect inner = r.adjusted(2, 0, -2, 0);
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(inner, Qt::AlignCenter, fontMetrics().elidedText(m_text, Qt::ElideRight, inner.width()));
    }
}
