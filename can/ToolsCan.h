#pragma once

// The one place that talks to the CAN adapter: six operations over the SlCan_* functions, with
// the state of the one open adapter and the shared frame arrays kept at unit level.

#include "CanBitRates.h"
#include "CanSendStatus.h"
#include "SlCan.h"
#include "core/CanFrame.h"

#include <QString>

#include <cstdint>

inline constexpr int CanTxSize = 31;
inline constexpr int CanRxSize = 60001;
inline constexpr int CanReadMax = 1000;  // frames one CanRead delivers at the most

extern TCanFrame CanTx[CanTxSize];
extern TCanFrame CanRx[CanRxSize];

extern bool CanLoaded;
extern bool CanOpened;
extern int32_t CanHandle;
extern int32_t CanDeviceCount;

void CanLoad();
void CanFree();
void CanOpen(int bitRateIndex, int deviceNumber);
void CanClose();
// Sends CanTx[0 .. count-1]; returns the transmit status (0..7) and whether the call was refused.
TCanSendStatus CanSend(int count);
// Reads what arrived into CanRx from index 0; returns the number of frames there (0..1000).
int CanRead(int timeOut);

// Restores the unit state to that of program start (for tests).
void CanResetState();
