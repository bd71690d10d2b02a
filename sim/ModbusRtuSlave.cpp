#include "ModbusRtuSlave.h"

#include "ZelmBus.h"
#include "serial/Crc16.h"

namespace {
// Bytes kept while waiting for the rest of a request; more than this is line noise.
constexpr qsizetype MaxPending = 4096;
} // namespace

void ModbusRtuSlave::appendCrc(QByteArray& frame) {
    const uint16_t crc = Crc16(reinterpret_cast<const uint8_t*>(frame.constData()), frame.size());
    frame.append(static_cast<char>(crc & 0xFF));
    frame.append(static_cast<char>(crc >> 8));
}

QByteArray ModbusRtuSlave::feed(const QByteArray& bytes) {
    m_pending.append(bytes);
    if (m_pending.size() > MaxPending) {
        const qsizetype drop = m_pending.size() - MaxPending;
        m_pending.remove(0, drop);
        m_skipped += drop;
    }
    QByteArray reply;
    qsizetype pos = 0;
    while (m_pending.size() - pos >= RequestLength) {
        const auto* p = reinterpret_cast<const uint8_t*>(m_pending.constData()) + pos;
        const uint16_t crc = static_cast<uint16_t>(p[6] | (p[7] << 8));
        if (p[1] == ReadHoldingRegisters && Crc16(p, 6) == crc) {
            reply.append(answer(p));
            pos += RequestLength;
        } else {
            ++pos;
            ++m_skipped;
        }
    }
    m_pending.remove(0, pos);
    return reply;
}

QByteArray ModbusRtuSlave::answer(const uint8_t* request) {
    const ZelmDevice* device = m_bus.deviceBySerialAddress(request[0]);
    if (device == nullptr) return {};
    const int first = request[2] << 8 | request[3];
    const int count = request[4] << 8 | request[5];
    QByteArray out;
    out.append(static_cast<char>(request[0]));
    if (count < 1 || count > MaxRegisters || first + count > ZelmDevice::RegisterCount) {
        out.append(static_cast<char>(ReadHoldingRegisters | 0x80));
        out.append(static_cast<char>(IllegalDataAddress));
    } else {
        out.append(static_cast<char>(ReadHoldingRegisters));
        out.append(static_cast<char>(2 * count));
        for (int r = first; r < first + count; ++r) {
            out.append(static_cast<char>(device->reg(r) >> 8));
            out.append(static_cast<char>(device->reg(r) & 0xFF));
        }
    }
    appendCrc(out);
    ++m_answered;
    return out;
}
