// Trace recording and replay.
// 1. Recording: the GUI thread's share of it (formatting each frame the adapter passes, handing
//    the buffer to the writer every 200 ms) per 10 ms tick, at 2,300 frames/s (23 a tick) and at
//    the tick ceiling of 1000 frames, as a share of the tick's 10 ms.
// 2. Replay as fast as the monitor takes it: a 500,000-frame candump log through the trace
//    adapter, the driver and the monitor of a main window with sixteen rows in use.

#include "can/CanBus.h"
#include "BenchProject.h"
#include "app/CAN_Quorvex.h"
#include "can/QtCanDriver.h"
#include "can/ToolsCan.h"
#include "trace/CandumpFormat.h"
#include "trace/TraceCanBusDevice.h"
#include "trace/TraceRecorder.h"
#include "trace/TraceReplayControl.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr double TickUs = 10000.0;

void recordingCost(const QString& folder, int framesPerTick) {
    std::vector<QCanBusFrame> frames;
    for (int i = 0; i < 1000; ++i) {
        QCanBusFrame f(0x100 + static_cast<uint32_t>(i % 100), QByteArray(8, static_cast<char>(i)));
        frames.push_back(f);
    }
    TraceRecorder rec;
    if (!rec.start(folder + QStringLiteral("/bench.log"))) {
        std::printf("cannot record: %s\n", qPrintable(rec.errorString()));
        return;
    }
    constexpr int Ticks = 3000;
    constexpr int TicksPerHandOver = TraceRecorder::HandOverMs / 10;
    std::vector<double> us;
    us.reserve(Ticks);
    QElapsedTimer t;
    for (int tick = 0; tick < Ticks; ++tick) {
        t.start();
        for (int i = 0; i < framesPerTick; ++i)
            CanBus().notify(frames[static_cast<size_t>((tick * framesPerTick + i) % 1000)],
                             i % 10 == 0 ? CanTrafficDirection::Sent : CanTrafficDirection::Received);
        if (tick % TicksPerHandOver == 0) rec.handOver();
        us.push_back(static_cast<double>(t.nsecsElapsed()) / 1000.0);
    }
    rec.stop();
    double sum = 0;
    for (double v : us)
        sum += v;
    const double mean = sum / Ticks;
    std::sort(us.begin(), us.end());
    std::printf(
        "recording %4d frames per 10 ms tick (%6d frames/s): mean %7.1f us per tick = %5.2f %% of the tick "
        "(median %.1f us, p99 %.1f us, max %.1f us); %llu frames written\n",
        framesPerTick, framesPerTick * 100, mean, 100.0 * mean / TickUs, us[us.size() / 2],
        us[us.size() * 99 / 100], us.back(), static_cast<unsigned long long>(rec.frames()));
}

bool writeTrace(const QString& path, int frames) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    QByteArray buf;
    TraceFrame fr;
    fr.dlc = 8;
    fr.direction = TraceDirection::Received;
    for (int i = 0; i < frames; ++i) {
        const uint32_t k = static_cast<uint32_t>(i) * 7919u % 100u;
        fr.id = k < 16 ? 0x110 + k : 0x400 + k;
        fr.timeUs = 1733650000000000LL + i * 400LL;
        for (int b = 0; b < 8; ++b)
            fr.data[b] = static_cast<uint8_t>(i + b);
        AppendCandumpLine(buf, fr, "can0");
        if (buf.size() > (1 << 20)) {
            f.write(buf);
            buf.clear();
        }
    }
    return f.write(buf) == buf.size();
}

void replaySpeed(const QString& folder) {
    constexpr int Frames = 500000;
    const QString path = folder + QStringLiteral("/replay.log");
    if (!writeTrace(path, Frames)) return;
    RegisterTraceBus();
    SlCanInstallDriver(std::make_unique<QtCanDriver>(QList<CanAdapterName>{{QStringLiteral("trace"), path}}));
    TraceReplayControl::instance().setSpeed(TraceReplayControl::Speed::Max);
    TCANQuorvex w(folder);
    w.show();
    QElapsedTimer t;
    t.start();
    w.switchCan(true);
    if (!CanOpened) return;
    while (w.framesProcessed() < static_cast<quint64>(Frames) && t.elapsed() < 120000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    const double s = static_cast<double>(t.nsecsElapsed()) / 1e9;
    std::printf(
        "replay as fast as possible: %llu frames through the monitor in %.2f s = %.0f frames/s "
        "(file %.1f MB, longest gap between ticks %lld ms)\n",
        static_cast<unsigned long long>(w.framesProcessed()), s, static_cast<double>(w.framesProcessed()) / s,
        static_cast<double>(QFileInfo(path).size()) / 1e6, static_cast<long long>(w.longestTickGapMs()));
    w.switchCan(false);
    SlCanInstallDriver(nullptr);
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid() || !WriteBenchProject(dir.path())) return 1;
    recordingCost(dir.path(), 23);
    recordingCost(dir.path(), 1000);
    replaySpeed(dir.path());
    return 0;
}
