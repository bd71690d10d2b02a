#pragma once

// A repeating timer that shares one clock with every other TSharedTimer of the same interval.
// Sixteen device windows and the monitor each keep a 10 ms timer of their own; sharing the clock
// wakes the program once per period instead of once per timer. A timer behaves like a QTimer
// that was started at the clock's last tick: it times out on every tick while it runs. The
// timers of one interval time out in the order they were started, and a timer started or
// stopped while the clock is calling the others waits for the next tick. The clock runs only
// while at least one of its timers runs.

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

signals:
    void timeout();

private:
    friend class TSharedClock;
    int m_interval = 0;
    bool m_active = false;
    bool m_inTimeout = false;        // its handler is running
    TSharedClock* m_clock = nullptr; // the clock this timer runs on while active
};
