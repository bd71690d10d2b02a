// Large trace files: making one, the offline trace view on it, and trends of traces played as fast
// as possible. One measurement per run (the peak RSS is the process's); bench/trace_file_bench.py
// runs them all with canquorvex-cli's export and can-utils' log2asc.
//
//   trace_file_bench make PATH FRAMES|SECONDSs   the demo devices' traffic (sixteen devices) as a
//                                                candump log: FRAMES frames, or SECONDS of it
//   trace_file_bench view PATH [ID]              first screen, complete index, a filter by ID
//   trace_file_bench trend FOLDER PATH           PATH played as fast as possible into a device
//                                                window's trend (four registers of row 0)
//   trace_file_bench live FOLDER SECONDS         the demo bus for SECONDS with the same trend
// FOLDER holds the Projects.ini that make writes beside PATH.

#include "BenchCpu.h"
#include "BenchProject.h"
#include "app/CAN_Quorvex.h"
#include "can/QtCanDriver.h"
#include "can/ToolsCan.h"
#include "core/ProjectFile.h"
#include "device/ModbusForm.h"
#include "sim/DemoCanBusDevice.h"
#include "sim/ZelmBus.h"
#include "trace/CandumpFormat.h"
#include "trace/TraceCanBusDevice.h"
#include "trace/TraceReplayControl.h"
#include "traceview/TraceFileWindow.h"
#include "trend/TrendModel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QTableView>
#include <QThread>
#include <QTimer>

#include <sys/resource.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

namespace {

double peakRssMb() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return static_cast<double>(u.ru_maxrss) / 1024.0;
}

// Runs the event loop (sleeping while there is nothing to do) until done() says so; asked every 20 ms.
void waitUntil(const std::function<bool()>& done) {
    QEventLoop loop;
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done()) loop.quit();
    });
    poll.start();
    if (!done()) loop.exec();
}

int make(const QString& path, const QString& amount) {
    const QString folder = QFileInfo(path).absolutePath();
    TProject project;
    QString error;
    if (!WriteBenchProject(folder) ||
        !LoadProjectFromFile(folder + QStringLiteral("/Projects.ini"), QString(), project, &error)) {
        std::printf("cannot write the project: %s\n", qPrintable(error));
        return 1;
    }
    const bool bySeconds = amount.endsWith(QLatin1Char('s'));
    const int64_t limit = (bySeconds ? amount.chopped(1) : amount).toLongLong();
    ZelmBus bus(project);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 1;
    QElapsedTimer t;
    t.start();
    std::vector<TCanFrame> frames;
    QByteArray out;
    int64_t written = 0;
    constexpr int64_t StartUs = 1733650000LL * 1000000;
    for (int64_t ms = 0;; ms += 10) { // the devices report every 100 ms
        if (bySeconds && ms > limit * 1000) break;
        if (!bySeconds && written >= limit) break;
        frames.clear();
        bus.produce(ms, frames);
        for (const TCanFrame& f : frames) {
            if (!bySeconds && written >= limit) break;
            TraceFrame tf;
            tf.timeUs = StartUs + ms * 1000 + (written % 997);
            tf.id = f.ID;
            tf.dlc = f.DLC;
            std::memcpy(tf.data, f.Data, 8);
            tf.direction = TraceDirection::Received;
            AppendCandumpLine(out, tf, "can0");
            ++written;
        }
        if (out.size() > (1 << 20)) {
            file.write(out);
            out.clear();
        }
    }
    file.write(out);
    file.close();
    std::printf("made %s: %lld frames, %.1f MB, in %.1f s\n", qPrintable(path),
                static_cast<long long>(written), static_cast<double>(QFileInfo(path).size()) / 1e6,
                static_cast<double>(t.elapsed()) / 1000.0);
    return 0;
}

int view(const QString& path, const QString& id) {
    QElapsedTimer t;
    t.start();
    TTraceFileWindow window;
    QString error;
    if (!window.open(path, &error)) {
        std::printf("%s\n", qPrintable(error));
        return 1;
    }
    window.show();
    while (window.model()->rowCount() < 40)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    (void)window.Table->grab(); // the first screen drawn
    const double firstScreen = static_cast<double>(t.nsecsElapsed()) / 1e6;
    while (!window.model()->indexed()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(2);
    }
    const double indexed = static_cast<double>(t.nsecsElapsed()) / 1e9;
    const qint64 lines = window.model()->lines();
    // The last screen of the file, then a jump into the middle.
    window.Table->scrollToBottom();
    (void)window.Table->grab();
    QElapsedTimer f;
    f.start();
    window.FilterEdit->setText(id);
    emit window.FilterEdit->returnPressed();
    while (window.model()->filtering()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(2);
    }
    window.model()->poll();
    const double filtered = static_cast<double>(f.nsecsElapsed()) / 1e9;
    std::printf(
        "view: first screen %.0f ms; index of %lld lines in %.2f s (%.1f million lines/s); filter by %s: "
        "%d rows in %.2f s; peak RSS %.0f MB\n",
        firstScreen, static_cast<long long>(lines), indexed, static_cast<double>(lines) / indexed / 1e6,
        qPrintable(id), window.model()->rowCount(), filtered, peakRssMb());
    return 0;
}

// A main window on the bench project with row 0's trend recording registers 24-27.
struct TrendRun {
    explicit TrendRun(const QString& folder) : w(folder) {
        w.show();
        w.showWindowOfRow(0);
        form = w.view().Rows[0].Window;
        for (int r = 24; r < 28; ++r)
            (void)form->plotRegister(r);
    }
    TCANQuorvex w;
    TModbusForm* form = nullptr;
};

int trend(const QString& folder, const QString& path) {
    RegisterTraceBus();
    SlCanInstallDriver(std::make_unique<QtCanDriver>(QList<CanAdapterName>{{"trace", path}}));
    TraceReplayControl::instance().setSpeed(TraceReplayControl::Speed::Max);
    TrendRun run(folder);
    const double cpu0 = CpuSeconds();
    QElapsedTimer t;
    t.start();
    run.w.switchCan(true);
    waitUntil([&run] {
        return TraceReplayControl::instance().status().finished &&
               run.w.framesProcessed() >= TraceReplayControl::instance().status().frames;
    });
    const double wall = static_cast<double>(t.nsecsElapsed()) / 1e9;
    const double cpu = CpuSeconds() - cpu0;
    const TTrendModel* model = run.form->trendModel();
    const TTrendRing& ring = model->channel(0)->Ring;
    const auto frames = static_cast<double>(run.w.framesProcessed());
    std::printf("trend of %s: %.0f frames in %.2f s wall, CPU %.2f s = %.2f us/frame; trace time %s; span of "
                "register 24: %.3f s (%d samples), the trend's present - origin: %.3f s; peak RSS %.0f MB\n",
                qPrintable(QFileInfo(path).fileName()), frames, wall, cpu, cpu / frames * 1e6,
                model->traceTime() ? "yes" : "no",
                ring.isEmpty() ? 0.0 : static_cast<double>(ring.last().TimeMs - ring.at(0).TimeMs) / 1000.0,
                ring.size(), static_cast<double>(model->nowMs() - model->originMs()) / 1000.0, peakRssMb());
    run.w.switchCan(false);
    return 0;
}

int live(const QString& folder, int seconds) {
    RegisterDemoBus();
    TProject project;
    QString error;
    (void)LoadProjectFromFile(folder + QStringLiteral("/Projects.ini"), QString(), project, &error);
    DemoCanBusDevice::setProject(project);
    SlCanInstallDriver(std::make_unique<QtCanDriver>(QList<CanAdapterName>{{"demo", QString()}}));
    TrendRun run(folder);
    run.w.switchCan(true);
    const double cpu0 = CpuSeconds();
    const quint64 frames0 = run.w.framesProcessed();
    QElapsedTimer t;
    t.start();
    waitUntil([&t, seconds] { return t.elapsed() >= seconds * 1000; });
    const double cpu = CpuSeconds() - cpu0;
    const auto frames = static_cast<double>(run.w.framesProcessed() - frames0);
    std::printf("live demo bus for %d s: %.0f frames (%.0f/s), CPU %.2f s = %.2f us/frame\n", seconds, frames,
                frames / seconds, cpu, frames > 0 ? cpu / frames * 1e6 : 0.0);
    run.w.switchCan(false);
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QStringList a = QCoreApplication::arguments();
    const QString mode = a.value(1);
    if (mode == QLatin1String("make") && a.size() == 4) return make(a[2], a[3]);
    if (mode == QLatin1String("view") && a.size() >= 3) return view(a[2], a.value(3, QStringLiteral("110")));
    if (mode == QLatin1String("trend") && a.size() == 4) return trend(a[2], a[3]);
    if (mode == QLatin1String("live") && a.size() == 4) return live(a[2], a[3].toInt());
    std::printf("usage: trace_file_bench make PATH FRAMES|SECONDSs | view PATH [ID] | trend FOLDER PATH | "
                "live FOLDER SECONDS\n");
    return 2;
}
