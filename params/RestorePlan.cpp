#include "RestorePlan.h"

#include "core/Registers.h"

#include <QSet>

#include <algorithm>

QList<TParameterDifference> CompareParameterSets(const TParameterSet& a, const TParameterSet& b) {
    QList<int> regs;
    for (const TParameterValue& v : a.Registers)
        regs << v.Register;
    for (const TParameterValue& v : b.Registers)
        regs << v.Register;
    std::sort(regs.begin(), regs.end());
    regs.erase(std::unique(regs.begin(), regs.end()), regs.end());
    QList<TParameterDifference> out;
    for (int r : std::as_const(regs)) {
        const TParameterValue* va = a.find(r);
        const TParameterValue* vb = b.find(r);
        if (va != nullptr && vb != nullptr && va->Raw == vb->Raw) continue;
        TParameterDifference d;
        d.Register = r;
        d.Name = va != nullptr && !va->Name.isEmpty() ? va->Name : (vb != nullptr ? vb->Name : QString());
        if (va != nullptr) d.A = va->Raw;
        if (vb != nullptr) d.B = vb->Raw;
        out << d;
    }
    return out;
}

int TRestorePlan::count(TRestoreAction action) const {
    return static_cast<int>(std::count_if(m_items.begin(), m_items.end(),
                                          [action](const TRestoreItem& i) { return i.Action == action; }));
}

QList<int> TRestorePlan::registersOf(const QList<TRestoreItem>& items) {
    QList<int> out;
    for (const TRestoreItem& i : items)
        out << i.Register;
    return out;
}

void TRestorePlan::check(const TParameterSet& set, const TDeviceProfile* profile, const TRestoreOptions& options) {
    const QString profileName = profile != nullptr ? profile->device() : QString();
    if (!set.Profile.isEmpty() && set.Profile != profileName && !options.Force)
        m_refusals
            << (profileName.isEmpty()
                    ? tr("the set was saved for the profile \"%1\"; this device has none").arg(set.Profile)
                    : tr("the set was saved for the profile \"%1\"; this device has \"%2\"")
                          .arg(set.Profile, profileName));
    const QSet<int> only(options.Only.begin(), options.Only.end());
    for (const TParameterValue& v : set.Registers) {
        if (!only.isEmpty() && !only.contains(v.Register)) continue;
        if (v.Register < 0 || v.Register >= RegisterCount) {
            m_refusals << tr("register %1: there are registers 0-127 only").arg(v.Register);
            continue;
        }
        TRestoreItem item;
        item.Register = v.Register;
        item.Raw = v.Raw;
        item.Name = v.Name;
        if (const TRegisterInfo* info = profile != nullptr ? profile->find(v.Register) : nullptr) {
            item.Name = info->Name;
            if (info->readOnly()) {
                item.Action = TRestoreAction::SkippedReadOnly;
            } else if (!info->rawInRange(v.Raw)) {
                m_refusals << tr("register %1 (%2): %3 lies outside %4")
                                  .arg(v.Register)
                                  .arg(info->Name, info->valueText(v.Raw), info->rangeText());
            }
        }
        m_items << item;
    }
    if (refused()) m_items.clear();
}

void TRestorePlan::group(int valuesPerWrite) {
    valuesPerWrite = std::clamp(valuesPerWrite, 1, 4);
    for (const TRestoreItem& item : std::as_const(m_items)) {
        if (item.Action != TRestoreAction::Write) continue;
        if (!m_writes.isEmpty()) {
            TRestoreWrite& last = m_writes.last();
            if (last.Count < valuesPerWrite && last.Address + last.Count == item.Register) {
                last.Values[static_cast<size_t>(last.Count++)] = static_cast<int16_t>(item.Raw);
                continue;
            }
        }
        TRestoreWrite w;
        w.Address = static_cast<uint16_t>(item.Register);
        w.Count = 1;
        w.Values[0] = static_cast<int16_t>(item.Raw);
        m_writes << w;
    }
}
