#include "SharedTimer.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>

#include <algorithm>
#include <map>
#include <vector>

// One clock per interval, owned by the application object so it ends with it.
//
// The ticks keep a fixed schedule, one every interval from the start. The program wakes anyway
// for every batch of frames from the adapter and for the window system; when such a wake-up ends
// less than 3/10 of a period before the next tick is due, the clock ticks there and then instead
// of waking the program once more a moment later. A tick may so come up to 3 ms early at 10 ms,
// but the ticks per second, which count out the fade and the auto repeat, stay as they are.
class TSharedClock : public QObject {
public:
    explicit TSharedClock(int interval)
        : QObject(QCoreApplication::instance()), m_interval(interval), m_early(interval * 3 / 10) {
        m_timer.setSingleShot(true);
        m_timer.setTimerType(Qt::PreciseTimer);
        connect(&m_timer, &QTimer::timeout, this, &TSharedClock::tick);
        if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance(thread()))
            connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, &TSharedClock::tickIfDue);
    }
    ~TSharedClock() override {
        for (TSharedTimer* t : m_timers)
            if (t) {
                t->m_active = false;
                t->m_asleep = false;
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
        ++m_awake;
        if (!m_running) {
            m_running = true;
            m_clock.start();
            m_nextDue = m_interval;
            m_ticks = 0;
            m_timer.start(m_interval);
        } else if (m_dozing) {
            resume();
        }
        t->m_lastTick = m_ticks; // its first timeout is the next tick
    }

    void remove(TSharedTimer* t) {
        const auto it = std::find(m_timers.begin(), m_timers.end(), t);
        if (it == m_timers.end()) return;
        if (!t->m_asleep) --m_awake;
        if (m_depth > 0) {
            *it = nullptr; // the tick in progress skips it and tidies up afterwards
            return;
        }
        m_timers.erase(it);
        if (m_timers.empty())
            halt();
        else if (m_awake == 0)
            doze();
    }

    void sleep() {
        --m_awake;
        if (m_awake == 0 && m_depth == 0) doze(); // else when the tick in progress ends
    }

    void wake() {
        ++m_awake;
        if (m_dozing) resume();
    }

private:
    void halt() {
        m_running = false;
        m_dozing = false;
        m_timer.stop();
    }

    // Every timer sleeps: the program is not woken for the clock until one wakes.
    void doze() {
        m_dozing = true;
        m_timer.stop();
    }

    // The ticks due while the clock dozed are counted as if they had come; the next one is due
    // where the schedule puts it.
    void resume() {
        m_dozing = false;
        const qint64 now = m_clock.elapsed();
        if (m_nextDue <= now) {
            const qint64 missed = (now - m_nextDue) / m_interval + 1;
            m_ticks += missed;
            m_nextDue += missed * m_interval;
        }
        m_timer.start(static_cast<int>(m_nextDue - now));
    }

    void tickIfDue() {
        if (m_running && !m_dozing && m_depth == 0 && m_clock.elapsed() >= m_nextDue - m_early) tick();
    }

    // A handler may run an event loop of its own (a modal dialog): the clock goes on ticking the
    // other timers meanwhile, but never calls a timer whose handler is still running.
    void tick() {
        if (!m_running || m_dozing) return;
        // The next tick on the schedule; after a stall the schedule starts afresh rather than
        // making up for the lost ticks in a burst.
        const qint64 now = m_clock.elapsed();
        m_nextDue += m_interval;
        if (m_nextDue <= now) m_nextDue = now + m_interval;
        m_timer.start(static_cast<int>(m_nextDue - now));
        const qint64 tickNumber = ++m_ticks;
        ++m_depth;
        const QPointer<TSharedClock> alive(this);
        // Timers started during the tick are behind this count and wait for the next one. Slots
        // keep their places while any tick runs: a stopped timer's slot is only emptied. A timer
        // woken during the tick is called in it if its turn has not passed.
        const size_t n = m_timers.size();
        for (size_t i = 0; i < n; ++i) {
            TSharedTimer* t = m_timers[i];
            if (!t || t->m_asleep) continue;
            if (t->m_inTimeout) {
                t->m_lastTick = tickNumber; // missed while busy, not while asleep
                continue;
            }
            t->m_inTimeout = true;
            t->m_skipped = tickNumber - t->m_lastTick - 1;
            t->m_lastTick = tickNumber;
            emit t->timeout();
            if (!alive) return;     // the application ended inside a handler
            if (m_timers[i] == t) { // else stopped or gone meanwhile
                t->m_inTimeout = false;
                t->m_skipped = 0;
            }
        }
        if (--m_depth > 0) return;
        m_timers.erase(std::remove(m_timers.begin(), m_timers.end(), nullptr), m_timers.end());
        if (m_timers.empty())
            halt();
        else if (m_awake == 0)
            doze();
    }

    QTimer m_timer;        // wakes the program for the next tick unless a wake-up takes it first
    QElapsedTimer m_clock; // since the clock started
    qint64 m_nextDue = 0;  // ms on m_clock
    const int m_interval;
    const int m_early; // ms before a tick is due in which a wake-up takes it
    bool m_running = false;
    bool m_dozing = false;               // running, but every timer sleeps: m_timer is stopped
    qint64 m_ticks = 0;                  // ticks since the clock started, those it dozed through included
    std::vector<TSharedTimer*> m_timers; // running timers in the order they were started
    int m_awake = 0;                     // of them, those not asleep
    int m_depth = 0;                     // ticks running (more than one inside a handler's event loop)
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
    m_inTimeout = false;
    m_skipped = 0;
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
    m_asleep = false;
}

void TSharedTimer::sleep() {
    if (!m_active || m_asleep || !m_clock) return;
    m_asleep = true;
    m_clock->sleep();
}

void TSharedTimer::wakeUp() {
    m_asleep = false;
    if (m_active && m_clock) m_clock->wake();
}
