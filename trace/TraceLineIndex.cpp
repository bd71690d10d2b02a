#include "TraceLineIndex.h"

#include "CandumpFormat.h"
#include "TraceLineScan.h"

#include "core/FileCheck.h"

#include <QDir>
#include <QFile>

bool TraceLineIndex::build(const QString& path, TraceFileReader::Format format,
                           const std::atomic<bool>& cancel) {
    QFile file;
    QString why;
    const auto fail = [&](const QString& text) {
        std::lock_guard lock(m_mutex);
        m_error = text;
        return false;
    };
    if (!FileCheck::openRegular(file, path, &why))
        return fail(tr("%1 cannot be read: %2.").arg(QDir::toNativeSeparators(path), why));

    const bool asc = format == TraceFileReader::Format::Asc;
    AscReader reader;
    qint64 lines = 0;
    qint64 pendingTime = -1; // the checkpoint whose first frame is still looked for
    TraceLineScan scan;
    scan.MaxLength = TraceFileReader::MaxLineLength;
    scan.Bytes = &m_bytes;
    scan.Take = [&](qint64 offset, QByteArrayView line, bool cut) {
        if (lines % Step == 0) {
            Checkpoint c;
            c.Offset = offset;
            c.Asc = reader;
            std::lock_guard lock(m_mutex);
            m_points.push_back(c);
            pendingTime = static_cast<qint64>(m_points.size()) - 1;
        }
        // Candump lines are read only for the checkpoints' times; ASC lines all, for the reader's
        // state (number base, relative times).
        if (asc || pendingTime >= 0) {
            TraceFrame frame;
            const TraceLineResult r = cut   ? TraceLineResult::Bad
                                      : asc ? reader.parseLine(WithoutCr(line), frame)
                                            : ParseCandumpLine(WithoutCr(line), frame);
            if (r == TraceLineResult::Frame && pendingTime >= 0) {
                std::lock_guard lock(m_mutex);
                m_points[static_cast<size_t>(pendingTime)].FirstTimeUs = frame.timeUs;
                pendingTime = -1;
            }
        }
        ++lines;
        if ((lines & 0xFFFF) == 0) m_lines.store(lines, std::memory_order_release);
    };
    QString error;
    const bool done = scan.run(file, cancel, &error);
    m_lines.store(lines, std::memory_order_release);
    if (!done)
        return fail(error.isEmpty()
                        ? tr("cancelled")
                        : tr("%1 cannot be read on: %2.").arg(QDir::toNativeSeparators(path), error));
    m_finished.store(true, std::memory_order_release);
    return true;
}

QString TraceLineIndex::errorString() const {
    std::lock_guard lock(m_mutex);
    return m_error;
}

TraceLineIndex::Checkpoint TraceLineIndex::checkpoint(qint64 k) const {
    std::lock_guard lock(m_mutex);
    if (k < 0 || k >= static_cast<qint64>(m_points.size())) return {};
    return m_points[static_cast<size_t>(k)];
}

qint64 TraceLineIndex::checkpoints() const {
    std::lock_guard lock(m_mutex);
    return static_cast<qint64>(m_points.size());
}

qint64 TraceLineIndex::checkpointAt(int64_t timeUs) const {
    std::lock_guard lock(m_mutex);
    // Frame times grow along the file (a trace is written in time order); checkpoints without a
    // frame take the time of the one before.
    qint64 best = 0;
    qint64 lo = 0;
    qint64 hi = static_cast<qint64>(m_points.size()) - 1;
    while (lo <= hi) {
        qint64 mid = (lo + hi) / 2;
        qint64 probe = mid;
        while (probe >= lo && m_points[static_cast<size_t>(probe)].FirstTimeUs == NoTime)
            --probe;
        if (probe < lo) {
            lo = mid + 1;
            continue;
        }
        if (m_points[static_cast<size_t>(probe)].FirstTimeUs <= timeUs) {
            best = probe;
            lo = mid + 1;
        } else {
            hi = probe - 1;
        }
    }
    return best;
}
