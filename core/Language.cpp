#include "Language.h"

#include "IniFile.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

TLanguageChoice installedChoice = TLanguageChoice::AsWritten;
QString installedName;
// The translators installed, removed again by the next install.
QList<QTranslator*> installedTranslators;

// Loads FILE (a .qm name, without the language) from the first folder that has it and installs it.
void load(const QString& name, const QStringList& folders) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    for (const QString& folder : folders) {
        if (!translator->load(name, folder)) continue;
        QCoreApplication::installTranslator(translator);
        installedTranslators << translator;
        return;
    }
    delete translator;
}

} // namespace

std::optional<TLanguageChoice> TLanguage::parse(QStringView text) {
    const QString t = text.trimmed().toString().toLower();
    if (t.isEmpty()) return TLanguageChoice::AsWritten;
    if (t == u"ru") return TLanguageChoice::Russian;
    if (t == u"en") return TLanguageChoice::English;
    return std::nullopt;
}

QString TLanguage::key(TLanguageChoice choice) {
    switch (choice) {
    case TLanguageChoice::Russian: return QStringLiteral("ru");
    case TLanguageChoice::English: return QStringLiteral("en");
    case TLanguageChoice::AsWritten: break;
    }
    return {};
}

QString TLanguage::iniSection() { return QStringLiteral("Language"); }
QString TLanguage::iniKey() { return QStringLiteral("Choice"); }

TLanguageChoice TLanguage::fromIni(const QString& iniPath) {
    const IniFile ini(iniPath);
    return parse(ini.readString(iniSection(), iniKey(), QString())).value_or(TLanguageChoice::AsWritten);
}

bool TLanguage::saveToIni(const QString& iniPath, TLanguageChoice choice, QString* error) {
    IniFile ini(iniPath);
    if (ini.writeString(iniSection(), iniKey(), key(choice))) return true;
    if (error) *error = ini.errorString();
    return false;
}

QString TLanguage::translationFor(TLanguageChoice choice, const QLocale& system) {
    switch (choice) {
    case TLanguageChoice::Russian: return QStringLiteral("ru");
    case TLanguageChoice::English: return QStringLiteral("en");
    case TLanguageChoice::AsWritten: break;
    }
    // The language of messages (LANGUAGE, LC_ALL, LC_MESSAGES, LANG on Unix; the user's display
    // language on Windows), not that of numbers.
    const QStringList languages = system.uiLanguages();
    const QString first = languages.isEmpty() ? system.name() : languages.first();
    return first.startsWith(u"ru") ? QStringLiteral("ru") : QStringLiteral("en");
}

void TLanguage::install(TLanguageChoice choice) {
    for (QTranslator* translator : std::as_const(installedTranslators)) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    installedTranslators.clear();
    installedChoice = choice;
    installedName = translationFor(choice, QLocale::system());
    // The program's texts, built into it.
    load(QStringLiteral("canquorvex_%1").arg(installedName), {QStringLiteral(":/i18n")});
    // Qt's own texts (buttons of message boxes, file dialogs) where Qt has them: built into the
    // Windows program, in Qt's translations folder elsewhere. Qt's texts are English already.
    if (installedName != u"en")
        load(QStringLiteral("qtbase_%1").arg(installedName),
             {QStringLiteral(":/i18n"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)});
}

TLanguageChoice TLanguage::installed() { return installedChoice; }

QString TLanguage::installedTranslation() { return installedName; }

QString TLanguage::optionValue(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "--") break;
        if (arg == "--lang" && i + 1 < argc) return QString::fromLocal8Bit(argv[i + 1]);
        if (arg.startsWith("--lang=")) return QString::fromLocal8Bit(arg.mid(7));
    }
    return {};
}

QString FixedCaption(const char* text) {
    if (installedChoice == TLanguageChoice::AsWritten) return QString::fromUtf8(text);
    return QCoreApplication::translate("FixedCaption", text);
}
