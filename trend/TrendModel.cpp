#include "TrendModel.h"

#include "core/RegisterImage.h"

#include <QDateTime>

TTrendModel::TTrendModel(const TRegisterImage& image, int ringCapacity, QObject* parent)
    : QObject(parent), m_image(image), m_ringCapacity(ringCapacity),
      m_originMs(QDateTime::currentMSecsSinceEpoch()) {
    static_assert(RegisterCount == 128, "one slot mask per register");
    static_assert(MaxChannels <= 8, "the slots of a register fit into one byte");
    connect(&image, &TRegisterImage::registerChanged, this, &TTrendModel::record);
}

int TTrendModel::addRegister(int reg, int bit) {
    if (reg < 0 || reg >= RegisterCount || bit < -1 || bit > 15) return -1;
    if (const int existing = slotOf(reg, bit); existing >= 0) return existing;
    for (int s = 0; s < MaxChannels; ++s) {
        auto& slot = m_slots[static_cast<size_t>(s)];
        if (slot) continue;
        slot = std::make_unique<TTrendChannel>(reg, bit, m_ringCapacity);
        slot->Ring.append(QDateTime::currentMSecsSinceEpoch(), m_image.cell(reg).Value);
        m_slotsOfRegister[static_cast<size_t>(reg)] |= static_cast<uint8_t>(1u << s);
        emit channelsChanged();
        return s;
    }
    return -1;
}

void TTrendModel::removeChannel(int slot) {
    if (slot < 0 || slot >= MaxChannels || !m_slots[static_cast<size_t>(slot)]) return;
    const int reg = m_slots[static_cast<size_t>(slot)]->Register;
    m_slotsOfRegister[static_cast<size_t>(reg)] &= static_cast<uint8_t>(~(1u << slot));
    m_slots[static_cast<size_t>(slot)].reset();
    emit channelsChanged();
}

void TTrendModel::clear() {
    for (auto& slot : m_slots)
        slot.reset();
    m_slotsOfRegister.fill(0);
    emit channelsChanged();
}

const TTrendChannel* TTrendModel::channel(int slot) const {
    if (slot < 0 || slot >= MaxChannels) return nullptr;
    return m_slots[static_cast<size_t>(slot)].get();
}

int TTrendModel::channelCount() const {
    int n = 0;
    for (const auto& slot : m_slots)
        n += slot ? 1 : 0;
    return n;
}

int TTrendModel::slotOf(int reg, int bit) const {
    for (int s = 0; s < MaxChannels; ++s) {
        const TTrendChannel* c = channel(s);
        if (c && c->Register == reg && c->Bit == bit) return s;
    }
    return -1;
}

QString TTrendModel::registerLabel(int reg) {
    return QStringLiteral("0x%1 (%2)")
        .arg(QString::number(reg, 16).toUpper().rightJustified(2, QLatin1Char('0')))
        .arg(reg);
}

QString TTrendModel::channelLabel(int reg, int bit) {
    return bit < 0 ? registerLabel(reg) : registerLabel(reg) + QStringLiteral(" bit %1").arg(bit);
}

void TTrendModel::record(int reg, qint64 timeMs) {
    if (reg < 0 || reg >= RegisterCount) return;
    const uint8_t mask = m_slotsOfRegister[static_cast<size_t>(reg)];
    if (mask == 0) return;
    const int32_t value = m_image.cell(reg).Value;
    for (int s = 0; s < MaxChannels; ++s)
        if (mask & (1u << s)) m_slots[static_cast<size_t>(s)]->Ring.append(timeMs, value);
}
