#pragma once

// Fixed-size labels, check boxes, radio buttons and push buttons of a window keep their whole
// caption readable: one whose caption is wider than its room is drawn in a smaller font, a pixel at
// a time down to TCaptionFit::MinPixelSize; one that still does not fit gets its whole caption as
// its tooltip (unless it has a tooltip). Buttons that fit their captions themselves
// (TCaptionButton) and word-wrapped labels are left alone.

class QWidget;

// Runs over root and all its children; run again after captions change.
void FitWidgetCaptions(QWidget* root);
// The widget's caption fits its room at its present font (true for widgets without a caption).
[[nodiscard]] bool CaptionFitsWidget(const QWidget* widget);
