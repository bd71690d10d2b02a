#include "TraceReplayControl.h"

#include "core/FileCheck.h"

#include <QDir>

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
        text = QStringLiteral("trace finished: %1 frames").arg(s.frames);
    else if (s.playing)
        text = QStringLiteral("%1 frames played (%2 %)%3")
                   .arg(s.frames)
                   .arg(s.size > 0 ? 100 * s.bytesRead / s.size : 100)
                   .arg(m_paused ? QStringLiteral(", paused") : QString());
    else
        text = QStringLiteral("Turn the CAN switch on to play the trace.");
    if (s.badLines > 0)
        text += QStringLiteral("\n%1 lines could not be read and were skipped.").arg(s.badLines);
    if (s.canFdLines > 0)
        text += QStringLiteral("\n%1 CAN FD frames were skipped (not played).").arg(s.canFdLines);
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
