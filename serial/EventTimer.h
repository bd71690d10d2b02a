#pragma once

// The serial link's event timer: a deadline counted in ticks of 1/18.2 s (about 55 ms) on a
// steady clock. NewTimer starts it, TimerExpired polls it; nothing runs when it expires.

#include <chrono>
#include <cstdint>

// Ticks per second of the event timer.
inline constexpr double EventTicksPerSecond = 18.2;

struct TEventTimer {
    std::chrono::steady_clock::time_point Deadline{};
};

// Duration of the given number of ticks (negative counts as 0).
[[nodiscard]] inline std::chrono::steady_clock::duration EventTicks(int32_t ticks) {
    const double seconds = ticks > 0 ? ticks / EventTicksPerSecond : 0.0;
    return std::chrono::duration_cast<std::chrono::steady_clock::duration>(
        std::chrono::duration<double>(seconds));
}

// Starts the timer so that it expires the given number of ticks from now.
inline void NewTimer(TEventTimer& timer, int32_t ticks) {
    timer.Deadline = std::chrono::steady_clock::now() + EventTicks(ticks);
}

[[nodiscard]] inline bool TimerExpired(const TEventTimer& timer) {
    return std::chrono::steady_clock::now() >= timer.Deadline;
}
