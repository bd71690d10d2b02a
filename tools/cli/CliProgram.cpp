#include "CliProgram.h"

#include "CliProfile.h"
#include "CliText.h"
#include "CliTrace.h"

#include "can/CanAdapterName.h"
#include "can/CanBus.h"
#include "can/QtCanDriver.h"
#include "can/SlCan.h"
#include "can/ToolsCan.h"
#include "core/CanIdText.h"
#include "core/JsonLine.h"
#include "core/ProgramFolders.h"
#include "core/ProjectFile.h"
#include "session/RegisterList.h"
#include "sim/DemoCanBusDevice.h"
#include "trace/TraceReplayControl.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>

#include <algorithm>
#include <cstring>

namespace {

// Polls while a written frame leaves the adapter, and while read waits.
constexpr int PollMs = 10;

QString idText(uint32_t id, bool extended) {
    return QStringLiteral("0x%1").arg(id, extended ? 8 : 3, 16, QLatin1Char('0')).toUpper().replace(
        QLatin1String("0X"), QLatin1String("0x"));
}

QByteArray frameLine(const TCanFrame& frame, bool extended) {
    return TJsonLine()
        .add("id", idText(frame.ID, extended))
        .add("ext", extended)
        .add("dlc", static_cast<int>(frame.DLC))
        .add("data", QString::fromLatin1(
                         QByteArray(reinterpret_cast<const char*>(frame.Data), std::min<int>(frame.DLC, 8))
                             .toHex()
                             .toUpper()))
        .line();
}

// A frame's own time stamp in seconds; the time of day for a frame that has none.
double frameTime(const QCanBusFrame& frame) {
    const QCanBusFrame::TimeStamp ts = frame.timeStamp();
    return ts.seconds() != 0 || ts.microSeconds() != 0
               ? static_cast<double>(ts.seconds()) + static_cast<double>(ts.microSeconds()) / 1e6
               : static_cast<double>(QDateTime::currentMSecsSinceEpoch()) / 1e3;
}

// The values a message carries, slot by slot: a raw word, or null for a slot it does not carry.
QByteArray valuesJson(const TDeviceMessage& msg) {
    QByteArray out = "[";
    for (int i = 0; i < msg.Count && i < 4; ++i) {
        if (i > 0) out += ',';
        out += msg.present(i) ? QByteArray::number(static_cast<uint16_t>(msg.Values[i])) : QByteArray("null");
    }
    return out + ']';
}

} // namespace

TCliProgram::TCliProgram(TCliOptions options, QObject* parent)
    : QObject(parent), m_options(std::move(options)) {
    m_poll.setInterval(PollMs);
}

TCliProgram::~TCliProgram() {
    closeBus();
}

void TCliProgram::print(const QByteArray& line) {
    std::fwrite(line.constData(), 1, static_cast<size_t>(line.size()), stdout);
    // Lines reach a pipe as they are made: a script waits for them.
    std::fflush(stdout);
}

void TCliProgram::finish(int exitCode) {
    if (m_finished) return;
    m_finished = true;
    m_deadline.stop();
    m_poll.stop();
    // A trace played as the bus: the lines it could not play are counted, as the tool's player does.
    const TraceReplayControl::Status& trace = TraceReplayControl::instance().status();
    if (m_busOpen && !trace.path.isEmpty() && trace.badLines + trace.canFdLines > 0)
        CliMessage(tr("%1: %2 line(s) skipped: %3 CAN FD, %4 unreadable", nullptr,
                      CliPluralOf(trace.badLines + trace.canFdLines))
                       .arg(trace.path, QString::number(trace.badLines + trace.canFdLines),
                            QString::number(trace.canFdLines), QString::number(trace.badLines)));
    // The bus is closed when the program goes, after the event loop: finishing may come from inside
    // the adapter's own signal, where its device must not be destroyed.
    emit finished(exitCode);
}

bool TCliProgram::fail(int exitCode, const QString& message) {
    CliMessage(message);
    finish(exitCode);
    return false;
}

TProgramFolders CliProgramFolders(const QString& folderOption) {
    return TProgramFolders::forProcess(QStringLiteral(QUORVEX_INSTALL_BINDIR), folderOption);
}

QString TCliProgram::settingsFolder() const {
    return CliProgramFolders(m_options.folder).settings;
}

bool TCliProgram::loadProject() {
    QString error;
    // The installed program's folder is made and given the sample project at its first use, by
    // whichever of the tool and this program comes first.
    const TProgramFolders folders = CliProgramFolders(m_options.folder);
    if (folders.seed && !SeedFolder(folders.settings, QStringLiteral(QUORVEX_INSTALL_SAMPLES), &error))
        CliMessage(tr("the settings folder: %1").arg(error));
    const QString path = QDir(folders.settings).filePath(QStringLiteral("Projects.ini"));
    if (!LoadProjectFromFile(path, m_options.project, m_project, &error)) return fail(CliBadInput, error);
    return true;
}

int TCliProgram::deviceRow(const QString& text) {
    bool number = false;
    const int row = text.toInt(&number);
    if (number) {
        if (row >= 0 && row < DeviceRows && m_project.Devices[static_cast<size_t>(row)].Use) return row;
        (void)fail(CliBadInput, tr("device %1: no row in use of project \"%2\" has that number (0-15)")
                                    .arg(text, m_project.Name));
        return -1;
    }
    for (Qt::CaseSensitivity cs : {Qt::CaseSensitive, Qt::CaseInsensitive})
        for (int r = 0; r < DeviceRows; ++r) {
            const TZELM& z = m_project.Devices[static_cast<size_t>(r)];
            if (z.Use && z.Name.compare(text, cs) == 0) return r;
        }
    (void)fail(CliBadInput,
               tr("device \"%1\": no device of project \"%2\" has that name").arg(text, m_project.Name));
    return -1;
}

TDeviceSession& TCliProgram::session(int row) {
    std::unique_ptr<TDeviceSession>& s = m_sessions[static_cast<size_t>(row)];
    if (!s) {
        const TZELM& z = m_project.Devices[static_cast<size_t>(row)];
        s = std::make_unique<TDeviceSession>();
        s->RSadr = z.RSadr;
        s->RXadr = static_cast<int32_t>(z.RXadr);
        s->TXadr = static_cast<int32_t>(z.TXadr);
        s->Protokol = m_project.Protokol;
        m_monitor.setSession(row, s.get());
    }
    return *s;
}

bool TCliProgram::openBus() {
    QList<CanAdapterName> adapters;
    for (const QString& text : m_options.can)
        adapters << *ParseCanAdapterName(text);
    if (m_options.can.isEmpty()) adapters = DiscoverHardwareAdapters();
    DemoCanBusDevice::setProject(m_project);
    // The program takes the frames from the bus as they arrive (with their time and format), so the
    // adapter layer keeps no queue for a monitor tick.
    SlCanInstallDriver(std::make_unique<QtCanDriver>(adapters, 1));
    CanLoad();
    CanBus().addObserver(this);
    CanOpen(m_options.bitRateIndex, 8);
    m_busOpen = true;
    if (!CanOpened) {
        const QString why = adapters.isEmpty()               ? tr("no CAN adapter found (--can names one)")
                            : CanBus().lastError().isEmpty() ? tr("the adapter refused to open")
                                                             : CanBus().lastError();
        const CanAdapterName& tried = adapters.at(std::min<qsizetype>(7, adapters.size() - 1));
        return fail(CliNoAdapter, adapters.isEmpty() ? why
                                                     : QStringLiteral("%1:%2: %3").arg(tried.plugin,
                                                                                       tried.interfaceName, why));
    }
    connect(&CanBus(), &TCanBus::lost, this, [this] {
        if (m_restore && m_restore->running()) {
            // What was sent and what was not is reported, as after Ctrl+C; no report can come now.
            m_adapterLost = true;
            return m_restore->abort(false);
        }
        (void)fail(CliNoAdapter, tr("the CAN adapter went away"));
    });
    return true;
}

void TCliProgram::closeBus() {
    if (!m_busOpen) return;
    m_busOpen = false;
    disconnect(&CanBus(), nullptr, this, nullptr);
    CanBus().removeObserver(this);
    CanClose();
    CanFree();
    SlCanInstallDriver(nullptr);
    CanResetState();
}

void TCliProgram::canTraffic(const QCanBusFrame& frame, const QByteArray& payload, CanTrafficDirection direction) {
    if (m_finished || direction != CanTrafficDirection::Received) return;
    if (frame.frameType() == QCanBusFrame::ErrorFrame) {
        if (m_monitoring) printErrorFrame(frame, payload);
        return;
    }
    if (frame.frameType() != QCanBusFrame::DataFrame && frame.frameType() != QCanBusFrame::RemoteRequestFrame)
        return;
    TCanFrame f;
    f.ID = frame.frameId();
    f.DLC = static_cast<uint8_t>(std::min<qsizetype>(payload.size(), 8));
    std::memcpy(f.Data, payload.constData(), f.DLC);
    if (!m_monitoring) {
        m_monitor.takeFrames(&f, 1);
        if (m_readRow >= 0) checkRead();
        if (m_awaitRow >= 0) checkAwaited(false);
        return;
    }
    TJsonLine line;
    line.add("time", frameTime(frame), 6)
        .add("id", idText(f.ID, frame.hasExtendedFrameFormat()))
        .add("ext", frame.hasExtendedFrameFormat())
        .add("dlc", static_cast<int>(f.DLC))
        .add("data", QString::fromLatin1(payload.left(8).toHex().toUpper()));
    if (frame.frameType() == QCanBusFrame::RemoteRequestFrame) line.add("remote", true);
    QByteArray others;
    m_monitor.onRowFrame = [&](const TCanFrame&, int row, const TDeviceMessage& msg) {
        if (others.isNull()) {
            line.add("row", row)
                .add("direction", static_cast<int>(msg.Direction))
                .add("address", static_cast<int>(msg.Address))
                .addRaw("values", valuesJson(msg));
            others = "";
            return;
        }
        // A frame of several rows (rows sharing an identifier): the further rows in row order.
        others += (others.isEmpty() ? "" : ",") + TJsonLine()
                                                       .add("row", row)
                                                       .add("direction", static_cast<int>(msg.Direction))
                                                       .add("address", static_cast<int>(msg.Address))
                                                       .addRaw("values", valuesJson(msg))
                                                       .object();
    };
    m_monitor.takeFrames(&f, 1);
    m_monitor.onRowFrame = nullptr;
    if (!others.isEmpty()) line.addRaw("more_rows", "[" + others + "]");
    print(line.line());
}

void TCliProgram::printErrorFrame(const QCanBusFrame& frame, const QByteArray& payload) {
    // As candump writes an error frame: the error flag and the error classes in the identifier,
    // eight bytes of details.
    constexpr uint32_t ErrorFlag = 0x20000000u;
    QByteArray data = payload.left(8);
    data.append(8 - data.size(), '\0');
    print(TJsonLine()
              .add("time", frameTime(frame), 6)
              .add("id", idText(ErrorFlag | (static_cast<uint32_t>(frame.error()) & 0x1FFFFFFFu), true))
              .add("error", true)
              .add("dlc", 8)
              .add("data", QString::fromLatin1(data.toHex().toUpper()))
              .line());
}

void TCliProgram::start() {
    const QString& c = m_options.command;
    if (!m_options.profile.isEmpty() && c != QLatin1String("read") && c != QLatin1String("params") &&
        c != QLatin1String("trace"))
        return (void)fail(CliBadInput, tr("--profile is for read, params and trace export"));
    if (c == QLatin1String("profile")) return finish(RunProfileCommand(m_options, settingsFolder()));
    if (c == QLatin1String("trace")) {
        if (!loadProject()) return;
        m_exporting = true;
        return finish(
            RunTraceCommand(m_options, m_project, settingsFolder(), [this] { return m_interrupted; }));
    }
    const QStringList known{QStringLiteral("devices"), QStringLiteral("monitor"), QStringLiteral("read"),
                            QStringLiteral("write"), QStringLiteral("command"), QStringLiteral("params")};
    if (!known.contains(c)) {
        (void)fail(CliBadInput, tr("unknown command \"%1\" (--help lists them)").arg(c));
        return;
    }
    if (!loadProject()) return;
    if (c == QLatin1String("devices"))
        runDevices();
    else if (c == QLatin1String("monitor"))
        runMonitor();
    else if (c == QLatin1String("read"))
        runRead();
    else if (c == QLatin1String("write"))
        runWrite();
    else if (c == QLatin1String("params"))
        runParams();
    else
        runCommand();
}

void TCliProgram::interrupt() {
    if (m_finished) return;
    if (m_exporting) {
        m_interrupted = true;
        return;
    }
    if (m_monitoring) {
        finish(CliDone);
    } else if (m_restore && m_restore->running()) {
        CliMessage(tr("interrupted: no further write is sent"));
        m_restore->abort();
    } else if (m_awaitRow >= 0) {
        checkAwaited(true);
    } else if (m_readRow >= 0) {
        endRead();
    } else {
        (void)fail(CliTimeOut, tr("interrupted"));
    }
}

void TCliProgram::runDevices() {
    if (!m_options.arguments.isEmpty()) return (void)fail(CliBadInput, tr("devices takes no arguments"));
    for (int r = 0; r < DeviceRows; ++r) {
        const TZELM& z = m_project.Devices[static_cast<size_t>(r)];
        if (!z.Use) continue;
        print(TJsonLine()
                  .add("row", r)
                  .add("name", z.Name)
                  .add("rx", CanIdText(z.RXadr))
                  .add("tx", CanIdText(z.TXadr))
                  .add("rs", z.RSadr)
                  .line());
    }
    finish(CliDone);
}

void TCliProgram::runMonitor() {
    if (!m_options.arguments.isEmpty())
        return (void)fail(CliBadInput, tr("monitor takes no arguments (--seconds S sets how long)"));
    if (!openBus()) return;
    m_monitoring = true;
    if (m_options.seconds > 0) {
        connect(&m_deadline, &TCliDeadline::timeout, this, [this] { finish(CliDone); });
        m_deadline.start(m_options.seconds);
    }
}

void TCliProgram::runRead() {
    if (m_options.arguments.size() < 2)
        return (void)fail(CliBadInput, tr("read wants a device and at least one register"));
    const int row = deviceRow(m_options.arguments.first());
    if (row < 0) return;
    QString error;
    if (!ParseRegisterList(m_options.arguments.mid(1), &m_readRegisters, &error))
        return (void)fail(CliBadInput, QStringLiteral("read: %1").arg(error));
    QString warning;
    if (!LoadReadProfile(m_options, settingsFolder(), m_project.Name, row, &m_readProfile, &error, &warning))
        return (void)fail(CliBadInput, error);
    if (!warning.isEmpty()) CliMessage(warning);
    (void)session(row);
    if (!openBus()) return;
    m_readRow = row;
    connect(&m_deadline, &TCliDeadline::timeout, this, &TCliProgram::endRead);
    m_deadline.start(m_options.timeoutS);
}

void TCliProgram::checkRead() {
    const std::bitset<RegisterCount>& seen = session(m_readRow).reported();
    for (int r : std::as_const(m_readRegisters))
        if (!seen.test(static_cast<size_t>(r))) return;
    endRead();
}

void TCliProgram::endRead() {
    if (m_finished) return;
    const TDeviceSession& s = session(m_readRow);
    QStringList missing;
    for (int r : std::as_const(m_readRegisters)) {
        if (!s.reported().test(static_cast<size_t>(r))) {
            missing << QString::number(r);
            continue;
        }
        const auto raw = static_cast<uint16_t>(s.image().cell(r).Value);
        TJsonLine line;
        line.add("row", m_readRow).add("register", r).add("raw", static_cast<int>(raw));
        if (m_readProfile) AddProfileFields(line, *m_readProfile, r, raw);
        print(line.line());
    }
    if (!missing.isEmpty())
        return (void)fail(CliTimeOut, tr("not reported within %1 s: register %2")
                                          .arg(m_options.timeoutS)
                                          .arg(missing.join(QStringLiteral(", "))));
    finish(CliDone);
}

void TCliProgram::runWrite() {
    const QStringList& a = m_options.arguments;
    if (a.size() < 3) return (void)fail(CliBadInput, tr("write wants a device, a register and 1-4 values"));
    const int row = deviceRow(a.at(0));
    if (row < 0) return;
    qint64 reg = 0;
    if (!ParseNumber(a.at(1), 0, RegisterCount - 1, &reg))
        return (void)fail(CliBadInput, tr("write: register \"%1\" is not 0-127").arg(a.at(1)));
    const int count = static_cast<int>(a.size()) - 2;
    const int most = m_project.Protokol == Protocol3 ? 4 : 3;
    if (count > most)
        return (void)fail(CliBadInput, tr("write: %1 values; one write carries at most %2 in this "
                                          "project's layout")
                                           .arg(count)
                                           .arg(most));
    if (reg + count > RegisterCount)
        return (void)fail(CliBadInput,
                          tr("write: registers %1-%2 run past register 127").arg(reg).arg(reg + count - 1));
    std::array<int16_t, 4> values{};
    for (int i = 0; i < count; ++i) {
        qint64 v = 0;
        if (!ParseNumber(a.at(i + 2), -32768, 65535, &v))
            return (void)fail(
                CliBadInput,
                tr("write: value \"%1\" is not a 16-bit number (-32768 to 65535)").arg(a.at(i + 2)));
        values[static_cast<size_t>(i)] = static_cast<int16_t>(static_cast<uint16_t>(v & 0xFFFF));
    }
    TDeviceSession& s = session(row);
    if (!openBus()) return;
    const TDeviceMessage request =
        TDeviceSession::writeRequest(static_cast<uint16_t>(reg), count, values, !m_options.up);
    sentFrame(s.write(request), s.lastFrame());
}

void TCliProgram::runCommand() {
    const QStringList& a = m_options.arguments;
    if (a.size() != 2) return (void)fail(CliBadInput, tr("command wants a device and a button 0-16"));
    const int row = deviceRow(a.at(0));
    if (row < 0) return;
    qint64 k = 0;
    if (!ParseNumber(a.at(1), 0, CommandCount - 1, &k))
        return (void)fail(CliBadInput, tr("command: button \"%1\" is not 0-16").arg(a.at(1)));
    TDeviceSession& s = session(row);
    if (!openBus()) return;
    sentFrame(s.command(static_cast<int>(k)), s.lastFrame());
}

void TCliProgram::sentFrame(const TCanSendStatus& status, const TCanFrame& frame) {
    if (status.failed())
        return (void)fail(CliNoAdapter, tr("the adapter refused the frame: %1").arg(status.text().trimmed()));
    // The adapter layer sends every frame with an extended identifier.
    print(frameLine(frame, true));
    // The frame leaves through the event loop: wait until the device has passed it on, then a little
    // longer for a socket to flush.
    auto ticksAfter = std::make_shared<int>(0);
    connect(&m_poll, &QTimer::timeout, this, [this, ticksAfter] {
        const QCanBusDevice* device = CanBus().device();
        if (device == nullptr || device->framesToWrite() == 0) {
            if (++*ticksAfter >= 5) finish(CliDone);
        }
    });
    connect(&m_deadline, &TCliDeadline::timeout, this,
            [this] { (void)fail(CliNoAdapter, tr("the adapter did not pass the frame on in time")); });
    m_deadline.start(m_options.timeoutS);
    m_poll.start();
}
