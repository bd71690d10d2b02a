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
        slot->Ring.append(nowMs(), m_image.cell(reg).Value);
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

namespace {

//: A bit of a plotted register: "0x00 (0) bit 1".
const char* const BitLabel = QT_TRANSLATE_NOOP("TTrendModel", "%1 bit %2");
//: A plotted register's raw value: "0x18 (24) Motor current (raw)".
const char* const RawLabel = QT_TRANSLATE_NOOP("TTrendModel", "%1 %2 (raw)");

} // namespace

QString TTrendModel::channelLabel(int reg, int bit) {
    return bit < 0 ? registerLabel(reg) : tr(BitLabel).arg(registerLabel(reg)).arg(bit);
}

qint64 TTrendModel::nowMs() const {
    return m_traceTime ? m_lastMs : QDateTime::currentMSecsSinceEpoch();
}

void TTrendModel::restart(bool traceTime, qint64 timeMs) {
    m_traceTime = traceTime;
    m_originMs = timeMs;
    m_lastMs = timeMs;
    for (auto& slot : m_slots)
        if (slot) slot->Ring.clear();
    emit clockChanged();
}

void TTrendModel::record(int reg, qint64 timeMs) {
    if (reg < 0 || reg >= RegisterCount) return;
    const bool recorded = m_image.recordedTime();
    if (recorded != m_traceTime) {
        // A value written without a frame (a serial read) while on trace time stands at the trace's
        // present; the first frame of a trace, or the first live one after it, starts afresh.
        if (!m_image.frameTime())
            timeMs = m_lastMs;
        else
            restart(recorded, timeMs);
    } else if (m_traceTime && timeMs < m_lastMs) {
        restart(true, timeMs); // the trace plays again from an earlier time
    } else if (timeMs < m_lastMs) {
        timeMs = m_lastMs; // an adapter's stamp a little behind the clock: the samples stay in order
    }
    if (timeMs > m_lastMs) m_lastMs = timeMs;
    const uint8_t mask = m_slotsOfRegister[static_cast<size_t>(reg)];
    if (mask == 0) return;
    const int32_t value = m_image.cell(reg).Value;
    for (int s = 0; s < MaxChannels; ++s)
        if (mask & (1u << s)) m_slots[static_cast<size_t>(s)]->Ring.append(timeMs, value);
}

void TTrendModel::setDescriptions(const Descriptions& descriptions) {
    m_scales = descriptions;
    emit descriptionsChanged();
}

const TTrendScale* TTrendModel::description(int reg) const {
    if (reg < 0 || reg >= RegisterCount) return nullptr;
    const auto& s = m_scales[static_cast<size_t>(reg)];
    return s ? &*s : nullptr;
}

bool TTrendModel::hasDescriptions() const {
    for (const auto& s : m_scales)
        if (s) return true;
    return false;
}

void TTrendModel::setRaw(bool raw) {
    if (raw == m_raw) return;
    m_raw = raw;
    emit descriptionsChanged();
}

const TTrendScale* TTrendModel::scaleOf(const TTrendChannel& channel) const {
    return channel.Bit >= 0 || m_raw ? nullptr : description(channel.Register);
}

double TTrendModel::plotted(const TTrendChannel& channel, int32_t value) const {
    const TTrendScale* s = scaleOf(channel);
    return s ? s->value(value) : static_cast<double>(channel.plotted(value));
}

QString TTrendModel::valueText(const TTrendChannel& channel, int32_t value) const {
    const TTrendScale* s = scaleOf(channel);
    return s ? QString::number(s->value(value), 'f', s->Decimals) : QString::number(channel.plotted(value));
}

QString TTrendModel::label(const TTrendChannel& channel) const {
    return composeLabel(channel, true);
}

QString TTrendModel::fileLabel(const TTrendChannel& channel) const {
    return composeLabel(channel, false);
}

QString TTrendModel::composeLabel(const TTrendChannel& channel, bool translated) const {
    const auto text = [translated](const char* pattern) {
        return translated ? tr(pattern) : QString::fromLatin1(pattern);
    };
    const QString base = channel.Bit < 0 ? registerLabel(channel.Register)
                                         : text(BitLabel).arg(registerLabel(channel.Register)).arg(channel.Bit);
    const TTrendScale* d = description(channel.Register);
    if (d == nullptr) return base;
    if (channel.Bit >= 0) {
        const QString& bitName = d->BitNames[static_cast<size_t>(channel.Bit)];
        return base + QLatin1Char(' ') + (bitName.isEmpty() ? d->Name : bitName);
    }
    if (m_raw) return text(RawLabel).arg(base, d->Name);
    return base + QLatin1Char(' ') + d->Name +
           (d->Unit.isEmpty() ? QString() : QStringLiteral(" [%1]").arg(d->Unit));
}
