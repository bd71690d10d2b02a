#pragma once

// One frame of a trace file: when it passed, which way, and the frame itself.

#include "core/CanFrame.h"

#include <cstdint>
#include <cstring>

enum class TraceDirection : uint8_t { Unknown, Received, Sent };

struct TraceFrame {
    int64_t timeUs = 0; // microseconds; since the epoch in recorded files, any origin in others
    uint32_t id = 0;    // right-aligned identifier (11 or 29 bits); error flags for error frames
    bool extended = false;
    bool remote = false;
    bool error = false; // an error frame (candump's error flag in the identifier, ASC's ErrorFrame)
    uint8_t dlc = 0;
    uint8_t data[8] = {};
    TraceDirection direction = TraceDirection::Unknown;

    // The frame as the tool's device messages are decoded from (identifier, length, data).
    [[nodiscard]] TCanFrame canFrame() const {
        TCanFrame f;
        f.ID = id;
        f.DLC = dlc;
        std::memcpy(f.Data, data, sizeof f.Data);
        return f;
    }
};
