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
        QTest::newRow("long path of a file") << "\\\\?\\C:\\data\\Projects.ini" << "";
        QTest::newRow("long path on a share") << "\\\\?\\UNC\\server\\share\\x.ini" << "";
        QTest::newRow("COM10") << "COM10" << "";
        QTest::newRow("COM0") << "com0.txt" << "";
        QTest::newRow("name that starts like one") << "nullable.txt" << "";
        QTest::newRow("folder named like one") << "C:\\CON.d\\Projects.ini" << "";
        QTest::newRow("leading space") << " NUL" << "";
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
        QTest::newRow("NUL") << "NUL" << "a reserved device name";
        QTest::newRow("COM1 in a folder") << "sub/com1.ini" << "a reserved device name";
        QTest::newRow("console by device path") << "\\\\.\\CONIN$" << "a device path";
        QTest::newRow("folder") << "sub" << "a folder";
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

    // A reader (opened as Qt and most programs open files: sharing reading and writing, not deletion)
    // keeps what it opened; the name gets the new contents whole.
    void replacedWhileOpenForReading() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Projects.ini"));
        QVERIFY(WriteFileBytes(path, "[Projects]\r\nProjectNum=1\r\n"));
        QFile reader(path);
        QVERIFY(reader.open(QIODevice::ReadOnly));
        QString error;
        QVERIFY2(FileReplace::write(path, QByteArray("[Projects]\r\nProjectNum=2\r\n"), &error), qPrintable(error));
        QCOMPARE(reader.readAll(), QByteArray("[Projects]\r\nProjectNum=1\r\n"));
        reader.close();
        QCOMPARE(ReadFileBytes(path), QByteArray("[Projects]\r\nProjectNum=2\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Projects.ini"});
    }

    void sameFileByAnyName() {
        QTemporaryDir dir;
        const QString a = dir.filePath(QStringLiteral("a.log"));
        const QString b = dir.filePath(QStringLiteral("b.log"));
        QVERIFY(WriteFileBytes(a, "x"));
        QVERIFY(CreateHardLinkW(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(b).utf16()),
                                reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(a).utf16()), nullptr));
        QVERIFY(FileCheck::sameFile(a, b));
        QVERIFY(FileCheck::sameFile(a, a.toUpper()));
        QVERIFY(!FileCheck::sameFile(a, dir.filePath(QStringLiteral("c.log"))));
    }
#endif
};

QTEST_GUILESS_MAIN(TstFileCheck)
#include "tst_filecheck.moc"
