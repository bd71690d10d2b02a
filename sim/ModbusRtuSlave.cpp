#include "ModbusRtuSlave.h"

#include "ZelmBus.h"
#include "core/ModbusRtu.h"
#include "core/Registers.h"

namespace {
// Bytes kept while waiting for the rest of a request; more than this is line noise.
constexpr qsizetype MaxPending = 4096;
} // namespace

QByteArray ModbusRtuSlave::feed(const QByteArray& bytes) {
    m_pending.append(bytes);
    if (m_pending.size() > MaxPending) {
        const qsizetype drop = m_pending.size() - MaxPending;
        m_pending.remove(0, drop);
    }
    QByteArray reply;
    qsizetype pos = 0;
    while (m_pending.size() - pos >= ModbusRequestLength) {
        const auto* p = reinterpret_cast<const uint8_t*>(m_pending.constData()) + pos;
        if (const std::optional<TModbusReadRequest> request = ModbusParseReadRequest(p)) {
            reply.append(answer(*request));
            pos += ModbusRequestLength;
        } else {
            ++pos;
        }
    }
    m_pending.remove(0, pos);
    return reply;
}

QByteArray ModbusRtuSlave::answer(const TModbusReadRequest& request) {
    const ZelmDevice* device = m_bus.deviceBySerialAddress(request.Address);
    if (device == nullptr) return {};
    const int first = request.First;
    const int count = request.Count;
    QByteArray out;
    out.append(static_cast<char>(request.Address));
    if (count < 1 || count > MaxRegisters || first + count > RegisterCount) {
        out.append(static_cast<char>(ModbusReadHoldingRegisters | ModbusExceptionBit));
        out.append(static_cast<char>(ModbusIllegalDataAddress));
    } else {
        out.append(static_cast<char>(ModbusReadHoldingRegisters));
        out.append(static_cast<char>(2 * count));
        for (int r = first; r < first + count; ++r) {
            out.append(static_cast<char>(device->reg(r) >> 8));
            out.append(static_cast<char>(device->reg(r) & 0xFF));
        }
    }
    ModbusAppendCrc(out);
    ++m_answered;
    return out;
}
