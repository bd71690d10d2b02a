// zelm-sim: the simulated ZELM devices of a project on a CAN bus, behind a simulated serial-line
// CAN adapter (--slcan PATH), served to socketcand clients (--socketcand [ADDR:]PORT) and/or on a
// serial port.
//   zelm-sim --can virtualcan:can0 --project Projects.ini --name Line2
// Stops cleanly on Ctrl+C and on the platform's other requests to end (SIGTERM, closing the console).

#include "SimOptions.h"
#include "SimRunner.h"

#include "core/IniFile.h"
#include "core/ProjectFile.h"
#include "core/SignalWatcher.h"
#include "sim/ZelmBus.h"
#include "slcan/SlcanCanBusFactory.h"
#include "socketcand/SocketcandCanBusFactory.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>
#include <QTimer>

namespace {

// Loads the project to play; false with a message when the file or the project is not usable.
bool LoadProject(const SimOptions& options, TProject& project, QString* error) {
    if (!QFileInfo::exists(options.projectPath)) {
        *error = QStringLiteral("project file %1 not found").arg(options.projectPath);
        return false;
    }
    const IniFile ini(options.projectPath);
    QString name = options.projectName;
    if (name.isEmpty()) {
        const TProjectList list = ReadProjectList(ini);
        if (list.ProjectNum < 1 || list.ProjectNum > list.Names.size()) {
            *error = QStringLiteral("%1 selects no project; name one with --name").arg(options.projectPath);
            return false;
        }
        name = list.Names.at(list.ProjectNum - 1);
    }
    project.Name = name;
    ReadProjectSection(ini, name, project);
    for (const TZELM& row : project.Devices)
        if (row.Use) return true;
    *error = QStringLiteral("project \"%1\" in %2 has no device in use").arg(name, options.projectPath);
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zelm-sim"));
    QTextStream err(stderr);
    // --can takes the built-in adapters of the tool's adapter factory too.
    RegisterSlcanBus();
    RegisterSocketcandBus();

    SimOptions options;
    QString error;
    if (!ParseSimOptions(QCoreApplication::arguments(), options, &error)) {
        err << "zelm-sim: " << error << Qt::endl;
        return 2;
    }
    TProject project;
    if (!LoadProject(options, project, &error)) {
        err << "zelm-sim: " << error << Qt::endl;
        return 2;
    }
    TSignalWatcher signalWatcher;
    if (!signalWatcher.isWatching()) {
        err << "zelm-sim: cannot install signal handlers" << Qt::endl;
        return 2;
    }

    SimRunner runner(options, ZelmBus(project));
    QObject::connect(&signalWatcher, &TSignalWatcher::signalled, &app, [] { QCoreApplication::quit(); });
    QObject::connect(&runner, &SimRunner::failed, &app, [](int code) { QCoreApplication::exit(code); });
    if (!runner.start()) return 1;
    if (options.durationS > 0)
        QTimer::singleShot(static_cast<int>(options.durationS * 1000.0), &app, &QCoreApplication::quit);

    const int code = QCoreApplication::exec();
    runner.stop();
    runner.printTotals();
    return code;
}
