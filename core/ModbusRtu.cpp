#include "ModbusRtu.h"

#include "Crc16.h"

void ModbusPutReadRequest(const TModbusReadRequest& request, uint8_t* out) {
    out[0] = request.Address;
    out[1] = ModbusReadHoldingRegisters;
    out[2] = static_cast<uint8_t>(request.First >> 8);
    out[3] = static_cast<uint8_t>(request.First & 0xFF);
    out[4] = static_cast<uint8_t>(request.Count >> 8);
    out[5] = static_cast<uint8_t>(request.Count & 0xFF);
    const uint16_t crc = Crc16(out, 6);
    out[6] = static_cast<uint8_t>(crc & 0xFF);
    out[7] = static_cast<uint8_t>(crc >> 8);
}

std::optional<TModbusReadRequest> ModbusParseReadRequest(const uint8_t* p) {
    const auto crc = static_cast<uint16_t>(p[6] | (p[7] << 8));
    if (p[1] != ModbusReadHoldingRegisters || Crc16(p, 6) != crc) return std::nullopt;
    return TModbusReadRequest{p[0], static_cast<uint16_t>(p[2] << 8 | p[3]),
                              static_cast<uint16_t>(p[4] << 8 | p[5])};
}

void ModbusAppendCrc(QByteArray& frame) {
    const uint16_t crc = Crc16(reinterpret_cast<const uint8_t*>(frame.constData()), frame.size());
    frame.append(static_cast<char>(crc & 0xFF));
    frame.append(static_cast<char>(crc >> 8));
}
