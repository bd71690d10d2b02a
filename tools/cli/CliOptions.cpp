#include "CliOptions.h"

#include "can/CanAdapterName.h"

#include "CliText.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>

#include <cmath>
#include <cstdio>

namespace {

const char* const Commands = QT_TRANSLATE_NOOP(
    "CliOptions",
    "Commands (a DEVICE is a row 0-15 or a device name of the project):\n"
    "  devices                        the project's devices, one JSON line each: row, name, rx, tx, rs\n"
    "  monitor [--seconds S]          one JSON line per frame: time, id, ext, dlc, data; for a device's\n"
    "                                 frame also its row, direction, address and values\n"
    "  read DEVICE REG[-REG]...       waits until each register was reported by the device, then one\n"
    "                                 JSON line per register: row, register, raw; with the row's register\n"
    "                                 map (or --profile FILE) also name, value and unit\n"
    "  write DEVICE REG VALUE...      one register write of 1-4 values (3 in the standard layout), framed\n"
    "                                 as the device window's SET (\"Dn\"; --up for \"Up\"); prints the "
    "frame\n"
    "  command DEVICE N               command button N (0-16) as the device window sends it; prints the "
    "frame\n"
    "  params save DEVICE FILE        saves the registers the device reports (--registers LIST, else the\n"
    "                                 profile's rw registers, else all it reports within --timeout)\n"
    "  params diff FILE (--live DEVICE | FILE2)\n"
    "                                 one JSON line per register that differs: register, name, a, b;\n"
    "                                 exit 0 when equal, 4 when different\n"
    "  params restore DEVICE FILE [--verify] [--dry-run] [--yes] [--registers LIST] [--all] [--force]\n"
    "                                 writes the registers whose live value differs, paced, framed as SET;\n"
    "                                 one JSON line per register with its status; exit 4 on a mismatch\n"
    "  profile check FILE             checks a register map (profile); exit 0, or 1 with the message\n"
    "  profile import CSV JSON        makes a register map of a CSV file (register,name,unit,scale,offset,\n"
    "                                 decimals,type,access,min,max,description) and writes it as JSON\n"
    "                                 (--device NAME names the device type; default: the JSON file's name)\n"
    "Numbers are decimal, or hex with 0x. Raw register values are the 16-bit words, 0-65535.\n"
    "\n"
    "Exit codes: 0 done; 1 bad usage or bad input; 2 the adapter could not be opened; 3 time-out (not\n"
    "everything was seen); 4 a mismatch.\n"
    "JSON lines go to standard output, messages to standard error. Ctrl+C and SIGTERM end cleanly.\n");

// The value of the first "NAME VALUE" or "NAME=VALUE" before "--"; empty when there is none.
QString rawOptionValue(int argc, const char* const* argv, const QByteArray& name) {
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "--") break;
        if (arg == name && i + 1 < argc) return QString::fromLocal8Bit(argv[i + 1]);
        if (arg.startsWith(name + '=')) return QString::fromLocal8Bit(arg.mid(name.size() + 1));
    }
    return {};
}

} // namespace

bool ParseCliOptions(const QStringList& arguments, TCliOptions& options, int& exitCode,
                     const std::function<QString(const QString&)>& describeFolders) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "CliOptions", "canquorvex-cli: the ZELM devices of a CANQuorvex project, from a script."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QCoreApplication::translate("CliOptions", "Show this help."));
    const QCommandLineOption folder(
        QStringLiteral("folder"),
        QCoreApplication::translate("CliOptions", "Where Projects.ini and Quorvex.ini are read (default: the "
                                                  "program's folder; when the program runs installed, "
                                                  "$XDG_CONFIG_HOME/canquorvex, else ~/.config/canquorvex)."),
        QStringLiteral("DIR"));
    const QCommandLineOption project(
        QStringLiteral("project"),
        QCoreApplication::translate("CliOptions", "A project (section) of Projects.ini (default: the project "
                                                  "selected there)."),
        QStringLiteral("NAME"));
    const QCommandLineOption can(
        QStringLiteral("can"),
        QCoreApplication::translate("CliOptions",
                                    "CAN adapter as PLUGIN:INTERFACE, as the tool takes it (e.g. "
                                    "socketcan:can0, virtualcan:can0, slcan:/dev/ttyACM0, "
                                    "trace:PATH, demo). Without it: the hardware found."),
        QStringLiteral("PLUGIN:INTERFACE"));
    const QCommandLineOption bitrate(
        QStringLiteral("bitrate"), QCoreApplication::translate("CliOptions", "125K or 250K (default 250K)."),
        QStringLiteral("RATE"), QStringLiteral("250K"));
    const QCommandLineOption timeout(
        QStringLiteral("timeout"),
        QCoreApplication::translate("CliOptions", "Seconds to wait for what is asked (default 5)."),
        QStringLiteral("S"), QStringLiteral("5"));
    const QCommandLineOption seconds(
        QStringLiteral("seconds"),
        QCoreApplication::translate("CliOptions", "monitor: end after S seconds (default: at Ctrl+C)."),
        QStringLiteral("S"));
    const QCommandLineOption up(
        QStringLiteral("up"),
        QCoreApplication::translate("CliOptions",
                                    "write: send on the device's transmission identifier (\"Up\")."));
    const QCommandLineOption profile(
        QStringLiteral("profile"),
        QCoreApplication::translate(
            "CliOptions",
            "read, params, trace export: a profile file to use instead of the row's (a path, or a "
            "name in the profiles folder)."),
        QStringLiteral("FILE"));
    const QCommandLineOption registers(
        QStringLiteral("registers"),
        QCoreApplication::translate("CliOptions", "params save/restore, trace export: only these registers, "
                                                  "e.g. 96-127,5."),
        QStringLiteral("LIST"));
    const QCommandLineOption live(
        QStringLiteral("live"),
        QCoreApplication::translate("CliOptions",
                                    "params diff: compare the file with this device's live values."),
        QStringLiteral("DEVICE"));
    const QCommandLineOption verify(
        QStringLiteral("verify"),
        QCoreApplication::translate("CliOptions",
                                    "params restore: wait up to --timeout for the device to report "
                                    "each written register."));
    const QCommandLineOption dryRun(
        QStringLiteral("dry-run"),
        QCoreApplication::translate("CliOptions", "params restore: print the plan and send nothing."));
    const QCommandLineOption yes(QStringLiteral("yes"),
                                 QCoreApplication::translate("CliOptions", "params restore: do not ask."));
    const QCommandLineOption all(
        QStringLiteral("all"),
        QCoreApplication::translate("CliOptions",
                                    "params restore: write registers whose live value matches too."));
    const QCommandLineOption force(
        QStringLiteral("force"),
        QCoreApplication::translate("CliOptions", "params restore: accept a set saved for another profile."));
    const QCommandLineOption device(
        QStringLiteral("device"),
        QCoreApplication::translate("CliOptions", "profile import: the device type's name; trace export: a "
                                                  "device to export (row or name, repeatable)."),
        QStringLiteral("NAME"));
    const QCommandLineOption format(
        QStringLiteral("format"),
        QCoreApplication::translate("CliOptions", "trace export: csv (default) or jsonl."),
        QStringLiteral("FORMAT"));
    const QCommandLineOption from(
        QStringLiteral("from"),
        QCoreApplication::translate("CliOptions", "trace export: from this time (seconds as in the trace, "
                                                  "+seconds after its first frame, or ISO 8601)."),
        QStringLiteral("TIME"));
    const QCommandLineOption to(QStringLiteral("to"),
                                QCoreApplication::translate("CliOptions", "trace export: up to this time."),
                                QStringLiteral("TIME"));
    const QCommandLineOption allFrames(
        QStringLiteral("all-frames"),
        QCoreApplication::translate("CliOptions", "trace export: a line per message, not per change."));
    const QCommandLineOption lang(
        QStringLiteral("lang"),
        QCoreApplication::translate("CliOptions", "ru or en: the language of messages and of this "
                                                  "help (default: the choice kept in Quorvex.ini, else "
                                                  "the system's)."),
        QStringLiteral("LANG"));
    parser.addOptions({help,    folder, project,   can,  bitrate,   timeout, seconds, up,
                       profile, device, registers, live, verify,    dryRun,  yes,     all,
                       force,   format, from,      to,   allFrames, lang});
    parser.addPositionalArgument(
        QStringLiteral("command"),
        QStringLiteral("devices, monitor, read, write, command, params, profile, trace"));
    parser.addPositionalArgument(QStringLiteral("arguments"),
                                 QCoreApplication::translate("CliOptions", "what the command takes"),
                                 QStringLiteral("[arguments...]"));

    // Negative numbers are values, not options: "write Pump 96 -5".
    QStringList args;
    for (const QString& a : arguments) {
        bool number = false;
        (void)a.toLongLong(&number, 0);
        args << (number && a.startsWith(QLatin1Char('-')) ? QStringLiteral("\x01") + a : a);
    }
    const auto fail = [&exitCode](const QString& message) {
        CliMessage(message);
        exitCode = CliBadInput;
        return false;
    };
    if (!parser.parse(args))
        return fail(QCoreApplication::translate("CliOptions", "%1 (--help lists the options)")
                        .arg(parser.errorText()));
    if (parser.isSet(lang)) {
        const QString value = parser.value(lang);
        if (value.trimmed().isEmpty() || !TLanguage::parse(value))
            return fail(QCoreApplication::translate("CliOptions", "--lang %1: expected ru or en").arg(value));
    }
    if (parser.isSet(help)) {
        const QString folders = describeFolders ? describeFolders(parser.value(folder)) : QString();
        CliWrite(stdout, QStringLiteral("%1\n%2\n%3%4")
                             .arg(parser.helpText(), QCoreApplication::translate("CliOptions", Commands),
                                  folders, DescribeCanPlugins()));
        exitCode = CliDone;
        return false;
    }
    for (const QString& adapter : parser.values(can))
        if (!ParseCanAdapterName(adapter))
            return fail(
                QCoreApplication::translate("CliOptions", "--can %1: expected PLUGIN:INTERFACE or demo")
                    .arg(adapter));
    const QString rate = parser.value(bitrate).toUpper();
    if (rate == QLatin1String("125K"))
        options.bitRateIndex = 1;
    else if (rate == QLatin1String("250K"))
        options.bitRateIndex = 2;
    else
        return fail(QCoreApplication::translate("CliOptions", "--bitrate %1: expected 125K or 250K")
                        .arg(parser.value(bitrate)));
    // NaN and infinity compare false with every bound, so the range is checked as "inside", never as
    // "not outside".
    const auto takeSeconds = [&parser](const QCommandLineOption& option, double most, double* value) {
        bool ok = false;
        const double v = parser.value(option).toDouble(&ok);
        if (!ok || !std::isfinite(v) || !(v > 0 && v <= most)) return false;
        *value = v;
        return true;
    };
    if (!takeSeconds(timeout, MaxTimeoutS, &options.timeoutS))
        return fail(
            QCoreApplication::translate("CliOptions", "--timeout %1: expected seconds above 0, at most %2")
                .arg(parser.value(timeout))
                .arg(MaxTimeoutS));
    if (parser.isSet(seconds) && !takeSeconds(seconds, MaxSecondsS, &options.seconds))
        return fail(
            QCoreApplication::translate("CliOptions", "--seconds %1: expected seconds above 0, at most %2")
                .arg(parser.value(seconds))
                .arg(MaxSecondsS, 0, 'f', 0));
    options.folder = parser.value(folder);
    options.project = parser.value(project);
    options.can = parser.values(can);
    options.up = parser.isSet(up);
    options.profile = parser.value(profile);
    options.device = parser.value(device);
    options.devices = parser.values(device);
    options.format = parser.value(format);
    options.from = parser.value(from);
    options.to = parser.value(to);
    options.allFrames = parser.isSet(allFrames);
    options.registers = parser.values(registers);
    options.live = parser.value(live);
    options.verify = parser.isSet(verify);
    options.dryRun = parser.isSet(dryRun);
    options.yes = parser.isSet(yes);
    options.all = parser.isSet(all);
    options.force = parser.isSet(force);
    QStringList positional;
    for (QString p : parser.positionalArguments())
        positional << (p.startsWith(QLatin1Char('\x01')) ? p.mid(1) : p);
    if (positional.isEmpty())
        return fail(QCoreApplication::translate("CliOptions", "no command given (--help lists them)"));
    options.command = positional.takeFirst();
    options.arguments = positional;
    return true;
}

TLanguageChoice CliLanguage(int argc, const char* const* argv,
                            const std::function<QString(const QString& folderOption)>& settingsFolder) {
    const QString option = TLanguage::optionValue(argc, argv);
    if (const std::optional<TLanguageChoice> chosen = TLanguage::parse(option);
        chosen && !option.trimmed().isEmpty())
        return *chosen;
    const QString folder = settingsFolder(rawOptionValue(argc, argv, QByteArrayLiteral("--folder")));
    return TLanguage::fromIni(QDir(folder).filePath(QStringLiteral("Quorvex.ini")));
}
