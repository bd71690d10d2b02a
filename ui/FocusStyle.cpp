#include "FocusStyle.h"

#include <QPainter>
#include <QStyleOption>

TFocusStyle::TFocusStyle(const QString& baseStyle) : QProxyStyle(baseStyle) {}

void TFocusStyle::outline(const QStyleOption* option, QPainter* painter, int inset) {
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setBrush(Qt::NoBrush);
    painter->setPen(QPen(option->palette.color(QPalette::Active, QPalette::Highlight), 1));
    painter->drawRect(option->rect.adjusted(inset, inset, -1 - inset, -1 - inset));
    painter->restore();
}

void TFocusStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                const QWidget* widget) const {
    if (element == PE_FrameFocusRect) {
        outline(option, painter, 0);
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    if (element == PE_FrameLineEdit && (option->state & State_HasFocus) != 0) outline(option, painter, 0);
}

void TFocusStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                                     const QWidget* widget) const {
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    if ((control == CC_SpinBox || control == CC_ComboBox) && (option->state & State_HasFocus) != 0)
        outline(option, painter, 0);
}
