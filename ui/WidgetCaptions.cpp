#include "WidgetCaptions.h"

#include "CaptionButton.h"
#include "CaptionFit.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
#include <QTextDocument>

#include <cmath>

namespace {

// The text of a widget that shows a caption of its own, and the room it has; false for others.
bool captionRoom(const QWidget* w, QString* text, int* room) {
    const QStyle* style = w->style();
    if (const auto* label = qobject_cast<const QLabel*>(w)) {
        if (label->wordWrap() || label->text().isEmpty() || Qt::mightBeRichText(label->text())) return false;
        *text = label->text();
        *room = label->contentsRect().width() - 2 * label->margin();
        return true;
    }
    if (qobject_cast<const TCaptionButton*>(w) != nullptr) return false;
    const auto* button = qobject_cast<const QAbstractButton*>(w);
    if (button == nullptr || button->text().isEmpty()) return false;
    *text = button->text();
    if (qobject_cast<const QCheckBox*>(w) != nullptr)
        *room = w->width() - style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, w) -
                style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, w) - 1;
    else if (qobject_cast<const QRadioButton*>(w) != nullptr)
        *room = w->width() - style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, w) -
                style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, w) - 1;
    else if (qobject_cast<const QPushButton*>(w) != nullptr)
        *room = w->width() - 4; // the bevel
    else
        return false;
    return true;
}

int pixelSizeOf(const QFont& font) {
    if (font.pixelSize() > 0) return font.pixelSize();
    return static_cast<int>(std::lround(font.pointSizeF() * 96.0 / 72.0));
}

} // namespace

bool CaptionFitsWidget(const QWidget* widget) {
    QString text;
    int room = 0;
    if (!captionRoom(widget, &text, &room)) return true;
    QString shown = text;
    shown.remove(QLatin1Char('&')); // a mnemonic marker takes no room
    return widget->fontMetrics().horizontalAdvance(shown) <= room;
}

void FitWidgetCaptions(QWidget* root) {
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* w : std::as_const(widgets)) {
        QString text;
        int room = 0;
        if (!captionRoom(w, &text, &room) || CaptionFitsWidget(w)) continue;
        QFont f = w->font();
        for (int px = pixelSizeOf(f) - 1; px >= TCaptionFit::MinPixelSize && !CaptionFitsWidget(w); --px) {
            f.setPixelSize(px);
            w->setFont(f);
        }
        if (!CaptionFitsWidget(w) && w->toolTip().isEmpty()) w->setToolTip(text);
    }
}
