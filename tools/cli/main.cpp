// canquorvex-cli: the tool's devices from a script, on the tool's own models and adapters, without
// a window. `canquorvex-cli --help` lists the commands and exit codes.

#include "CliOptions.h"
#include "CliProgram.h"
#include "CliText.h"

#include "core/Language.h"
#include "core/SignalWatcher.h"
#include "sim/DemoCanBusDevice.h"
#include "slcan/SlcanCanBusFactory.h"
#include "slcandll/SlcanDllCanBusFactory.h"
#include "socketcand/SocketcandCanBusFactory.h"
#include "trace/TraceCanBusDevice.h"

#include <QCoreApplication>
#include <QTimer>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("canquorvex-cli"));
    // The language of every message and of --help, before anything is said.
    CliUseUtf8Console();
    TLanguage::install(
        CliLanguage(argc, argv, [](const QString& folder) { return CliProgramFolders(folder).settings; }));
    // The same built-in adapters as the tool: the demo bus, serial-line adapters, trace files and
    // socketcand buses.
    RegisterDemoBus();
    RegisterSlcanBus();
    RegisterTraceBus();
    RegisterSocketcandBus();
    // The adapter library slcan.dll, when it is found (Windows).
    RegisterSlcanDllBus();

    TCliOptions options;
    int exitCode = 0;
    if (!ParseCliOptions(QCoreApplication::arguments(), options, exitCode,
                         [](const QString& folder) { return CliProgramFolders(folder).describe(false); }))
        return exitCode;

    TSignalWatcher watcher;
    TCliProgram program(options);
    QObject::connect(&watcher, &TSignalWatcher::signalled, &program, [&program](int) { program.interrupt(); });
    QObject::connect(&program, &TCliProgram::finished, &app, [](int code) { QCoreApplication::exit(code); },
                     Qt::QueuedConnection);
    QTimer::singleShot(0, &program, [&program] { program.start(); });
    return QCoreApplication::exec();
}
