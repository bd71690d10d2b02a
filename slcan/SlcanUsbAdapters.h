#pragma once

// The USB identities (vendor and product id) of the serial-line CAN adapters the tool recognises
// by themselves, in one table. Plain USB-serial bridges (FTDI, CH340, CP210x, PL2303 with their
// usual ids) are not in it: they are as likely to be the RS-485 stick of the Modbus link, and
// sending CAN commands into that would do harm. Such adapters are still reached with
// --can slcan:PORT.

#include <QList>

#include <cstdint>

struct SlcanUsbAdapter {
    uint16_t vendorId;
    uint16_t productId;
    const char* name;
};

// Every known identity.
[[nodiscard]] const QList<SlcanUsbAdapter>& SlcanKnownUsbAdapters();
// The adapter with this identity, nullptr when it is not a known one.
[[nodiscard]] const SlcanUsbAdapter* FindSlcanUsbAdapter(uint16_t vendorId, uint16_t productId);
