#pragma once

// The room of a window whose controls stand at fixed places: the controls lie on a page of the
// layout's size inside a scroll area that fills the window. A window made smaller than its layout
// (by the user, or to fit a small screen) scrolls; it grows no larger than its layout, so no empty
// space appears beside the controls.

#include <QScrollArea>

class TFixedLayoutArea : public QScrollArea {
    Q_OBJECT
public:
    // Moves every child widget of window onto the page, where each keeps its geometry, and fills
    // the window with the area. The window takes the layout's size, and that is its largest size.
    static TFixedLayoutArea* wrap(QWidget* window, QSize layoutSize);

    // The page that holds the controls.
    [[nodiscard]] QWidget* page() const { return widget(); }
    [[nodiscard]] QSize layoutSize() const;
    // A layout that grows or shrinks (a panel shown or hidden): the window follows it while it
    // showed all of the layout before.
    void setLayoutSize(QSize size);

private:
    explicit TFixedLayoutArea(QWidget* window);
};
