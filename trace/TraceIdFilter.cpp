#include "TraceIdFilter.h"

#include <QRegularExpression>

namespace {

[[nodiscard]] std::optional<uint32_t> hexNumber(QStringView text) {
    QStringView t = text.trimmed();
    if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) t = t.sliced(2);
    if (t.isEmpty() || t.size() > 8) return std::nullopt;
    bool ok = false;
    const uint32_t v = t.toUInt(&ok, 16);
    return ok ? std::optional<uint32_t>(v) : std::nullopt;
}

} // namespace

std::optional<TraceIdFilter> TraceIdFilter::parse(QStringView text, QString* error) {
    static const QRegularExpression separators(QStringLiteral("[,;\\s]+"));
    TraceIdFilter filter;
    for (const QString& item : text.toString().split(separators, Qt::SkipEmptyParts)) {
        Rule rule;
        const qsizetype colon = item.indexOf(QLatin1Char(':'));
        const qsizetype dash = item.indexOf(QLatin1Char('-'));
        std::optional<uint32_t> a;
        std::optional<uint32_t> b;
        if (colon > 0) {
            a = hexNumber(QStringView(item).first(colon));
            b = hexNumber(QStringView(item).sliced(colon + 1));
            if (a && b) rule = Rule{*a & *b, *a & *b, *b};
        } else if (dash > 0) {
            a = hexNumber(QStringView(item).first(dash));
            b = hexNumber(QStringView(item).sliced(dash + 1));
            if (a && b && *a > *b) b.reset();
            if (a && b) rule = Rule{*a, *b, 0xFFFFFFFFu};
        } else {
            a = hexNumber(item);
            b = a;
            if (a) rule = Rule{*a, *a, 0xFFFFFFFFu};
        }
        if (!a || !b) {
            if (error)
                *error = tr("\"%1\" is not an identifier, a range (100-1FF) or an identifier with a "
                            "mask (100:7F0)")
                             .arg(item);
            return std::nullopt;
        }
        filter.m_rules.push_back(rule);
    }
    return filter;
}
