// slcan-udev-rule: prints 60-canquorvex.rules, the udev rule for the serial-line USB-CAN adapters
// the tool recognises, made at build time from the tool's own table of adapters so the two never
// differ.

#include "slcan/SlcanUsbAdapters.h"

#include <cstdio>

int main() {
    std::printf(
        "# Serial-line USB-CAN adapters that CANQuorvex recognises by their USB identity: the user logged\n"
        "# in at the seat may open their serial port (uaccess), and ModemManager does not probe them (its\n"
        "# AT commands would reach the adapter as garbage). Made from the tool's table of adapters.\n"
        "\n"
        "ACTION==\"remove\", GOTO=\"canquorvex_end\"\n"
        "\n");
    // udev compares the attributes as text: sysfs writes four lower-case hexadecimal digits.
    for (const SlcanUsbAdapter& a : SlcanKnownUsbAdapters())
        std::printf("# %s\nATTRS{idVendor}==\"%04x\", ATTRS{idProduct}==\"%04x\", GOTO=\"canquorvex_adapter\"\n",
                    a.name, static_cast<unsigned>(a.vendorId), static_cast<unsigned>(a.productId));
    std::printf(
        "GOTO=\"canquorvex_end\"\n"
        "\n"
        "LABEL=\"canquorvex_adapter\"\n"
        "ENV{ID_MM_DEVICE_IGNORE}=\"1\"\n"
        "SUBSYSTEM==\"tty\", TAG+=\"uaccess\"\n"
        "\n"
        "LABEL=\"canquorvex_end\"\n");
    return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
}
