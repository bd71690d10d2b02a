#include "CommandLine.h"

#include "can/CanAdapterName.h"
#include "core/FileCheck.h"
#include "socketcand/SocketcandServer.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace {

// The texts of the options and of their refusals.
class AppCommandLine {
    Q_DECLARE_TR_FUNCTIONS(AppCommandLine)
};

// The program's options, described in the language installed when they are made.
struct TOptionSet {
    const QCommandLineOption help{
        {QStringLiteral("h"), QStringLiteral("help")},
        AppCommandLine::tr("Show this help, the CAN plugins and the interfaces found.")};
    const QCommandLineOption can{
        QStringLiteral("can"),
        AppCommandLine::tr(
            "CAN adapter to offer, as PLUGIN:INTERFACE (repeatable, in order; e.g. socketcan:can0, "
            "peakcan:usb0, virtualcan:can0; slcan:/dev/ttyACM0 or slcan:COM5 for a serial-line "
            "adapter, @BAUD after it for one on a real UART; trace:PATH plays a trace file (candump "
            "log or ASC) as the bus; socketcand:HOST[:PORT]/BUS a bus on a socketcand server, port "
            "29536 unless given, e.g. socketcand:127.0.0.1/can0), or 'demo' for the built-in demo "
            "bus. Without it: every interface of the installed hardware plugins and every attached "
            "serial-line adapter the tool recognises."),
        QStringLiteral("PLUGIN:INTERFACE")};
    const QCommandLineOption serial{QStringLiteral("serial"),
                                    AppCommandLine::tr("Serial port for the Modbus link (e.g. /dev/ttyUSB0); "
                                                       "without it COM port n is /dev/ttyS<n-1>."),
                                    QStringLiteral("PATH")};
    const QCommandLineOption autoOn{QStringLiteral("auto-on"), AppCommandLine::tr("Switch CAN on at start.")};
    const QCommandLineOption openAll{
        QStringLiteral("open-all"),
        AppCommandLine::tr("Open the device window of every row in use at start.")};
    const QCommandLineOption stats{
        QStringLiteral("stats-file"),
        AppCommandLine::tr(
            "At exit, write the monitor's figures (frames received, longest gap between ticks, "
            "peak bus load, error frames, frames dropped) to this file."),
        QStringLiteral("PATH")};
    const QCommandLineOption quitAfter{QStringLiteral("quit-after"),
                                       AppCommandLine::tr("End the program after this many milliseconds."),
                                       QStringLiteral("MS")};
    const QCommandLineOption record{QStringLiteral("record"),
                                    AppCommandLine::tr("Record the bus into this candump log from the start "
                                                       "(appended to when it exists)."),
                                    QStringLiteral("PATH")};
    const QCommandLineOption serve{
        QStringLiteral("serve-socketcand"),
        AppCommandLine::tr(
            "Share the bus the tool has open with socketcand clients (raw mode, bus can0) on "
            "[ADDR:]PORT: on 127.0.0.1 unless an address is given (0.0.0.0 for every network), "
            "port 0 lets the system choose; at most 8 clients. Every frame the tool receives or "
            "sends goes to each client; clients may not send unless --serve-socketcand-write."),
        QStringLiteral("[ADDR:]PORT")};
    const QCommandLineOption serveWrite{
        QStringLiteral("serve-socketcand-write"),
        AppCommandLine::tr("Let the socketcand clients send frames onto the bus through the open adapter.")};
    const QCommandLineOption folder{
        QStringLiteral("folder"),
        AppCommandLine::tr(
            "Keep Projects.ini, Quorvex.ini, profiles/ and the traces/ of new recordings in DIR. "
            "Default: the program's folder; when the program runs installed, "
            "$XDG_CONFIG_HOME/canquorvex (else ~/.config/canquorvex) with traces in "
            "$XDG_DATA_HOME/canquorvex/traces (else ~/.local/share/canquorvex/traces)."),
        QStringLiteral("DIR")};
    const QCommandLineOption openTrace{
        QStringLiteral("open-trace"),
        AppCommandLine::tr(
            "Show this trace file (candump log or ASC) in a trace view window at start, without "
            "playing it."),
        QStringLiteral("PATH")};
    const QCommandLineOption lang{
        QStringLiteral("lang"),
        AppCommandLine::tr(
            "Language of the windows and messages for this run: ru (Russian) or en (English). "
            "Without it: the language chosen in the right-click menu (kept in Quorvex.ini), else "
            "the windows' captions as written and the other texts in the system's language."),
        QStringLiteral("ru|en")};

    void addTo(QCommandLineParser& parser) const {
        parser.addOptions({help, can, serial, autoOn, openAll, stats, quitAfter, record, serve, serveWrite,
                           folder, openTrace, lang});
    }
};

// The languages --lang takes: Russian or English (the choice "as written" is the default, not an option).
std::optional<TLanguageChoice> chosenLanguage(const QString& text) {
    const std::optional<TLanguageChoice> choice = TLanguage::parse(text);
    if (!choice || *choice == TLanguageChoice::AsWritten) return std::nullopt;
    return choice;
}

} // namespace

TLanguageChoice StartLanguage(const QStringList& arguments,
                              const std::function<QString(const QString&)>& settingsIniOf) {
    QCommandLineParser parser;
    const TOptionSet options;
    options.addTo(parser);
    // Arguments that are refused later still tell the language of the refusal.
    (void)parser.parse(arguments);
    if (parser.isSet(options.lang))
        if (const std::optional<TLanguageChoice> choice = chosenLanguage(parser.value(options.lang)))
            return *choice;
    return TLanguage::fromIni(settingsIniOf(parser.value(options.folder)));
}

bool ParseCommandLine(const QStringList& arguments, TAppOptions& options, int& exitCode,
                      const std::function<QString(const QString&)>& describeFolders) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        AppCommandLine::tr("CANQuorvex: service tool for ZELM control devices on a CAN bus."));
    const TOptionSet o;
    o.addTo(parser);
    if (!parser.parse(arguments)) {
        std::fprintf(stderr, "%s\n", qPrintable(parser.errorText()));
        exitCode = 2;
        return false;
    }
    if (parser.isSet(o.help)) {
        const QString folders = describeFolders ? describeFolders(parser.value(o.folder)) : QString();
        std::printf("%s\n%s%s", qPrintable(parser.helpText()), qPrintable(folders), qPrintable(DescribeCanPlugins()));
        exitCode = 0;
        return false;
    }
    const auto refuse = [&exitCode](const QString& text) {
        std::fprintf(stderr, "%s\n", qUtf8Printable(text));
        exitCode = 2;
        return false;
    };
    std::optional<TLanguageChoice> language;
    if (parser.isSet(o.lang)) {
        language = chosenLanguage(parser.value(o.lang));
        if (!language)
            return refuse(AppCommandLine::tr("--lang %1: expected ru (Russian) or en (English)")
                              .arg(parser.value(o.lang)));
    }
    QStringList traces;
    for (const QString& adapter : parser.values(o.can)) {
        const std::optional<CanAdapterName> name = ParseCanAdapterName(adapter);
        if (!name)
            return refuse(AppCommandLine::tr("--can %1: expected PLUGIN:INTERFACE or demo").arg(adapter));
        if (name->plugin != QLatin1String("trace")) continue;
        // A FIFO or a device would hold the program in its first read: refused before anything opens it.
        if (const QString kind = FileCheck::otherKind(name->interfaceName); !kind.isEmpty())
            return refuse(AppCommandLine::tr("--can %1: %2 is %3, not a trace file")
                              .arg(adapter, QDir::toNativeSeparators(name->interfaceName), kind));
        traces << name->interfaceName;
    }
    if (parser.isSet(o.openTrace)) {
        const QString path = parser.value(o.openTrace);
        if (!QFileInfo::exists(path))
            return refuse(
                AppCommandLine::tr("--open-trace %1: no such file").arg(QDir::toNativeSeparators(path)));
        if (const QString kind = FileCheck::otherKind(path); !kind.isEmpty())
            return refuse(AppCommandLine::tr("--open-trace %1: it is %2, not a trace file")
                              .arg(QDir::toNativeSeparators(path), kind));
    }
    if (parser.isSet(o.folder) && !QFileInfo(parser.value(o.folder)).isDir())
        return refuse(AppCommandLine::tr("--folder %1: no such folder").arg(parser.value(o.folder)));
    if (parser.isSet(o.serve)) {
        QString why;
        if (!SocketcandServer::parseListenAddress(parser.value(o.serve), nullptr, nullptr, &why))
            return refuse(QStringLiteral("--serve-socketcand %1").arg(why));
    } else if (parser.isSet(o.serveWrite)) {
        return refuse(AppCommandLine::tr("--serve-socketcand-write needs --serve-socketcand [ADDR:]PORT"));
    }
    for (const QString& trace : std::as_const(traces))
        if (parser.isSet(o.record) && FileCheck::sameFile(parser.value(o.record), trace))
            return refuse(
                AppCommandLine::tr("--record %1: that is the trace file --can trace: plays; recording "
                                   "into it would play its own recording again and again. Choose "
                                   "another file.")
                    .arg(QDir::toNativeSeparators(parser.value(o.record))));
    options.can = parser.values(o.can);
    options.serial = parser.value(o.serial);
    options.autoOn = parser.isSet(o.autoOn);
    options.openAll = parser.isSet(o.openAll);
    options.statsFile = parser.value(o.stats);
    options.quitAfterMs = parser.value(o.quitAfter).toInt();
    options.recordPath = parser.value(o.record);
    options.serveSocketcand = parser.value(o.serve);
    options.serveSocketcandWrite = parser.isSet(o.serveWrite);
    options.folder = parser.value(o.folder);
    options.openTrace = parser.value(o.openTrace);
    options.language = language;
    return true;
}
