#pragma once

// One painted widget holding many small cells, each with its own rectangle, colour and text, drawn
// with a raised bevel like a panel. Cells are addressed by index (the Tag of the cell); a change
// repaints only that cell's rectangle, and a left click on a cell emits clicked(index).

#include <QColor>
#include <QRect>
#include <QString>
#include <QWidget>

#include <vector>

class TCellMatrix : public QWidget {
    Q_OBJECT
public:
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

    [[nodiscard]] QSize sizeHint() const override;

signals:
    void clicked(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    struct Cell {
        QRect rect;
        QRgb color = 0;
        int number = 0;
        bool isNumber = false;
        mutable bool textStale = false;
        mutable QString text;
    };
    [[nodiscard]] bool valid(int i) const { return i >= 0 && i < count(); }
    void refreshText(const Cell& c) const;

    std::vector<Cell> m_cells;
    QRgb m_defaultColor = 0;
    int m_pressed = -1;
};
