#pragma once

// Whether any part of a top-level window can be seen. On an X11 display without a compositing
// manager the server tells each window when it becomes fully covered by others and when part of
// it comes into view again; a covered window need not draw what changes, because nobody sees it
// and it is drawn as soon as it is uncovered. Where that is not known (Wayland, a compositing
// manager, the offscreen platform) every shown window counts as seen and is never reported as
// covered.

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <unordered_map>

class TWindowOcclusion : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT
public:
    // Calls onChange(true) when window is fully covered and onChange(false) when part of it can be
    // seen again. Call it each time the window is shown, before it appears on the screen (from
    // showEvent); the watch ends with the window. A later call replaces the callback.
    // A child widget can be watched too if it has a window of its own (Qt::WA_NativeWindow, set
    // before its window is first shown): the server then tells whether it is covered.
    static void watch(QWidget* window, std::function<void(bool covered)> onChange);
    // Whether covered windows are told so here (X11); elsewhere a native child is not worth it.
    [[nodiscard]] static bool supported();

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    explicit TWindowOcclusion(QObject* parent) : QObject(parent) {}
    static TWindowOcclusion* instance();
    void report(uint32_t nativeWindow, bool covered);

    struct Watched {
        QPointer<QWidget> window;
        std::function<void(bool)> onChange;
        bool covered = false;
    };
    std::unordered_map<uint32_t, Watched> m_windows; // by X11 window id
};
