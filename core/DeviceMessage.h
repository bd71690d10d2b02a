#pragma once

// How a device message sits in a CAN frame, in the standard layout and in the protocol 3 layout.

#include "CanFrame.h"

#include <cstdint>

struct TDeviceMessage {
    uint8_t Mask = 0;       // bit 2: Values[0], bit 1: Values[1], bit 0: Values[2]
    uint16_t Address = 0;   // register of Values[0]
    int32_t Count = 0;      // value slots carried, 0..4
    int16_t Values[4] = {};
    int32_t Direction = 0;  // 0: from the device (TXadr), 1: to the device (RXadr)

    // Slot i carries a value when Count is 4, or when i <= 2 and bit 2-i of Mask is set.
    [[nodiscard]] bool present(int i) const {
        if (i < 0 || i >= Count || i > 3) return false;
        if (Count >= 4) return true;
        return i <= 2 && (Mask & (1u << (2 - i))) != 0;
    }
};

inline constexpr int Protocol3 = 3;
inline constexpr uint32_t Protocol3KeyMask = 0x1F000000u;

// The key the bus monitor counts and matches: bits 24-28 under protocol 3, the whole ID otherwise.
[[nodiscard]] constexpr uint32_t CanKey(uint32_t id, int32_t protokol) {
    return protokol == Protocol3 ? (id & Protocol3KeyMask) : id;
}

// Decodes a received frame for one device row whose RXadr or TXadr equals the frame's key.
[[nodiscard]] TDeviceMessage DecodeDeviceFrame(const TCanFrame& frame, int32_t protokol, uint32_t rxAdr,
                                               uint32_t txAdr);

// Encodes a register write on the identifier chosen by the sender (TXadr for "Up", RXadr for "Dn").
void EncodeRegisterWrite(const TDeviceMessage& msg, uint32_t identifier, int32_t protokol, TCanFrame& out);

// Encodes a command word to register 127 on RXadr, always in the standard layout.
void EncodeCommand(uint16_t word, uint32_t rxAdr, TCanFrame& out);
