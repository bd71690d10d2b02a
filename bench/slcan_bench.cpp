// The serial-line CAN adapter's cost at 2,300 frames/s: zelm-sim plays the adapter on one end of a
// socat pty pair in burst mode, this process opens the other end with the slcan device and takes
// every frame. Prints the frames received and the CPU time of this process (reading the port,
// splitting and parsing the lines, making the frames) in percent of one core, then the cost of the
// parsing alone on the same lines.
//   slcan_bench [SECONDS] [FRAMES_PER_SECOND]

#include "BenchCpu.h"
#include "slcan/SlcanCanBusDevice.h"
#include "slcan/SlcanCodec.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <cstdio>

#ifndef ZELM_SIM_PATH
#error "ZELM_SIM_PATH must name the zelm-sim executable"
#endif

namespace {

void stop(QProcess& p) {
    if (p.state() == QProcess::NotRunning) return;
    p.terminate();
    if (!p.waitForFinished(5000)) p.kill();
    p.waitForFinished(2000);
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const double seconds = argc > 1 ? std::max(1.0, QString::fromLocal8Bit(argv[1]).toDouble()) : 10.0;
    const int rate = argc > 2 ? std::max(1, QString::fromLocal8Bit(argv[2]).toInt()) : 2300;
    if (QStandardPaths::findExecutable(QStringLiteral("socat")).isEmpty()) {
        std::fprintf(stderr, "slcan_bench: socat is not installed\n");
        return 2;
    }
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("Projects.ini"));
    QFile f(ini);
    if (!f.open(QIODevice::WriteOnly)) return 2;
    QByteArray text(
        "[Projects]\nProjectQua=1\nProject1=Bench\nProjectNum=1\n\n[Bench]\nProtokol=0\nBaseAdr=0x100\n");
    for (int r = 0; r < 16; ++r)
        text += "Use_" + QByteArray::number(r) + "=1\n";
    f.write(text);
    f.close();

    const QString nearEnd = dir.filePath(QStringLiteral("tool"));
    const QString farEnd = dir.filePath(QStringLiteral("adapter"));
    QProcess socat;
    socat.start(QStringLiteral("socat"), {QStringLiteral("pty,raw,echo=0,link=") + nearEnd,
                                          QStringLiteral("pty,raw,echo=0,link=") + farEnd});
    QElapsedTimer wait;
    wait.start();
    while (!(QFileInfo::exists(nearEnd) && QFileInfo::exists(farEnd)) && wait.elapsed() < 5000)
        QThread::msleep(10);
    QProcess sim;
    sim.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    sim.start(QStringLiteral(ZELM_SIM_PATH), {QStringLiteral("--slcan"), farEnd, QStringLiteral("--project"),
                                              ini, QStringLiteral("--burst"), QString::number(rate)});
    if (!sim.waitForStarted(5000) || !sim.waitForReadyRead(5000)) {
        std::fprintf(stderr, "slcan_bench: zelm-sim did not start\n");
        return 2;
    }

    SlcanCanBusDevice device(nearEnd, SlcanCanBusDevice::DefaultBaud);
    device.setConfigurationParameter(QCanBusDevice::BitRateKey, 250000);
    qint64 frames = 0;
    QObject::connect(&device, &QCanBusDevice::framesReceived, &device,
                     [&] { frames += device.readAllFrames().size(); });
    if (!device.connectDevice()) {
        std::fprintf(stderr, "slcan_bench: %s\n", qPrintable(device.errorString()));
        return 1;
    }
    QElapsedTimer clock;
    double cpuAtStart = 0;
    qint64 framesAtStart = 0;
    // One second to settle, then the measured run.
    QTimer::singleShot(1000, &app, [&] {
        clock.start();
        cpuAtStart = CpuSeconds();
        framesAtStart = frames;
    });
    QTimer::singleShot(static_cast<int>(1000 + seconds * 1000), &app, &QCoreApplication::quit);
    QCoreApplication::exec();
    const double cpu = CpuSeconds() - cpuAtStart;
    const double elapsed = static_cast<double>(clock.elapsed()) / 1000.0;
    const qint64 received = frames - framesAtStart;
    const bool connected = device.state() == QCanBusDevice::ConnectedState;
    device.disconnectDevice();
    stop(sim);
    stop(socat);
    if (!connected || received == 0) {
        std::fprintf(stderr, "slcan_bench: no frames (%s)\n", qPrintable(device.errorString()));
        return 1;
    }
    std::printf(
        "slcan_bench: %lld frames in %.1f s (%.0f frames/s) over a pty; this process used %.3f s of CPU: "
        "%.2f %% of one core\n",
        static_cast<long long>(received), elapsed, static_cast<double>(received) / elapsed, cpu,
        100.0 * cpu / elapsed);

    // The parsing alone: the same kind of lines, split and parsed in one go.
    QByteArray lines;
    for (int i = 0; i < 100000; ++i) {
        QCanBusFrame q(static_cast<quint32>(0x110 + i % 16), QByteArray::fromHex("0102030405060708"));
        lines += SlcanEncodeFrame(q);
    }
    QElapsedTimer parse;
    parse.start();
    SlcanLineReader reader;
    reader.append(lines);
    SlcanLineReader::Token token;
    QCanBusFrame frame;
    uint8_t status = 0;
    qint64 parsed = 0;
    while (reader.next(token))
        parsed += SlcanParseReply(token.line, frame, status) == SlcanReplyKind::Frame ? 1 : 0;
    const double perFrameUs =
        static_cast<double>(parse.nsecsElapsed()) / 1000.0 / static_cast<double>(parsed);
    std::printf("slcan_bench: parsing alone %.3f us per frame: %.3f %% of one core at %d frames/s\n",
                perFrameUs, perFrameUs * rate / 1e4, rate);
    return 0;
}
