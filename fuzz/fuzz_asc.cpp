// The ASC reader: the lines of the input read in order by one AscReader (headers change how later
// lines read), and the whole input as an ".asc" file through TraceFileReader. A frame read is a
// classic frame within its bounds with its time inside what a trace holds, and reads back the same
// from the candump line the recorder writes for it; the file reader finds the same frames and counts.

#include "TraceChecks.h"

#include "trace/AscFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const FuzzScratchFile file(QStringLiteral("trace.asc"));
    const QByteArrayView bytes(data, static_cast<qsizetype>(size));
    AscReader reader;
    const TraceReadout lines =
        ReadLines(bytes, [&reader](QByteArrayView line, TraceFrame& f) { return reader.parseLine(line, f); });
    CheckFileReader(file, bytes, TraceFileReader::Format::Asc, lines);
    return 0;
}
