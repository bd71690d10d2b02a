#pragma once

// Where the lines of a trace file start, without holding the file: the offset of every Step-th
// line (a checkpoint), with what a reader needs to read on from there (the ASC reader's state) and
// the time of the first frame from there on. build() scans the file once, in any thread; other
// threads read the checkpoints made so far while it runs. Lines end at '\n' (a "\r\n" line end
// leaves its '\r' to the reader); a last line without its line end is a line; a line of any
// length is one line.

#include "AscFormat.h"
#include "TraceFileReader.h"

#include <QCoreApplication>
#include <QString>

#include <atomic>
#include <cstdint>
#include <mutex>
#include <vector>

// The line without a '\r' before its end.
[[nodiscard]] inline QByteArrayView WithoutCr(QByteArrayView line) {
    return !line.isEmpty() && line.back() == '\r' ? line.chopped(1) : line;
}

class TraceLineIndex {
    Q_DECLARE_TR_FUNCTIONS(TraceLineIndex)

public:
    static constexpr qint64 Step = 512;
    static constexpr int64_t NoTime = INT64_MIN;

    struct Checkpoint {
        qint64 Offset = 0;            // where line k*Step begins
        AscReader Asc;                // the ASC reader's state before that line
        int64_t FirstTimeUs = NoTime; // the time of the first frame of lines k*Step.. (NoTime: none yet)
    };

    // Scans path as format. Stops early (false) when cancel becomes true or the file cannot be read
    // on (errorString()). Call once.
    bool build(const QString& path, TraceFileReader::Format format, const std::atomic<bool>& cancel);

    // Lines found so far (all of them once finished()).
    [[nodiscard]] qint64 lines() const { return m_lines.load(std::memory_order_acquire); }
    [[nodiscard]] qint64 bytesScanned() const { return m_bytes.load(std::memory_order_acquire); }
    [[nodiscard]] bool finished() const { return m_finished.load(std::memory_order_acquire); }
    [[nodiscard]] QString errorString() const;
    // Checkpoint k (k*Step < lines()).
    [[nodiscard]] Checkpoint checkpoint(qint64 k) const;
    [[nodiscard]] qint64 checkpoints() const;
    // The last checkpoint whose first frame is at or before timeUs (0 when none is).
    [[nodiscard]] qint64 checkpointAt(int64_t timeUs) const;

private:
    mutable std::mutex m_mutex;
    std::vector<Checkpoint> m_points;
    std::atomic<qint64> m_lines{0};
    std::atomic<qint64> m_bytes{0};
    std::atomic<bool> m_finished{false};
    QString m_error;
};
