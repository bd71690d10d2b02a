#include "TraceFileReader.h"

#include "CandumpFormat.h"

#include "core/FileCheck.h"

#include <QDir>
#include <QFileInfo>

namespace {

[[nodiscard]] bool looksLikeAsc(QByteArrayView start) {
    // The first line that is not blank.
    qsizetype i = 0;
    while (i < start.size() && (start[i] == ' ' || start[i] == '\t' || start[i] == '\r' || start[i] == '\n'))
        ++i;
    const QByteArrayView rest = start.sliced(i);
    for (const char* head :
         {"date ", "base ", "//", "Begin Triggerblock", "no internal events", "internal events"})
        if (rest.startsWith(QByteArrayView(head))) return true;
    return false;
}

} // namespace

bool TraceFileReader::open(const QString& path) {
    close();
    m_path = path;
    const QString shown = QDir::toNativeSeparators(path);
    const QFileInfo info(path);
    if (!info.exists()) {
        m_error = tr("%1: no such file.").arg(shown);
        return false;
    }
    // A FIFO, socket or device would hold the GUI thread in open() or read(): refused by its kind,
    // and the open itself does not wait.
    if (const QString kind = FileCheck::otherKind(path); !kind.isEmpty()) {
        m_error = tr("%1 is %2, not a trace file.").arg(shown, kind);
        return false;
    }
    QString why;
    if (!FileCheck::openRegular(m_file, path, &why)) {
        m_error = tr("%1 cannot be read: %2.").arg(shown, why);
        return false;
    }
    if (!fill()) return false;
    if (m_buffer.contains('\0')) {
        m_error = tr("%1 is not a text trace (it holds binary data).").arg(shown);
        m_file.close();
        return false;
    }
    m_format = path.endsWith(QLatin1String(".asc"), Qt::CaseInsensitive) || looksLikeAsc(m_buffer)
                   ? Format::Asc
                   : Format::Candump;
    return true;
}

void TraceFileReader::close() {
    m_file.close();
    m_buffer.clear();
    m_pos = 0;
    m_eof = false;
    m_skipping = false;
    m_error.clear();
    m_asc = AscReader();
    m_frames = m_bad = m_canFd = 0;
}

bool TraceFileReader::fill() {
    // Keep the unread part, then append one chunk.
    if (m_pos > 0) {
        m_buffer.remove(0, m_pos);
        m_pos = 0;
    }
    const qsizetype have = m_buffer.size();
    m_buffer.resize(have + ChunkSize);
    const qint64 got = m_file.read(m_buffer.data() + have, ChunkSize);
    if (got < 0) {
        m_buffer.resize(have);
        m_error = tr("%1 cannot be read on: %2.").arg(QDir::toNativeSeparators(m_path), m_file.errorString());
        return false;
    }
    m_buffer.resize(have + got);
    if (got == 0) m_eof = true;
    return true;
}

TraceFileReader::Line TraceFileReader::nextLine(QByteArrayView& line) {
    for (;;) {
        const qsizetype nl = m_buffer.indexOf('\n', m_pos);
        if (nl >= 0) {
            const qsizetype start = m_pos;
            m_pos = nl + 1;
            if (m_skipping) { // the end of an overlong line
                m_skipping = false;
                continue;
            }
            line = QByteArrayView(m_buffer).sliced(start, nl - start);
            return Line::Got;
        }
        if (m_skipping || m_buffer.size() - m_pos > MaxLineLength) {
            if (!m_skipping) ++m_bad;
            m_skipping = true;
            m_buffer.clear();
            m_pos = 0;
        }
        if (m_eof) {
            if (m_skipping || m_pos >= m_buffer.size()) return Line::End;
            line = QByteArrayView(m_buffer).sliced(m_pos); // a last line without its line end
            m_pos = m_buffer.size();
            return Line::Got;
        }
        if (!fill()) return Line::Failed;
    }
}

TraceFileReader::Result TraceFileReader::next(TraceFrame& frame, int maxLines) {
    if (!m_file.isOpen()) return m_error.isEmpty() ? Result::End : Result::Failed;
    for (int n = 0; n < maxLines; ++n) {
        QByteArrayView line;
        switch (nextLine(line)) {
        case Line::End:
            return Result::End;
        case Line::Failed:
            return Result::Failed;
        case Line::Got:
            break;
        }
        const TraceLineResult r =
            m_format == Format::Asc ? m_asc.parseLine(line, frame) : ParseCandumpLine(line, frame);
        switch (r) {
        case TraceLineResult::Frame:
            ++m_frames;
            return Result::Frame;
        case TraceLineResult::Bad:
            ++m_bad;
            break;
        case TraceLineResult::CanFd:
            ++m_canFd;
            break;
        case TraceLineResult::Ignored:
            break;
        }
    }
    return Result::Busy;
}
