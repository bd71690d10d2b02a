#pragma once

// Where the program keeps its settings (Projects.ini, Quorvex.ini, profiles/) and, unless the user
// chose another folder, its recordings:
// - a program copied into a folder keeps them in that folder (traces in "traces" there);
// - the program run from the bin folder of the install prefix it was built for keeps its settings
//   in $XDG_CONFIG_HOME/canquorvex (else ~/.config/canquorvex), created and given the sample files
//   on start, and its traces in $XDG_DATA_HOME/canquorvex/traces (else ~/.local/share/...);
// - --folder DIR names the settings folder (traces in DIR/traces), installed or not.
// The choice is plain code: the environment and the paths come in as arguments.

#include <QString>

// What the choice needs of the process's environment; empty means not set.
struct TFolderEnvironment {
    QString home;       // $HOME
    QString configHome; // $XDG_CONFIG_HOME
    QString dataHome;   // $XDG_DATA_HOME

    // The running process's values.
    [[nodiscard]] static TFolderEnvironment current();
};

struct TProgramFolders {
    enum class Kind { ProgramFolder, Installed, Chosen };

    Kind kind = Kind::ProgramFolder;
    QString settings;  // Projects.ini, Quorvex.ini and profiles/ (no trailing separator)
    QString traces;    // new recordings, unless Quorvex.ini names another folder
    bool seed = false; // to be created and given the sample files it lacks at start

    // executableDir: the folder of the running executable; installedBinDir: the bin folder of the
    // install prefix chosen when the program was built (both as canonical paths); folderOption:
    // --folder's value as an absolute path, empty when not given.
    [[nodiscard]] static TProgramFolders choose(const QString& executableDir, const QString& installedBinDir,
                                               const QString& folderOption, const TFolderEnvironment& env);
    // The same for the running process: its executable, its environment, --folder made absolute
    // against the current folder.
    [[nodiscard]] static TProgramFolders forProcess(const QString& installedBinDir, const QString& folderOption);

    // The lines --help prints: the settings folder and why it is the one (and the traces folder
    // when withTraces).
    [[nodiscard]] QString describe(bool withTraces) const;
};

// Creates folder (with its parents) and copies into it every file under samplesDir (sub-folders
// kept) that it lacks; an existing file is never touched. false with the reason in *error when
// the folder cannot be made or a file cannot be copied; what was copied before stays.
[[nodiscard]] bool SeedFolder(const QString& folder, const QString& samplesDir, QString* error);
