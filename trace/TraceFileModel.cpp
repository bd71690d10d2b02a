#include "TraceFileModel.h"

#include "CandumpFormat.h"
#include "TraceLineScan.h"

#include "core/FileCheck.h"

#include <QDateTime>
#include <QDir>

#include <algorithm>
#include <climits>

namespace {

// Times from this on are a clock's (microseconds since the epoch, after 2001); earlier ones count
// from the start of a recording.
constexpr int64_t ClockTimesFrom = 1'000'000'000'000'000;
constexpr qint64 ReadChunk = 64 * 1024;

int clampRows(qint64 n) {
    return static_cast<int>(std::min<qint64>(n, INT_MAX));
}

} // namespace

TraceFileModel::TraceFileModel(QObject* parent)
    : QAbstractTableModel(parent), m_index(std::make_shared<TraceLineIndex>()) {
    m_timer.setInterval(PollMs);
    connect(&m_timer, &QTimer::timeout, this, &TraceFileModel::poll);
}

TraceFileModel::~TraceFileModel() {
    stopFilter();
    m_cancel = true;
    if (m_indexThread.joinable()) m_indexThread.join();
}

bool TraceFileModel::open(const QString& path, QString* error) {
    // The same checks and the same choice of format as replay.
    TraceFileReader probe;
    if (!probe.open(path)) {
        if (error) *error = probe.errorString();
        return false;
    }
    m_format = probe.format();
    m_size = probe.size();
    probe.close();
    QString why;
    if (!FileCheck::openRegular(m_file, path, &why)) {
        if (error) *error = tr("%1 cannot be read: %2.").arg(QDir::toNativeSeparators(path), why);
        return false;
    }
    m_path = path;
    m_indexThread = std::thread(
        [index = m_index, path, format = m_format, this] { (void)index->build(path, format, m_cancel); });
    m_timer.start();
    return true;
}

int TraceFileModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows;
}

int TraceFileModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

double TraceFileModel::indexProgress() const {
    if (m_index->finished() || m_size <= 0) return 1.0;
    return static_cast<double>(m_index->bytesScanned()) / static_cast<double>(m_size);
}

double TraceFileModel::filterProgress() const {
    if (!filtering() || m_size <= 0) return 1.0;
    return static_cast<double>(m_filterBytes.load()) / static_cast<double>(m_size);
}

void TraceFileModel::poll() {
    qint64 available = 0;
    if (m_filtered) {
        std::lock_guard lock(m_filterMutex);
        available = static_cast<qint64>(m_filterLines.size());
    } else {
        available = m_index->lines();
    }
    const int rows = clampRows(available);
    if (rows > m_rows) {
        beginInsertRows({}, m_rows, rows - 1);
        m_rows = rows;
        endInsertRows();
    }
    if (m_index->finished() && !filtering()) m_timer.stop();
    emit progressed();
}

void TraceFileModel::stopFilter() {
    m_filterCancel = true;
    if (m_filterThread.joinable()) m_filterThread.join();
    m_filterCancel = false;
}

void TraceFileModel::setFilter(const TraceIdFilter& ids, const QString& text) {
    stopFilter();
    beginResetModel();
    m_rows = 0;
    {
        std::lock_guard lock(m_filterMutex);
        m_filterLines.clear();
        m_filterLines.shrink_to_fit();
    }
    m_filtered = !ids.isEmpty() || !text.isEmpty();
    endResetModel();
    if (m_filtered) {
        m_filterDone = false;
        m_filterBytes = 0;
        DecodeFn decode = text.isEmpty() || !m_decoder.MakeForThread ? DecodeFn() : m_decoder.MakeForThread();
        m_filterThread = std::thread([this, ids, text, decode, path = m_path, format = m_format] {
            QFile file;
            QString why;
            if (FileCheck::openRegular(file, path, &why)) {
                AscReader asc;
                uint32_t line = 0;
                std::vector<uint32_t> found;
                TraceLineScan scan;
                scan.MaxLength = TraceFileReader::MaxLineLength;
                scan.Bytes = &m_filterBytes;
                scan.Take = [&](qint64, QByteArrayView bytes, bool cut) {
                    TraceFrame frame;
                    const uint32_t n = line++;
                    if (cut) return;
                    const TraceLineResult r = format == TraceFileReader::Format::Asc
                                                  ? asc.parseLine(WithoutCr(bytes), frame)
                                                  : ParseCandumpLine(WithoutCr(bytes), frame);
                    if (r != TraceLineResult::Frame || frame.error || !ids.matches(frame.id)) return;
                    if (!text.isEmpty()) {
                        if (!decode || frame.remote) return;
                        if (!decode(frame.canFrame()).contains(text, Qt::CaseInsensitive)) return;
                    }
                    found.push_back(n);
                    if (found.size() >= 4096) {
                        std::lock_guard lock(m_filterMutex);
                        m_filterLines.insert(m_filterLines.end(), found.begin(), found.end());
                        found.clear();
                    }
                };
                (void)scan.run(file, m_filterCancel, nullptr);
                std::lock_guard lock(m_filterMutex);
                m_filterLines.insert(m_filterLines.end(), found.begin(), found.end());
            }
            m_filterDone = true;
        });
    }
    m_timer.start();
    poll();
}

qint64 TraceFileModel::lineOfRow(int row) const {
    if (row < 0 || row >= m_rows) return -1;
    if (!m_filtered) return row;
    std::lock_guard lock(m_filterMutex);
    return static_cast<qint64>(m_filterLines[static_cast<size_t>(row)]);
}

std::shared_ptr<const TraceFileModel::Block> TraceFileModel::block(qint64 k) const {
    for (auto it = m_cache.begin(); it != m_cache.end(); ++it)
        if (it->first == k) {
            if (it != m_cache.begin()) m_cache.splice(m_cache.begin(), m_cache, it);
            return m_cache.front().second;
        }
    const TraceLineIndex::Checkpoint c = m_index->checkpoint(k);
    const qint64 wanted = std::min<qint64>(TraceLineIndex::Step, m_index->lines() - k * TraceLineIndex::Step);
    auto b = std::make_shared<Block>();
    b->reserve(static_cast<size_t>(std::max<qint64>(wanted, 0)));
    AscReader asc = c.Asc;
    if (wanted > 0 && m_file.seek(c.Offset)) {
        QByteArray buffer;
        bool skipping = false; // inside a line too long to be read
        qint64 pos = 0;
        const auto take = [&](QByteArrayView bytes, bool cut) {
            Line l;
            if (cut) {
                l.Result = TraceLineResult::Bad;
            } else {
                const QByteArrayView line = WithoutCr(bytes);
                l.Result = m_format == TraceFileReader::Format::Asc ? asc.parseLine(line, l.Frame)
                                                                    : ParseCandumpLine(line, l.Frame);
            }
            if (l.Result != TraceLineResult::Frame) {
                const QByteArrayView shown = WithoutCr(bytes);
                l.Text = shown.first(std::min<qsizetype>(shown.size(), 200)).toByteArray();
            }
            b->push_back(std::move(l));
        };
        while (static_cast<qint64>(b->size()) < wanted) {
            const qsizetype nl = buffer.indexOf('\n', pos);
            if (nl >= 0) {
                take(QByteArrayView(buffer).sliced(pos, nl - pos), skipping);
                skipping = false;
                pos = nl + 1;
                continue;
            }
            if (buffer.size() - pos > TraceFileReader::MaxLineLength) {
                skipping = true;
                buffer = buffer.sliced(pos, 200);
                pos = 0;
            }
            const QByteArray more = m_file.read(ReadChunk);
            if (more.isEmpty()) { // the last line without its line end
                if (pos < buffer.size() || skipping) take(QByteArrayView(buffer).sliced(pos), skipping);
                break;
            }
            buffer = buffer.sliced(pos) + more;
            pos = 0;
        }
    }
    m_cache.emplace_front(k, b);
    if (static_cast<int>(m_cache.size()) > CachedBlocks) m_cache.pop_back();
    return b;
}

const TraceFileModel::Line* TraceFileModel::lineAt(qint64 line) const {
    if (line < 0) return nullptr;
    const qint64 k = line / TraceLineIndex::Step;
    const std::shared_ptr<const Block> b = block(k);
    const qint64 i = line - k * TraceLineIndex::Step;
    return i < static_cast<qint64>(b->size()) ? &(*b)[static_cast<size_t>(i)] : nullptr;
}

bool TraceFileModel::frameOfRow(int row, TraceFrame& frame) const {
    const Line* l = lineAt(lineOfRow(row));
    if (l == nullptr || l->Result != TraceLineResult::Frame) return false;
    frame = l->Frame;
    return true;
}

int64_t TraceFileModel::firstTimeUs() const {
    const qint64 n = m_index->checkpoints();
    for (qint64 k = 0; k < n; ++k)
        if (const int64_t t = m_index->checkpoint(k).FirstTimeUs; t != TraceLineIndex::NoTime) return t;
    return TraceLineIndex::NoTime;
}

int TraceFileModel::rowAtTime(int64_t timeUs) const {
    const qint64 lines = m_index->lines();
    for (qint64 k = m_index->checkpointAt(timeUs); k * TraceLineIndex::Step < lines; ++k) {
        const std::shared_ptr<const Block> b = block(k);
        for (size_t i = 0; i < b->size(); ++i) {
            const Line& l = (*b)[i];
            if (l.Result != TraceLineResult::Frame || l.Frame.timeUs < timeUs) continue;
            const qint64 line = k * TraceLineIndex::Step + static_cast<qint64>(i);
            if (!m_filtered) return line < m_rows ? static_cast<int>(line) : -1;
            std::lock_guard lock(m_filterMutex);
            const auto it =
                std::lower_bound(m_filterLines.begin(), m_filterLines.end(), static_cast<uint64_t>(line),
                                 [](uint32_t a, uint64_t b) { return a < b; });
            const auto row = it - m_filterLines.begin();
            return row < m_rows ? static_cast<int>(row) : -1;
        }
    }
    return -1;
}

QString TraceFileModel::timeText(int64_t timeUs) {
    if (timeUs < ClockTimesFrom)
        return QStringLiteral("%1.%2").arg(timeUs / 1000000).arg(timeUs % 1000000, 6, 10, QLatin1Char('0'));
    const QDateTime t = QDateTime::fromMSecsSinceEpoch(timeUs / 1000);
    return t.toString(QStringLiteral("HH:mm:ss.zzz")) +
           QStringLiteral("%1").arg(timeUs % 1000, 3, 10, QLatin1Char('0'));
}

QString TraceFileModel::cellText(qint64 lineNumber, const Line& l, int column) const {
    if (column == LineColumn) return QString::number(lineNumber + 1);
    if (l.Result != TraceLineResult::Frame) {
        if (column != DataColumn) return {};
        const QString text = QString::fromUtf8(l.Text);
        switch (l.Result) {
        case TraceLineResult::Bad:
            return tr("unreadable line: %1").arg(text);
        case TraceLineResult::CanFd:
            return tr("CAN FD (not decoded): %1").arg(text);
        default:
            return text;
        }
    }
    const TraceFrame& f = l.Frame;
    switch (column) {
    case TimeColumn:
        return timeText(f.timeUs);
    case DirectionColumn:
        return f.direction == TraceDirection::Sent       ? QStringLiteral("Tx")
               : f.direction == TraceDirection::Received ? QStringLiteral("Rx")
                                                         : QString();
    case IdColumn:
        if (f.error) return tr("error");
        return QString::number(f.id, 16).toUpper().rightJustified(f.extended ? 8 : 3, QLatin1Char('0'));
    case DlcColumn:
        return QStringLiteral("[%1]").arg(f.dlc);
    case DataColumn: {
        if (f.remote) return tr("remote request");
        QString s;
        for (int i = 0; i < f.dlc && i < 8; ++i) {
            if (i > 0) s += QLatin1Char(' ');
            s += QString::number(f.data[i], 16).toUpper().rightJustified(2, QLatin1Char('0'));
        }
        return s;
    }
    case DecodedColumn: {
        if (!m_decoder.Decode || f.remote || f.error) return {};
        return m_decoder.Decode(f.canFrame());
    }
    default:
        return {};
    }
}

void TraceFileModel::setDecoder(Decoder decoder) {
    beginResetModel();
    m_decoder = std::move(decoder);
    endResetModel();
}

QVariant TraceFileModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_rows || index.column() >= ColumnCount) return {};
    if (role == Qt::DisplayRole) {
        const qint64 line = lineOfRow(index.row());
        const Line* l = lineAt(line);
        return l ? cellText(line, *l, index.column()) : QVariant();
    }
    if (role == Qt::TextAlignmentRole && (index.column() == DlcColumn || index.column() == LineColumn))
        return QVariant::fromValue(index.column() == LineColumn ? Qt::AlignRight | Qt::AlignVCenter
                                                                : Qt::AlignCenter);
    return {};
}

QVariant TraceFileModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
    static const char* const names[ColumnCount] = {
        QT_TR_NOOP("Line"), QT_TR_NOOP("Time"), QT_TR_NOOP("Dir"),    QT_TR_NOOP("ID"),
        QT_TR_NOOP("DLC"),  QT_TR_NOOP("Data"), QT_TR_NOOP("Decoded")};
    return section >= 0 && section < ColumnCount ? tr(names[section]) : QVariant();
}
