#pragma once

// Offers the plugin "slcandll" when the adapter library slcan.dll is found (in the program's folder
// or on the DLL search path): its interfaces are the adapters the library reports, "0" for the
// first. A library that is there but cannot be used (a 32-bit slcan.dll in this 64-bit program, a
// library without the SlCan_* functions) is reported once on stderr and when the plugin is asked
// for a device.

// Registers the plugin when slcan.dll is found; does nothing elsewhere (Linux has no slcan.dll).
void RegisterSlcanDllBus();
