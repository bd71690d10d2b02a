#pragma once

// Which adapter the CAN switch opens (or has open), told in a few words for the Bus panel: "trace:
// name.log", "socketcand: rig7/can0", "demo", "socketcan: can0"; and in full for its tooltip.

#include "can/CanAdapterName.h"

#include <QList>
#include <QString>

#include <optional>

// The adapters the installed adapter driver offers (empty for another binding, or none).
[[nodiscard]] QList<CanAdapterName> OfferedAdapters();
// The open adapter, else the one the CAN switch will open; none when nothing is offered.
[[nodiscard]] std::optional<CanAdapterName> AdapterInUse();
// A trace file is the adapter in use.
[[nodiscard]] bool TraceInUse();

// The short text of an adapter ("trace: name.log") and the whole one ("trace: /path/name.log").
[[nodiscard]] QString AdapterShortText(const CanAdapterName& adapter);
[[nodiscard]] QString AdapterLongText(const CanAdapterName& adapter);
