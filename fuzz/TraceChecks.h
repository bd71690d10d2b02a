#pragma once

// Checks shared by the trace targets: a frame read from a trace is a classic CAN frame within its
// bounds, written as a candump line it reads back the same, and a trace file read through
// TraceFileReader gives what its lines read one by one give.

#include "FuzzCheck.h"

#include "trace/CandumpFormat.h"
#include "trace/TraceFileReader.h"
#include "trace/TraceText.h"

#include <cstring>
#include <functional>
#include <vector>

inline void CheckTraceFrame(const TraceFrame& f) {
    FUZZ_CHECK(f.dlc <= 8);
    FUZZ_CHECK(f.timeUs >= 0 && f.timeUs <= MaxTraceTimeUs);
    FUZZ_CHECK(f.id <= (f.extended || f.error ? 0x1FFFFFFFu : 0x7FFu));
    FUZZ_CHECK(!(f.remote && f.error));
    if (f.remote || f.error) return;
    for (int i = f.dlc; i < 8; ++i)
        FUZZ_CHECK(f.data[i] == 0); // nothing read beyond the length
}

[[nodiscard]] inline bool SameFrame(const TraceFrame& a, const TraceFrame& b) {
    return a.timeUs == b.timeUs && a.id == b.id && a.extended == b.extended && a.remote == b.remote &&
           a.error == b.error && a.dlc == b.dlc && std::memcmp(a.data, b.data, sizeof a.data) == 0 &&
           a.direction == b.direction;
}

// The frame as the recorder writes it, read back.
inline void CheckCandumpRoundTrip(const TraceFrame& f) {
    QByteArray line;
    AppendCandumpLine(line, f, "can0");
    FUZZ_CHECK(line.endsWith('\n'));
    TraceFrame back;
    FUZZ_CHECK(ParseCandumpLine(QByteArrayView(line).chopped(1), back) == TraceLineResult::Frame);
    FUZZ_CHECK(back.timeUs == f.timeUs);
    FUZZ_CHECK(back.id == f.id && back.extended == f.extended && back.remote == f.remote &&
               back.error == f.error);
    if (f.error) {
        // An error frame is written with all eight bytes of its details and no direction.
        FUZZ_CHECK(std::memcmp(back.data, f.data, sizeof f.data) == 0);
        return;
    }
    FUZZ_CHECK(back.dlc == f.dlc);
    FUZZ_CHECK(std::memcmp(back.data, f.data, sizeof f.data) == 0);
    FUZZ_CHECK(back.direction == f.direction);
}

// What a trace gives: its frames and the lines counted as unreadable or CAN FD.
struct TraceReadout {
    std::vector<TraceFrame> frames;
    uint64_t bad = 0;
    uint64_t canFd = 0;
};

// The lines of bytes as TraceFileReader cuts them (at '\n'; a last line without one counts; a last
// line longer than MaxLineLength is unreadable), each given to parse. Only for a file that fits in one
// chunk of the reader.
inline TraceReadout ReadLines(QByteArrayView bytes,
                              const std::function<TraceLineResult(QByteArrayView, TraceFrame&)>& parse) {
    TraceReadout out;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        const bool last = end < 0;
        if (last) end = bytes.size();
        const QByteArrayView line = bytes.sliced(start, end - start);
        start = end + 1;
        if (last && line.size() > TraceFileReader::MaxLineLength) {
            ++out.bad;
            break;
        }
        TraceFrame f;
        switch (parse(line, f)) {
        case TraceLineResult::Frame:
            CheckTraceFrame(f);
            CheckCandumpRoundTrip(f);
            out.frames.push_back(f);
            break;
        case TraceLineResult::Bad:
            ++out.bad;
            break;
        case TraceLineResult::CanFd:
            ++out.canFd;
            break;
        case TraceLineResult::Ignored:
            break;
        }
    }
    return out;
}

// The same bytes as a file through TraceFileReader, a few lines per call as the player reads.
inline void CheckFileReader(const FuzzScratchFile& file, QByteArrayView bytes, TraceFileReader::Format format,
                            const TraceReadout& expected) {
    TraceFileReader reader;
    if (!reader.open(file.write(bytes))) {
        FUZZ_CHECK(bytes.contains('\0')); // the only refusal of a regular file that can be read
        return;
    }
    FUZZ_CHECK(!bytes.contains('\0'));
    if (reader.format() != format || bytes.size() > TraceFileReader::ChunkSize) return;
    std::vector<TraceFrame> frames;
    TraceFrame f;
    for (;;) {
        const TraceFileReader::Result r = reader.next(f, 3);
        FUZZ_CHECK(r != TraceFileReader::Result::Failed);
        if (r == TraceFileReader::Result::End) break;
        if (r == TraceFileReader::Result::Frame) frames.push_back(f);
    }
    FUZZ_CHECK(frames.size() == expected.frames.size());
    for (size_t i = 0; i < frames.size(); ++i)
        FUZZ_CHECK(SameFrame(frames[i], expected.frames[i]));
    FUZZ_CHECK(reader.badLines() == expected.bad);
    FUZZ_CHECK(reader.canFdLines() == expected.canFd);
    FUZZ_CHECK(reader.framesRead() == frames.size());
}
