#pragma once

// A Modbus RTU slave for the simulated devices: it answers "read holding registers" (function 3)
// with the devices' registers, each device at the low 8 bits of its serial address. Bytes that
// do not start a complete request with a valid CRC are skipped one by one, so the zero byte the
// tool sends after each request, or line noise, never blocks the next request.

#include "core/ModbusRtu.h"

#include <QByteArray>

#include <cstdint>

class ZelmBus;

class ModbusRtuSlave {
public:
    static constexpr int MaxRegisters = 125;

    explicit ModbusRtuSlave(const ZelmBus& bus) : m_bus(bus) {}

    // Bytes from the line; returns what the slave sends back (empty when nothing is addressed to
    // one of its devices).
    [[nodiscard]] QByteArray feed(const QByteArray& bytes);

    [[nodiscard]] int64_t answered() const { return m_answered; }

private:
    [[nodiscard]] QByteArray answer(const TModbusReadRequest& request);

    const ZelmBus& m_bus;
    QByteArray m_pending;
    int64_t m_answered = 0;
};
