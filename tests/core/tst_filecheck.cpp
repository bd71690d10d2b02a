// The names Windows keeps for its devices, refused where a file is expected: the rule by name (plain
// text, checked everywhere); on Windows also the checks before a read, and the safe write while
// another program has the file open for reading.

#include "core/FileCheck.h"
#include "core/FileReplace.h"
#include "tests/FileBytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/resource.h>
#endif
#ifdef Q_OS_WIN
#include <thread>

#include <windows.h>
#endif

class TstFileCheck : public QObject {
    Q_OBJECT
private slots:
    // A writer's bytes reach the file through a buffer of 64 KB: whole at any size and in any
    // pieces; a writer that gives up, or a disk that fills, leaves the file as it was and no
    // temporary file beside it, and says why.
    void writerThroughBuffer_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("piece");
        QTest::addColumn<bool>("writerSucceeds");
        QTest::addColumn<int>("diskBytes");  // the file size limit, 0: none (Unix only)
        QTest::addColumn<QString>("reason"); // empty: written
        QTest::newRow("nothing") << 0 << 1 << true << 0 << "";
        QTest::newRow("small, byte by byte") << 1000 << 1 << true << 0 << "";
        QTest::newRow("just one buffer") << 64 * 1024 << 4096 << true << 0 << "";
        QTest::newRow("past one buffer, odd pieces") << 200 * 1024 + 7 << 999 << true << 0 << "";
        QTest::newRow("one piece larger than the buffer") << 300 * 1024 << 300 * 1024 << true << 0 << "";
        QTest::newRow("writer gives up")
            << 100 * 1024 << 1024 << false << 0 << "the contents could not be made";
#ifdef Q_OS_UNIX
        const QString full = QString::fromLocal8Bit(strerror(EFBIG));
        QTest::newRow("disk fills in the first buffer") << 1000 << 100 << true << 500 << full;
        QTest::newRow("disk fills after a buffer") << 200 * 1024 << 1000 << true << 100 * 1024 << full;
        QTest::newRow("disk fills at the last part") << 70 * 1024 << 70 * 1024 << true << 69 * 1024 << full;
#endif
    }
    void writerThroughBuffer() {
        QFETCH(int, size);
        QFETCH(int, piece);
        QFETCH(bool, writerSucceeds);
        QFETCH(int, diskBytes);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Quorvex.ini"));
        const QByteArray before("[Main]\nVisible=1\n");
        QVERIFY(WriteFileBytes(path, before));
        QByteArray content(size, Qt::Uninitialized);
        for (int i = 0; i < size; ++i)
            content[i] = char('a' + i % 26);
        const auto writer = [&](QIODevice& out) {
            for (int at = 0; at < size; at += piece)
                if (out.write(content.constData() + at, std::min(piece, size - at)) < 0) return false;
            return writerSucceeds;
        };
#ifdef Q_OS_UNIX
        // A file size limit makes the disk "full" after diskBytes.
        rlimit old{};
        QVERIFY(getrlimit(RLIMIT_FSIZE, &old) == 0);
        if (diskBytes > 0) {
            std::signal(SIGXFSZ, SIG_IGN);
            rlimit small = old;
            small.rlim_cur = static_cast<rlim_t>(diskBytes);
            QVERIFY(setrlimit(RLIMIT_FSIZE, &small) == 0);
        }
#else
        QCOMPARE(diskBytes, 0);
#endif
        QString error;
        const bool written = FileReplace::write(path, writer, &error);
#ifdef Q_OS_UNIX
        if (diskBytes > 0) QVERIFY(setrlimit(RLIMIT_FSIZE, &old) == 0);
#endif
        QCOMPARE(written, reason.isEmpty());
        QCOMPARE(ReadFileBytes(path), written ? content : before);
        if (!written)
            QVERIFY2(error.contains(reason) && error.contains(QDir::toNativeSeparators(path)),
                     qPrintable(error));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("Quorvex.ini")});
    }

    void windowsDeviceNames_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("kind");
        const QString reserved = QStringLiteral("a reserved device name");
        const QString device = QStringLiteral("a device path");
        QTest::newRow("CON") << "CON" << reserved;
        QTest::newRow("lower case with an extension") << "nul.txt" << reserved;
        QTest::newRow("spaces before the extension") << "C:\\dir\\Com1 .log" << reserved;
        QTest::newRow("forward slashes") << "C:/data/lpt9" << reserved;
        QTest::newRow("superscript digit") << QStringLiteral("COM\u00B9.ini") << reserved;
        QTest::newRow("console output") << "conout$" << reserved;
        QTest::newRow("a stream of it") << "D:aux:stream" << reserved;
        QTest::newRow("serial port by device path") << "\\\\.\\COM5" << device;
        QTest::newRow("named pipe") << "//./pipe/quorvex" << device;
        QTest::newRow("global root") << "\\\\?\\GLOBALROOT\\Device\\Null" << device;
        QTest::newRow("long path of a file") << "\\\\?\\C:\\data\\Projects.ini"
                                             << "";
        QTest::newRow("long path on a share") << "\\\\?\\UNC\\server\\share\\x.ini"
                                              << "";
        QTest::newRow("COM10") << "COM10"
                               << "";
        QTest::newRow("COM0") << "com0.txt"
                              << "";
        QTest::newRow("name that starts like one") << "nullable.txt"
                                                   << "";
        QTest::newRow("folder named like one") << "C:\\CON.d\\Projects.ini"
                                               << "";
        QTest::newRow("leading space") << " NUL"
                                       << "";
    }
    void windowsDeviceNames() {
        QFETCH(QString, path);
        QFETCH(QString, kind);
        QCOMPARE(FileCheck::windowsDeviceKind(path), kind);
    }

#ifdef Q_OS_WIN
    void refusedBeforeReading_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("kind");
        QTest::newRow("NUL") << "NUL"
                             << "a reserved device name";
        QTest::newRow("COM1 in a folder") << "sub/com1.ini"
                                          << "a reserved device name";
        QTest::newRow("console by device path") << "\\\\.\\CONIN$"
                                                << "a device path";
        QTest::newRow("folder") << "sub"
                                << "a folder";
    }
    void refusedBeforeReading() {
        QFETCH(QString, path);
        QFETCH(QString, kind);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("sub")));
        const QString full = path.startsWith(QLatin1Char('\\')) || path == u"NUL" ? path : dir.filePath(path);
        QCOMPARE(FileCheck::otherKind(full), kind);
        QFile file;
        QString why;
        QVERIFY(!FileCheck::openRegular(file, full, &why));
        QCOMPARE(why, QStringLiteral("It is %1, not a regular file").arg(kind));
        QVERIFY(!FileReplace::write(full, QByteArray("x"), &why));
        QVERIFY2(why.contains(kind), qPrintable(why));
    }

    // Readers of the settings while they are replaced: one that lets the file be deleted under it,
    // one that does not (as Qt and most programs open files) but soon closes, and one that keeps it
    // open. The one that closes soon never stops the write. Where the replacement is done, a reader
    // keeps what it opened and the name gives the new contents; where it cannot be (a reader that
    // stays, without POSIX renames: wine, Windows before 10), the file stays as it was. No temporary
    // file is left either way.
    void replacedWhileOpenForReading_data() {
        QTest::addColumn<DWORD>("share");
        QTest::addColumn<int>("closeAfterMs"); // -1: keeps it open
        QTest::addColumn<bool>("mustReplace");
        QTest::newRow("reader sharing deletion")
            << DWORD(FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE) << -1 << false;
        QTest::newRow("reader closing soon") << DWORD(FILE_SHARE_READ | FILE_SHARE_WRITE) << 200 << true;
        QTest::newRow("reader keeping it open") << DWORD(FILE_SHARE_READ | FILE_SHARE_WRITE) << -1 << false;
    }
    void replacedWhileOpenForReading() {
        QFETCH(DWORD, share);
        QFETCH(int, closeAfterMs);
        QFETCH(bool, mustReplace);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Projects.ini"));
        const QByteArray before("[Projects]\r\nProjectNum=1\r\n");
        const QByteArray after("[Projects]\r\nProjectNum=2\r\n");
        QVERIFY(WriteFileBytes(path, before));
        const HANDLE reader =
            CreateFileW(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(path).utf16()),
                        GENERIC_READ, share, nullptr, OPEN_EXISTING, 0, nullptr);
        QVERIFY(reader != INVALID_HANDLE_VALUE);
        std::thread closer;
        if (closeAfterMs >= 0)
            closer = std::thread([reader, closeAfterMs] {
                Sleep(DWORD(closeAfterMs));
                CloseHandle(reader);
            });
        QString error;
        const bool replaced = FileReplace::write(path, after, &error);
        if (closer.joinable()) closer.join();
        QVERIFY2(replaced || !mustReplace, qPrintable(error));
        if (closeAfterMs < 0) {
            char seen[64] = {};
            DWORD n = 0;
            QVERIFY(ReadFile(reader, seen, sizeof seen, &n, nullptr));
            QCOMPARE(QByteArray(seen, int(n)), before);
            CloseHandle(reader);
        }
        QCOMPARE(ReadFileBytes(path), replaced ? after : before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Projects.ini"});
    }
#endif
};

QTEST_GUILESS_MAIN(TstFileCheck)
#include "tst_filecheck.moc"
