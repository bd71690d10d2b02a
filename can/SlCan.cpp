#include "SlCan.h"
#include "SlCanDriver.h"

namespace {

std::unique_ptr<SlCanDriver>& installed() {
    static std::unique_ptr<SlCanDriver> driver;
    return driver;
}

} // namespace

std::unique_ptr<SlCanDriver> SlCanInstallDriver(std::unique_ptr<SlCanDriver> driver) {
    std::unique_ptr<SlCanDriver> previous = std::move(installed());
    installed() = std::move(driver);
    return previous;
}

SlCanDriver* SlCanCurrentDriver() {
    return installed().get();
}

bool SlCan_Load(void* /*a*/, void* /*b*/) {
    SlCanDriver* d = SlCanCurrentDriver();
    return d != nullptr && d->Load();
}

bool SlCan_Free(int32_t /*reserved*/) {
    SlCanDriver* d = SlCanCurrentDriver();
    return d != nullptr && d->Free();
}

int32_t SlCan_GetDeviceCount() {
    SlCanDriver* d = SlCanCurrentDriver();
    return d != nullptr ? d->GetDeviceCount() : 0;
}

SlCanHandle SlCan_GetDevice(int32_t index) {
    SlCanDriver* d = SlCanCurrentDriver();
    return d != nullptr ? d->GetDevice(index) : -1;
}

bool SlCan_DeviceOpen(SlCanHandle h) {
    SlCanDriver* d = SlCanCurrentDriver();
    return d != nullptr && d->DeviceOpen(h);
}

bool SlCan_DeviceClose(SlCanHandle h) {
    SlCanDriver* d = SlCanCurrentDriver();
    return d != nullptr && d->DeviceClose(h);
}

bool SlCan_DeviceSetBitRate(SlCanHandle h, TSlCanBitRate* bitRate) {
    SlCanDriver* d = SlCanCurrentDriver();
    return d != nullptr && bitRate != nullptr && d->DeviceSetBitRate(h, *bitRate);
}

bool SlCan_DeviceSetEventLevel(SlCanHandle h, uint8_t level) {
    SlCanDriver* d = SlCanCurrentDriver();
    return d != nullptr && d->DeviceSetEventLevel(h, level);
}

bool SlCan_DeviceSetMode(SlCanHandle h, uint32_t mode) {
    SlCanDriver* d = SlCanCurrentDriver();
    return d != nullptr && d->DeviceSetMode(h, mode);
}

bool SlCan_DeviceSetTXTimeOut(SlCanHandle h, uint32_t timeOut) {
    SlCanDriver* d = SlCanCurrentDriver();
    return d != nullptr && d->DeviceSetTXTimeOut(h, timeOut);
}

bool SlCan_DeviceWriteMessages(SlCanHandle h, TSlCanMessage* msgs, uint32_t count, uint8_t* status) {
    SlCanDriver* d = SlCanCurrentDriver();
    if (d == nullptr || (msgs == nullptr && count > 0)) return false;
    return d->DeviceWriteMessages(h, msgs, count, status);
}

bool SlCan_DeviceReadEvents(SlCanHandle h, uint32_t timeOut, TSlCanEvent* events, uint32_t maxCount,
                            uint32_t* count) {
    SlCanDriver* d = SlCanCurrentDriver();
    if (d == nullptr || (events == nullptr && maxCount > 0)) {
        if (count != nullptr) *count = 0;
        return false;
    }
    return d->DeviceReadEvents(h, timeOut, events, maxCount, count);
}
