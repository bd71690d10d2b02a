#include "CellMatrix.h"

#include "WindowOcclusion.h"

#include <QBackingStore>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace {
// The bevel of a raised panel: light edge top and left, shadow bottom and right.
constexpr QRgb BevelLight = 0xFFFFFFFFu;
constexpr QRgb BevelShadow = 0xFF808080u;
// More colours than the tables of the device window hold: start the tiles afresh.
constexpr size_t MaxTiles = 512;
// Numbers laid out for painting, kept by value: a register's readings move within a range, so
// most changes show a number laid out before. Past this many the store starts afresh.
constexpr size_t MaxNumberTexts = 1024;
} // namespace

TCellMatrix::TCellMatrix(QWidget* parent)
    : QWidget(parent), m_defaultColor(palette().color(QPalette::Button).rgb()) {
    // The matrix paints its gaps itself, so nothing beneath it is drawn again for a cell change.
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_repaintTimer.setInterval(MinRepaintIntervalMs);
    connect(&m_repaintTimer, &TSharedTimer::timeout, this, &TCellMatrix::repaintTick);
}

int TCellMatrix::addCell(const QRect& rect) {
    Cell c;
    c.rect = rect;
    c.color = m_defaultColor;
    m_cells.push_back(c);
    update(rect);
    return count() - 1;
}

void TCellMatrix::mark(int i) {
    Cell& c = m_cells[static_cast<size_t>(i)];
    if (!c.marked) {
        c.marked = true;
        m_marked.push_back(i);
    }
    if (!c.inView) return; // drawn when it comes into view
    if (!m_markedBounds.contains(c.rect)) {
        m_markedBounds |= c.rect;
        requestRepaint();
    }
}

void TCellMatrix::requestRepaint() {
    if (m_suspended || m_repaintTimer.isActive()) return; // the next tick covers new marks
    m_repaintTimer.start();
    const qint64 since = m_sincePaint.isValid() ? m_sincePaint.elapsed() : MinRepaintIntervalMs;
    if (since >= MinRepaintIntervalMs) update(m_markedBounds);
}

void TCellMatrix::repaintTick() {
    if (m_markedBounds.isEmpty())
        m_repaintTimer.stop(); // the changes have stopped
    else
        update(m_markedBounds);
}

void TCellMatrix::setDrawingSuspended(bool suspended) {
    if (m_suspended == suspended) return;
    m_suspended = suspended;
    if (suspended) {
        m_repaintTimer.stop();
        return;
    }
    // The window has come into view: whatever changed meanwhile is drawn now.
    if (!m_markedBounds.isEmpty()) update(m_markedBounds);
}

void TCellMatrix::setVisiblePart(const QRegion& part) {
    QRect cameIntoView;
    for (Cell& c : m_cells) {
        const bool inView = part.intersects(c.rect);
        if (inView && !c.inView && c.marked) cameIntoView |= c.rect;
        c.inView = inView;
    }
    if (cameIntoView.isEmpty()) return;
    m_markedBounds |= cameIntoView;
    if (!m_suspended) update(m_markedBounds); // at once: the server is about to show that part
}

void TCellMatrix::setCellColor(int i, QRgb color) {
    if (!valid(i)) return;
    Cell& c = m_cells[static_cast<size_t>(i)];
    if (c.color == color) return;
    c.color = color;
    mark(i);
}

QRgb TCellMatrix::cellColor(int i) const {
    return valid(i) ? m_cells[static_cast<size_t>(i)].color : 0;
}

void TCellMatrix::setCellText(int i, const QString& text) {
    if (!valid(i)) return;
    Cell& c = m_cells[static_cast<size_t>(i)];
    refreshText(c);
    c.isNumber = false;
    if (c.text == text) return;
    c.text = text;
    c.layoutStale = true;
    mark(i);
}

void TCellMatrix::setCellNumber(int i, int value) {
    if (!valid(i)) return;
    Cell& c = m_cells[static_cast<size_t>(i)];
    if (c.isNumber && c.number == value) return;
    c.isNumber = true;
    c.number = value;
    c.textStale = true;
    mark(i);
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
    c.layoutStale = true;
}

QRect TCellMatrix::cellRect(int i) const {
    return valid(i) ? m_cells[static_cast<size_t>(i)].rect : QRect();
}

int TCellMatrix::cellAt(QPoint pos) const {
    for (int i = 0; i < count(); ++i)
        if (m_cells[static_cast<size_t>(i)].rect.contains(pos)) return i;
    return -1;
}

QList<int> TCellMatrix::selectedCells() const {
    QList<int> result;
    for (int i = 0; i < count(); ++i)
        if (m_cells[static_cast<size_t>(i)].selected) result.append(i);
    return result;
}

void TCellMatrix::setCellSelected(int i, bool selected) {
    if (!valid(i) || m_cells[static_cast<size_t>(i)].selected == selected) return;
    m_cells[static_cast<size_t>(i)].selected = selected;
    mark(i);
}

void TCellMatrix::clearSelection() {
    for (int i = 0; i < count(); ++i)
        setCellSelected(i, false);
}

QSize TCellMatrix::sizeHint() const {
    QRect all;
    for (const Cell& c : m_cells)
        all |= c.rect;
    return {all.right() + 2, all.bottom() + 2};
}

void TCellMatrix::changeEvent(QEvent* event) {
    const QEvent::Type t = event->type();
    // Text is laid out for the font it is painted with.
    if (t == QEvent::FontChange) {
        for (Cell& c : m_cells)
            c.layoutStale = true;
        m_numberTexts.clear();
    }
    if (t == QEvent::FontChange || t == QEvent::PaletteChange || t == QEvent::StyleChange) {
        m_paintAll = true;
        update();
    }
    QWidget::changeEvent(event);
}

void TCellMatrix::showEvent(QShowEvent* event) {
    m_paintAll = true;
    QWidget::showEvent(event);
    TWindowOcclusion::watchVisiblePart(this, [this](const QRegion& part) { setVisiblePart(part); });
}

void TCellMatrix::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    setVisiblePart(TWindowOcclusion::visiblePart(this));
}

void TCellMatrix::paintEvent(QPaintEvent* event) {
    // Only a paint into the window's backing store is what the screen shows; a rendering into a
    // picture (grab, render) paints everything and leaves the marks for the next paint.
    QBackingStore* store = window()->backingStore();
    const bool toScreen = store && redirected(nullptr) == store->paintDevice();
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    const QRegion& region = event->region();
    // A paint that covers only what the matrix asked for: the other pixels there are still on
    // screen from the previous paint, so the marked cells are all that needs drawing.
    const bool onlyMarked =
        toScreen && !m_paintAll && !m_markedBounds.isEmpty() && (region - QRegion(m_markedBounds)).isEmpty();
    const QRect dirty = region.boundingRect();
    if (onlyMarked) {
        for (int i : m_marked)
            if (const Cell& c = m_cells[static_cast<size_t>(i)]; c.rect.intersects(dirty)) paintCell(p, c);
    } else {
        p.fillRect(dirty, palette().color(QPalette::Window));
        for (const Cell& c : m_cells)
            if (c.rect.intersects(dirty)) paintCell(p, c);
    }
    if (!toScreen) return;
    m_sincePaint.restart();
    m_paintAll = false;
    // A cell drawn whole is up to date; the others keep their marks (out of view, or left out).
    const bool oneRect = region.rectCount() == 1;
    m_markedBounds = QRect();
    size_t kept = 0;
    for (int i : m_marked) {
        Cell& c = m_cells[static_cast<size_t>(i)];
        if (oneRect ? dirty.contains(c.rect) : (QRegion(c.rect) - region).isEmpty()) {
            c.marked = false;
            continue;
        }
        m_marked[kept++] = i;
        if (c.inView) m_markedBounds |= c.rect;
    }
    m_marked.resize(kept);
    if (!m_markedBounds.isEmpty()) requestRepaint();
}

void TCellMatrix::paintCell(QPainter& p, const Cell& c) const {
    const QRect& r = c.rect;
    p.drawPixmap(r.topLeft(), tile(c.color, r.size()));
    if (c.selected) {
        p.save();
        p.setPen(QPen(QColor(0, 0, 128), 2));
        p.drawRect(QRectF(r).adjusted(1, 1, -1, -1));
        p.restore();
    }
    const QStaticText* text = nullptr;
    if (c.isNumber) {
        text = &numberText(c.number);
    } else {
        if (c.text.isEmpty()) return;
        if (c.layoutStale) {
            c.laidOut.setText(c.text);
            c.laidOut.setTextFormat(Qt::PlainText);
            c.laidOut.prepare(QTransform(), font());
            c.layoutStale = false;
        }
        text = &c.laidOut;
    }
    const QSizeF size = text->size();
    p.drawStaticText(
        QPointF(r.x() + (r.width() - size.width()) / 2, r.y() + (r.height() - size.height()) / 2), *text);
}

const QStaticText& TCellMatrix::numberText(int value) const {
    if (const auto it = m_numberTexts.find(value); it != m_numberTexts.end()) return it->second;
    if (m_numberTexts.size() >= MaxNumberTexts) m_numberTexts.clear();
    QStaticText text(QString::number(value));
    text.setTextFormat(Qt::PlainText);
    text.prepare(QTransform(), font());
    return m_numberTexts.emplace(value, std::move(text)).first->second;
}

const QPixmap& TCellMatrix::tile(QRgb color, QSize size) const {
    const uint64_t key = (uint64_t{color} << 32) | (static_cast<uint64_t>(size.width() & 0xFFFF) << 16) |
                         static_cast<uint64_t>(size.height() & 0xFFFF);
    if (const auto it = m_tiles.find(key); it != m_tiles.end()) return it->second;
    if (m_tiles.size() >= MaxTiles) m_tiles.clear();
    QPixmap pm(size);
    QPainter p(&pm);
    const int w = size.width();
    const int h = size.height();
    p.fillRect(0, 0, w, h, QColor::fromRgb(color));
    const QColor light = QColor::fromRgb(BevelLight);
    const QColor shadow = QColor::fromRgb(BevelShadow);
    p.fillRect(0, 0, w, 1, light);
    p.fillRect(0, 0, 1, h, light);
    p.fillRect(0, h - 1, w, 1, shadow);
    p.fillRect(w - 1, 0, 1, h, shadow);
    p.end();
    return m_tiles.emplace(key, pm).first->second;
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
    if (cellAt(event->position().toPoint()) != pressed) return;
    const Qt::KeyboardModifiers mods = event->modifiers();
    if (mods & Qt::ControlModifier) {
        setCellSelected(pressed, !m_cells[static_cast<size_t>(pressed)].selected);
        m_anchor = pressed;
        emit selectionChanged();
    } else if ((mods & Qt::ShiftModifier) && m_anchor >= 0) {
        for (int i = std::min(m_anchor, pressed); i <= std::max(m_anchor, pressed); ++i)
            setCellSelected(i, true);
        emit selectionChanged();
    } else {
        clearSelection();
        m_anchor = pressed;
        emit clicked(pressed);
    }
}
