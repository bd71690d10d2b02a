#include "CellMatrix.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace {
// The bevel of a raised panel: light edge top and left, shadow bottom and right.
constexpr QRgb BevelLight = 0xFFFFFFFFu;
constexpr QRgb BevelShadow = 0xFF808080u;
}  // namespace

TCellMatrix::TCellMatrix(QWidget* parent)
    : QWidget(parent), m_defaultColor(palette().color(QPalette::Button).rgb()) {}

int TCellMatrix::addCell(const QRect& rect) {
    Cell c;
    c.rect = rect;
    c.color = m_defaultColor;
    m_cells.push_back(c);
    update(rect);
    return count() - 1;
}

void TCellMatrix::setCellColor(int i, QRgb color) {
    if (!valid(i)) return;
    Cell& c = m_cells[static_cast<size_t>(i)];
    if (c.color == color) return;
    c.color = color;
    update(c.rect);
}

QRgb TCellMatrix::cellColor(int i) const { return valid(i) ? m_cells[static_cast<size_t>(i)].color : 0; }

void TCellMatrix::setCellText(int i, const QString& text) {
    if (!valid(i)) return;
    Cell& c = m_cells[static_cast<size_t>(i)];
    refreshText(c);
    c.isNumber = false;
    if (c.text == text) return;
    c.text = text;
    update(c.rect);
}

void TCellMatrix::setCellNumber(int i, int value) {
    if (!valid(i)) return;
    Cell& c = m_cells[static_cast<size_t>(i)];
    if (c.isNumber && c.number == value) return;
    c.isNumber = true;
    c.number = value;
    c.textStale = true;
    update(c.rect);
}

QString TCellMatrix::cellText(int i) const {
    if (!valid(i)) return {};
    const Cell& c = m_cells[static_cast<size_t>(i)];
    refreshText(c);
    return c.text;
}

void TCellMatrix::refreshText(const Cell& c) const {
    if (!c.textStale) return;
    c.text = QString::number(c.number);
    c.textStale = false;
}

QRect TCellMatrix::cellRect(int i) const { return valid(i) ? m_cells[static_cast<size_t>(i)].rect : QRect(); }

int TCellMatrix::cellAt(QPoint pos) const {
    for (int i = 0; i < count(); ++i)
        if (m_cells[static_cast<size_t>(i)].rect.contains(pos)) return i;
    return -1;
}

QSize TCellMatrix::sizeHint() const {
    QRect all;
    for (const Cell& c : m_cells) all |= c.rect;
    return {all.right() + 1, all.bottom() + 1};
}

void TCellMatrix::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const QRect dirty = event->rect();
    const QColor textColor = palette().color(QPalette::WindowText);
    for (const Cell& c : m_cells) {
        if (!c.rect.intersects(dirty)) continue;
        const QRect r = c.rect;
        p.fillRect(r, QColor::fromRgb(c.color));
        p.setPen(QColor::fromRgb(BevelLight));
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(QColor::fromRgb(BevelShadow));
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
        refreshText(c);
        if (!c.text.isEmpty()) {
            p.setPen(textColor);
            p.drawText(r, Qt::AlignCenter, c.text);
        }
    }
}

void TCellMatrix::mousePressEvent(QMouseEvent* event) {
    m_pressed = event->button() == Qt::LeftButton ? cellAt(event->position().toPoint()) : -1;
    if (m_pressed < 0) event->ignore();
}

void TCellMatrix::mouseReleaseEvent(QMouseEvent* event) {
    // A click is a press and a release on the same cell, as with a button.
    const int pressed = m_pressed;
    m_pressed = -1;
    if (event->button() != Qt::LeftButton || pressed < 0) {
        event->ignore();
        return;
    }
    if (cellAt(event->position().toPoint()) == pressed) emit clicked(pressed);
}
