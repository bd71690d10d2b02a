#include "WindowOcclusion.h"

#include <QGuiApplication>

#ifdef QUORVEX_HAVE_XCB
#include <xcb/xcb.h>

#include <cstdlib>
#endif

TWindowOcclusion* TWindowOcclusion::instance() {
    static QPointer<TWindowOcclusion> self;
    if (!self && qApp) {
        self = new TWindowOcclusion(qApp);
        qApp->installNativeEventFilter(self);
    }
    return self;
}

bool TWindowOcclusion::supported() {
#ifdef QUORVEX_HAVE_XCB
    return QGuiApplication::platformName() == QLatin1String("xcb");
#else
    return false;
#endif
}

void TWindowOcclusion::watch(QWidget* window, std::function<void(bool covered)> onChange) {
#ifdef QUORVEX_HAVE_XCB
    if (!window || !supported()) return;
    auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    TWindowOcclusion* self = instance();
    if (!connection || !self) return;
    const auto id = static_cast<xcb_window_t>(window->winId());
    // Ask for visibility changes in addition to what the window already receives.
    xcb_get_window_attributes_reply_t* attributes =
        xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, id), nullptr);
    if (!attributes) return;
    const uint32_t mask = attributes->your_event_mask | XCB_EVENT_MASK_VISIBILITY_CHANGE;
    std::free(attributes);
    xcb_change_window_attributes(connection, id, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);

    Watched& w = self->m_windows[id];
    const bool known = w.window == window;
    w.window = window;
    w.onChange = std::move(onChange);
    if (!known) {
        w.covered = false;
        connect(window, &QObject::destroyed, self, [self, id] { self->m_windows.erase(id); });
    }
#else
    (void)window;
    (void)onChange;
#endif
}

void TWindowOcclusion::report(uint32_t nativeWindow, bool covered) {
    const auto it = m_windows.find(nativeWindow);
    if (it == m_windows.end() || !it->second.window) return;
    Watched& w = it->second;
    if (w.covered == covered) return;
    w.covered = covered;
    if (w.onChange) w.onChange(covered);
}

bool TWindowOcclusion::nativeEventFilter(const QByteArray& eventType, void* message, qintptr* /*result*/) {
#ifdef QUORVEX_HAVE_XCB
    if (m_windows.empty() || eventType != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    switch (event->response_type & 0x7F) {
    case XCB_VISIBILITY_NOTIFY: {
        const auto* v = static_cast<const xcb_visibility_notify_event_t*>(message);
        report(v->window, v->state == XCB_VISIBILITY_FULLY_OBSCURED);
        break;
    }
    case XCB_EXPOSE:
        // Whatever the server asks to be drawn can be seen.
        report(static_cast<const xcb_expose_event_t*>(message)->window, false);
        break;
    default:
        break;
    }
#else
    (void)eventType;
    (void)message;
#endif
    return false;
}
