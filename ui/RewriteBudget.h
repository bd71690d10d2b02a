#pragma once

// Texts rewritten while messages keep coming (the device windows' memo summaries, the statistics
// of the main window) cost a paint of their window for every rewrite, however little of them can
// be seen: with sixteen windows cascaded, fifteen summaries show one character each and still
// cost fifteen paints and X round trips ten times a second. Those that other windows cover in
// part share a budget of rewrites: together at most PerSecond a second, each at most as often as
// its own interval allows. A text wholly in view keeps its own interval; a wholly covered one
// waits anyway; whatever was held back is written when the traffic stops or the text comes
// into view, so a text at rest always reads the latest.
//
// GUI thread only.

#include <QtGlobal>

class TRewriteBudget {
public:
    static constexpr int PerSecond = 40;

    TRewriteBudget() = default;
    ~TRewriteBudget() { setPartlyCovered(false); }
    TRewriteBudget(const TRewriteBudget&) = delete;
    TRewriteBudget& operator=(const TRewriteBudget&) = delete;

    // Other windows lie over part of the text (not all of it, not none of it).
    void setPartlyCovered(bool partly);
    [[nodiscard]] bool partlyCovered() const { return m_partly; }
    // The least time between two rewrites of the text: ownMs, or while partly covered the share
    // of the budget (the texts partly covered now, each a turn of 1000 / PerSecond ms) if that is
    // longer.
    [[nodiscard]] qint64 intervalMs(qint64 ownMs) const;
    // Texts partly covered now.
    [[nodiscard]] static int partlyCoveredCount();

private:
    bool m_partly = false;
};
