#pragma once

// A single-shot deadline of any length: QTimer holds at most 2^31 ms (about 24.8 days), so a
// longer wait is counted down in steps of at most an hour against a 64-bit monotonic deadline.

#include <QDeadlineTimer>
#include <QObject>
#include <QTimer>

class TCliDeadline : public QObject {
    Q_OBJECT
public:
    explicit TCliDeadline(QObject* parent = nullptr);

    // Fires timeout() once, `seconds` from now (rounded to milliseconds).
    void start(double seconds);
    void stop();
    [[nodiscard]] bool isActive() const { return m_step.isActive(); }

signals:
    void timeout();

private:
    void arm();

    QDeadlineTimer m_deadline;
    QTimer m_step;
};
