#include "SharedTimer.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>

#include <algorithm>
#include <map>
#include <vector>

// One clock per interval, owned by the application object so it ends with it.
class TSharedClock : public QObject {
public:
    explicit TSharedClock(int interval) : QObject(QCoreApplication::instance()) {
        m_timer.setInterval(interval);
        m_timer.setTimerType(Qt::PreciseTimer);
        connect(&m_timer, &QTimer::timeout, this, &TSharedClock::tick);
    }
    ~TSharedClock() override {
        for (TSharedTimer* t : m_timers)
            if (t) {
                t->m_active = false;
                t->m_clock = nullptr;
            }
    }

    static TSharedClock* forInterval(int interval) {
        static std::map<int, QPointer<TSharedClock>> clocks;
        QPointer<TSharedClock>& clock = clocks[interval];
        if (!clock) clock = new TSharedClock(interval);
        return clock;
    }

    void add(TSharedTimer* t) {
        m_timers.push_back(t);
        if (!m_timer.isActive()) m_timer.start();
    }

    void remove(TSharedTimer* t) {
        const auto it = std::find(m_timers.begin(), m_timers.end(), t);
        if (it == m_timers.end()) return;
        if (m_calling) {
            *it = nullptr; // the tick in progress skips it and tidies up afterwards
            return;
        }
        m_timers.erase(it);
        if (m_timers.empty()) m_timer.stop();
    }

private:
    void tick() {
        m_calling = true;
        const QPointer<TSharedClock> alive(this);
        // Timers started during the tick are behind this count and wait for the next one.
        const size_t n = m_timers.size();
        for (size_t i = 0; i < n; ++i) {
            TSharedTimer* t = m_timers[i];
            if (!t) continue;
            emit t->timeout();
            if (!alive) return; // the application ended inside a handler
        }
        m_calling = false;
        m_timers.erase(std::remove(m_timers.begin(), m_timers.end(), nullptr), m_timers.end());
        if (m_timers.empty()) m_timer.stop();
    }

    QTimer m_timer;
    std::vector<TSharedTimer*> m_timers; // running timers in the order they were started
    bool m_calling = false;
};

TSharedTimer::TSharedTimer(QObject* parent) : QObject(parent) {}

TSharedTimer::~TSharedTimer() {
    stop();
}

void TSharedTimer::setInterval(int ms) {
    m_interval = std::max(0, ms);
}

void TSharedTimer::start() {
    stop();
    if (!QCoreApplication::instance()) return;
    m_clock = TSharedClock::forInterval(m_interval);
    m_clock->add(this);
    m_active = true;
}

void TSharedTimer::stop() {
    if (!m_active) return;
    m_active = false;
    if (m_clock) m_clock->remove(this);
    m_clock = nullptr;
}
