#pragma once

#include <cstdint>

// One CAN frame as the rest of the program sees it: right-aligned identifier, data count, eight bytes.
struct TCanFrame {
    uint32_t ID = 0;
    uint8_t DLC = 0;
    uint8_t Data[8] = {};
};
