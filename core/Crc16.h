#pragma once

// The Modbus CRC (CRC-16/MODBUS): register starts at 0xFFFF, reflected polynomial 0xA001, no
// final XOR; in a frame it follows the bytes it covers, low byte first. Plain code, so the
// simulator's Modbus slave uses it without the serial link's widgets.

#include <cstdint>

// CRC of the first count bytes of buf; 0xFFFF for count < 1.
[[nodiscard]] inline uint16_t Crc16(const uint8_t* buf, int64_t count) {
    uint16_t crc = 0xFFFF;
    for (int64_t i = 0; i < count; ++i) {
        crc ^= buf[i];
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? static_cast<uint16_t>((crc >> 1) ^ 0xA001) : static_cast<uint16_t>(crc >> 1);
    }
    return crc;
}
