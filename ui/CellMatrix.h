#pragma once

// One painted widget holding many small cells, each with its own rectangle, colour and text, drawn
// with a raised bevel like a panel. Cells are addressed by index (the Tag of the cell); a left
// click on a cell emits clicked(index) and clears the selection; Ctrl+click adds a cell to the
// selection or takes it out, Shift+click selects the cells from the last one clicked to this one.
// Selected cells wear a dark frame.
//
// Painting is done once per paint, not once per change: a change marks its cell, and a paint that
// covers no more than the marked cells draws those cells only, the rest of the matrix being still
// on screen from before. Any other paint (showing, exposure, a change of palette, font or style)
// draws every cell in its region. The widget is one pixel wider and taller than its cells, so a
// paint of the whole widget is never taken for one of marked cells. Nothing may lie over the
// matrix. Faces with their bevel come from tiles drawn once per colour and size; a cell's text is
// laid out once per change, a number once per value (kept for all cells of the matrix). A change
// after a quiet spell is drawn at once; while changes keep coming they are drawn on the ticks of a
// clock of MinRepaintIntervalMs that all matrices share, twenty times a second rather than on
// every pass of the event loop, and the matrices of all windows in the same wake-up. A fade step
// (every 110 ms) is so always drawn before the next one.
// While drawing is suspended (its window cannot be seen), changes are only marked; resuming draws
// them all at once. Likewise a changed cell outside the part of the matrix in view (another window
// lies over it) keeps its mark and is drawn when it comes into view.

#include <QColor>
#include <QElapsedTimer>
#include <QList>
#include <QPixmap>
#include <QRect>
#include <QStaticText>
#include <QString>
#include <QWidget>

#include "core/SharedTimer.h"

#include <cstdint>
#include <unordered_map>
#include <vector>

class QPainter;

class TCellMatrix : public QWidget {
    Q_OBJECT
public:
    static constexpr int MinRepaintIntervalMs = 50;

    explicit TCellMatrix(QWidget* parent = nullptr);

    // Adds a cell at rect (in this widget's coordinates) and returns its index.
    int addCell(const QRect& rect);
    [[nodiscard]] int count() const { return static_cast<int>(m_cells.size()); }

    // Setters ignore indices out of range; getters return an empty value for them.
    void setCellColor(int i, QRgb color);
    void setCellColor(int i, const QColor& color) { setCellColor(i, color.rgb()); }
    [[nodiscard]] QRgb cellColor(int i) const;
    void setCellText(int i, const QString& text);
    // Shows a signed decimal number; the text is made when it is painted or asked for, so a cell
    // that changes many times between two paints is formatted once.
    void setCellNumber(int i, int value);
    [[nodiscard]] QString cellText(int i) const;
    [[nodiscard]] QRect cellRect(int i) const;
    // The cell under pos, or -1 on a gap or outside every cell.
    [[nodiscard]] int cellAt(QPoint pos) const;
    // The selected cells in index order.
    [[nodiscard]] QList<int> selectedCells() const;
    void setCellSelected(int i, bool selected);
    void clearSelection();

    [[nodiscard]] QSize sizeHint() const override;
    // A repaint of changed cells is being held back (see MinRepaintIntervalMs).
    [[nodiscard]] bool repaintPending() const { return m_repaintTimer.isActive() && !m_markedBounds.isEmpty(); }
    // While suspended, changes are kept but not drawn; resuming draws what changed meanwhile.
    void setDrawingSuspended(bool suspended);
    [[nodiscard]] bool drawingSuspended() const { return m_suspended; }
    // The part of the matrix that can be seen (all of it until told otherwise).
    void setVisiblePart(const QRegion& part);

signals:
    void clicked(int index);
    // The user changed the selection with Ctrl+click or Shift+click.
    void selectionChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    struct Cell {
        QRect rect;
        QRgb color = 0;
        int number = 0;
        bool isNumber = false;
        bool marked = false; // changed since the last paint
        bool selected = false;
        bool inView = true;
        mutable bool textStale = false;
        mutable QString text;
        mutable QStaticText laidOut; // the text as laid out for painting
        mutable bool layoutStale = false;
    };
    [[nodiscard]] bool valid(int i) const { return i >= 0 && i < count(); }
    void mark(int i);
    void requestRepaint();
    void repaintTick();
    void refreshText(const Cell& c) const;
    void paintCell(QPainter& p, const Cell& c) const;
    // A face with its bevel, drawn once per colour and size and then copied.
    [[nodiscard]] const QPixmap& tile(QRgb color, QSize size) const;
    // A number laid out for painting in the widget's font.
    [[nodiscard]] const QStaticText& numberText(int value) const;

    std::vector<Cell> m_cells;
    std::vector<int> m_marked; // indices of the marked cells
    QRect m_markedBounds;      // the marked cells in view: what the matrix asks to repaint
    bool m_paintAll = true;    // the next paint draws every cell in its region
    mutable std::unordered_map<uint64_t, QPixmap> m_tiles;
    mutable std::unordered_map<int, QStaticText> m_numberTexts;
    QRgb m_defaultColor = 0;
    int m_pressed = -1;
    int m_anchor = -1;           // the cell a Shift+click selects from
    QElapsedTimer m_sincePaint;  // since the last paint to the screen
    TSharedTimer m_repaintTimer; // runs while changes keep coming: a repaint on each tick
    bool m_suspended = false;
};
