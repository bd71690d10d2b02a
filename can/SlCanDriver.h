#pragma once

#include "SlCan.h"

// What sits behind the SlCan_* functions. Each method mirrors one library function.
class SlCanDriver {
public:
    virtual ~SlCanDriver() = default;
    virtual bool Load() = 0;
    virtual bool Free() = 0;
    virtual int32_t GetDeviceCount() = 0;
    virtual SlCanHandle GetDevice(int32_t index) = 0;
    virtual bool DeviceOpen(SlCanHandle h) = 0;
    virtual bool DeviceClose(SlCanHandle h) = 0;
    virtual bool DeviceSetBitRate(SlCanHandle h, const TSlCanBitRate& bitRate) = 0;
    virtual bool DeviceSetEventLevel(SlCanHandle h, uint8_t level) = 0;
    virtual bool DeviceSetMode(SlCanHandle h, uint32_t mode) = 0;
    virtual bool DeviceSetTXTimeOut(SlCanHandle h, uint32_t timeOut) = 0;
    virtual bool DeviceWriteMessages(SlCanHandle h, const TSlCanMessage* msgs, uint32_t count,
                                     uint8_t* status) = 0;
    virtual bool DeviceReadEvents(SlCanHandle h, uint32_t timeOut, TSlCanEvent* events, uint32_t maxCount,
                                  uint32_t* count) = 0;
};
