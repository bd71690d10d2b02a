#include "TraceLineScan.h"

#include <QByteArray>
#include <QIODevice>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

constexpr qint64 BlockSize = 1 << 20;

} // namespace

bool TraceLineScan::run(QIODevice& device, const std::atomic<bool>& cancel, QString* error) const {
    std::vector<char> block(static_cast<size_t>(BlockSize));
    QByteArray carry; // the start of a line that runs over a block's end (at most MaxLength + 1 kept)
    bool carryCut = false;
    qint64 offset = device.pos(); // file offset of block[0]
    qint64 lineStart = offset;
    const auto keep = [&](const char* p, qsizetype n) {
        const qsizetype room = std::max<qsizetype>(0, MaxLength + 1 - carry.size());
        if (n > room) carryCut = true;
        carry.append(p, std::min(n, room));
    };
    for (;;) {
        if (cancel.load(std::memory_order_relaxed)) return false;
        const qint64 got = device.read(block.data(), BlockSize);
        if (got < 0) {
            if (error) *error = device.errorString();
            return false;
        }
        if (got == 0) break;
        const char* p = block.data();
        const char* const end = p + got;
        while (p < end) {
            const char* nl = static_cast<const char*>(std::memchr(p, '\n', static_cast<size_t>(end - p)));
            if (nl == nullptr) {
                keep(p, end - p);
                break;
            }
            if (carry.isEmpty() && !carryCut) {
                const qsizetype length = nl - p;
                if (length > MaxLength)
                    Take(lineStart, QByteArrayView(p, MaxLength + 1), true);
                else
                    Take(lineStart, QByteArrayView(p, length), false);
            } else {
                keep(p, nl - p);
                Take(lineStart, carry, carryCut || carry.size() > MaxLength);
                carry.clear();
                carryCut = false;
            }
            lineStart = offset + (nl + 1 - block.data());
            p = nl + 1;
        }
        offset += got;
        if (Bytes) Bytes->store(offset, std::memory_order_release);
    }
    if (!carry.isEmpty() || carryCut) Take(lineStart, carry, carryCut || carry.size() > MaxLength);
    return true;
}
