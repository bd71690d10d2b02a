#pragma once

// Reads a file line by line in large blocks, without holding more of it than one block and the
// start of one line: the scan of the offline trace view's index and of its filters. Lines end at
// '\n' (a "\r\n" line end leaves its '\r' to the caller); a last line without its line end is a
// line; a line longer than maxLength is handed over cut to maxLength + 1 bytes with cut set.

#include <QByteArrayView>
#include <QString>

#include <atomic>
#include <functional>

class QIODevice;

struct TraceLineScan {
    // Called for every line with the offset where it begins.
    std::function<void(qint64 offset, QByteArrayView line, bool cut)> Take;
    // Set now and then to the bytes read so far (may be null).
    std::atomic<qint64>* Bytes = nullptr;
    qsizetype MaxLength = 4096;

    // Scans from the device's position to its end. False when cancel became true (error empty)
    // or the device could not be read on (error says why).
    bool run(QIODevice& device, const std::atomic<bool>& cancel, QString* error) const;
};
