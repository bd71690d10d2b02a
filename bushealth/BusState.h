#pragma once

// The adapter's state on the bus, as its plugin reports it (QCanBusDevice::busStatus()) or as its
// error frames tell it, and how the tool names and colours it.

#include "BusErrorInfo.h"

#include <QCanBusDevice>
#include <QString>

enum class BusState : uint8_t { Unknown, ErrorActive, Warning, ErrorPassive, BusOff, NoAdapter };

// How alarming a state is: shown in the normal colours, in amber or in red.
enum class BusStateSeverity : uint8_t { Normal, Amber, Red };

[[nodiscard]] BusState BusStateOf(QCanBusDevice::CanBusStatus status);
// The state after an error frame: bus off, a restart (error active), or the controller status bits
// (error passive before warning before error active again); frames that say nothing of the state
// leave it as it was.
[[nodiscard]] BusState BusStateAfter(BusState state, const BusErrorInfo& error);
// "error active", "warning", "error passive", "bus off", "unknown", "no adapter".
[[nodiscard]] QString BusStateText(BusState state);
[[nodiscard]] BusStateSeverity BusStateSeverityOf(BusState state);
