#include "ProfileStore.h"

#include "core/IniFile.h"

#include <QDir>
#include <QFileInfo>

#include <atomic>

namespace {

std::atomic<uint64_t> g_changes{0};

QString key(const QString& project, int row) {
    return project + QLatin1Char('/') + QString::number(row);
}

} // namespace

TProfileStore::TProfileStore(QString folder) : m_folder(std::move(folder)) {}

QString TProfileStore::iniPath() const {
    return QDir(m_folder).filePath(QStringLiteral("Quorvex.ini"));
}

QString TProfileStore::profilesFolder() const {
    return QDir(m_folder).filePath(QStringLiteral("profiles"));
}

QStringList TProfileStore::available() const {
    return QDir(profilesFolder()).entryList({QStringLiteral("*.json")}, QDir::Files | QDir::Readable, QDir::Name);
}

QString TProfileStore::assigned(const QString& project, int row) const {
    const IniFile ini(iniPath());
    return ini.readString(QLatin1String(Section), key(project, row), QString());
}

QString TProfileStore::resolve(const QString& value) const {
    if (value.isEmpty() || QDir::isAbsolutePath(value)) return value;
    return QDir(profilesFolder()).filePath(value);
}

bool TProfileStore::assign(const QString& project, int row, const QString& path, QString* error) {
    QString value;
    if (!path.isEmpty()) {
        const QFileInfo info(path);
        const QString folder = QFileInfo(profilesFolder()).canonicalFilePath();
        const QString dir = info.absoluteDir().canonicalPath();
        value = !folder.isEmpty() && dir == folder ? info.fileName() : info.absoluteFilePath();
    }
    IniFile ini(iniPath());
    if (!ini.writeString(QLatin1String(Section), key(project, row), value)) {
        *error = ini.errorString();
        return false;
    }
    ++g_changes;
    return true;
}

uint64_t TProfileStore::changes() {
    return g_changes.load();
}

bool TProfileStore::load(const QString& project, int row, TDeviceProfile* profile, QString* error) const {
    error->clear();
    const QString value = assigned(project, row);
    if (value.isEmpty()) return false;
    return TDeviceProfile::load(resolve(value), profile, error);
}
