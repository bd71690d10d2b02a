#pragma once

// Vector ASC text logs, as log2asc writes them and most bus analysers export them:
//   date Sun Dec  8 09:26:40 2024
//   base hex  timestamps absolute
//      0.000000 1  110             Rx   d 8 00 01 00 02 C0 05 12 34
//      0.100000 1  12345678x       Tx   d 2 01 02
//      0.200000 1  100             Rx   r 0
// Header lines set the number base and whether timestamps are absolute or relative to the
// previous line; events without a frame (trigger blocks, statistics, markers) are passed over.

#include "TraceFrame.h"
#include "TraceLineResult.h"

#include <QByteArrayView>

#include <cstdint>

class AscReader {
public:
    // Reads one line (without its line end); timestamps come out absolute from the log's start.
    [[nodiscard]] TraceLineResult parseLine(QByteArrayView line, TraceFrame& frame);

private:
    [[nodiscard]] bool number(QByteArrayView text, uint32_t& value) const;

    bool m_hex = true;
    bool m_relative = false;
    int64_t m_lastUs = 0;
};
