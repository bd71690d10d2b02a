#include "Panel.h"

#include <QFontMetricsF>
#include <QPainter>

TPanel::TPanel(QWidget* parent) : QWidget(parent), m_color(palette().color(QPalette::Button)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPanel::setText(const QString& text) {
    if (m_text == text) return;
    m_text = text;
    m_fitValid = false;
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
        // A text wider than the cell goes onto two lines or into a smaller font where the cell has
        // room for that, and keeps its beginning (TCaptionFit).
        const QRectF inner = r.adjusted(2, 0, -2, 0);
        if (!m_fitValid || m_fitSize != inner.size().toSize() || m_fitFont != font()) {
            m_fitSize = inner.size().toSize();
            m_fitFont = font();
            m_fit = TCaptionFit::fit(m_text, m_fitFont, m_fitSize);
            m_fitValid = true;
        }
        const TCaptionFit& fit = m_fit;
        QFont f = font();
        f.setPixelSize(fit.pixelSize);
        p.setFont(f);
        p.setPen(palette().color(QPalette::WindowText));
        const qreal pitch = QFontMetricsF(f).height();
        qreal top = inner.top() + (inner.height() - pitch * fit.lines.size()) / 2;
        for (const QString& line : fit.lines) {
            p.drawText(QRectF(inner.left(), top, inner.width(), pitch), Qt::AlignCenter, line);
            top += pitch;
        }
    }
}
