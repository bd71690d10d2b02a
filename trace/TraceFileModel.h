#pragma once

// The rows of the offline trace view: the lines of a trace file (candump or ASC) of any size,
// read where they are shown. A background thread indexes the file (TraceLineIndex) and the rows
// grow as it goes, so the first lines show at once. Only the blocks of lines near what is shown are
// held (a few thousand lines). A filter by identifier (the live view's syntax) and by text in the
// "Decoded" column runs over the whole file in another background thread and shows the matching
// lines as it finds them. Lines that hold no frame (headers, comments, unreadable lines) are rows
// too while no filter is set.

#include "TraceFrame.h"
#include "TraceIdFilter.h"
#include "TraceLineIndex.h"
#include "TraceLineResult.h"

#include "core/CanFrame.h"

#include <QAbstractTableModel>
#include <QFile>
#include <QTimer>

#include <atomic>
#include <cstdint>
#include <functional>
#include <list>
#include <memory>
#include <mutex>
#include <thread>
#include <unordered_map>
#include <vector>

class TraceFileModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int PollMs = 100;
    static constexpr int CachedBlocks = 16;
    enum Column {
        LineColumn,
        TimeColumn,
        DirectionColumn,
        IdColumn,
        DlcColumn,
        DataColumn,
        DecodedColumn,
        ColumnCount
    };
    using DecodeFn = std::function<QString(const TCanFrame& frame)>;
    // The words for a frame (the "Decoded" column, asked for the rows shown), and a maker of
    // decoders for the filter's thread (each call a decoder of its own).
    struct Decoder {
        DecodeFn Decode;
        std::function<DecodeFn()> MakeForThread;
    };

    explicit TraceFileModel(QObject* parent = nullptr);
    ~TraceFileModel() override;

    // Opens the file and starts indexing it; false with a message naming the file.
    [[nodiscard]] bool open(const QString& path, QString* error);
    [[nodiscard]] const QString& path() const { return m_path; }

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // ---- the index ---------------------------------------------------------------------------------
    [[nodiscard]] bool indexed() const { return m_index->finished(); }
    [[nodiscard]] qint64 lines() const { return m_index->lines(); }
    // 0..1 of the file indexed.
    [[nodiscard]] double indexProgress() const;
    [[nodiscard]] QString indexError() const { return m_index->errorString(); }

    // ---- the filter ----------------------------------------------------------------------------------
    // Shows only frames whose identifier ids lets through and whose decoded words hold text (any
    // case); both empty: every line.
    void setFilter(const TraceIdFilter& ids, const QString& text);
    [[nodiscard]] bool filtered() const { return m_filtered; }
    [[nodiscard]] bool filtering() const { return m_filtered && !m_filterDone.load(); }
    // 0..1 of the file the filter has gone through.
    [[nodiscard]] double filterProgress() const;

    // ---- rows ----------------------------------------------------------------------------------------
    // The file's line (0-based) shown in a row.
    [[nodiscard]] qint64 lineOfRow(int row) const;
    // The frame a row shows; false for a line that holds none.
    [[nodiscard]] bool frameOfRow(int row, TraceFrame& frame) const;
    // The first row at or after a time of the trace (microseconds as the file states them), -1
    // when no row is so late or the index has not got so far.
    [[nodiscard]] int rowAtTime(int64_t timeUs) const;
    // The time of the first frame of the file (TraceLineIndex::NoTime before one was found).
    [[nodiscard]] int64_t firstTimeUs() const;
    void setDecoder(Decoder decoder);
    [[nodiscard]] bool decoding() const { return static_cast<bool>(m_decoder.Decode); }

    // Brings the rows up to the index and the filter (the timer does so PollMs apart).
    void poll();

    // The time as the view shows it: the time of day with microseconds for a recorded clock,
    // seconds for a trace whose times begin at 0.
    [[nodiscard]] static QString timeText(int64_t timeUs);

signals:
    // The index or the filter went on (or finished).
    void progressed();

private:
    struct Line {
        TraceLineResult Result = TraceLineResult::Ignored;
        TraceFrame Frame;
        QByteArray Text; // the line as read (cut), for lines without a frame
    };
    using Block = std::vector<Line>;

    [[nodiscard]] const Line* lineAt(qint64 line) const;
    [[nodiscard]] std::shared_ptr<const Block> block(qint64 k) const;
    [[nodiscard]] QString cellText(qint64 lineNumber, const Line& line, int column) const;
    void stopFilter();

    QString m_path;
    TraceFileReader::Format m_format = TraceFileReader::Format::Candump;
    qint64 m_size = 0;
    std::shared_ptr<TraceLineIndex> m_index;
    std::atomic<bool> m_cancel{false};
    std::thread m_indexThread;
    int m_rows = 0; // rows shown so far
    QTimer m_timer;
    Decoder m_decoder;

    mutable QFile m_file;
    mutable std::list<std::pair<qint64, std::shared_ptr<const Block>>> m_cache; // newest first

    // the filter
    bool m_filtered = false;
    std::thread m_filterThread;
    std::atomic<bool> m_filterCancel{false};
    std::atomic<bool> m_filterDone{true};
    std::atomic<qint64> m_filterBytes{0};
    mutable std::mutex m_filterMutex;
    std::vector<uint32_t> m_filterLines; // the lines that match, in file order (filled by the thread)
};
