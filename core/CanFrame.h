#pragma once

#include <cstdint>

// One CAN frame as the rest of the program sees it: right-aligned identifier, data count, eight
// bytes, and for a received frame its own time: the adapter's time stamp, or the recorded time of a
// trace being played (Recorded).
struct TCanFrame {
    uint32_t ID = 0;
    uint8_t DLC = 0;
    uint8_t Data[8] = {};
    bool Recorded = false; // TimeUs is a trace's recorded time, not a live clock's
    int64_t TimeUs = 0;    // microseconds since the epoch; 0: not known (now)
};
