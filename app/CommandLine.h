#pragma once

#include "core/Language.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// What the command line chooses: the CAN adapters the adapter layer offers, the serial port, and
// a few switches for unattended runs (measurements, demonstrations).
struct TAppOptions {
    QStringList can;       // "PLUGIN:INTERFACE" in the order given; empty = the hardware plugins' interfaces
    QString serial;        // a serial device path standing for the COM port
    bool autoOn = false;   // switch CAN on at start
    bool openAll = false;  // open the device windows of every row in use at start
    QString statsFile;     // at exit, write "frames_received=N max_tick_gap_ms=X ..." there
    int quitAfterMs = 0;   // end the program by itself after this many milliseconds (0 = never)
    QString recordPath;    // record the bus into this file from the start
    QString serveSocketcand;           // "[ADDR:]PORT": share the open bus with socketcand clients
    bool serveSocketcandWrite = false; // those clients may send frames onto the bus
    QString openTrace;                 // --open-trace: a trace file shown in the offline trace view at start
    QString folder;        // --folder: where Projects.ini, Quorvex.ini and profiles/ are; empty: the default
    std::optional<TLanguageChoice> language; // --lang: Russian or English for this run; none: not given
};

// The language of the run, found before the options are parsed (their help and refusals are in it
// too): --lang when it names one, else the choice kept in the settings file settingsIniOf(--folder's
// value) names, else as written. A --lang that names no language is refused by ParseCommandLine.
[[nodiscard]] TLanguageChoice StartLanguage(const QStringList& arguments,
                                            const std::function<QString(const QString&)>& settingsIniOf);

// Parses the arguments; on --help or an error prints to stdout/stderr and returns false with
// exitCode set. --help prints describeFolders(--folder's value) after the options.
[[nodiscard]] bool ParseCommandLine(const QStringList& arguments, TAppOptions& options, int& exitCode,
                                    const std::function<QString(const QString&)>& describeFolders = {});
