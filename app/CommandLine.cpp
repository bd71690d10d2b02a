#include "CommandLine.h"

#include "can/CanAdapterName.h"
#include "socketcand/SocketcandServer.h"
#include "core/FileCheck.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

#include <cstdio>

bool ParseCommandLine(const QStringList& arguments, TAppOptions& options, int& exitCode,
                      const std::function<QString(const QString&)>& describeFolders) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("CANQuorvex: service tool for ZELM control devices on a CAN bus."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help, the CAN plugins and the interfaces found."));
    const QCommandLineOption can(QStringLiteral("can"),
                                 QStringLiteral("CAN adapter to offer, as PLUGIN:INTERFACE (repeatable, in order; "
                                                "e.g. socketcan:can0, peakcan:usb0, virtualcan:can0; "
                                                "slcan:/dev/ttyACM0 or slcan:COM5 for a serial-line adapter, @BAUD "
                                                "after it for one on a real UART; trace:PATH plays a trace file "
                                                "(candump log or ASC) as the bus; socketcand:HOST[:PORT]/BUS a bus "
                                                "on a socketcand server, port 29536 unless given, e.g. "
                                                "socketcand:127.0.0.1/can0), or 'demo' for the built-in demo "
                                                "bus. Without it: every interface of the installed hardware plugins "
                                                "and every attached serial-line adapter the tool recognises."),
                                 QStringLiteral("PLUGIN:INTERFACE"));
    const QCommandLineOption serial(QStringLiteral("serial"),
                                    QStringLiteral("Serial port for the Modbus link (e.g. /dev/ttyUSB0); without it "
                                                   "COM port n is /dev/ttyS<n-1>."),
                                    QStringLiteral("PATH"));
    const QCommandLineOption autoOn(QStringLiteral("auto-on"), QStringLiteral("Switch CAN on at start."));
    const QCommandLineOption openAll(QStringLiteral("open-all"),
                                     QStringLiteral("Open the device window of every row in use at start."));
    const QCommandLineOption stats(
        QStringLiteral("stats-file"),
        QStringLiteral("At exit, write the monitor's figures (frames received, longest gap between ticks, "
                       "peak bus load, error frames, frames dropped) to this file."),
        QStringLiteral("PATH"));
    const QCommandLineOption quitAfter(QStringLiteral("quit-after"),
                                       QStringLiteral("End the program after this many milliseconds."),
                                       QStringLiteral("MS"));
    const QCommandLineOption record(QStringLiteral("record"),
                                    QStringLiteral("Record the bus into this candump log from the start (appended "
                                                   "to when it exists)."),
                                    QStringLiteral("PATH"));
    const QCommandLineOption serve(
        QStringLiteral("serve-socketcand"),
        QStringLiteral("Share the bus the tool has open with socketcand clients (raw mode, bus can0) on "
                       "[ADDR:]PORT: on 127.0.0.1 unless an address is given (0.0.0.0 for every network), "
                       "port 0 lets the system choose; at most 8 clients. Every frame the tool receives or "
                       "sends goes to each client; clients may not send unless --serve-socketcand-write."),
        QStringLiteral("[ADDR:]PORT"));
    const QCommandLineOption serveWrite(
        QStringLiteral("serve-socketcand-write"),
        QStringLiteral("Let the socketcand clients send frames onto the bus through the open adapter."));
    const QCommandLineOption folder(
        QStringLiteral("folder"),
        QStringLiteral("Keep Projects.ini, Quorvex.ini, profiles/ and the traces/ of new recordings in DIR. "
                       "Default: the program's folder; when the program runs installed, "
                       "$XDG_CONFIG_HOME/canquorvex (else ~/.config/canquorvex) with traces in "
                       "$XDG_DATA_HOME/canquorvex/traces (else ~/.local/share/canquorvex/traces)."),
        QStringLiteral("DIR"));
    const QCommandLineOption openTrace(
        QStringLiteral("open-trace"),
        QStringLiteral("Show this trace file (candump log or ASC) in a trace view window at start, without "
                       "playing it."),
        QStringLiteral("PATH"));
    parser.addOptions(
        {help, can, serial, autoOn, openAll, stats, quitAfter, record, serve, serveWrite, folder, openTrace});
    if (!parser.parse(arguments)) {
        std::fprintf(stderr, "%s\n", qPrintable(parser.errorText()));
        exitCode = 2;
        return false;
    }
    if (parser.isSet(help)) {
        const QString folders = describeFolders ? describeFolders(parser.value(folder)) : QString();
        std::printf("%s\n%s%s", qPrintable(parser.helpText()), qPrintable(folders), qPrintable(DescribeCanPlugins()));
        exitCode = 0;
        return false;
    }
    const auto refuse = [&exitCode](const QString& text) {
        std::fprintf(stderr, "%s\n", qUtf8Printable(text));
        exitCode = 2;
        return false;
    };
    QStringList traces;
    for (const QString& adapter : parser.values(can)) {
        const std::optional<CanAdapterName> name = ParseCanAdapterName(adapter);
        if (!name) return refuse(QStringLiteral("--can %1: expected PLUGIN:INTERFACE or demo").arg(adapter));
        if (name->plugin != QLatin1String("trace")) continue;
        // A FIFO or a device would hold the program in its first read: refused before anything opens it.
        if (const QString kind = FileCheck::otherKind(name->interfaceName); !kind.isEmpty())
            return refuse(QStringLiteral("--can %1: %2 is %3, not a trace file")
                              .arg(adapter, QDir::toNativeSeparators(name->interfaceName), kind));
        traces << name->interfaceName;
    }
    if (parser.isSet(openTrace)) {
        const QString path = parser.value(openTrace);
        if (!QFileInfo::exists(path))
            return refuse(
                QStringLiteral("--open-trace %1: no such file").arg(QDir::toNativeSeparators(path)));
        if (const QString kind = FileCheck::otherKind(path); !kind.isEmpty())
            return refuse(QStringLiteral("--open-trace %1: it is %2, not a trace file")
                              .arg(QDir::toNativeSeparators(path), kind));
    }
    if (parser.isSet(folder) && !QFileInfo(parser.value(folder)).isDir()) {
        std::fprintf(stderr, "--folder %s: no such folder\n", qPrintable(parser.value(folder)));
        exitCode = 2;
        return false;
    }
    if (parser.isSet(serve)) {
        QString why;
        if (!SocketcandServer::parseListenAddress(parser.value(serve), nullptr, nullptr, &why)) {
            std::fprintf(stderr, "--serve-socketcand %s\n", qPrintable(why));
            exitCode = 2;
            return false;
        }
    } else if (parser.isSet(serveWrite)) {
        std::fprintf(stderr, "--serve-socketcand-write needs --serve-socketcand [ADDR:]PORT\n");
        exitCode = 2;
        return false;
    }
    for (const QString& trace : std::as_const(traces))
        if (parser.isSet(record) && FileCheck::sameFile(parser.value(record), trace))
            return refuse(QStringLiteral("--record %1: that is the trace file --can trace: plays; recording "
                                         "into it would play its own recording again and again. Choose "
                                         "another file.")
                              .arg(QDir::toNativeSeparators(parser.value(record))));
    options.can = parser.values(can);
    options.serial = parser.value(serial);
    options.autoOn = parser.isSet(autoOn);
    options.openAll = parser.isSet(openAll);
    options.statsFile = parser.value(stats);
    options.quitAfterMs = parser.value(quitAfter).toInt();
    options.recordPath = parser.value(record);
    options.serveSocketcand = parser.value(serve);
    options.serveSocketcandWrite = parser.isSet(serveWrite);
    options.folder = parser.value(folder);
    options.openTrace = parser.value(openTrace);
    return true;
}
