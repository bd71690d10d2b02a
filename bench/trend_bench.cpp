// Measures the trend window: eight registers, each changing a hundred times a second, plotted over
// the last ten minutes (the rings hold ten minutes of history before the measurement starts). The
// registers change through the register image as received messages change them. Prints the CPU
// time of the process as a share of one core, once with the trend window shown (recording plus
// redraws) and once with it hidden (recording only); the difference is what the redraws cost.
//
// trend_bench [SECONDS]   (default 30 per run; platform from QT_QPA_PLATFORM, offscreen if unset)

#include "core/RegisterImage.h"
#include "device/TrendForm.h"
#include "trend/TrendModel.h"

#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QTimer>

#include <cmath>
#include <cstdio>
#include <ctime>

namespace {

constexpr int Registers = 8;
constexpr int FirstRegister = 24;
constexpr int RatePerSecond = 100;
constexpr int HistorySeconds = 600;

double cpuMs() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

int16_t wave(int r, qint64 n) {
    return static_cast<int16_t>(1000.0 * std::sin(static_cast<double>(n) * 0.002 * (r + 1)) + 300 * r);
}

// Runs the feed at 100 messages a second per register for the given time; returns % of a core.
double run(TRegisterImage& image, qint64& n, int seconds) {
    QTimer feed;
    feed.setTimerType(Qt::PreciseTimer);
    QElapsedTimer clock;
    QObject::connect(&feed, &QTimer::timeout, [&] {
        // Catch up with the clock, so that a late timer still makes 100 changes a second.
        const qint64 due = clock.elapsed() * RatePerSecond / 1000;
        for (; n < due; ++n) {
            for (int base = 0; base < Registers; base += 4) {
                TDeviceMessage msg;
                msg.Address = static_cast<uint16_t>(FirstRegister + base);
                msg.Count = 4;
                for (int i = 0; i < 4; ++i)
                    msg.Values[static_cast<size_t>(i)] = wave(base + i, n);
                image.apply(msg);
            }
        }
    });
    const qint64 start = n;
    clock.start();
    const double cpu0 = cpuMs();
    feed.start(10);
    QEventLoop loop;
    QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
    loop.exec();
    feed.stop();
    const double cpu = cpuMs() - cpu0;
    const double wall = static_cast<double>(clock.elapsed());
    n = start + (n - start); // keep counting across runs
    return 100.0 * cpu / wall;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 30;

    TRegisterImage image;
    TTrendModel model(image);
    for (int r = 0; r < Registers; ++r)
        model.addRegister(FirstRegister + r);

    // Ten minutes of history, as if recorded.
    QObject::disconnect(&image, nullptr, &model, nullptr);
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    qint64 n = 0;
    for (; n < qint64{HistorySeconds} * RatePerSecond; ++n)
        for (int r = 0; r < Registers; ++r) {
            image.writeValue(FirstRegister + r, wave(r, n));
            model.record(FirstRegister + r, now - HistorySeconds * 1000 + n * 1000 / RatePerSecond);
        }
    QObject::connect(&image, &TRegisterImage::registerChanged, &model, &TTrendModel::record);
    n = 0;

    TTrendForm form(model, QString(), nullptr);
    form.setSpanSeconds(HistorySeconds);
    form.show();
    QCoreApplication::processEvents();
    const double shown = run(image, n, seconds);
    form.hide();
    const double hidden = run(image, n, seconds);

    std::printf("platform %s, %d registers x %d changes/s, last %d s plotted, window %dx%d, %d s per run\n",
                qPrintable(QGuiApplication::platformName()), Registers, RatePerSecond, HistorySeconds,
                form.width(), form.height(), seconds);
    std::printf("trend window shown (recording + redraws): %5.1f %% of a core\n", shown);
    std::printf("trend window hidden (recording only):     %5.1f %% of a core\n", hidden);
    std::printf("redraws:                                  %5.1f %% of a core\n", shown - hidden);
    return 0;
}
