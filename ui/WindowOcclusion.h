#pragma once

// Whether, and which part of, a top-level window can be seen. On an X11 display without a
// compositing manager the server tells each window when it becomes fully covered by others and
// when part of it comes into view again; a covered window need not draw what changes, because
// nobody sees it and it is drawn as soon as it is uncovered. Where that is not known (Wayland, a
// compositing manager, the offscreen platform) every shown window counts as seen and is never
// reported as covered.
//
// The part in view is worked out from the server's stacking of the screen's top-level windows
// whenever one of them is mapped, moved, resized or restacked; a part that comes into view is
// added as soon as the server asks for it to be drawn, before the program draws it.

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <QPointer>
#include <QRegion>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <unordered_map>
#include <vector>

class TWindowOcclusion : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT
public:
    // Calls onChange(true) when window is fully covered and onChange(false) when part of it can be
    // seen again. Call it each time the window is shown, before it appears on the screen (from
    // showEvent); the watch ends with the window. A later call replaces the callback.
    // A child widget can be watched too if it has a window of its own (Qt::WA_NativeWindow, set
    // before its window is first shown): the server then tells whether it is covered.
    static void watch(QWidget* window, std::function<void(bool covered)> onChange);
    // Calls onChange with the part of widget (any widget of a window) that can be seen, in the
    // widget's coordinates, each time that part may have changed; never where it is not known.
    // Call it when the widget is shown; the watch ends with the widget, a later call replaces it.
    static void watchVisiblePart(QWidget* widget, std::function<void(const QRegion& visible)> onChange);
    // The part of widget known to be in view now; its whole rectangle where that is not known.
    [[nodiscard]] static QRegion visiblePart(const QWidget* widget);
    // Whether covered windows are told so here (X11); elsewhere a native child is not worth it.
    [[nodiscard]] static bool supported();

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    explicit TWindowOcclusion(QObject* parent) : QObject(parent) {}
    static TWindowOcclusion* instance();
    void report(uint32_t nativeWindow, bool covered);
    // The parts in view of the windows with watched parts, from the server's stacking.
    void queueRecount();
    void recount();
    void exposed(uint32_t nativeWindow, const QRect& area);
    void tellParts(uint32_t nativeWindow);
    [[nodiscard]] QRegion partOf(const QWidget* widget) const;

    struct Watched {
        QPointer<QWidget> window;
        std::function<void(bool)> onChange;
        bool covered = false;
    };
    std::unordered_map<uint32_t, Watched> m_windows; // by X11 window id

    struct Part {
        QPointer<QWidget> widget;
        std::function<void(const QRegion&)> onChange;
        QRegion told; // what onChange was last told
    };
    std::vector<Part> m_parts;
    // The part in view of each window with watched parts (device pixels, window coordinates).
    std::unordered_map<uint32_t, QRegion> m_inView;
    bool m_recountQueued = false;
    bool m_rootWatched = false; // the screen's window changes come here
    bool m_rootOurs = false;    // and only because they were asked for here
    uint32_t m_root = 0;
};
