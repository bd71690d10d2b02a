#pragma once

// Records every frame the adapter passes (CanTrafficTap) into a candump log.
// The GUI thread only formats each frame into a buffer; a writer thread appends the buffers to the
// file. Buffers go to the writer every HandOverMs and whenever one is full, so the file is at most
// about HandOverMs behind the bus. What waits for the writer is bounded by MaxBacklogBytes: a disk
// that does not keep up stops the recording instead of eating memory. A failed write stops the
// recording, cuts the file back to its last whole line and says why (stopped()), and what became
// of the lines before: kept, gone with a deleted file, or in a file that was moved. The end of a
// recording syncs the file to the disk; a failure there is said too.
// Timestamps: the system time taken once at the start, advanced by a monotonic clock.

#include "can/CanTrafficTap.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include <cstdint>
#include <memory>

class QDateTime;

class TraceRecorder : public QObject, public CanTrafficObserver {
    Q_OBJECT
public:
    static constexpr int HandOverMs = 200;
    static constexpr qsizetype ChunkBytes = 64 * 1024;
    static constexpr qsizetype MaxBacklogBytes = 16 * 1024 * 1024;
    static constexpr int WriterWaitMs = 5000; // the longest a stop waits for a stuck disk

    explicit TraceRecorder(QObject* parent = nullptr);
    ~TraceRecorder() override;
    TraceRecorder(const TraceRecorder&) = delete;
    TraceRecorder& operator=(const TraceRecorder&) = delete;

    // Starts appending to the file (created when missing; an existing file is continued, never
    // truncated). False with errorString() when it cannot be opened, is no regular file (a FIFO or
    // a device is never opened) or is the trace being played.
    [[nodiscard]] bool start(const QString& path);
    // Writes what is buffered, closes the file and waits (at most WriterWaitMs) for the writer.
    void stop();

    [[nodiscard]] bool isRecording() const { return m_recording; }
    [[nodiscard]] const QString& path() const { return m_path; }
    // Frames recorded since start().
    [[nodiscard]] uint64_t frames() const { return m_frames; }
    [[nodiscard]] const QString& errorString() const { return m_error; }

    // "candump-YYYY-MM-DD_HHMMSS.log" for a recording started at that local time.
    [[nodiscard]] static QString fileNameFor(const QDateTime& start);

    using CanTrafficObserver::canTraffic;
    void canTraffic(const QCanBusFrame& frame, const QByteArray& payload,
                    CanTrafficDirection direction) override;
    // Hands the formatted lines to the writer now and looks for a writer failure.
    void handOver();

signals:
    // The recording ended: reason is empty after stop(), else it names the file and the cause.
    void stopped(const QString& reason);

private:
    struct Shared;
    void fail(const QString& reason, const QString& fate);
    // False when the writer did not finish within WriterWaitMs.
    [[nodiscard]] bool finishWriter();

    std::shared_ptr<Shared> m_shared;
    QTimer m_timer;
    QElapsedTimer m_clock;
    int64_t m_startUs = 0;
    QByteArray m_pending;
    QString m_path;
    QString m_error;
    uint64_t m_frames = 0;
    bool m_recording = false;
};
