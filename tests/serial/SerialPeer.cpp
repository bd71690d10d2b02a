#include "SerialPeer.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTest>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/prctl.h>
#endif

namespace {

constexpr const char* Python = "/usr/bin/python3";

// The line and the peer die with the test, also when it crashes.
void dieWithParent(QProcess& process) {
#ifdef Q_OS_LINUX
    process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
#else
    Q_UNUSED(process);
#endif
}

int& runCounter() {
    static int n = 0;
    return n;
}

} // namespace

SerialPeer::SerialPeer() {
    const QString stem =
        QDir::tempPath() +
        QStringLiteral("/qvx-serial-%1-%2").arg(QCoreApplication::applicationPid()).arg(++runCounter());
    m_near = stem + QStringLiteral("-near");
    m_far = stem + QStringLiteral("-far");
    m_log = stem + QStringLiteral("-requests.log");
}

SerialPeer::~SerialPeer() {
    stopPeer();
    stopLine();
    QFile::remove(m_log);
}

QString SerialPeer::missingTools() {
    if (QStandardPaths::findExecutable(QStringLiteral("socat")).isEmpty())
        return QStringLiteral("socat is not installed (Debian package socat)");
    if (!QFileInfo(QString::fromLatin1(Python)).isExecutable())
        return QStringLiteral("/usr/bin/python3 is missing");
    QProcess probe;
    probe.start(QString::fromLatin1(Python),
                {QStringLiteral("-c"), QStringLiteral("import pymodbus.server")});
    if (!probe.waitForFinished(20000) || probe.exitCode() != 0)
        return QStringLiteral("pymodbus is missing for /usr/bin/python3 (Debian package python3-pymodbus)");
    return {};
}

bool SerialPeer::startLine() {
    QFile::remove(m_near);
    QFile::remove(m_far);
    m_socat = std::make_unique<QProcess>();
    m_socat->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    dieWithParent(*m_socat);
    m_socat->start(QStringLiteral("socat"), {QStringLiteral("pty,raw,echo=0,link=") + m_near,
                                             QStringLiteral("pty,raw,echo=0,link=") + m_far});
    if (!m_socat->waitForStarted(5000)) {
        m_error = QStringLiteral("socat did not start");
        return false;
    }
    const auto linked = [this] { return QFileInfo::exists(m_near) && QFileInfo::exists(m_far); };
    if (!QTest::qWaitFor([&] { return linked() || m_socat->state() != QProcess::Running; }, 10000) ||
        !linked()) {
        m_error = QStringLiteral("socat made no pty links");
        return false;
    }
    return true;
}

bool SerialPeer::startPeer(const QString& script, const QStringList& args) {
    stopPeer();
    QStringList all{QStringLiteral(SERIAL_TEST_DIR "/") + script, QStringLiteral("--port"), m_far};
    if (script == QLatin1String("raw_peer.py")) all << QStringLiteral("--log") << m_log;
    all << args;
    m_peer = std::make_unique<QProcess>();
    m_peer->setProcessChannelMode(QProcess::SeparateChannels);
    m_peer->setReadChannel(QProcess::StandardOutput);
    dieWithParent(*m_peer);
    m_peer->start(QString::fromLatin1(Python), all);
    const QDeadlineTimer deadline(20000);
    QByteArray out;
    while (!out.contains("ready")) {
        if (deadline.hasExpired() || !m_peer->waitForReadyRead(static_cast<int>(deadline.remainingTime()))) {
            m_error = QStringLiteral("%1 did not become ready: %2")
                          .arg(script, QString::fromLocal8Bit(m_peer->readAllStandardError()));
            return false;
        }
        out += m_peer->readAllStandardOutput();
    }
    return true;
}

void SerialPeer::stopPeer() {
    if (!m_peer) return;
    if (m_peer->state() != QProcess::NotRunning) {
        m_peer->kill();
        m_peer->waitForFinished(5000);
    }
    m_peer.reset();
}

void SerialPeer::stopLine() {
    if (m_socat) {
        if (m_socat->state() != QProcess::NotRunning) {
            m_socat->terminate();
            if (!m_socat->waitForFinished(5000)) {
                m_socat->kill();
                m_socat->waitForFinished(5000);
            }
        }
        m_socat.reset();
    }
    QFile::remove(m_near);
    QFile::remove(m_far);
}

QStringList SerialPeer::requests(int expected) const {
    QStringList lines;
    (void)QTest::qWaitFor(
        [&] {
            QFile f(m_log);
            if (f.open(QIODevice::ReadOnly))
                lines = QString::fromLatin1(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
            return lines.size() >= expected;
        },
        5000);
    return lines;
}
