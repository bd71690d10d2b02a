#include "WindowOcclusion.h"

#include <QGuiApplication>
#include <QTimer>

#include <algorithm>
#include <utility>

#ifdef QUORVEX_HAVE_XCB
#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>
#include <string>

namespace {
xcb_connection_t* x11Connection() {
    auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}
// xcb hands out its replies in memory of malloc.
template <class T>
std::unique_ptr<T, decltype(&std::free)> owned(T* reply) {
    return {reply, &std::free};
}
} // namespace
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

void TWindowOcclusion::watchVisiblePart(QWidget* widget, std::function<void(const QRegion&)> onChange) {
#ifdef QUORVEX_HAVE_XCB
    if (!widget || !supported()) return;
    TWindowOcclusion* self = instance();
    if (!self || !x11Connection()) return;
    (void)widget->window()->winId();
    const auto it = std::find_if(self->m_parts.begin(), self->m_parts.end(),
                                 [widget](const Part& p) { return p.widget == widget; });
    if (it != self->m_parts.end()) {
        it->onChange = std::move(onChange);
    } else {
        self->m_parts.push_back({widget, std::move(onChange), widget->rect()});
        connect(widget, &QObject::destroyed, self, [self] {
            std::erase_if(self->m_parts, [](const Part& p) { return !p.widget; });
        });
    }
    self->queueRecount();
#else
    (void)widget;
    (void)onChange;
#endif
}

QRegion TWindowOcclusion::visiblePart(const QWidget* widget) {
    if (!widget) return {};
    const TWindowOcclusion* self = supported() ? instance() : nullptr;
    return self ? self->partOf(widget) : QRegion(widget->rect());
}

QRegion TWindowOcclusion::partOf(const QWidget* widget) const {
    const QWidget* top = widget->window();
    const auto it = m_inView.find(static_cast<uint32_t>(top->internalWinId()));
    // Pixels of the screen are pixels of the widget only at a ratio of 1; else nothing is known.
    if (it == m_inView.end() || top->devicePixelRatio() != 1.0) return widget->rect();
    return it->second.translated(-widget->mapTo(top, QPoint(0, 0))) & widget->rect();
}

void TWindowOcclusion::tellParts(uint32_t nativeWindow) {
    for (size_t i = 0; i < m_parts.size(); ++i) {
        Part& p = m_parts[i];
        if (!p.widget || static_cast<uint32_t>(p.widget->window()->internalWinId()) != nativeWindow) continue;
        QRegion part = partOf(p.widget);
        if (part == p.told) continue;
        p.told = part;
        if (p.onChange) p.onChange(part);
    }
}

void TWindowOcclusion::exposed(uint32_t nativeWindow, const QRect& area) {
    const auto it = m_inView.find(nativeWindow);
    if (it == m_inView.end()) return;
    // Told before the program draws the area, so what changed there meanwhile is drawn with it.
    it->second |= area;
    tellParts(nativeWindow);
    queueRecount();
}

void TWindowOcclusion::queueRecount() {
    if (m_recountQueued) return;
    m_recountQueued = true;
    QTimer::singleShot(0, this, [this] { recount(); });
}

// The part in view of a window is its rectangle on the screen less every mapped window stacked
// above it (above the window of the screen that holds it: with a window manager, its frame).
// Shapes of windows are not asked for: a shaped window above counts as its whole rectangle.
void TWindowOcclusion::recount() {
    m_recountQueued = false;
#ifdef QUORVEX_HAVE_XCB
    xcb_connection_t* c = x11Connection();
    if (!c) return;
    std::vector<uint32_t> windows;
    for (const Part& p : m_parts)
        if (p.widget && p.widget->window()->isVisible() && p.widget->window()->internalWinId()) {
            const auto id = static_cast<uint32_t>(p.widget->window()->internalWinId());
            if (std::find(windows.begin(), windows.end(), id) == windows.end()) windows.push_back(id);
        }
    const std::unordered_map<uint32_t, QRegion> before = std::exchange(m_inView, {});
    struct Placed {
        uint32_t id = 0;
        uint32_t top = 0; // the child of the screen's window it lies in
        QRect rect;       // on the screen
        bool mapped = false;
    };
    std::vector<Placed> placed;
    uint32_t root = 0;
    // One round of requests for all windows, then the replies.
    std::vector<xcb_query_tree_cookie_t> trees;
    std::vector<xcb_get_geometry_cookie_t> geometries;
    std::vector<xcb_translate_coordinates_cookie_t> origins;
    std::vector<xcb_get_window_attributes_cookie_t> attributes;
    for (uint32_t w : windows) {
        trees.push_back(xcb_query_tree(c, w));
        geometries.push_back(xcb_get_geometry(c, w));
        attributes.push_back(xcb_get_window_attributes(c, w));
    }
    for (size_t i = 0; i < windows.size(); ++i) {
        auto tree = owned(xcb_query_tree_reply(c, trees[i], nullptr));
        auto geometry = owned(xcb_get_geometry_reply(c, geometries[i], nullptr));
        auto attr = owned(xcb_get_window_attributes_reply(c, attributes[i], nullptr));
        if (!tree || !geometry || !attr) continue;
        root = tree->root;
        origins.push_back(xcb_translate_coordinates(c, windows[i], root, 0, 0));
        Placed p;
        p.id = windows[i];
        p.top = tree->parent == root ? windows[i] : tree->parent;
        p.rect = QRect(0, 0, geometry->width, geometry->height);
        p.mapped = attr->map_state == XCB_MAP_STATE_VIEWABLE;
        placed.push_back(p);
    }
    if (!root) return;
    for (size_t i = 0; i < placed.size(); ++i) {
        auto origin = owned(xcb_translate_coordinates_reply(c, origins[i], nullptr));
        if (origin) placed[i].rect.moveTo(origin->dst_x, origin->dst_y);
        // A window manager's frame, or frames, around the window.
        for (int depth = 0; depth < 8 && placed[i].top != placed[i].id; ++depth) {
            auto up = owned(xcb_query_tree_reply(c, xcb_query_tree(c, placed[i].top), nullptr));
            if (!up || up->parent == root) break;
            placed[i].top = up->parent;
        }
    }
    if (!m_rootWatched) {
        // Changes of the screen's windows come here from now on.
        auto attr = owned(xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, root), nullptr));
        if (!attr) return;
        m_rootOurs = !(attr->your_event_mask & XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY);
        const uint32_t mask = attr->your_event_mask | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
        m_root = root;
        m_rootWatched = true;
    }
    // A compositing manager draws windows where it likes: nothing is known then.
    int screen = 0;
    for (auto it = xcb_setup_roots_iterator(xcb_get_setup(c)); it.rem && it.data->root != root; xcb_screen_next(&it))
        ++screen;
    const std::string selection = "_NET_WM_CM_S" + std::to_string(screen);
    auto atom = owned(xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, static_cast<uint16_t>(selection.size()), selection.c_str()), nullptr));
    auto owner = atom ? owned(xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, atom->atom), nullptr))
                      : owned<xcb_get_selection_owner_reply_t>(nullptr);
    auto rootGeometry = owned(xcb_get_geometry_reply(c, xcb_get_geometry(c, root), nullptr));
    auto rootTree = owned(xcb_query_tree_reply(c, xcb_query_tree(c, root), nullptr));
    if (owner && owner->owner == XCB_NONE && rootGeometry && rootTree) {
        const xcb_window_t* kids = xcb_query_tree_children(rootTree.get());
        const int count = xcb_query_tree_children_length(rootTree.get());
        const auto indexOf = [&](uint32_t w) { return static_cast<int>(std::find(kids, kids + count, w) - kids); };
        int lowest = count;
        for (const Placed& p : placed)
            lowest = std::min(lowest, indexOf(p.top));
        // The windows stacked above the lowest of ours (children come bottom first).
        std::vector<xcb_get_geometry_cookie_t> kidGeometry;
        std::vector<xcb_get_window_attributes_cookie_t> kidAttributes;
        for (int k = lowest + 1; k < count; ++k) {
            kidGeometry.push_back(xcb_get_geometry(c, kids[k]));
            kidAttributes.push_back(xcb_get_window_attributes(c, kids[k]));
        }
        std::vector<QRect> covers(static_cast<size_t>(std::max(0, count - lowest - 1)));
        for (size_t k = 0; k < covers.size(); ++k) {
            auto g = owned(xcb_get_geometry_reply(c, kidGeometry[k], nullptr));
            auto a = owned(xcb_get_window_attributes_reply(c, kidAttributes[k], nullptr));
            if (g && a && a->map_state == XCB_MAP_STATE_VIEWABLE && a->_class == XCB_WINDOW_CLASS_INPUT_OUTPUT)
                covers[k] = QRect(g->x, g->y, g->width + 2 * g->border_width, g->height + 2 * g->border_width);
        }
        const QRect screenRect(0, 0, rootGeometry->width, rootGeometry->height);
        for (const Placed& p : placed) {
            const int at = indexOf(p.top);
            if (at >= count) continue; // not known among the screen's windows: nothing is known
            QRegion inView = p.mapped ? QRegion(p.rect & screenRect) : QRegion();
            for (int k = at + 1; k < count && !inView.isEmpty(); ++k)
                if (!covers[static_cast<size_t>(k - lowest - 1)].isEmpty())
                    inView -= covers[static_cast<size_t>(k - lowest - 1)];
            m_inView[p.id] = inView.translated(-p.rect.topLeft());
        }
    }
    // Tell every window whose part changed, also one now unknown (the whole of it then).
    for (const auto& [id, region] : before)
        if (!m_inView.count(id)) tellParts(id);
    for (const auto& [id, region] : m_inView)
        if (const auto it = before.find(id); it == before.end() || it->second != region) tellParts(id);
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
    if ((m_windows.empty() && m_parts.empty()) || eventType != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    switch (event->response_type & 0x7F) {
    case XCB_VISIBILITY_NOTIFY: {
        const auto* v = static_cast<const xcb_visibility_notify_event_t*>(message);
        report(v->window, v->state == XCB_VISIBILITY_FULLY_OBSCURED);
        break;
    }
    case XCB_EXPOSE: {
        // Whatever the server asks to be drawn can be seen.
        const auto* e = static_cast<const xcb_expose_event_t*>(message);
        report(e->window, false);
        exposed(e->window, QRect(e->x, e->y, e->width, e->height));
        break;
    }
    case XCB_CREATE_NOTIFY:
    case XCB_DESTROY_NOTIFY:
    case XCB_UNMAP_NOTIFY:
    case XCB_MAP_NOTIFY:
    case XCB_REPARENT_NOTIFY:
    case XCB_CONFIGURE_NOTIFY:
    case XCB_GRAVITY_NOTIFY:
    case XCB_CIRCULATE_NOTIFY: {
        if (m_parts.empty()) break;
        queueRecount();
        // All of these start with the window told and the window changed. Those told to the
        // screen's window came only because they were asked for here: Qt never sees them.
        const auto* n = static_cast<const xcb_map_notify_event_t*>(message);
        if (m_rootOurs && n->event == m_root && n->window != m_root) return true;
        break;
    }
    default:
        break;
    }
#else
    (void)eventType;
    (void)message;
#endif
    return false;
}
