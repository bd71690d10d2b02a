#pragma once

// The program's style with a focus that can be seen: the widget that has the keyboard focus is
// outlined in the highlight colour (a solid line where the style draws a faint dotted one, and
// around focused edit fields, spin fields and drop-down boxes, which the style marks only with
// the caret), so Tab visibly moves from control to control. Everything else is the base style's.

#include <QProxyStyle>

class TFocusStyle : public QProxyStyle {
    Q_OBJECT
public:
    // On a new instance of the style named (e.g. "Windows", "Fusion").
    explicit TFocusStyle(const QString& baseStyle);

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget = nullptr) const override;

private:
    static void outline(const QStyleOption* option, QPainter* painter, int inset);
};
