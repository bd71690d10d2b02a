// Measures the device window: (a) creating and showing one window until it is painted, and (b) the
// display side of a busy bus, 1000 messages spread over sixteen shown windows followed by the
// repaint they cause. Prints medians in milliseconds: wall time, and the CPU time of the process
// (all threads; steadier on a machine shared with other work).

#include "core/Project.h"
#include "device/ModbusForm.h"
#include "ui/CellMatrix.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <memory>
#include <random>
#include <vector>

namespace {

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0.0 : v[v.size() / 2];
}

// Wall and thread CPU time since start(), in milliseconds.
class Stopwatch {
public:
    void start() {
        m_wall.start();
        m_cpu = cpuNow();
    }
    [[nodiscard]] double wall() const { return static_cast<double>(m_wall.nsecsElapsed()) / 1e6; }
    [[nodiscard]] double cpu() const { return cpuNow() - m_cpu; }

private:
    static double cpuNow() {
        timespec ts{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
        return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
    }
    QElapsedTimer m_wall;
    double m_cpu = 0;
};

struct Samples {
    std::vector<double> wall, cpu;
    void add(const Stopwatch& s) {
        wall.push_back(s.wall());
        cpu.push_back(s.cpu());
    }
    void print(const char* what) const {
        std::printf("%-58s median wall %8.3f ms, cpu %8.3f ms (%zu runs)\n", what, median(wall), median(cpu),
                    wall.size());
    }
};

// Lets 110 ms pass with the events processed, outside any measurement.
void settle() {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 110) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(2);
    }
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString programDir = dir.path() + QLatin1Char('/');
    TProject project;
    for (int k = 0; k < CommandCount; ++k)
        project.DigiBut[static_cast<size_t>(k)] = QStringLiteral("Cmd %1").arg(k);

    // (a) one window: create, show, paint.
    constexpr int windowRuns = 40;
    Samples createShow;
    for (int i = 0; i < windowRuns; ++i) {
        Stopwatch t;
        t.start();
        auto w = std::make_unique<TModbusForm>(project, programDir);
        w->show();
        QCoreApplication::processEvents();
        w->repaint(); // a whole paint of the window, whatever the events above painted already
        createShow.add(t);
        w->close();
    }
    createShow.print("create + show + whole paint of one device window:");

    // (b) sixteen shown windows, 1000 messages per round.
    constexpr int windows = 16;
    std::vector<std::unique_ptr<TModbusForm>> forms;
    for (int i = 0; i < windows; ++i) {
        forms.push_back(std::make_unique<TModbusForm>(project, programDir));
        forms.back()->show();
        forms.back()->FormClose(); // the window's timer stops: only the messages drive it
    }
    QCoreApplication::processEvents();

    std::mt19937 rng(12345);
    std::vector<TDeviceMessage> msgs(1000);
    for (TDeviceMessage& m : msgs) {
        m.Address = static_cast<uint16_t>(rng() % 128);
        m.Count = static_cast<int32_t>(1 + rng() % 4);
        m.Mask = static_cast<uint8_t>(rng() % 8);
        for (int16_t& v : m.Values)
            v = static_cast<int16_t>(rng());
        m.Direction = static_cast<int32_t>(rng() % 2);
    }

    constexpr int rounds = 60;
    Samples callsOnly, withPaint, fullRepaint;
    for (int round = 0; round < rounds; ++round) {
        // Values change every round, so every message really changes cells.
        for (TDeviceMessage& m : msgs)
            m.Values[0] = static_cast<int16_t>(m.Values[0] + 1);
        // Cells repaint at most ~30 times a second and memo lines 10 times: let the previous round's
        // paints age past both limits, so this round's changes are painted at once.
        settle();
        Stopwatch t;
        t.start();
        for (size_t i = 0; i < msgs.size(); ++i)
            forms[i % windows]->ReceiveCanData(msgs[i]);
        callsOnly.add(t);
        QCoreApplication::processEvents(); // the memo lines and the changed cells are painted
        withPaint.add(t);

        t.start();
        for (auto& f : forms)
            f->repaint();
        fullRepaint.add(t);
    }
    // The same with messages that carry no value: only the memo lines change.
    std::vector<TDeviceMessage> empty = msgs;
    for (TDeviceMessage& m : empty)
        m.Count = 0;
    Samples memoOnly;
    for (int round = 0; round < rounds; ++round) {
        settle();
        Stopwatch t;
        t.start();
        for (size_t i = 0; i < empty.size(); ++i)
            forms[i % windows]->ReceiveCanData(empty[i]);
        QCoreApplication::processEvents();
        memoOnly.add(t);
    }
    // The two cell matrices alone, painted whole.
    Samples digiPaint, anaPaint;
    for (int round = 0; round < rounds; ++round) {
        Stopwatch t;
        t.start();
        for (auto& f : forms)
            f->findChild<TCellMatrix*>(QStringLiteral("DigiCells"))->repaint();
        digiPaint.add(t);
        t.start();
        for (auto& f : forms)
            f->findChild<TCellMatrix*>(QStringLiteral("AnaCells"))->repaint();
        anaPaint.add(t);
    }
    callsOnly.print("1000 ReceiveCanData over 16 windows, calls only:");
    withPaint.print("1000 ReceiveCanData over 16 windows + memo + repaint:");
    memoOnly.print("1000 messages without values + memo + repaint:");
    digiPaint.print("512 bit cells painted whole, 16 windows:");
    anaPaint.print("64 analog cells painted whole, 16 windows:");
    fullRepaint.print("full repaint of 16 device windows (for scale):");
    return 0;
}
