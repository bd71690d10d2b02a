#pragma once

// The candump log format, one frame per line:
//   (1733650000.123456) can0 110#00010002C0051234 R
// timestamp in seconds with six decimals, interface name, identifier as 3 (standard) or 8
// (extended) hexadecimal digits, '#', the data in upper-case hexadecimal ("R" and an optional
// length for a remote frame), and an optional " R" (received) or " T" (sent).

#include "TraceFrame.h"
#include "TraceLineResult.h"

#include <QByteArray>
#include <QByteArrayView>

// Appends one line (with its '\n') for the frame. Remote frames are written as "100#R", error
// frames with candump's error flag in an 8-digit identifier and their eight data bytes.
void AppendCandumpLine(QByteArray& out, const TraceFrame& frame, QByteArrayView interfaceName);

// Reads one line (without its line end). Timestamps may have any number of decimals; identifiers,
// data and the direction are read in either case.
[[nodiscard]] TraceLineResult ParseCandumpLine(QByteArrayView line, TraceFrame& frame);
