#include "TraceFrameModel.h"

#include "TraceFrameConvert.h"

#include "can/CanBus.h"

#include <QDateTime>

#include <algorithm>
#include <chrono>
#include <cstring>

namespace {

// A batch that changes more rows than this is shown by a reset of the model (one layout instead
// of two long row moves).
constexpr uint64_t ResetAbove = 20000;

} // namespace

TraceFrameModel::TraceFrameModel(int capacity, QObject* parent)
    : QAbstractTableModel(parent), m_capacity(std::max(capacity, 1)),
      m_ring(static_cast<size_t>(m_capacity)) {
    const auto now = std::chrono::system_clock::now();
    m_startUs = std::chrono::duration_cast<std::chrono::microseconds>(now.time_since_epoch()).count();
    m_clock.start();
    CanBus().addObserver(this);
}

TraceFrameModel::~TraceFrameModel() {
    CanBus().removeObserver(this);
}

int TraceFrameModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int TraceFrameModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

int TraceFrameModel::framesKept() const {
    return static_cast<int>(m_total - m_oldest);
}

void TraceFrameModel::canTraffic(const QCanBusFrame& frame, const QByteArray& payload,
                                 CanTrafficDirection direction) {
    if (m_paused) {
        ++m_missed;
        return;
    }
    TraceFrame f;
    if (!TraceFrameFromQt(frame, payload, f) || f.error) return;
    Entry e;
    e.timeUs = m_startUs + m_clock.nsecsElapsed() / 1000;
    e.id = f.id;
    e.extended = f.extended;
    e.remote = f.remote;
    e.sent = direction == CanTrafficDirection::Sent;
    e.dlc = f.dlc;
    std::memcpy(e.data, f.data, sizeof e.data);
    // More than the ring holds would only push itself out again.
    if (m_waiting.size() >= static_cast<size_t>(m_capacity)) m_waiting.pop_front();
    m_waiting.push_back(e);
}

void TraceFrameModel::commit() {
    if (m_waiting.empty()) return;
    const uint64_t n = m_waiting.size();
    const uint64_t cap = static_cast<uint64_t>(m_capacity);
    const uint64_t newTotal = m_total + n;
    const uint64_t newOldest = std::max(m_oldest, newTotal > cap ? newTotal - cap : 0);
    size_t removed = 0;
    while (removed < m_rows.size() && m_rows[removed] < newOldest)
        ++removed;
    std::vector<uint64_t> added;
    for (uint64_t i = 0; i < n; ++i)
        if (m_filter.matches(m_waiting[i].id) && m_total + i >= newOldest) added.push_back(m_total + i);

    const bool reset = removed + added.size() > ResetAbove;
    if (reset) beginResetModel();
    if (removed > 0 && !reset) beginRemoveRows({}, 0, static_cast<int>(removed) - 1);
    m_rows.erase(m_rows.begin(), m_rows.begin() + static_cast<std::ptrdiff_t>(removed));
    if (removed > 0 && !reset) endRemoveRows();

    for (uint64_t i = 0; i < n; ++i)
        m_ring[(m_total + i) % cap] = m_waiting[i];
    m_waiting.clear();
    m_total = newTotal;
    m_oldest = newOldest;

    if (!added.empty() && !reset)
        beginInsertRows({}, static_cast<int>(m_rows.size()),
                        static_cast<int>(m_rows.size() + added.size()) - 1);
    m_rows.insert(m_rows.end(), added.begin(), added.end());
    if (reset)
        endResetModel();
    else if (!added.empty())
        endInsertRows();
}

void TraceFrameModel::clear() {
    beginResetModel();
    m_waiting.clear();
    m_rows.clear();
    m_oldest = m_total;
    m_missed = 0;
    endResetModel();
}

void TraceFrameModel::setFilter(const TraceIdFilter& filter) {
    beginResetModel();
    m_filter = filter;
    m_rows.clear();
    for (uint64_t s = m_oldest; s < m_total; ++s)
        if (m_filter.matches(m_ring[s % static_cast<uint64_t>(m_capacity)].id)) m_rows.push_back(s);
    endResetModel();
}

void TraceFrameModel::setPaused(bool paused) {
    m_paused = paused;
}

const TraceFrameModel::Entry& TraceFrameModel::entryOfRow(int row) const {
    return m_ring[m_rows[static_cast<size_t>(row)] % static_cast<uint64_t>(m_capacity)];
}

QString TraceFrameModel::cellText(const Entry& e, int column) const {
    switch (column) {
    case TimeColumn: {
        const QDateTime t = QDateTime::fromMSecsSinceEpoch(e.timeUs / 1000);
        return t.toString(QStringLiteral("HH:mm:ss.zzz")) +
               QStringLiteral("%1").arg(e.timeUs % 1000, 3, 10, QLatin1Char('0'));
    }
    case DirectionColumn:
        return e.sent ? QStringLiteral("Tx") : QStringLiteral("Rx");
    case IdColumn:
        return QString::number(e.id, 16).toUpper().rightJustified(e.extended ? 8 : 3, QLatin1Char('0'));
    case DlcColumn:
        return QStringLiteral("[%1]").arg(e.dlc);
    case DataColumn: {
        if (e.remote) return tr("remote request");
        QString s;
        s.reserve(24);
        for (int i = 0; i < e.dlc && i < 8; ++i) {
            if (i > 0) s += QLatin1Char(' ');
            s += QString::number(e.data[i], 16).toUpper().rightJustified(2, QLatin1Char('0'));
        }
        return s;
    }
    case DecodedColumn: {
        if (!m_decoder.Decode || e.remote) return {};
        TCanFrame frame;
        frame.ID = e.id;
        frame.DLC = e.dlc;
        std::memcpy(frame.Data, e.data, sizeof frame.Data);
        return m_decoder.Decode(frame);
    }
    default:
        return {};
    }
}

void TraceFrameModel::setDecoder(Decoder decoder) {
    beginResetModel();
    m_decoder = std::move(decoder);
    endResetModel();
}

QVariant TraceFrameModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= ColumnCount) return {};
    if (role == Qt::DisplayRole) return cellText(entryOfRow(index.row()), index.column());
    if (role == Qt::TextAlignmentRole && index.column() == DlcColumn)
        return QVariant::fromValue(Qt::AlignCenter);
    return {};
}

QVariant TraceFrameModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
    static const char* const names[ColumnCount] = {QT_TR_NOOP("Time"), QT_TR_NOOP("Dir"),
                                                   QT_TR_NOOP("ID"),   QT_TR_NOOP("DLC"),
                                                   QT_TR_NOOP("Data"), QT_TR_NOOP("Decoded")};
    return section >= 0 && section < ColumnCount ? tr(names[section]) : QVariant();
}

QString TraceFrameModel::lineText(int row) const {
    const Entry& e = entryOfRow(row);
    return QStringLiteral("%1  %2  %3  %4  %5")
        .arg(cellText(e, TimeColumn), cellText(e, DirectionColumn), cellText(e, IdColumn).rightJustified(8),
             cellText(e, DlcColumn), cellText(e, DataColumn));
}
