// The candump reader: every line of the input read by ParseCandumpLine, and the whole input as a
// ".log" file through TraceFileReader. A frame read is a classic frame within its bounds and reads
// back the same from the line the recorder writes for it; the file reader finds the same frames and
// counts the same unreadable and CAN FD lines.

#include "TraceChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const FuzzScratchFile file(QStringLiteral("trace.log"));
    const QByteArrayView bytes(data, static_cast<qsizetype>(size));
    const TraceReadout lines =
        ReadLines(bytes, [](QByteArrayView line, TraceFrame& f) { return ParseCandumpLine(line, f); });
    CheckFileReader(file, bytes, TraceFileReader::Format::Candump, lines);
    return 0;
}
