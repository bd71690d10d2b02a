#include "SlcanUsbAdapters.h"

const QList<SlcanUsbAdapter>& SlcanKnownUsbAdapters() {
    static const QList<SlcanUsbAdapter> table = {
        // CANable / CANtact and their clones with the slcan firmware.
        {0xAD50, 0x60C4, "CANable (slcan firmware)"},
        // CANable 2.0 with the slcan firmware.
        {0x16D0, 0x117E, "CANable 2.0 (slcan firmware)"},
        // USBtin: the Microchip CDC identity it ships with.
        {0x04D8, 0x000A, "USBtin"},
        // Lawicel CANUSB: an FTDI chip with its own product id.
        {0x0403, 0xFFA8, "Lawicel CANUSB"},
        // The STM32 virtual COM port identity that most no-name slcan sticks keep.
        {0x0483, 0x5740, "STM32 virtual COM port (slcan stick)"},
    };
    return table;
}

const SlcanUsbAdapter* FindSlcanUsbAdapter(uint16_t vendorId, uint16_t productId) {
    for (const SlcanUsbAdapter& adapter : SlcanKnownUsbAdapters())
        if (adapter.vendorId == vendorId && adapter.productId == productId) return &adapter;
    return nullptr;
}
