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

#ifdef Q_OS_WIN
#include <thread>

#include <windows.h>
#endif

class TstFileCheck : public QObject {
    Q_OBJECT
private slots:
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
