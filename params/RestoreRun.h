#pragma once

// A restore at work: the writes of a plan sent to a device session one after the other, at least
// TRestorePlan::PaceMs apart, each framed as the device window's SET towards the device and echoed
// into the session's image as SET echoes. Abort stops before the next write. With verification,
// the device's own reports are then awaited: each written register ends confirmed (the device
// reports the value written), mismatch (it reports another value), or not-seen (no report after
// the write before the time-out).

#include "RestorePlan.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QTimer>

#include <optional>

class TDeviceSession;

enum class TRestoreResult : uint8_t { Confirmed, Mismatch, NotSeen, SkippedReadOnly, Unchanged, Written, NotSent };

[[nodiscard]] const char* RestoreResultName(TRestoreResult result); // "confirmed", "mismatch", "not-seen", ...

struct TRestoreOutcome {
    int Register = -1;
    QString Name;
    uint16_t Raw = 0;                  // the value of the set
    std::optional<uint16_t> Reported;  // what the device reported after the write
    TRestoreResult Result = TRestoreResult::NotSent;
};

class TRestoreRun : public QObject {
    Q_OBJECT
public:
    TRestoreRun(TDeviceSession& session, TRestorePlan plan, bool verify, int verifyTimeoutMs,
                QObject* parent = nullptr);

    // Sends the first write at once, the others paced; finished() comes at the end (at once, from
    // inside start(), when the plan has nothing to write).
    void start();
    // No further write is sent; what was sent is reported (and verified, when asked for and
    // `verifySent`: not when the adapter has gone, where no report can come).
    void abort(bool verifySent = true);

    [[nodiscard]] bool aborted() const { return m_aborted; }
    [[nodiscard]] bool running() const { return m_running; }
    [[nodiscard]] int framesSent() const { return m_next; }
    [[nodiscard]] int framesTotal() const { return static_cast<int>(m_plan.writes().size()); }
    // Writes the adapter refused (they count as sent; verification tells what the device has).
    [[nodiscard]] int framesRefused() const { return m_refused; }
    [[nodiscard]] const TRestorePlan& plan() const { return m_plan; }
    // One per register of the plan, in register order (complete once finished).
    [[nodiscard]] const QList<TRestoreOutcome>& outcomes() const { return m_outcomes; }
    // Confirmed, skipped and unchanged registers are fine; anything else failed.
    [[nodiscard]] bool failed() const;
    [[nodiscard]] QList<int> failedRegisters() const;

signals:
    void progress(int sent, int total);
    void finished();

private:
    void sendNext();
    void checkReports(bool deadline);
    void finish();

    TDeviceSession& m_session;
    TRestorePlan m_plan;
    bool m_verify;
    int m_verifyTimeoutMs;
    QList<TRestoreOutcome> m_outcomes;
    QList<uint64_t> m_writtenAt; // per outcome: the session's report count when its write went out
    int m_next = 0;
    int m_refused = 0;
    bool m_running = false;
    bool m_aborted = false;
    bool m_verifying = false;
    QTimer m_pace;
    QTimer m_poll;
    QElapsedTimer m_verifyClock;
};
