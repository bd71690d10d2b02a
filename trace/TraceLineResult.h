#pragma once

#include <cstdint>

// What one line of a trace file held.
enum class TraceLineResult : uint8_t {
    Frame,   // a classic CAN frame (data, remote or error frame)
    Ignored, // blank lines, comments, headers and events that carry no frame
    Bad,     // a line that cannot be read
    CanFd,   // a CAN FD frame, which the tool does not play
};
