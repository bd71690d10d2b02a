#pragma once

// What comparing and restoring a parameter set means, worked out before anything is sent.
//
// Compare: every register whose raw word differs between two sides, or that only one side has.
// Restore: each register of the set is checked against the device's profile and its live value:
//   - a register outside 0-127, or a value outside the profile's min/max, refuses the whole
//     restore (every offending register is named);
//   - a set saved for another profile (device type) refuses, unless forced;
//   - a register the profile marks ro is skipped and reported;
//   - by default a register whose live value already equals the set's is left unchanged (all:
//     every one is written); a register whose live value is unknown is written.
// The registers to write go out in runs of consecutive registers, as many per write as the
// project's layout carries (3 in the standard layout, 4 under protocol 3), and the writes of one
// device are paced at least PaceMs apart.

#include "ParameterSet.h"

#include "core/DeviceMessage.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <optional>

// One register that differs between two sides; a side without the register has no value.
struct TParameterDifference {
    int Register = -1;
    QString Name;
    std::optional<uint16_t> A;
    std::optional<uint16_t> B;
};

[[nodiscard]] QList<TParameterDifference> CompareParameterSets(const TParameterSet& a, const TParameterSet& b);

enum class TRestoreAction : uint8_t { Write, Unchanged, SkippedReadOnly };

struct TRestoreItem {
    int Register = -1;
    QString Name;
    uint16_t Raw = 0;                 // the set's value
    std::optional<uint16_t> Live;     // the device's, when it was seen
    TRestoreAction Action = TRestoreAction::Write;
};

// One write frame of the restore: count words from address.
struct TRestoreWrite {
    uint16_t Address = 0;
    int Count = 0;
    std::array<int16_t, 4> Values{};
};

struct TRestoreOptions {
    bool All = false;        // write registers whose live value already matches too
    bool Force = false;      // accept a set saved for another profile
    QList<int> Only;         // restore only these registers of the set (empty: all of them)
    int ValuesPerWrite = 3;  // 3 in the standard layout, 4 under protocol 3
};

class TRestorePlan {
    Q_DECLARE_TR_FUNCTIONS(TRestorePlan)
public:
    static constexpr int PaceMs = 20; // at most one write frame per 20 ms per device

    // live(r): the device's value of register r, or nothing when it was not seen.
    template <class Live>
    static TRestorePlan make(const TParameterSet& set, const TDeviceProfile* profile, const TRestoreOptions& options,
                             Live live);

    // Empty when the restore may go ahead; otherwise why it is refused (one line per reason).
    [[nodiscard]] const QStringList& refusals() const { return m_refusals; }
    [[nodiscard]] bool refused() const { return !m_refusals.isEmpty(); }
    // Every register of the set that was considered, in register order.
    [[nodiscard]] const QList<TRestoreItem>& items() const { return m_items; }
    // The writes, in order; empty when refused.
    [[nodiscard]] const QList<TRestoreWrite>& writes() const { return m_writes; }
    [[nodiscard]] int count(TRestoreAction action) const;
    // A plan of the failed registers only: the same set, restricted.
    [[nodiscard]] static QList<int> registersOf(const QList<TRestoreItem>& items);

private:
    void check(const TParameterSet& set, const TDeviceProfile* profile, const TRestoreOptions& options);
    void group(int valuesPerWrite);

    QStringList m_refusals;
    QList<TRestoreItem> m_items;
    QList<TRestoreWrite> m_writes;
};

template <class Live>
TRestorePlan TRestorePlan::make(const TParameterSet& set, const TDeviceProfile* profile,
                                const TRestoreOptions& options, Live live) {
    TRestorePlan plan;
    plan.check(set, profile, options);
    if (plan.refused()) return plan;
    for (TRestoreItem& item : plan.m_items) {
        item.Live = live(item.Register);
        if (item.Action == TRestoreAction::Write && !options.All && item.Live && *item.Live == item.Raw)
            item.Action = TRestoreAction::Unchanged;
    }
    plan.group(options.ValuesPerWrite);
    return plan;
}
