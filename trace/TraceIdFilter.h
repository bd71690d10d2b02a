#pragma once

// Which identifiers the trace view shows: a list of identifiers ("110, 111"), ranges
// ("100-1FF") and masks ("100:7F0", candump's id:mask: shown when id AND mask equals the given
// id AND mask), separated by commas or blanks, all hexadecimal. An empty filter shows everything.

#include <QCoreApplication>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>
#include <vector>

class TraceIdFilter {
    Q_DECLARE_TR_FUNCTIONS(TraceIdFilter)

public:
    // The filter for the text, or nothing with a message naming the item that cannot be read.
    [[nodiscard]] static std::optional<TraceIdFilter> parse(QStringView text, QString* error = nullptr);

    [[nodiscard]] bool isEmpty() const { return m_rules.empty(); }
    [[nodiscard]] bool matches(uint32_t id) const {
        if (m_rules.empty()) return true;
        for (const Rule& r : m_rules)
            if ((id & r.mask) >= r.low && (id & r.mask) <= r.high) return true;
        return false;
    }

private:
    struct Rule {
        uint32_t low = 0;
        uint32_t high = 0;
        uint32_t mask = 0xFFFFFFFFu;
    };
    std::vector<Rule> m_rules;
};
