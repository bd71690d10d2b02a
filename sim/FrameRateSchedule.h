#pragma once

// How many frames are due at a steady rate, called at whatever moments the timer fires. The total
// after t milliseconds is rate * t / 1000 whatever the spacing of the calls; after a stall the
// schedule catches up by at most one tenth of a second's worth and drops the rest.

#include <cstdint>

class FrameRateSchedule {
public:
    FrameRateSchedule() = default;
    explicit FrameRateSchedule(int framesPerSecond) : m_rate(framesPerSecond > 0 ? framesPerSecond : 0) {}

    [[nodiscard]] int rate() const { return m_rate; }

    // Frames due now, nowMs counted from the start of the schedule.
    [[nodiscard]] int64_t due(int64_t nowMs);
    // Frames dropped after stalls so far.
    [[nodiscard]] int64_t dropped() const { return m_dropped; }

private:
    int m_rate = 0;
    int64_t m_scheduled = 0;
    int64_t m_dropped = 0;
};
