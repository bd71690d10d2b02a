#pragma once

// The serial link: one checksummed Modbus RTU request/answer exchange over the COM port of the
// main window's UART panel, and the Modbus CRC-16.

#include "RsPanelLink.h"
#include "core/Crc16.h"

#include <array>
#include <cstdint>

inline constexpr int32_t RsBufSize = 200000;

// The caller writes the request from index 0; the exchange sends it.
extern std::array<uint8_t, RsBufSize> RsTxBuf;
// The exchange writes the answer from index 0; the caller reads it after a successful exchange.
extern std::array<uint8_t, RsBufSize> RsRxBuf;

// Result codes of RsExchange. Every code other than RsOk and RsBadCrc makes the caller report
// an error.
inline constexpr uint8_t RsOk = 0;        // the expected bytes arrived and the CRC matches
inline constexpr uint8_t RsNoAnswer = 1;  // a wait for the next character ran out, or no port
inline constexpr uint8_t RsBadCrc = 2;    // the expected bytes arrived, the CRC does not match
inline constexpr uint8_t RsBusy = 3;      // the port's output buffer was not empty: nothing done
inline constexpr uint8_t RsNested = 4;    // an exchange is already running: nothing done
inline constexpr uint8_t RsAborted = 5;   // AbortKey ended the exchange
inline constexpr uint8_t RsBadLength = 6; // lengths outside the buffers: nothing done

// The panel whose port, time-out, progress display and abort request the exchange uses (set by
// the main window; nullptr detaches it). rsObject() of the panel must be valid when it is set.
void RsSetPanel(TRsPanelLink* panel);
[[nodiscard]] TRsPanelLink* RsPanel();

// Sends RsTxBuf[0 .. sendLen-1] followed by one 0x00 byte and collects exactly expectLen bytes
// (3 or more) into RsRxBuf, the last two being the CRC of the ones before. The time-out for the
// first character and every gap is TimeWait ticks of 1/18.2 s. Window messages run once per
// transmitted block of at most 1024 bytes; none run while the answer is awaited.
[[nodiscard]] uint8_t RsExchange(int32_t sendLen, int32_t expectLen);
