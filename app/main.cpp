// The program entry: SetQuorvex_ZELM_CAN.

#include "AdapterSource.h"
#include "BusHealthPanel.h"
#include "BusSharing.h"
#include "CAN_Quorvex.h"
#include "CommandLine.h"
#include "TraceTools.h"
#include "can/CanAdapterName.h"
#include "can/QtCanDriver.h"
#include "core/FileReplace.h"
#include "core/Language.h"
#include "core/ProgramFolders.h"
#include "core/SignalWatcher.h"
#include "device/ModbusForm.h"
#include "serial/ComPort.h"
#include "sim/DemoCanBusDevice.h"
#include "slcan/SlcanCanBusFactory.h"
#include "slcandll/SlcanDllCanBusFactory.h"
#include "socketcand/SocketcandCanBusFactory.h"
#include "socketcand/SocketcandServer.h"
#include "trace/TraceCanBusDevice.h"
#include "trace/TraceRecorder.h"
#include "ui/AboutBox.h"
#include "ui/ApplicationRules.h"
#include "ui/FormStorage.h"
#include "ui/HelpMenu.h"
#include "ui/HelpWindow.h"
#include "ui/ScreenFit.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QTimer>

#include <cstdio>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

// Where the settings and traces are: the program's folder, or for the program run from the bin
// folder it was built to be installed in, the user's folders (QUORVEX_INSTALL_BINDIR comes from
// the build).
TProgramFolders programFolders(const QString& folderOption) {
    return TProgramFolders::forProcess(QStringLiteral(QUORVEX_INSTALL_BINDIR), folderOption);
}

// Quorvex.ini of the settings folder that --folder's value chooses (it keeps the language chosen).
QString settingsIniOf(const QString& folderOption) {
    return QDir(programFolders(folderOption).settings).filePath(QStringLiteral("Quorvex.ini"));
}

// The first of the files that exists, else empty.
QString firstExisting(const QStringList& paths) {
    for (const QString& path : paths)
        if (QFileInfo::exists(path)) return path;
    return {};
}

// What "About CANQuorvex" tells besides the versions: the folders in use and the adapters offered.
void describeForAbout(const TProgramFolders& folders, const TCANQuorvex& mainWindow) {
    TAboutBox::TDetails details;
    details.version = QStringLiteral(QUORVEX_VERSION);
    const QString settings = QDir::toNativeSeparators(folders.settings);
    details.folders = [settings, &mainWindow] {
        return QStringList{
            QCoreApplication::translate("About", "settings (Projects.ini, Quorvex.ini, profiles): %1")
                .arg(settings),
            QCoreApplication::translate("About", "parameter sets: %1")
                .arg(QDir::toNativeSeparators(mainWindow.programDir() + QStringLiteral("parameters"))),
            QCoreApplication::translate("About", "traces: %1")
                .arg(QDir::toNativeSeparators(mainWindow.traceTools()->tracesFolder()))};
    };
    details.adapters = [] {
        QStringList lines;
        const std::optional<CanAdapterName> inUse = AdapterInUse();
        for (const CanAdapterName& adapter : OfferedAdapters()) {
            const bool used =
                inUse && inUse->plugin == adapter.plugin && inUse->interfaceName == adapter.interfaceName;
            lines << (used ? QCoreApplication::translate("About", "%1 (the CAN switch opens this one)")
                                 .arg(AdapterLongText(adapter))
                           : AdapterLongText(adapter));
        }
        return lines;
    };
    TAboutBox::setDetails(std::move(details));
}

} // namespace

int main(int argc, char* argv[]) {
#ifdef Q_OS_WIN
    // A program with windows has no console of its own: what it prints (--help, messages) goes to
    // the console it was started from, unless it was sent elsewhere.
    const bool noOut = GetStdHandle(STD_OUTPUT_HANDLE) == nullptr;
    const bool noErr = GetStdHandle(STD_ERROR_HANDLE) == nullptr;
    if ((noOut || noErr) && AttachConsole(ATTACH_PARENT_PROCESS)) {
        if (noOut) (void)std::freopen("CONOUT$", "w", stdout);
        if (noErr) (void)std::freopen("CONOUT$", "w", stderr);
    }
#endif
    // Without TZ the C library looks at /etc/localtime again on every local-time conversion (Qt's
    // virtual CAN bus makes one per frame); naming the same file lets it read it once.
    if (!qEnvironmentVariableIsSet("TZ") && QFile::exists(QStringLiteral("/etc/localtime")))
        qputenv("TZ", ":/etc/localtime");
    // The windows' fixed positions follow the classic look (group titles on the frame line); a
    // -style argument or QT_STYLE_OVERRIDE chooses another.
    bool styleChosen = qEnvironmentVariableIsSet("QT_STYLE_OVERRIDE");
    for (int i = 1; i < argc; ++i)
        styleChosen |= qstrcmp(argv[i], "-style") == 0 || qstrncmp(argv[i], "-style=", 7) == 0;
    // The built-in adapters: the demo bus, serial-line adapters, trace files and buses on socketcand
    // servers (--help lists them too).
    RegisterDemoBus();
    RegisterSlcanBus();
    RegisterTraceBus();
    RegisterSocketcandBus();
    // The adapter library slcan.dll, when it is found (Windows).
    RegisterSlcanDllBus();
    // --help prints the options, the CAN plugins and their interfaces without needing a display.
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "-h") == 0 || qstrcmp(argv[i], "--help") == 0) {
            QCoreApplication core(argc, argv);
            TLanguage::install(StartLanguage(QCoreApplication::arguments(), settingsIniOf));
            TAppOptions ignored;
            int exitCode = 0;
            (void)ParseCommandLine(QCoreApplication::arguments(), ignored, exitCode,
                                   [](const QString& folder) { return programFolders(folder).describe(true); });
            return exitCode;
        }
    }
    QApplication app(argc, argv);
    // Logout, kill and Ctrl+C end the program the way the close button does: captions and window
    // placement are saved, the adapter is closed, the exit code is 0. Watched from here on; a
    // signal that comes before the main window is up is handled once the event loop runs.
    TSignalWatcher signalWatcher;
    if (!styleChosen) QApplication::setStyle(QStringLiteral("Windows"));
    QApplication::setApplicationName(QStringLiteral("CANQuorvex"));
    // The language of the windows and messages, before the first of them is made.
    TLanguage::install(StartLanguage(QApplication::arguments(), settingsIniOf));
    // The menu entry that the package installs: docks show its name and icon for the windows.
    QGuiApplication::setDesktopFileName(QStringLiteral("canquorvex"));
    // The windows are laid out for a small sans-serif face at 11 pixels; a metric-compatible
    // narrow face keeps the captions inside their cells.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                                QStringLiteral("DejaVu Sans Condensed")});
    QFont designFont(QStringLiteral("MS Sans Serif"));
    designFont.setPixelSize(11);
    QApplication::setFont(designFont);
    // Tooltips wrapped at about 60 characters, file dialogs wide enough for long names.
    TApplicationRules::install();

    TAppOptions options;
    int exitCode = 0;
    if (!ParseCommandLine(QApplication::arguments(), options, exitCode)) return exitCode;

    QList<CanAdapterName> adapters;
    for (const QString& text : options.can) adapters << *ParseCanAdapterName(text);
    if (options.can.isEmpty()) adapters = DiscoverHardwareAdapters();
    SlCanInstallDriver(std::make_unique<QtCanDriver>(adapters));
    if (!options.serial.isEmpty()) SetSerialPortOverride(options.serial);
    const TProgramFolders folders = programFolders(options.folder);
    // "Language" in the right-click menus keeps the choice in this folder's Quorvex.ini.
    SetLanguageSettingsFile(settingsIniOf(options.folder));
    QString seedError;
    if (folders.seed && !SeedFolder(folders.settings, QStringLiteral(QUORVEX_INSTALL_SAMPLES), &seedError))
        std::fprintf(
            stderr, "%s\n",
            qUtf8Printable(QCoreApplication::translate("ProgramStart", "canquorvex: the settings folder: %1")
                               .arg(seedError)));

    int rc = 0;
    {
        // The program's folder, where Projects.ini and Quorvex.ini live.
        TCANQuorvex mainWindow(folders.settings);
        mainWindow.traceTools()->setDefaultFolder(folders.traces);
        // The first start offers the sample projects: the installed ones, else those of the sources.
        mainWindow.setSampleProjects(
            firstExisting({QStringLiteral(QUORVEX_INSTALL_SAMPLES "/Projects.ini"),
                           QStringLiteral(QUORVEX_SOURCE_DIR "/tools/Projects.example.ini")}));
        THelpWindow::setReadmePath(firstExisting(
            {QStringLiteral(QUORVEX_INSTALLED_README), QStringLiteral(QUORVEX_SOURCE_DIR "/README.md")}));
        describeForAbout(folders, mainWindow);
        mainWindow.onProjectLoaded = [](const TProject& project) { DemoCanBusDevice::setProject(project); };
        DemoCanBusDevice::setProject(mainWindow.project());
        mainWindow.show();
        std::unique_ptr<TBusSharing> sharing;
        if (!options.serveSocketcand.isEmpty()) {
            QString error;
            sharing = TBusSharing::start(options.serveSocketcand, options.serveSocketcandWrite,
                                         mainWindow.BusPanel, &error);
            if (!sharing) {
                std::fprintf(stderr, "canquorvex: --serve-socketcand: %s\n", qPrintable(error));
                SlCanInstallDriver(nullptr);
                return 2;
            }
        }
        // The trace file is complete at every end of the program, also one that skips the close.
        QObject::connect(&app, &QCoreApplication::aboutToQuit, &mainWindow,
                         [&mainWindow] { mainWindow.traceTools()->stopRecording(); });
        // A file that cannot be recorded into is reported once, like any error (a box, or the log).
        if (!options.recordPath.isEmpty()) (void)mainWindow.traceTools()->startRecording(options.recordPath);
        if (options.openAll) {
            // The windows cascade from where the first one opens, each a step right of and below the last.
            int shown = 0;
            QPoint first;
            for (int r = 0; r < DeviceRows; ++r) {
                if (!mainWindow.project().Devices[static_cast<size_t>(r)].Use) continue;
                mainWindow.showWindowOfRow(r);
                QWidget* w = mainWindow.view().Rows[static_cast<size_t>(r)].Window;
                if (shown == 0)
                    first = w->pos();
                else
                    w->move(CascadePosition(first, shown, w->frameGeometry().size(), AvailableAreaFor(w)));
                ++shown;
            }
            mainWindow.activateWindow();
        }
        QObject::connect(&signalWatcher, &TSignalWatcher::signalled, &mainWindow,
                         [&mainWindow](int number) { mainWindow.closeOnSignal(number); });
        if (!options.openTrace.isEmpty())
            QTimer::singleShot(0, &mainWindow, [&mainWindow, path = options.openTrace] {
                mainWindow.traceTools()->openTrace(path);
            });
        if (options.autoOn) QTimer::singleShot(0, &mainWindow, [&mainWindow] { mainWindow.switchCan(true); });
        if (options.quitAfterMs > 0) QTimer::singleShot(options.quitAfterMs, &mainWindow, [&mainWindow] { mainWindow.close(); });

        rc = QApplication::exec();
        // Device windows still open at the end save their placement once more.
        TFormStorage::saveAllAtExit();
        if (!options.statsFile.isEmpty()) {
            QString line = QStringLiteral("frames_received=%1 max_tick_gap_ms=%2 bus_load_peak_percent=%3 "
                                          "error_frames=%4 frames_dropped=%5")
                               .arg(mainWindow.framesProcessed())
                               .arg(mainWindow.longestTickGapMs())
                               .arg(mainWindow.BusPanel->meter().peakLoadPercent(), 0, 'f', 1)
                               .arg(mainWindow.BusPanel->meter().errorFrames())
                               .arg(mainWindow.BusPanel->framesLost());
            if (sharing)
                line += QStringLiteral(" socketcand_accepted=%1 socketcand_refused=%2 socketcand_dropped=%3")
                            .arg(sharing->server().acceptedFrames())
                            .arg(sharing->server().refusedFrames())
                            .arg(sharing->server().droppedFrames());
            QString error;
            if (!FileReplace::write(options.statsFile, (line + QLatin1Char('\n')).toUtf8(), &error))
                std::fprintf(stderr, "%s\n", qUtf8Printable(error));
        }
    }
    SlCanInstallDriver(nullptr);
    return rc;
}
