// The link from a socketcand server into the tool at 2,300 frames/s: zelm-sim serves its sixteen
// devices in burst mode over socketcand, and this process opens the bus with the plugin through the
// tool's adapter driver (QtCanDriver, its traffic tap, and the monitor's read every 10 ms). Prints
// the frames received, this process's CPU in percent of one core, and the latency from the server's
// time stamp of each frame (taken as it sends it) to its arrival in the adapter layer (the traffic
// tap, microseconds) and to the monitor's read that hands it on (milliseconds): p50, p99, max.
//   socketcand_bench [SECONDS] [FRAMES_PER_SECOND]

#include "BenchCpu.h"
#include "socketcand/SocketcandCanBusFactory.h"

#include "can/CanBus.h"
#include "can/QtCanDriver.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#ifndef ZELM_SIM_PATH
#error "ZELM_SIM_PATH must name the zelm-sim executable"
#endif

namespace {

int64_t nowUs() {
    return std::chrono::duration_cast<std::chrono::microseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

// Arrival in the adapter layer minus the server's time stamp.
class LatencyTap : public CanTrafficObserver {
public:
    bool measuring = false;
    std::vector<int64_t> us;
    void canTraffic(const QCanBusFrame& frame, const QByteArray&, CanTrafficDirection direction) override {
        if (!measuring || direction != CanTrafficDirection::Received) return;
        const QCanBusFrame::TimeStamp t = frame.timeStamp();
        us.push_back(nowUs() - (t.seconds() * 1000000 + t.microSeconds()));
    }
};

template <typename T> void printPercentiles(const char* what, std::vector<T> v, const char* unit) {
    if (v.empty()) {
        std::printf("%-34s no frames\n", what);
        return;
    }
    std::sort(v.begin(), v.end());
    auto at = [&v](double q) { return v[std::min(v.size() - 1, static_cast<size_t>(q * double(v.size())))]; };
    std::printf("%-34s p50 %lld %s, p99 %lld %s, max %lld %s (%zu frames)\n", what,
                static_cast<long long>(at(0.5)), unit, static_cast<long long>(at(0.99)), unit,
                static_cast<long long>(v.back()), unit, v.size());
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const double seconds = argc > 1 ? std::max(1.0, QString::fromLocal8Bit(argv[1]).toDouble()) : 20.0;
    const int rate = argc > 2 ? std::max(1, QString::fromLocal8Bit(argv[2]).toInt()) : 2300;
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

    // The devices start reporting a second after the start, when this process is connected.
    QProcess sim;
    sim.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    sim.start(QStringLiteral(ZELM_SIM_PATH),
              {QStringLiteral("--socketcand"), QStringLiteral("127.0.0.1:0"), QStringLiteral("--project"),
               ini, QStringLiteral("--burst"), QString::number(rate), QStringLiteral("--delay"),
               QStringLiteral("1")});
    QByteArray simOutput;
    const QRegularExpression listening(QStringLiteral("socketcand server on (127\\.0\\.0\\.1:\\d+)"));
    QString server;
    QElapsedTimer wait;
    wait.start();
    while (server.isEmpty() && wait.elapsed() < 10000 && sim.state() != QProcess::NotRunning) {
        sim.waitForReadyRead(100);
        simOutput += sim.readAllStandardOutput();
        server = listening.match(QString::fromUtf8(simOutput)).captured(1);
    }
    if (server.isEmpty()) {
        std::fprintf(stderr, "socketcand_bench: zelm-sim did not serve: %s\n", simOutput.constData());
        return 2;
    }
    QObject::connect(&sim, &QProcess::readyReadStandardOutput, &sim,
                     [&sim] { (void)sim.readAllStandardOutput(); });

    RegisterSocketcandBus();
    QtCanDriver driver({CanAdapterName{QStringLiteral("socketcand"), server + QStringLiteral("/can0")}});
    TSlCanBitRate bitRate;
    bitRate.BRP = 0x8003;
    if (!driver.DeviceOpen(0) || !driver.DeviceSetBitRate(0, bitRate) || !driver.DeviceSetMode(0, 1)) {
        std::fprintf(stderr, "socketcand_bench: %s\n", qPrintable(driver.lastError()));
        return 2;
    }
    LatencyTap tap;
    CanBus().addObserver(&tap);

    // The monitor's read every 10 ms; its latency in ms from the events' millisecond time stamps.
    std::vector<int64_t> tickMs;
    uint64_t frames = 0;
    bool measuring = false;
    std::vector<TSlCanEvent> events(1000);
    QTimer tick;
    tick.setInterval(10);
    QObject::connect(&tick, &QTimer::timeout, &tick, [&] {
        uint32_t count = 0;
        do {
            if (!driver.DeviceReadEvents(0, 0, events.data(), 1000, &count)) return;
            const uint32_t now = static_cast<uint32_t>(QDateTime::currentMSecsSinceEpoch());
            for (uint32_t i = 0; i < count; ++i) {
                if (events[i].EventType != SLCAN_EVT_FRAME) continue;
                ++frames;
                if (measuring) tickMs.push_back(static_cast<int32_t>(now - events[i].TimeStamp));
            }
        } while (count == 1000);
    });
    tick.start();

    // A second of traffic first, then the measuring window.
    double cpu0 = 0;
    QElapsedTimer window;
    QTimer::singleShot(2000, &app, [&] {
        measuring = tap.measuring = true;
        frames = 0;
        cpu0 = CpuSeconds();
        window.start();
    });
    QTimer::singleShot(static_cast<int>(2000 + seconds * 1000), &app, &QCoreApplication::quit);
    QCoreApplication::exec();
    const double cpu = CpuSeconds() - cpu0;
    const double elapsed = static_cast<double>(window.elapsed()) / 1000.0;
    CanBus().removeObserver(&tap);
    (void)driver.DeviceClose(0);
    sim.terminate();
    sim.waitForFinished(5000);

    std::printf("zelm-sim serving %d frames/s over socketcand, measured %.1f s\n", rate, elapsed);
    std::printf("%-34s %llu (%.0f/s), lost in the driver's queue %llu\n", "frames received",
                static_cast<unsigned long long>(frames), static_cast<double>(frames) / elapsed,
                static_cast<unsigned long long>(driver.droppedFrames()));
    std::printf("%-34s %.1f %% of one core\n", "CPU of this process", 100.0 * cpu / elapsed);
    printPercentiles("server -> adapter layer (tap)", tap.us, "us");
    printPercentiles("server -> monitor's 10 ms read", tickMs, "ms");
    return 0;
}
