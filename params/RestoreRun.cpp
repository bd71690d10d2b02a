#include "RestoreRun.h"

#include "session/DeviceSession.h"

const char* RestoreResultName(TRestoreResult result) {
    switch (result) {
    case TRestoreResult::Confirmed:
        return "confirmed";
    case TRestoreResult::Mismatch:
        return "mismatch";
    case TRestoreResult::NotSeen:
        return "not-seen";
    case TRestoreResult::SkippedReadOnly:
        return "skipped-ro";
    case TRestoreResult::Unchanged:
        return "unchanged";
    case TRestoreResult::Written:
        return "written";
    case TRestoreResult::NotSent:
        break;
    }
    return "not-sent";
}

TRestoreRun::TRestoreRun(TDeviceSession& session, TRestorePlan plan, bool verify, int verifyTimeoutMs, QObject* parent)
    : QObject(parent), m_session(session), m_plan(std::move(plan)), m_verify(verify),
      m_verifyTimeoutMs(verifyTimeoutMs) {
    for (const TRestoreItem& item : m_plan.items()) {
        TRestoreOutcome o;
        o.Register = item.Register;
        o.Name = item.Name;
        o.Raw = item.Raw;
        o.Result = item.Action == TRestoreAction::SkippedReadOnly ? TRestoreResult::SkippedReadOnly
                   : item.Action == TRestoreAction::Unchanged     ? TRestoreResult::Unchanged
                                                                  : TRestoreResult::NotSent;
        m_outcomes << o;
        m_writtenAt << 0;
    }
    m_pace.setInterval(TRestorePlan::PaceMs);
    m_pace.setTimerType(Qt::PreciseTimer);
    connect(&m_pace, &QTimer::timeout, this, &TRestoreRun::sendNext);
    m_poll.setInterval(10);
    connect(&m_poll, &QTimer::timeout, this, [this] { checkReports(false); });
}

void TRestoreRun::start() {
    if (m_running) return;
    m_running = true;
    if (framesTotal() == 0) return finish();
    sendNext();
    if (m_running && m_next < framesTotal()) m_pace.start();
}

void TRestoreRun::abort(bool verifySent) {
    if (!m_running) return;
    m_aborted = true;
    m_pace.stop();
    if (!verifySent) {
        finish();
    } else if (!m_verifying) {
        // What was sent is verified as asked; nothing more goes out.
        if (m_verify && m_next > 0) {
            m_verifying = true;
            m_verifyClock.start();
            m_poll.start();
            checkReports(false);
        } else {
            finish();
        }
    }
}

void TRestoreRun::sendNext() {
    if (m_aborted || m_next >= framesTotal()) return;
    const TRestoreWrite& w = m_plan.writes().at(m_next);
    const TDeviceMessage request = TDeviceSession::writeRequest(w.Address, w.Count, w.Values, true);
    const uint64_t before = m_session.reports();
    if (m_session.write(request).failed()) ++m_refused;
    for (int i = 0; i < w.Count; ++i)
        for (qsizetype k = 0; k < m_outcomes.size(); ++k)
            if (m_outcomes[k].Register == w.Address + i) {
                m_outcomes[k].Result = TRestoreResult::Written;
                m_writtenAt[k] = before;
            }
    ++m_next;
    emit progress(m_next, framesTotal());
    if (m_next < framesTotal()) return;
    m_pace.stop();
    if (!m_verify) {
        finish();
        return;
    }
    m_verifying = true;
    m_verifyClock.start();
    m_poll.start();
    checkReports(false);
}

void TRestoreRun::checkReports(bool deadline) {
    if (!m_verifying) return;
    if (!deadline && m_verifyClock.elapsed() >= m_verifyTimeoutMs) deadline = true;
    bool waiting = false;
    for (qsizetype k = 0; k < m_outcomes.size(); ++k) {
        TRestoreOutcome& o = m_outcomes[k];
        if (o.Result != TRestoreResult::Written && o.Result != TRestoreResult::Mismatch &&
            o.Result != TRestoreResult::NotSeen)
            continue;
        const bool seen = m_session.reportedAt(o.Register) > m_writtenAt[k];
        if (seen) o.Reported = m_session.reportedValue(o.Register);
        if (seen && *o.Reported == o.Raw) {
            o.Result = TRestoreResult::Confirmed;
            continue;
        }
        // Keep waiting: a report that left the device before it took the write may come first.
        o.Result = seen ? TRestoreResult::Mismatch : TRestoreResult::NotSeen;
        waiting = true;
    }
    if (!waiting || deadline) finish();
}

void TRestoreRun::finish() {
    if (!m_running) return;
    m_running = false;
    m_verifying = false;
    m_pace.stop();
    m_poll.stop();
    if (!m_verify)
        for (TRestoreOutcome& o : m_outcomes)
            if (o.Result == TRestoreResult::Mismatch || o.Result == TRestoreResult::NotSeen)
                o.Result = TRestoreResult::Written;
    emit finished();
}

bool TRestoreRun::failed() const {
    return !failedRegisters().isEmpty();
}

QList<int> TRestoreRun::failedRegisters() const {
    QList<int> out;
    for (const TRestoreOutcome& o : m_outcomes)
        if (o.Result == TRestoreResult::Mismatch || o.Result == TRestoreResult::NotSeen ||
            o.Result == TRestoreResult::NotSent)
            out << o.Register;
    return out;
}
