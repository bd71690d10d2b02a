#include "IdStats.h"

#include "CanIdText.h"

void TIdStats::restartWith(uint32_t id) {
    m_used = 1;
    m_entries[0] = {id, 1};
}

void TIdStats::count(uint32_t id) {
    if (m_used == 0) {
        restartWith(id);
        return;
    }
    for (int j = 0; j < m_used; ++j) {
        Entry& e = m_entries[static_cast<size_t>(j)];
        if (e.Id != id) continue;
        ++e.Hits;
        if (e.Hits > HitLimit) {
            restartWith(id);
            return;
        }
        if (j > 0) {
            Entry& prev = m_entries[static_cast<size_t>(j - 1)];
            if (e.Hits > prev.Hits) {
                const uint32_t hits = e.Hits;
                e = {prev.Id, hits - 1};
                prev = {id, hits};
            }
        }
        return;
    }
    if (m_used == Capacity) {
        restartWith(id);
        return;
    }
    m_entries[static_cast<size_t>(m_used)] = {id, 1};
    ++m_used;
}

void TIdStats::reset() {
    m_used = 0;
    m_entries.fill({});
}

QString TIdStats::text() const {
    QString s;
    s.reserve(m_used * 22);
    for (int j = 0; j < m_used; ++j) {
        const Entry& e = m_entries[static_cast<size_t>(j)];
        s += CanIdText(e.Id);
        s += QLatin1Char('(');
        s += QString::number(e.Hits);
        s += QLatin1String(") ");
    }
    return s;
}
