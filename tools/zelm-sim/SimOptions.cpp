#include "SimOptions.h"

#include "socketcand/SocketcandServer.h"

#include <QCommandLineParser>

bool ParseSimOptions(const QStringList& arguments, SimOptions& options, QString* error) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Simulated ZELM devices: every device in use of a project reports its registers on its TXadr "
        "and takes register writes and commands on its RXadr, in the project's layout."));
    parser.addHelpOption();
    const QCommandLineOption can(QStringLiteral("can"),
                                 QStringLiteral("CAN bus to play on, e.g. virtualcan:can0, socketcan:vcan0, "
                                                "virtualcan:tcp://127.0.0.1:35468/can0, slcan:/dev/ttyACM0, "
                                                "socketcand:HOST[:PORT]/BUS."),
                                 QStringLiteral("PLUGIN:INTERFACE"));
    const QCommandLineOption project(QStringLiteral("project"),
                                     QStringLiteral("Project file (default Projects.ini)."),
                                     QStringLiteral("PATH"), options.projectPath);
    const QCommandLineOption name(
        QStringLiteral("name"),
        QStringLiteral("Project section to play (default: the project selected in the file)."),
        QStringLiteral("SECTION"));
    const QCommandLineOption period(QStringLiteral("period"),
                                    QStringLiteral("Report period of each device in ms (default 100)."),
                                    QStringLiteral("MS"), QString::number(options.periodMs));
    const QCommandLineOption burst(QStringLiteral("burst"),
                                   QStringLiteral("Burst mode: FPS report frames per second in total, spread "
                                                  "evenly over the devices (replaces the period)."),
                                   QStringLiteral("FPS"));
    const QCommandLineOption bitrate(
        QStringLiteral("bitrate"), QStringLiteral("Set the interface's bit rate (bit/s) before connecting."),
        QStringLiteral("BPS"));
    const QCommandLineOption serial(
        QStringLiteral("serial"),
        QStringLiteral("Also answer Modbus RTU read requests (function 3) on this "
                       "serial port."),
        QStringLiteral("PATH"));
    const QCommandLineOption slcan(
        QStringLiteral("slcan"),
        QStringLiteral("Act as a serial-line CAN adapter (SLCAN) on this serial port or pty end: the tool "
                       "opens the other end with --can slcan:PATH."),
        QStringLiteral("PATH"));
    const QCommandLineOption socketcand(
        QStringLiteral("socketcand"),
        QStringLiteral("Serve the simulated bus as can0 to socketcand clients (raw mode) on [ADDR:]PORT: on "
                       "127.0.0.1 unless an address is given, port 0 lets the system choose (the port is "
                       "printed). Clients may send; at most 8 clients."),
        QStringLiteral("[ADDR:]PORT"));
    const QCommandLineOption slcanRefuse(
        QStringLiteral("slcan-refuse"),
        QStringLiteral("As the adapter, answer BEL to the commands starting with these letters (e.g. O)."),
        QStringLiteral("LETTERS"));
    const QCommandLineOption slcanStatus(
        QStringLiteral("slcan-status"),
        QStringLiteral("As the adapter, report these status flags (hex) to F."), QStringLiteral("HEX"));
    const QCommandLineOption baud(QStringLiteral("baud"),
                                  QStringLiteral("Baud rate of the serial ports (default 115200)."),
                                  QStringLiteral("BAUD"), QString::number(options.baud));
    const QCommandLineOption duration(QStringLiteral("duration"),
                                      QStringLiteral("Stop after S seconds (default: run until Ctrl+C)."),
                                      QStringLiteral("S"));
    const QCommandLineOption delay(QStringLiteral("delay"),
                                   QStringLiteral("Connect at once but start reporting only after S seconds "
                                                  "(lets the other side connect first)."),
                                   QStringLiteral("S"));
    parser.addOptions({can, project, name, period, burst, bitrate, serial, slcan, socketcand, slcanRefuse,
                       slcanStatus, baud, duration, delay});
    if (!parser.parse(arguments)) {
        *error = parser.errorText();
        return false;
    }
    if (parser.isSet(QStringLiteral("help"))) parser.showHelp(0);
    if (!parser.positionalArguments().isEmpty()) {
        *error = QStringLiteral("unexpected argument: %1").arg(parser.positionalArguments().first());
        return false;
    }

    auto number = [&](const QCommandLineOption& option, int min, int max, int& out) {
        if (!parser.isSet(option)) return true;
        bool ok = false;
        const int v = parser.value(option).toInt(&ok);
        if (!ok || v < min || v > max) {
            *error = QStringLiteral("--%1 wants a number from %2 to %3, not \"%4\"")
                         .arg(option.names().first())
                         .arg(min)
                         .arg(max)
                         .arg(parser.value(option));
            return false;
        }
        out = v;
        return true;
    };

    if (parser.isSet(can)) {
        const QString adapter = parser.value(can);
        const qsizetype colon = adapter.indexOf(QLatin1Char(':'));
        options.canPlugin = colon < 0 ? adapter : adapter.left(colon);
        options.canInterface = colon < 0 ? QString() : adapter.mid(colon + 1);
        if (options.canPlugin.isEmpty() || options.canInterface.isEmpty()) {
            *error = QStringLiteral("--can wants PLUGIN:INTERFACE, not \"%1\"").arg(adapter);
            return false;
        }
    }
    options.projectPath = parser.value(project);
    options.projectName = parser.value(name);
    options.serialPath = parser.value(serial);
    options.slcanPath = parser.value(slcan);
    options.slcanRefuse = parser.value(slcanRefuse);
    options.socketcand = parser.value(socketcand);
    if (parser.isSet(socketcand) &&
        !SocketcandServer::parseListenAddress(options.socketcand, nullptr, nullptr, error)) {
        *error = QStringLiteral("--socketcand ") + *error;
        return false;
    }
    if (parser.isSet(slcanStatus)) {
        bool ok = false;
        options.slcanStatus = parser.value(slcanStatus).toInt(&ok, 16);
        if (!ok || options.slcanStatus < 0 || options.slcanStatus > 0xFF) {
            *error = QStringLiteral("--slcan-status wants two hex digits, not \"%1\"")
                         .arg(parser.value(slcanStatus));
            return false;
        }
    }
    if (!number(period, 1, 3600000, options.periodMs)) return false;
    if (!number(burst, 1, 1000000, options.burstFps)) return false;
    if (!number(bitrate, 1, 10000000, options.bitRate)) return false;
    if (!number(baud, 50, 4000000, options.baud)) return false;
    if (parser.isSet(duration)) {
        bool ok = false;
        options.durationS = parser.value(duration).toDouble(&ok);
        if (!ok || options.durationS <= 0) {
            *error = QStringLiteral("--duration wants a positive number of seconds, not \"%1\"")
                         .arg(parser.value(duration));
            return false;
        }
    }
    if (parser.isSet(delay)) {
        bool ok = false;
        options.delayS = parser.value(delay).toDouble(&ok);
        if (!ok || options.delayS < 0) {
            *error = QStringLiteral("--delay wants a number of seconds, not \"%1\"").arg(parser.value(delay));
            return false;
        }
    }
    if (options.canPlugin.isEmpty() && options.serialPath.isEmpty() && options.slcanPath.isEmpty() &&
        options.socketcand.isEmpty()) {
        *error = QStringLiteral("nothing to play on: give --can PLUGIN:INTERFACE, --slcan PATH, --socketcand "
                                "[ADDR:]PORT and/or --serial PATH");
        return false;
    }
    return true;
}
