#pragma once

// Reads a trace file frame by frame without loading it: candump logs (".log" and anything not
// recognised as ASC) and Vector ASC logs (".asc", or a file that begins like one). Lines that
// cannot be read are counted and passed over; lines longer than MaxLineLength are counted as
// unreadable without being held in memory; CAN FD lines are counted apart.

#include "AscFormat.h"
#include "TraceFrame.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QString>

#include <cstdint>

class TraceFileReader {
    Q_DECLARE_TR_FUNCTIONS(TraceFileReader)

public:
    static constexpr qsizetype MaxLineLength = 4096;
    static constexpr qsizetype ChunkSize = 64 * 1024;

    enum class Format : uint8_t { Candump, Asc };
    enum class Result : uint8_t {
        Frame,  // the next frame is in the argument
        Busy,   // the line budget is used up without a frame; ask again
        End,    // no more frames
        Failed, // the file could not be read on (errorString())
    };

    // Opens the file and decides its format. False with a message naming the file when it does not
    // exist, is no regular file (a folder, FIFO, socket or device: refused before anything opens it),
    // cannot be read, or holds binary data.
    [[nodiscard]] bool open(const QString& path);
    void close();

    // The next frame, reading at most maxLines lines.
    [[nodiscard]] Result next(TraceFrame& frame, int maxLines = 100000);

    [[nodiscard]] Format format() const { return m_format; }
    [[nodiscard]] const QString& errorString() const { return m_error; }
    [[nodiscard]] const QString& path() const { return m_path; }
    [[nodiscard]] uint64_t framesRead() const { return m_frames; }
    [[nodiscard]] uint64_t badLines() const { return m_bad; }
    [[nodiscard]] uint64_t canFdLines() const { return m_canFd; }
    [[nodiscard]] qint64 bytesRead() const { return m_file.pos() - (m_buffer.size() - m_pos); }
    [[nodiscard]] qint64 size() const { return m_file.size(); }

private:
    enum class Line : uint8_t { Got, End, Failed };
    [[nodiscard]] Line nextLine(QByteArrayView& line);
    [[nodiscard]] bool fill();

    QString m_path;
    QString m_error;
    QFile m_file;
    QByteArray m_buffer;
    qsizetype m_pos = 0;
    bool m_eof = false;
    bool m_skipping = false; // inside a line that is too long
    Format m_format = Format::Candump;
    AscReader m_asc;
    uint64_t m_frames = 0;
    uint64_t m_bad = 0;
    uint64_t m_canFd = 0;
};
