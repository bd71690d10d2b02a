#pragma once

// Windows that fit the screen they open on. A window placed by the program (at its design
// position, centred, or cascaded) whose frame is larger than the screen's available area opens at
// that area; one that reaches past the area's edge is moved just enough to lie inside it. A
// position restored from the user's settings is not corrected here (the placement store keeps
// what it read).

#include <QMargins>
#include <QPoint>
#include <QRect>

class QWidget;

// The frame rectangle that frame becomes inside area: as large as the area at most in each
// direction, moved just enough to lie inside it.
[[nodiscard]] QRect FitFrameToArea(const QRect& frame, const QRect& area);

// Where the index-th window of a cascade stands (index 0 at first): each one step right of and
// below the one before; a window that would reach past the area's right or bottom edge starts a new
// cascade at the area's top left, one step further right for each cascade started.
[[nodiscard]] QPoint CascadePosition(QPoint first, int index, QSize frameSize, const QRect& area,
                                     int step = 24);

// The decoration the window system adds around the window's client area: as it is for a window
// shown, else as for windows shown so far (a usual title bar and border before any).
[[nodiscard]] QMargins FrameMarginsOf(const QWidget* window);

// The available area of the screen that holds the centre of the window's frame (the primary
// screen when none does).
[[nodiscard]] QRect AvailableAreaFor(const QWidget* window);

// Moves the top-level window (and shrinks it, when it is larger) so that its frame lies inside the
// available area of its screen. Before the first showing the frame is estimated from the
// decorations of windows shown so far.
void FitWindowToScreen(QWidget* window);
