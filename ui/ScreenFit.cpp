#include "ScreenFit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace {

QMargins& lastMargins() {
    static QMargins margins(4, 24, 4, 4); // a usual title bar and border
    return margins;
}

} // namespace

QMargins FrameMarginsOf(const QWidget* window) {
    const QRect frame = window->frameGeometry();
    const QRect client = window->geometry();
    if (window->isVisible() && frame != client)
        lastMargins() = QMargins(client.left() - frame.left(), client.top() - frame.top(),
                                 frame.right() - client.right(), frame.bottom() - client.bottom());
    return lastMargins();
}

QRect FitFrameToArea(const QRect& frame, const QRect& area) {
    if (area.isEmpty()) return frame;
    const QSize size(std::min(frame.width(), area.width()), std::min(frame.height(), area.height()));
    const int left = std::clamp(frame.left(), area.left(), area.left() + area.width() - size.width());
    const int top = std::clamp(frame.top(), area.top(), area.top() + area.height() - size.height());
    return {QPoint(left, top), size};
}

QPoint CascadePosition(QPoint first, int index, QSize frameSize, const QRect& area, int step) {
    if (step <= 0 || area.isEmpty()) return first + QPoint(index * step, index * step);
    const QRect start = FitFrameToArea(QRect(first, frameSize), area);
    // How many steps fit below and right of the first window before an edge.
    const int roomX = area.left() + area.width() - frameSize.width() - start.left();
    const int roomY = area.top() + area.height() - frameSize.height() - start.top();
    const int perCascade = std::max(1, std::min(roomX, roomY) / step + 1);
    if (index < perCascade) return start.topLeft() + QPoint(index * step, index * step);
    // Later cascades start at the area's top left.
    const int fromCorner = std::max(
        1, std::min(area.width() - frameSize.width(), area.height() - frameSize.height()) / step + 1);
    const int rest = index - perCascade;
    const int cascade = rest / fromCorner + 1;
    const int n = rest % fromCorner;
    const QRect placed(area.topLeft() + QPoint(cascade * step + n * step, n * step), frameSize);
    return FitFrameToArea(placed, area).topLeft();
}

QRect AvailableAreaFor(const QWidget* window) {
    const QPoint centre = window->frameGeometry().center();
    QScreen* screen = QGuiApplication::screenAt(centre);
    if (screen == nullptr) screen = window->screen();
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry() : QRect();
}

void FitWindowToScreen(QWidget* window) {
    const QMargins margins = FrameMarginsOf(window);
    const QRect frame(window->pos(), window->size().grownBy(margins));
    const QRect fitted = FitFrameToArea(frame, AvailableAreaFor(window));
    if (fitted.size() != frame.size()) window->resize(fitted.size().shrunkBy(margins));
    if (fitted.topLeft() != frame.topLeft()) window->move(fitted.topLeft());
}
