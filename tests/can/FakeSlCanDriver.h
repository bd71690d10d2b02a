#pragma once

// A scripted adapter library for tests: every answer can be set either way, every call is recorded
// in order ("DeviceOpen 100", "DeviceSetBitRate 100 0x8004", ...), frames and other events can be
// queued for the next reads, and sent messages are kept. Header-only, Qt Core only.

#include "can/SlCanDriver.h"

#include <QString>
#include <QStringList>

#include <cstring>
#include <deque>
#include <vector>

class FakeSlCanDriver : public SlCanDriver {
public:
    // --- script ---
    bool loadResult = true;
    bool freeResult = true;
    int32_t deviceCount = 1;
    SlCanHandle handleBase = 100; // GetDevice(i) answers handleBase + i ...
    bool handleInvalid = false;   // ... or -1
    bool openResult = true;
    bool bitRateResult = true;
    bool eventLevelResult = true;
    bool modeResult = true;
    bool txTimeOutResult = true;
    bool closeResult = true;
    bool writeResult = true;
    uint8_t writeStatus = 0;
    bool writeStatusOnFailure = false; // a refused write still fills the status byte
    bool readResult = true;
    // A refused read leaves the count alone (as some bindings do) instead of writing 0.
    bool failedReadKeepsCount = true;
    // An accepted read that does not write the count at all.
    bool readWritesCount = true;
    // Reported as the count of a read whatever was queued (-1: the number of events written).
    int64_t forcedReadCount = -1;

    // --- record ---
    QStringList calls;
    std::vector<TSlCanMessage> sent; // every message of every accepted write
    uint16_t lastBitRateCode = 0;
    uint32_t lastReadTimeOut = 0;
    uint32_t lastReadMaxCount = 0;
    SlCanHandle openHandle = -1; // handle of the last successful DeviceOpen, -1 after a close

    // --- events for the next reads ---
    void queueFrame(uint32_t id, uint8_t dlc, std::initializer_list<uint8_t> data = {}, uint8_t flags = 1) {
        TSlCanEvent e;
        e.EventType = 0;
        e.Msg.Flags = flags;
        e.Msg.ID = id;
        e.Msg.DataCount = dlc;
        int i = 0;
        for (uint8_t b : data)
            if (i < 8) e.Msg.Data[i++] = b;
        m_pending.push_back(e);
    }
    void queueFrame(uint32_t id, uint8_t dlc, const uint8_t (&data)[8], uint8_t flags = 1) {
        TSlCanEvent e;
        e.Msg.Flags = flags;
        e.Msg.ID = id;
        e.Msg.DataCount = dlc;
        std::memcpy(e.Msg.Data, data, 8);
        m_pending.push_back(e);
    }
    // A non-frame event of the given type; its message part carries garbage that must be ignored.
    void queueEvent(uint8_t type, int times = 1) {
        for (int i = 0; i < times; ++i) {
            TSlCanEvent e;
            e.EventType = type;
            e.Msg.ID = 0xDEAD0000u + static_cast<uint32_t>(i);
            e.Msg.DataCount = 8;
            std::memset(e.Msg.Data, 0xEE, 8);
            m_pending.push_back(e);
        }
    }
    [[nodiscard]] int pendingEvents() const { return static_cast<int>(m_pending.size()); }
    [[nodiscard]] int callCount(const QString& prefix) const {
        int n = 0;
        for (const QString& c : calls)
            if (c.startsWith(prefix)) ++n;
        return n;
    }
    // The calls without arguments, e.g. {"GetDeviceCount", "GetDevice", "DeviceOpen"}.
    [[nodiscard]] QStringList callNames() const {
        QStringList names;
        for (const QString& c : calls)
            names << c.section(QLatin1Char(' '), 0, 0);
        return names;
    }

    // --- the library ---
    bool Load() override {
        calls << QStringLiteral("Load");
        return loadResult;
    }
    bool Free() override {
        calls << QStringLiteral("Free");
        return freeResult;
    }
    int32_t GetDeviceCount() override {
        calls << QStringLiteral("GetDeviceCount");
        return deviceCount;
    }
    SlCanHandle GetDevice(int32_t index) override {
        calls << QStringLiteral("GetDevice %1").arg(index);
        return handleInvalid ? -1 : handleBase + index;
    }
    bool DeviceOpen(SlCanHandle h) override {
        calls << QStringLiteral("DeviceOpen %1").arg(h);
        if (openResult) openHandle = h;
        return openResult;
    }
    bool DeviceClose(SlCanHandle h) override {
        calls << QStringLiteral("DeviceClose %1").arg(h);
        if (closeResult) openHandle = -1;
        return closeResult;
    }
    bool DeviceSetBitRate(SlCanHandle h, const TSlCanBitRate& bitRate) override {
        calls << QStringLiteral("DeviceSetBitRate %1 0x%2").arg(h).arg(bitRate.BRP, 4, 16, QLatin1Char('0'));
        lastBitRateCode = bitRate.BRP;
        return bitRateResult;
    }
    bool DeviceSetEventLevel(SlCanHandle h, uint8_t level) override {
        calls << QStringLiteral("DeviceSetEventLevel %1 %2").arg(h).arg(level);
        return eventLevelResult;
    }
    bool DeviceSetMode(SlCanHandle h, uint32_t mode) override {
        calls << QStringLiteral("DeviceSetMode %1 %2").arg(h).arg(mode);
        return modeResult;
    }
    bool DeviceSetTXTimeOut(SlCanHandle h, uint32_t timeOut) override {
        calls << QStringLiteral("DeviceSetTXTimeOut %1 %2").arg(h).arg(timeOut);
        return txTimeOutResult;
    }
    bool DeviceWriteMessages(SlCanHandle h, const TSlCanMessage* msgs, uint32_t count,
                             uint8_t* status) override {
        calls << QStringLiteral("DeviceWriteMessages %1 %2").arg(h).arg(count);
        if (!writeResult) {
            if (writeStatusOnFailure && status != nullptr) *status = writeStatus;
            return false;
        }
        for (uint32_t i = 0; i < count; ++i)
            sent.push_back(msgs[i]);
        if (status != nullptr) *status = writeStatus;
        return true;
    }
    bool DeviceReadEvents(SlCanHandle h, uint32_t timeOut, TSlCanEvent* events, uint32_t maxCount,
                          uint32_t* count) override {
        calls << QStringLiteral("DeviceReadEvents %1 %2 %3").arg(h).arg(timeOut).arg(maxCount);
        lastReadTimeOut = timeOut;
        lastReadMaxCount = maxCount;
        if (!readResult) {
            if (!failedReadKeepsCount && count != nullptr) *count = 0;
            return false;
        }
        uint32_t n = 0;
        while (n < maxCount && !m_pending.empty()) {
            events[n++] = m_pending.front();
            m_pending.pop_front();
        }
        if (count != nullptr && readWritesCount)
            *count = forcedReadCount >= 0 ? static_cast<uint32_t>(forcedReadCount) : n;
        return true;
    }

private:
    std::deque<TSlCanEvent> m_pending;
};
