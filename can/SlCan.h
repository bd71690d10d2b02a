#pragma once

// The adapter library interface: twelve functions and the packed records they exchange. On this
// platform the functions forward to a replaceable driver (SlCanDriver); the real one sits on
// QCanBus, the tests install scripted ones.

#include <cstdint>
#include <memory>

#pragma pack(push, 1)
// Adapter message record, 14 bytes.
struct TSlCanMessage {
    uint8_t Flags = 0;   // bit 0: extended (29-bit) identifier
    uint32_t ID = 0;
    uint8_t DataCount = 0;
    uint8_t Data[8] = {};
};
// Adapter event record, 19 bytes.
struct TSlCanEvent {
    uint8_t EventType = 0;  // 0 = received frame, anything else = a non-frame event
    uint32_t TimeStamp = 0;
    TSlCanMessage Msg;
};
// Bit-rate record: the first word receives the bit-rate code.
struct TSlCanBitRate {
    uint16_t BRP = 0;
    uint8_t TSEG1 = 0;
    uint8_t TSEG2 = 0;
    uint8_t SJW = 0;
    uint8_t SAM = 0;
};
#pragma pack(pop)

static_assert(sizeof(TSlCanMessage) == 14, "adapter message record is 14 bytes");
static_assert(sizeof(TSlCanEvent) == 19, "adapter event record is 19 bytes");

using SlCanHandle = int32_t;

// Event types reported by the drivers besides 0 (a frame).
enum : uint8_t {
    SLCAN_EVT_FRAME = 0,
    SLCAN_EVT_ERROR_FRAME = 1,  // an error frame was seen on the bus
    SLCAN_EVT_BUS_STATE = 2,    // the controller changed its bus state (warning, passive, bus-off)
    SLCAN_EVT_DEVICE_LOST = 3,  // the interface went away while open
};

bool SlCan_Load(void* a, void* b);
bool SlCan_Free(int32_t reserved);
int32_t SlCan_GetDeviceCount();
SlCanHandle SlCan_GetDevice(int32_t index);
bool SlCan_DeviceOpen(SlCanHandle h);
bool SlCan_DeviceClose(SlCanHandle h);
bool SlCan_DeviceSetBitRate(SlCanHandle h, TSlCanBitRate* bitRate);
bool SlCan_DeviceSetEventLevel(SlCanHandle h, uint8_t level);
bool SlCan_DeviceSetMode(SlCanHandle h, uint32_t mode);
bool SlCan_DeviceSetTXTimeOut(SlCanHandle h, uint32_t timeOut);
bool SlCan_DeviceWriteMessages(SlCanHandle h, TSlCanMessage* msgs, uint32_t count, uint8_t* status);
bool SlCan_DeviceReadEvents(SlCanHandle h, uint32_t timeOut, TSlCanEvent* events, uint32_t maxCount,
                            uint32_t* count);

class SlCanDriver;
// Installs the driver behind the SlCan_* functions and returns the previous one. Without an
// installed driver every call fails (as with an adapter library that is not there).
std::unique_ptr<SlCanDriver> SlCanInstallDriver(std::unique_ptr<SlCanDriver> driver);
SlCanDriver* SlCanCurrentDriver();
