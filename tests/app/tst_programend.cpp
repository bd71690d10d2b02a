// The program as a process: however it ends — its close button, logout (SIGHUP), kill (SIGTERM)
// or Ctrl+C (SIGINT) — it exits with 0, leaves its open device windows saved as open and the
// trace it records complete.

#include "tests/FileBytes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/stat.h>

namespace {

const QByteArray Projects = "[Projects]\nProjectQua=1\nProject1=Line\nProjectNum=1\n\n"
                            "[Line]\nBaseAdr=0x100\nUse_0=1\nName_0=Pump\nUse_1=1\nName_1=Fan\n";

ino_t inodeOf(const QString& path) {
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_ino : 0;
}

} // namespace

class TestProgramEnd : public QObject {
    Q_OBJECT
private slots:
    void endsCleanly_data() {
        QTest::addColumn<int>("signalNumber"); // 0: the main window is closed
        QTest::newRow("close button") << 0;
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGINT") << int(SIGINT);
        QTest::newRow("SIGHUP") << int(SIGHUP);
    }

    void endsCleanly() {
        QFETCH(int, signalNumber);
        QTemporaryDir dir;
        const QString program = dir.filePath(QStringLiteral("canquorvex"));
        QVERIFY(QFile::copy(QStringLiteral(CANQUORVEX_PATH), program));
        const QString projects = dir.filePath(QStringLiteral("Projects.ini"));
        {
            QFile f(projects);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(Projects);
        }
        const ino_t before = inodeOf(projects);

        QProcess tool;
        tool.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        const QString trace = dir.filePath(QStringLiteral("end.log"));
        QStringList args{QStringLiteral("--can"),      QStringLiteral("demo"),
                         QStringLiteral("--open-all"), QStringLiteral("--auto-on"),
                         QStringLiteral("--record"),   trace};
        if (signalNumber == 0) args << QStringLiteral("--quit-after") << QStringLiteral("500");
        tool.start(program, args);
        QVERIFY(tool.waitForStarted());
        // The selection written at start (a new file by its atomic replacement) shows that the
        // main window is up and the signals are watched.
        QTRY_VERIFY_WITH_TIMEOUT(inodeOf(projects) != before, 10000);
        if (signalNumber != 0) QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(trace).size() > 0, 10000); // recording
        if (signalNumber != 0) ::kill(static_cast<pid_t>(tool.processId()), signalNumber);
        QVERIFY(tool.waitForFinished(10000));
        QCOMPARE(tool.exitStatus(), QProcess::NormalExit);
        QCOMPARE(tool.exitCode(), 0);

        QFile placement(dir.filePath(QStringLiteral("Quorvex.ini")));
        QVERIFY(placement.open(QIODevice::ReadOnly));
        const QByteArray text = placement.readAll();
        QVERIFY2(text.contains("Visible=1") && !text.contains("Visible=0"), text.constData());

        // Every line of the trace is whole.
        QFile log(trace);
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QByteArray lines = log.readAll();
        QVERIFY(lines.endsWith('\n'));
        static const QRegularExpression line(
            QStringLiteral("^\\(\\d+\\.\\d{6}\\) can0 [0-9A-F]{3}#[0-9A-F]{16} R$"));
        for (const QByteArray& l : lines.chopped(1).split('\n'))
            QVERIFY2(line.match(QString::fromLatin1(l)).hasMatch(), l.constData());
    }

    // Arguments that would hang the program, let it record its own replay or name a language it
    // does not have are refused at the start, with the value named, and nothing is written.
    void refusedArguments_data() {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<QString>("says");
        QTest::newRow("a FIFO as the trace") << "--can trace:fifo"
                                             << "fifo is a FIFO (named pipe), not a trace file";
        QTest::newRow("a device as the trace") << "--can trace:/dev/null"
                                               << "is a character device";
        QTest::newRow("record into the trace") << "--can trace:t.log --record t.log"
                                               << "--record t.log: that is";
        QTest::newRow("by a link") << "--can trace:t.log --record link.log"
                                   << "--record link.log: that is";
        QTest::newRow("a new file") << "--can trace:new.log --record ./new.log"
                                    << "--record ./new.log: that is";
        QTest::newRow("a language it has not") << "--can trace:t.log --lang xx"
                                               << "--lang xx";
    }

    void refusedArguments() {
        QFETCH(QString, arguments);
        QFETCH(QString, says);
        QTemporaryDir dir;
        const QString log = dir.filePath(QStringLiteral("t.log"));
        QVERIFY(WriteFileBytes(log, "(1.0) can0 110#01 R\n") && QFile::link(log, dir.filePath("link.log")));
        QVERIFY(::mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("fifo"))).constData(), 0644) == 0);
        QProcess tool;
        tool.setWorkingDirectory(dir.path());
        tool.start(QStringLiteral(CANQUORVEX_PATH), arguments.split(u' ') << QStringLiteral("--auto-on"));
        QVERIFY(tool.waitForFinished(10000));
        QCOMPARE(tool.exitCode(), 2);
        const QString error = QString::fromUtf8(tool.readAllStandardError());
        QVERIFY2(error.contains(says), qPrintable(error));
        QCOMPARE(QFileInfo(log).size(), qint64(20));
        QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("new.log"))));
    }
};

QTEST_GUILESS_MAIN(TestProgramEnd)
#include "tst_programend.moc"
