#pragma once

// What the fuzz targets share: a check that stops the run with a report (libFuzzer saves the input
// as crash-*), cutting an input into pieces as a socket or serial port might deliver it, and a
// scratch file for the readers that take a path.

#include <QByteArray>
#include <QByteArrayView>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// Not an assert: it holds in every build type.
#define FUZZ_CHECK(condition)                                                                                \
    do {                                                                                                     \
        if (!(condition)) {                                                                                  \
            std::fprintf(stderr, "fuzz check failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__);         \
            __builtin_trap();                                                                                \
        }                                                                                                    \
    } while (0)

// Calls piece(QByteArrayView) for consecutive pieces of bytes, 1 to 17 bytes long; the lengths
// follow from the input itself, so a saved input replays the same cut.
template <typename Piece> void ForEachPiece(QByteArrayView bytes, Piece&& piece) {
    uint32_t state = 0x9E3779B9u ^ static_cast<uint32_t>(bytes.size());
    if (!bytes.isEmpty()) state ^= static_cast<uint8_t>(bytes.front()) * 0x01000193u;
    qsizetype at = 0;
    while (at < bytes.size()) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        const qsizetype length = std::min<qsizetype>(1 + state % 17, bytes.size() - at);
        piece(bytes.sliced(at, length));
        at += length;
    }
}

// A file of this run's own (in memory under /dev/shm where there is one, so that the readers'
// syncs cost nothing), removed when the target ends.
class FuzzScratchFile {
public:
    explicit FuzzScratchFile(const QString& name)
        : m_dir(QDir(QStringLiteral("/dev/shm")).exists()
                    ? QStringLiteral("/dev/shm/quorvex-fuzz-XXXXXX")
                    : QDir::tempPath() + QStringLiteral("/quorvex-fuzz-XXXXXX")),
          m_path(m_dir.filePath(name)) {
        if (!m_dir.isValid()) {
            std::fprintf(stderr, "no scratch folder: %s\n", qPrintable(m_dir.errorString()));
            std::abort();
        }
    }

    // The file now holds exactly bytes.
    [[nodiscard]] const QString& write(QByteArrayView bytes) const {
        QFile f(m_path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            f.write(bytes.data(), bytes.size()) != bytes.size()) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(m_path));
            std::abort();
        }
        return m_path;
    }
    [[nodiscard]] const QString& path() const { return m_path; }

private:
    QTemporaryDir m_dir;
    QString m_path;
};
