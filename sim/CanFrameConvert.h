#pragma once

// Frames between the simulated devices and a Qt CAN bus.

#include "core/CanFrame.h"

#include <QCanBusFrame>

#include <cstdint>

// A device frame for the bus: extended format when the identifier exceeds 11 bits or the project
// uses protocol 3, data as long as its DLC (at most 8).
[[nodiscard]] QCanBusFrame ToQtFrame(const TCanFrame& frame, int32_t protokol);

// A data frame from the bus, standard or extended; false for error and remote frames, which the
// devices ignore. Data beyond eight bytes is cut off.
[[nodiscard]] bool FromQtFrame(const QCanBusFrame& in, TCanFrame& out);
