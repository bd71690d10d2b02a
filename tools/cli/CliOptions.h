#pragma once

// What the command line of canquorvex-cli asks for.

#include "core/Language.h"

#include <QString>
#include <QStringList>

#include <functional>

// Exit codes of canquorvex-cli.
enum TCliExit : int {
    CliDone = 0,
    CliBadInput = 1,     // bad usage or bad input; the message names the argument
    CliNoAdapter = 2,    // the adapter could not be opened (or refused a frame)
    CliTimeOut = 3,      // not everything asked for was seen in time
    CliMismatch = 4,     // a verification or comparison found differences
};

// The longest --timeout (a day) and --seconds (a year) taken.
inline constexpr double MaxTimeoutS = 86400;
inline constexpr double MaxSecondsS = 366.0 * 86400;

struct TCliOptions {
    QString folder;        // where Projects.ini and Quorvex.ini are read; empty: the default (CliProgramFolders)
    QString project;       // a section of Projects.ini; empty: the project selected there
    QStringList can;       // PLUGIN:INTERFACE, in order; empty: the hardware found
    int bitRateIndex = 2;  // 1: 125K, 2: 250K
    double timeoutS = 5.0;
    double seconds = 0.0;  // monitor: how long; 0: until Ctrl+C
    bool up = false;       // write: on the device's transmission identifier, as "Up" does
    QString profile; // read, params: a profile file (or a name in the profiles folder) instead of the row's
    QString device;  // profile import: the device type's name; empty: the JSON file's name
    QStringList devices;    // trace export: the devices (rows or names); empty: every row in use
    QString format;         // trace export: csv or jsonl
    QString from;           // trace export: the first time exported
    QString to;             // trace export: the last time exported
    bool allFrames = false; // trace export: a line per message, not per change
    QStringList registers; // params: the registers to save or restore (lists and ranges)
    QString live;          // params diff: the device to compare with
    bool verify = false;   // params restore: wait for the device to report what was written
    bool dryRun = false;   // params restore: print the plan, send nothing
    bool yes = false;      // params restore: do not ask
    bool all = false;      // params restore: write registers that already match too
    bool force = false;    // params restore: accept a set of another profile
    QString command;       // devices, monitor, read, write, command, params, profile, trace
    QStringList arguments; // what follows the command
};

// The language of messages and --help for this run: --lang's when it is understood (ParseCliOptions
// refuses any other), else the choice kept in Quorvex.ini of the settings folder of --folder
// (settingsFolder gives it), else as written. Read from the command line before it is parsed, so
// that the parser's own messages are in that language too.
[[nodiscard]] TLanguageChoice
CliLanguage(int argc, const char* const* argv,
            const std::function<QString(const QString& folderOption)>& settingsFolder);

// Parses the arguments. false with exitCode set when the program is to end now: after --help
// (0) or with a message on stderr (1). --help prints describeFolders(--folder's value) after the
// commands.
[[nodiscard]] bool ParseCliOptions(const QStringList& arguments, TCliOptions& options, int& exitCode,
                                   const std::function<QString(const QString&)>& describeFolders = {});
