#pragma once

// The language of the screen.
//
// Texts the program added to its windows, messages and the command-line tool are written in English
// in the code (tr(), QCoreApplication::translate) and translated by the translation that is loaded:
// Russian, or English (whose plural forms the English texts need too). The windows' fixed captions,
// partly Russian and partly English, are marked with FixedCaption: they stay exactly as written
// unless the user chose a language ("Language" in the right-click menus, kept in Quorvex.ini,
// section [Language]; --lang for one run).
//
//   label->setText(FixedCaption(QT_TRANSLATE_NOOP("FixedCaption", "Проект")));

#include <QString>
#include <QStringView>

#include <optional>

class QLocale;

enum class TLanguageChoice {
    AsWritten, // fixed captions as written, the added texts in the system's language
    Russian,   // everything in Russian
    English,   // everything in English
};

class TLanguage {
public:
    // What is kept in Quorvex.ini and given to --lang: "ru", "en"; "" is the choice as written.
    [[nodiscard]] static std::optional<TLanguageChoice> parse(QStringView text);
    [[nodiscard]] static QString key(TLanguageChoice choice);
    // The section and key of Quorvex.ini that hold the choice.
    [[nodiscard]] static QString iniSection();
    [[nodiscard]] static QString iniKey();
    // The choice kept in the settings file (as written when there is none or it is not understood).
    [[nodiscard]] static TLanguageChoice fromIni(const QString& iniPath);
    // Keeps the choice in the settings file for the next start.
    [[nodiscard]] static bool saveToIni(const QString& iniPath, TLanguageChoice choice, QString* error);

    // The translation to load: "ru" or "en".
    [[nodiscard]] static QString translationFor(TLanguageChoice choice, const QLocale& system);

    // Loads the translation of the choice (and Qt's own texts in Russian where Qt has them) into
    // the application, in place of the one installed before. Windows made before keep their texts:
    // call it before any window is made.
    static void install(TLanguageChoice choice);
    // The choice installed (as written before install).
    [[nodiscard]] static TLanguageChoice installed();
    // The translation installed: "ru", "en", or empty before install.
    [[nodiscard]] static QString installedTranslation();

    // The first "--lang X" or "--lang=X" of a command line, before the application parses it;
    // empty when there is none.
    [[nodiscard]] static QString optionValue(int argc, const char* const* argv);
};

// A fixed caption of a window: as written, unless the user chose a language. The text must be
// marked with QT_TRANSLATE_NOOP("FixedCaption", ...) so that the translations hold it.
[[nodiscard]] QString FixedCaption(const char* text);
