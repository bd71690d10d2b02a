#include "ToolsCan.h"

#include "CanBus.h"

#include <QDateTime>

#include <algorithm>
#include <cstring>

TCanFrame CanTx[CanTxSize];
TCanFrame CanRx[CanRxSize];

bool CanLoaded = false;
bool CanOpened = false;
int32_t CanHandle = -1;
int32_t CanDeviceCount = 0;

namespace {

constexpr int SendBufferSize = 101;

// Working buffers handed to the adapter library: preallocated, nothing is allocated per frame.
TSlCanMessage sendBuffer[SendBufferSize];
TSlCanEvent eventBuffer[CanReadMax];
TSlCanBitRate bitRateRecord;

} // namespace

void CanLoad() {
    CanLoaded = SlCan_Load(nullptr, nullptr);
}

void CanFree() {
    (void)SlCan_Free(0);
    CanLoaded = false;
}

void CanOpen(int bitRateIndex, int deviceNumber) {
    if (!CanLoaded || CanOpened) return;

    CanDeviceCount = SlCan_GetDeviceCount();
    // 0, -1 and -2 are the library's "no adapter" answers; any other count below one means the same.
    if (CanDeviceCount < 1) return;

    if (deviceNumber <= 1) deviceNumber = 1;
    if (deviceNumber > CanDeviceCount) deviceNumber = CanDeviceCount;

    CanHandle = SlCan_GetDevice(deviceNumber - 1);
    if (CanHandle == -1) return;

    if (!SlCan_DeviceOpen(CanHandle)) return;

    // An index outside the table is a refused bit rate: the device stays open but unconfigured.
    if (bitRateIndex < 0 || bitRateIndex >= CanBitRateCount) return;
    bitRateRecord = TSlCanBitRate{};
    bitRateRecord.BRP = CanBitRates[bitRateIndex];
    if (!SlCan_DeviceSetBitRate(CanHandle, &bitRateRecord)) return;

    if (!SlCan_DeviceSetEventLevel(CanHandle, 1)) return;
    if (!SlCan_DeviceSetMode(CanHandle, 1)) return;
    if (!SlCan_DeviceSetTXTimeOut(CanHandle, 100)) return;

    CanOpened = true;
}

void CanClose() {
    if (CanHandle == -1) return;
    if (SlCan_DeviceClose(CanHandle)) CanOpened = false;
}

TCanSendStatus CanSend(int count) {
    // CanTx holds 31 frames; a larger count would read past its end.
    count = std::clamp(count, 0, CanTxSize);
    for (int i = 0; i < count; ++i) {
        TSlCanMessage& m = sendBuffer[i];
        m.Flags = 1;
        m.ID = CanTx[i].ID;
        m.DataCount = CanTx[i].DLC;
        std::memcpy(m.Data, CanTx[i].Data, sizeof(m.Data));
    }

    uint8_t status = 0;
    const bool written =
        SlCan_DeviceWriteMessages(CanHandle, sendBuffer, static_cast<uint32_t>(count), &status);
    return {static_cast<uint8_t>(status > 7 ? 7 : status), !written};
}

int CanRead(int timeOut) {
    if (!CanOpened) return 0;

    // Cleared before every call, and a refused read counts as no events: a binding that leaves the
    // count alone on failure must not make this tick process the previous read again.
    uint32_t eventCount = 0;
    CanBus().clearReadTimes();
    if (!SlCan_DeviceReadEvents(CanHandle, static_cast<uint32_t>(timeOut), eventBuffer, CanReadMax,
                                &eventCount))
        eventCount = 0;
    if (eventCount == 0) return 0;
    eventCount = std::min<uint32_t>(eventCount, CanReadMax);

    // Non-frame events (error frames, bus state, a lost device) are skipped; the result is always the
    // number of frames written to CanRx, however many of them there were.
    // The frames' times come from the bus object when it gave the events; another binding of the
    // adapter functions gives none: the frames are then as late as now.
    const std::vector<int64_t>& times = CanBus().lastReadTimes();
    const bool timed = times.size() == eventCount;
    const bool recorded = timed && CanBus().recordedTime();
    const int64_t nowUs = timed ? 0 : QDateTime::currentMSecsSinceEpoch() * 1000;
    int frames = 0;
    for (uint32_t i = 0; i < eventCount; ++i) {
        const TSlCanEvent& e = eventBuffer[i];
        if (e.EventType != SLCAN_EVT_FRAME) continue;
        TCanFrame& f = CanRx[frames++];
        f.ID = e.Msg.ID;
        f.DLC = e.Msg.DataCount;
        std::memcpy(f.Data, e.Msg.Data, sizeof(f.Data));
        f.Recorded = recorded;
        f.TimeUs = timed ? times[i] : nowUs;
    }
    return frames;
}

void CanResetState() {
    CanLoaded = false;
    CanOpened = false;
    CanHandle = -1;
    CanDeviceCount = 0;
    bitRateRecord = TSlCanBitRate{};
    std::fill(std::begin(CanTx), std::end(CanTx), TCanFrame{});
    std::fill(std::begin(CanRx), std::end(CanRx), TCanFrame{});
    std::fill(std::begin(sendBuffer), std::end(sendBuffer), TSlCanMessage{});
    std::fill(std::begin(eventBuffer), std::end(eventBuffer), TSlCanEvent{});
}
