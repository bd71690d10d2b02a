#include "ProfileDecoder.h"

#include <QCoreApplication>
#include <QStringList>

TProfileDecoder::TProfileDecoder(const TProject& project, const QString& settingsFolder)
    : m_project(project), m_store(settingsFolder) {}

void TProfileDecoder::refresh() {
    if (m_read && m_projectName == m_project.Name && m_changes == TProfileStore::changes()) return;
    m_read = true;
    m_projectName = m_project.Name;
    m_changes = TProfileStore::changes();
    m_any = false;
    for (int r = 0; r < DeviceRows; ++r) {
        std::unique_ptr<TDeviceProfile>& slot = m_profiles[static_cast<size_t>(r)];
        slot.reset();
        if (!m_project.Devices[static_cast<size_t>(r)].Use) continue;
        auto profile = std::make_unique<TDeviceProfile>();
        QString error;
        if (!m_store.load(m_project.Name, r, profile.get(), &error)) continue;
        slot = std::move(profile);
        m_any = true;
    }
}

bool TProfileDecoder::active() {
    refresh();
    return m_any;
}

QString TProfileDecoder::decode(const TCanFrame& frame) {
    refresh();
    if (!m_any) return {};
    const int32_t protokol = m_project.Protokol;
    const uint32_t key = CanKey(frame.ID, protokol);
    QString text;
    for (int r = 0; r < DeviceRows; ++r) {
        const TDeviceProfile* profile = m_profiles[static_cast<size_t>(r)].get();
        const TZELM& row = m_project.Devices[static_cast<size_t>(r)];
        if (profile == nullptr || !row.Use || (row.RXadr != key && row.TXadr != key)) continue;
        const QString words =
            describe(row.Name, *profile, DecodeDeviceFrame(frame, protokol, row.RXadr, row.TXadr));
        if (words.isEmpty()) continue;
        if (!text.isEmpty()) text += QStringLiteral("; ");
        text += words;
    }
    return text;
}

QString TProfileDecoder::describe(const QString& name, const TDeviceProfile& profile,
                                  const TDeviceMessage& msg) {
    QStringList parts;
    for (int i = 0; i < 4; ++i) {
        if (!msg.present(i)) continue;
        const TRegisterInfo* info = profile.find(msg.Address + i);
        if (info == nullptr) continue;
        const QString value = info->valueText(static_cast<uint16_t>(msg.Values[i]));
        parts << QStringLiteral("%1 = %2").arg(
            info->Name, value.isEmpty() ? QCoreApplication::translate("TProfileDecoder", "none") : value);
    }
    if (parts.isEmpty()) return {};
    return name + QStringLiteral(": ") + parts.join(QStringLiteral(", "));
}
