#include "ProgramFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace {

const QString AppFolder = QStringLiteral("canquorvex");
const QString TracesFolder = QStringLiteral("traces");

// An XDG base directory: the variable when it holds an absolute path (a relative one is ignored,
// as the base directory rules ask), else the default below the home folder.
QString xdgBase(const QString& variable, const QString& home, const QString& fallback) {
    if (!variable.isEmpty() && QDir::isAbsolutePath(variable)) return QDir::cleanPath(variable);
    const QString base = home.isEmpty() ? QStringLiteral("/") : home;
    return QDir::cleanPath(base + QLatin1Char('/') + fallback);
}

QString join(const QString& folder, const QString& name) {
    return QDir::cleanPath(folder + QLatin1Char('/') + name);
}

} // namespace

TFolderEnvironment TFolderEnvironment::current() {
    return {qEnvironmentVariable("HOME"), qEnvironmentVariable("XDG_CONFIG_HOME"),
            qEnvironmentVariable("XDG_DATA_HOME")};
}

TProgramFolders TProgramFolders::choose(const QString& executableDir, const QString& installedBinDir,
                                        const QString& folderOption, const TFolderEnvironment& env) {
    TProgramFolders f;
    if (!folderOption.isEmpty()) {
        f.kind = Kind::Chosen;
        f.settings = QDir::cleanPath(folderOption);
        f.traces = join(f.settings, TracesFolder);
    } else if (!installedBinDir.isEmpty() && QDir::cleanPath(executableDir) == QDir::cleanPath(installedBinDir)) {
        f.kind = Kind::Installed;
        f.settings = join(xdgBase(env.configHome, env.home, QStringLiteral(".config")), AppFolder);
        f.traces = join(join(xdgBase(env.dataHome, env.home, QStringLiteral(".local/share")), AppFolder),
                        TracesFolder);
        f.seed = true;
    } else {
        f.settings = QDir::cleanPath(executableDir);
        f.traces = join(f.settings, TracesFolder);
    }
    return f;
}

TProgramFolders TProgramFolders::forProcess(const QString& installedBinDir, const QString& folderOption) {
    const QFileInfo bin(installedBinDir);
    return choose(QCoreApplication::applicationDirPath(), bin.exists() ? bin.canonicalFilePath() : installedBinDir,
                  folderOption.isEmpty() ? QString() : QFileInfo(folderOption).absoluteFilePath(),
                  TFolderEnvironment::current());
}

QString TProgramFolders::describe(bool withTraces) const {
    QString why;
    switch (kind) {
    case Kind::ProgramFolder:
        why = QCoreApplication::translate("TProgramFolders", "the program's folder");
        break;
    case Kind::Installed:
        why = QCoreApplication::translate(
            "TProgramFolders",
            "the program runs installed: $XDG_CONFIG_HOME/canquorvex, else ~/.config/canquorvex");
        break;
    case Kind::Chosen:
        why = QCoreApplication::translate("TProgramFolders", "chosen with --folder");
        break;
    }
    QString text = QCoreApplication::translate(
                       "TProgramFolders",
                       "Folders in use:\n  settings (Projects.ini, Quorvex.ini, profiles/): %1\n    (%2)\n")
                       .arg(QDir::toNativeSeparators(settings), why);
    if (withTraces)
        text += QCoreApplication::translate(
                    "TProgramFolders",
                    "  traces (new recordings, unless another folder was chosen in the REC menu): %1\n")
                    .arg(QDir::toNativeSeparators(traces));
    return text;
}

bool SeedFolder(const QString& folder, const QString& samplesDir, QString* error) {
    const auto fail = [error](const QString& why) {
        if (error) *error = why;
        return false;
    };
    if (!QDir().mkpath(folder))
        return fail(
            QCoreApplication::translate("TProgramFolders", "the folder %1 cannot be created").arg(folder));
    const QDir samples(samplesDir);
    QDirIterator it(samplesDir, QDir::Files | QDir::Readable, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = QDir(folder).filePath(samples.relativeFilePath(source));
        // exists() follows links: a dangling link is left as it is too.
        if (QFileInfo::exists(target) || QFileInfo(target).isSymLink()) continue;
        if (!QDir().mkpath(QFileInfo(target).path()))
            return fail(QCoreApplication::translate("TProgramFolders", "the folder %1 cannot be created")
                            .arg(QFileInfo(target).path()));
        QFile in(source);
        // The copy is made beside the target and renamed into place: there is never a half file.
        if (!in.copy(target))
            return fail(QCoreApplication::translate("TProgramFolders", "%1 cannot be copied to %2: %3")
                            .arg(source, target, in.errorString()));
        // The samples may be read-only where they are installed; the user's copy is the user's.
        (void)QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::ReadOwner |
                                                QFileDevice::WriteOwner);
    }
    return true;
}
