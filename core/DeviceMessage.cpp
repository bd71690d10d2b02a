#include "DeviceMessage.h"

#include <algorithm>

namespace {

[[nodiscard]] int16_t wordAt(const uint8_t* data, int i) {
    return static_cast<int16_t>(static_cast<uint16_t>((data[i] << 8) | data[i + 1]));
}

void putWord(uint8_t* data, int i, uint16_t value) {
    data[i] = static_cast<uint8_t>(value >> 8);
    data[i + 1] = static_cast<uint8_t>(value & 0xFF);
}

} // namespace

TDeviceMessage DecodeDeviceFrame(const TCanFrame& frame, int32_t protokol, uint32_t rxAdr, uint32_t txAdr) {
    TDeviceMessage msg;
    const uint8_t* d = frame.Data;
    if (protokol == Protocol3) {
        msg.Mask = 0xFF;
        msg.Address = static_cast<uint16_t>(frame.ID & 0x7F);
        // A data count above 8 cannot come off the bus; it never yields more than the four slots.
        msg.Count = std::min<int32_t>(frame.DLC, 8) >> 1;
        for (int k = 0; k < 4; ++k)
            msg.Values[k] = wordAt(d, 2 * k);
    } else {
        msg.Mask = static_cast<uint8_t>(d[4] >> 5);
        msg.Address = static_cast<uint16_t>(((d[4] & 0x1F) << 8) | d[5]);
        msg.Count = 3;
        msg.Values[0] = wordAt(d, 6);
        msg.Values[1] = wordAt(d, 0);
        msg.Values[2] = wordAt(d, 2);
    }
    const uint32_t key = CanKey(frame.ID, protokol);
    if (key == txAdr) msg.Direction = 0;
    if (key == rxAdr) msg.Direction = 1; // a row whose two identifiers are equal counts as "to the device"
    return msg;
}

void EncodeRegisterWrite(const TDeviceMessage& msg, uint32_t identifier, int32_t protokol, TCanFrame& out) {
    if (protokol == Protocol3) {
        out.ID = identifier + msg.Address;
        out.DLC = static_cast<uint8_t>(2 * std::clamp<int32_t>(msg.Count, 0, 4));
        for (int k = 0; k < 4; ++k)
            putWord(out.Data, 2 * k, static_cast<uint16_t>(msg.Values[k]));
        return;
    }
    out.ID = identifier;
    out.DLC = 8;
    putWord(out.Data, 0, static_cast<uint16_t>(msg.Values[1]));
    putWord(out.Data, 2, static_cast<uint16_t>(msg.Values[2]));
    out.Data[4] = static_cast<uint8_t>(msg.Mask << 5); // address bits 12-8 are never sent
    out.Data[5] = static_cast<uint8_t>(msg.Address & 0xFF);
    putWord(out.Data, 6, static_cast<uint16_t>(msg.Values[0]));
}

void EncodeCommand(uint16_t word, uint32_t rxAdr, TCanFrame& out) {
    out.ID = rxAdr;
    out.DLC = 8;
    for (int i = 0; i < 4; ++i)
        out.Data[i] = 0;
    out.Data[4] = 0x80; // mask 4: one value
    out.Data[5] = 0x7F; // register 127
    putWord(out.Data, 6, word);
}
