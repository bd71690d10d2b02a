#include "TraceReplayControl.h"

#include "core/FileCheck.h"

#include <QDir>

namespace {

// The count that chooses a plural form: the count itself, or one with its last six digits (which
// decide the form) where it does not fit an int.
int pluralOf(uint64_t n) {
    return n <= 1'000'000 ? static_cast<int>(n) : static_cast<int>(n % 1'000'000) + 1'000'000;
}

} // namespace

TraceReplayControl& TraceReplayControl::instance() {
    static TraceReplayControl control;
    return control;
}

void TraceReplayControl::setSpeed(Speed speed) {
    if (m_speed == speed) return;
    m_speed = speed;
    emit changed();
}

void TraceReplayControl::setPaused(bool paused) {
    if (m_paused == paused) return;
    m_paused = paused;
    emit changed();
}

int TraceReplayControl::factor(Speed speed) {
    switch (speed) {
    case Speed::RealTime:
        return 1;
    case Speed::Ten:
        return 10;
    case Speed::Max:
        break;
    }
    return 0;
}

void TraceReplayControl::report(const Status& status) {
    const bool news = status.path != m_status.path || status.playing != m_status.playing ||
                      status.finished != m_status.finished || status.error != m_status.error;
    m_status = status;
    if (news) emit changed();
}

QString TraceReplayControl::statusText() const {
    const Status& s = m_status;
    QString text;
    if (!s.error.isEmpty())
        text = s.error;
    else if (s.finished)
        text = tr("trace finished: %1 frames", nullptr, pluralOf(s.frames)).arg(s.frames);
    else if (s.playing)
        text = (m_paused ? tr("%1 frames played (%2 %), paused", nullptr, pluralOf(s.frames))
                         : tr("%1 frames played (%2 %)", nullptr, pluralOf(s.frames)))
                   .arg(s.frames)
                   .arg(s.size > 0 ? 100 * s.bytesRead / s.size : 100);
    else
        text = tr("Turn the CAN switch on to play the trace.");
    if (s.badLines > 0)
        text +=
            QLatin1Char('\n') +
            tr("%1 lines could not be read and were skipped.", nullptr, pluralOf(s.badLines)).arg(s.badLines);
    if (s.canFdLines > 0)
        text += QLatin1Char('\n') +
                tr("%1 CAN FD frames were skipped (not played).", nullptr, pluralOf(s.canFdLines))
                    .arg(s.canFdLines);
    return text;
}

void TraceReplayControl::recordingStarted(const QString& path) {
    m_recordings.append(path);
}

void TraceReplayControl::recordingStopped(const QString& path) {
    m_recordings.removeOne(path);
}

QString TraceReplayControl::recordingOf(const QString& path) const {
    for (const QString& recording : m_recordings)
        if (FileCheck::sameFile(recording, path)) return recording;
    return {};
}

bool TraceReplayControl::isPlaying(const QString& path) const {
    return m_status.playing && FileCheck::sameFile(m_status.path, path);
}
