#pragma once

// A repeating timer that shares one clock with every other TSharedTimer of the same interval.
// Sixteen device windows and the monitor each keep a 10 ms timer of their own; sharing the clock
// wakes the program once per period instead of once per timer. A timer behaves like a QTimer
// that was started at the clock's last tick: it times out on every tick while it runs. The
// timers of one interval time out in the order they were started, and a timer started or
// stopped while the clock is calling the others waits for the next tick. The clock runs only
// while at least one of its timers runs and is awake.
//
// A timer with nothing to do until something happens may sleep: it stays active, but the clock
// does not call it, and while every timer of a clock sleeps the clock does not wake the program at
// all. wake() lets it time out again from the clock's next tick. The clock keeps its schedule while
// it sleeps, so the ticks go on where they would have been, and the ticks a timer slept through
// are counted: skippedTicks(), read in its timeout handler, tells how many there were since its
// last timeout. A handler that counts ticks (a countdown) can so count as if it had been called.

#include <QObject>

class TSharedClock;

class TSharedTimer : public QObject {
    Q_OBJECT
public:
    explicit TSharedTimer(QObject* parent = nullptr);
    ~TSharedTimer() override;

    // A new interval takes effect at the next start(); a running timer keeps its clock.
    void setInterval(int ms);
    [[nodiscard]] int interval() const { return m_interval; }
    void start();
    void stop();
    [[nodiscard]] bool isActive() const { return m_active; }

    // Only an active timer sleeps; starting or stopping it ends its sleep. wake() costs nothing
    // while the timer is awake (or not active), so it may be called for every event that could
    // give the timer work.
    void sleep();
    void wake() {
        if (m_asleep) wakeUp();
    }
    [[nodiscard]] bool isAsleep() const { return m_asleep; }
    // In the timeout handler: the ticks the timer slept through since its last timeout; 0 elsewhere.
    [[nodiscard]] qint64 skippedTicks() const { return m_skipped; }

signals:
    void timeout();

private:
    friend class TSharedClock;
    void wakeUp();
    int m_interval = 0;
    bool m_active = false;
    bool m_asleep = false;
    bool m_inTimeout = false;        // its handler is running
    qint64 m_lastTick = 0;           // the clock's tick of its last timeout (or of its start)
    qint64 m_skipped = 0;            // while its handler runs: the ticks it slept through before
    TSharedClock* m_clock = nullptr; // the clock this timer runs on while active
};
