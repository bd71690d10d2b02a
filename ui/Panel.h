#pragma once

#include "CaptionFit.h"

#include <QColor>
#include <QString>
#include <QWidget>

#include <cstdint>

// A flat coloured cell with a raised bevel and centred text, painted by itself (no style sheets).
// Tag carries an index or a small counter, as the windows need.
class TPanel : public QWidget {
    Q_OBJECT
public:
    explicit TPanel(QWidget* parent = nullptr);

    void setText(const QString& text);
    [[nodiscard]] const QString& text() const { return m_text; }
    void setColor(QColor color);
    [[nodiscard]] QColor color() const { return m_color; }

    int32_t Tag = 0;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_text;
    QColor m_color;
    // How the text was last fitted, and for which size and font: a panel repainted for its colour
    // (a row's light) does not measure its text again.
    TCaptionFit m_fit;
    QSize m_fitSize;
    QFont m_fitFont;
    bool m_fitValid = false;
};
