#pragma once

// A program a test runs beside itself (zelm-sim, the tool, a python peer): it dies with the test,
// also when the test crashes; its output (stdout and stderr together) is collected as it comes and
// can be waited for.

#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/prctl.h>
#endif

class ChildProcess {
public:
    ChildProcess() {
        m_process.setProcessChannelMode(QProcess::MergedChannels);
#ifdef Q_OS_LINUX
        m_process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
#endif
        QObject::connect(&m_process, &QProcess::readyRead, &m_process,
                         [this] { m_output += m_process.readAll(); });
    }
    ~ChildProcess() {
        stop();
    }
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    [[nodiscard]] bool start(const QString& program, const QStringList& arguments) {
        m_output.clear();
        m_process.start(program, arguments);
        return m_process.waitForStarted(10000);
    }
    // Waits until the output holds the text (true), the program ends or the time is up.
    [[nodiscard]] bool waitFor(const QByteArray& text, int ms = 10000) {
        const QString escaped = QRegularExpression::escape(QString::fromUtf8(text));
        return !waitForMatch(QRegularExpression(QStringLiteral("(") + escaped + QLatin1Char(')')), ms).isEmpty();
    }
    // The first capture of the pattern in the output, waited for like waitFor; empty when absent.
    [[nodiscard]] QString waitForMatch(const QRegularExpression& pattern, int ms = 10000) {
        QElapsedTimer t;
        t.start();
        QRegularExpressionMatch m;
        while (!(m = pattern.match(QString::fromUtf8(m_output))).hasMatch() && t.elapsed() < ms &&
               m_process.state() != QProcess::NotRunning)
            QTest::qWait(10);
        m_output += m_process.readAll();
        m = pattern.match(QString::fromUtf8(m_output));
        return m.hasMatch() ? m.captured(1) : QString();
    }
    // Asks it to end (SIGTERM), then kills it.
    void stop() {
        if (m_process.state() == QProcess::NotRunning) return;
        m_process.terminate();
        if (!m_process.waitForFinished(5000)) m_process.kill();
        m_process.waitForFinished(2000);
    }
    // Ends it at once (SIGKILL), as a crash or a pulled plug would.
    void kill() {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
    [[nodiscard]] QProcess& process() {
        return m_process;
    }
    [[nodiscard]] const QByteArray& output() const {
        return m_output;
    }

private:
    QProcess m_process;
    QByteArray m_output;
};
