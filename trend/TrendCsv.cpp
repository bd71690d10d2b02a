#include "TrendCsv.h"

#include "trend/TrendModel.h"
#include "trend/TrendScale.h"

#include <QBuffer>
#include <QDateTime>
#include <QIODevice>

#include <limits>
#include <optional>

namespace {

// ISO 8601 text of a moment. The text of the whole second is made once per second: a file holds
// up to a hundred rows a second.
class IsoTime {
public:
    explicit IsoTime(const QTimeZone& zone) : m_zone(zone) {}
    QByteArray operator()(qint64 ms) {
        const qint64 second = ms >= 0 ? ms / 1000 : (ms - 999) / 1000;
        if (second != m_second || m_text.isEmpty()) {
            m_second = second;
            // "yyyy-MM-ddTHH:mm:ss" and the zone's offset ("Z" or "+hh:mm")
            m_text = QDateTime::fromSecsSinceEpoch(second, m_zone).toString(Qt::ISODate).toLatin1();
        }
        const int millis = static_cast<int>(ms - second * 1000);
        return m_text.left(19) + '.' + QByteArray::number(millis).rightJustified(3, '0') + m_text.mid(19);
    }

private:
    QTimeZone m_zone;
    qint64 m_second = 0;
    QByteArray m_text;
};

// A header field: quoted when it holds a comma, a quote or a line break (names come from profiles).
QByteArray csvField(const QString& text) {
    QByteArray bytes = text.toUtf8();
    if (!bytes.contains(',') && !bytes.contains('"') && !bytes.contains('\n') && !bytes.contains('\r'))
        return bytes;
    return '"' + bytes.replace('"', "\"\"") + '"';
}

} // namespace

std::vector<TTrendColumn> TTrendCsv::columns(const TTrendModel& model) {
    std::vector<TTrendColumn> result;
    for (int s = 0; s < TTrendModel::MaxChannels; ++s)
        if (const TTrendChannel* c = model.channel(s))
            result.push_back({model.fileLabel(*c), &c->Ring, c->Bit, model.scaleOf(*c)});
    return result;
}

bool TTrendCsv::write(QIODevice& out, const std::vector<TTrendColumn>& columns, qint64 originMs,
                      const QTimeZone& zone) {
    const size_t n = columns.size();
    QByteArray chunk;
    chunk.reserve(1 << 16);
    chunk += "time_s,time";
    for (const TTrendColumn& c : columns)
        chunk += ',' + csvField(c.Name);
    chunk += '\n';

    IsoTime iso(zone);
    std::vector<int> next(n, 0);                 // the next sample of each column
    std::vector<std::optional<int32_t>> held(n); // each column's value at the current row
    std::vector<bool> inRow(n, false);
    qint64 rowTime = 0;
    bool rowOpen = false;

    const auto flushRow = [&] {
        chunk += QByteArray::number(static_cast<double>(rowTime - originMs) / 1000.0, 'f', 3);
        chunk += ',' + iso(rowTime);
        for (size_t c = 0; c < n; ++c) {
            chunk += ',';
            inRow[c] = false;
            if (!held[c]) continue;
            const TTrendScale* scale = columns[c].Scale;
            chunk += scale ? QByteArray::number(scale->value(*held[c]), 'f', scale->Decimals)
                           : QByteArray::number(*held[c]);
        }
        chunk += '\n';
    };

    for (;;) {
        // The column whose next sample comes first; on a tie one that the open row still lacks,
        // then the leftmost.
        size_t pick = n;
        qint64 pickTime = std::numeric_limits<qint64>::max();
        bool pickTaken = true;
        for (size_t c = 0; c < n; ++c) {
            const TTrendRing* ring = columns[c].Ring;
            if (!ring || next[c] >= ring->size()) continue;
            const qint64 t = ring->at(next[c]).TimeMs;
            const bool taken = rowOpen && t == rowTime && inRow[c];
            if (t < pickTime || (t == pickTime && pickTaken && !taken)) {
                pick = c;
                pickTime = t;
                pickTaken = taken;
            }
        }
        if (pick == n) break;
        if (rowOpen && (pickTime != rowTime || inRow[pick])) flushRow();
        const TTrendColumn& col = columns[pick];
        const int32_t value = col.Ring->at(next[pick]++).Value;
        held[pick] = col.Bit < 0 ? value : (value >> col.Bit) & 1;
        inRow[pick] = true;
        rowTime = pickTime;
        rowOpen = true;
        if (chunk.size() > (1 << 16) - 512) {
            if (out.write(chunk) != chunk.size()) return false;
            chunk.clear();
        }
    }
    if (rowOpen) flushRow();
    return out.write(chunk) == chunk.size();
}

QByteArray TTrendCsv::toCsv(const std::vector<TTrendColumn>& columns, qint64 originMs,
                            const QTimeZone& zone) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    (void)write(buffer, columns, originMs, zone);
    return bytes;
}
