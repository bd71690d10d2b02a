#pragma once

// The Modbus RTU frames the serial link uses: "read holding registers" (function 3), the request
// the tool sends and the answer a device gives, each ending in its CRC, low byte first. Shared by
// the device window's serial read and the simulator's slave.

#include <QByteArray>

#include <cstdint>
#include <optional>

inline constexpr uint8_t ModbusReadHoldingRegisters = 3;
// Address, function, first register (2 bytes), count (2 bytes), CRC (2 bytes).
inline constexpr int ModbusRequestLength = 8;
// The function code of an exception answer has this bit set.
inline constexpr uint8_t ModbusExceptionBit = 0x80;
inline constexpr uint8_t ModbusIllegalDataAddress = 2;

struct TModbusReadRequest {
    uint8_t Address = 0;
    uint16_t First = 0;
    uint16_t Count = 0;
};

// Writes the ModbusRequestLength bytes of a read request to out.
void ModbusPutReadRequest(const TModbusReadRequest& request, uint8_t* out);
// The request at p (ModbusRequestLength bytes) when it is a read with a valid CRC.
[[nodiscard]] std::optional<TModbusReadRequest> ModbusParseReadRequest(const uint8_t* p);

// Length of the answer to a read of count registers: address, function, byte count, two bytes a
// register, CRC.
[[nodiscard]] constexpr int ModbusReadAnswerLength(int count) {
    return 2 * count + 5;
}
// Register j of a read answer (big-endian, sign-extended).
[[nodiscard]] inline int16_t ModbusAnswerRegister(const uint8_t* answer, int j) {
    return static_cast<int16_t>((answer[3 + 2 * j] << 8) | answer[4 + 2 * j]);
}

// Appends the CRC of everything in frame, low byte first.
void ModbusAppendCrc(QByteArray& frame);
