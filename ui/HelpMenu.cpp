#include "HelpMenu.h"

#include "AboutBox.h"
#include "ErrorReport.h"
#include "HelpWindow.h"

#include "core/Language.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>

namespace {

QString& theLanguageFile() {
    static QString path;
    return path;
}

void chooseLanguage(TLanguageChoice choice, QWidget* owner) {
    const QString path = theLanguageFile();
    if (path.isEmpty() || TLanguage::fromIni(path) == choice) return;
    QString error;
    if (!TLanguage::saveToIni(path, choice, &error)) {
        if (error.isEmpty()) error = QDir::toNativeSeparators(path);
        ReportError(
            QCoreApplication::translate("HelpMenu", "The language choice could not be saved. %1").arg(error));
        return;
    }
    const QString text =
        QCoreApplication::translate("HelpMenu", "The language is applied at the next start of CANQuorvex.");
    if (!CanShowMessageBox()) {
        qInfo("%s", qUtf8Printable(text));
        return;
    }
    QMessageBox::information(owner != nullptr ? owner->window() : QApplication::activeWindow(),
                             QCoreApplication::applicationName(), text);
}

void addLanguageMenu(QMenu& menu) {
    if (theLanguageFile().isEmpty()) return;
    QMenu* languages = menu.addMenu(QCoreApplication::translate("HelpMenu", "Language"));
    auto* group = new QActionGroup(languages);
    group->setExclusive(true);
    const TLanguageChoice kept = TLanguage::fromIni(theLanguageFile());
    QPointer<QWidget> owner = menu.parentWidget();
    // Each language is named in itself, so that a user who cannot read the texts shown finds his.
    const struct {
        TLanguageChoice choice;
        QString text;
    } entries[] = {
        {TLanguageChoice::Russian, QStringLiteral("Русский")},
        {TLanguageChoice::English, QStringLiteral("English")},
        {TLanguageChoice::AsWritten, QCoreApplication::translate("HelpMenu", "As specified")},
    };
    for (const auto& entry : entries) {
        QAction* action = languages->addAction(entry.text);
        action->setCheckable(true);
        action->setChecked(entry.choice == kept);
        action->setData(TLanguage::key(entry.choice));
        group->addAction(action);
        const TLanguageChoice choice = entry.choice;
        QObject::connect(action, &QAction::triggered, languages,
                         [choice, owner] { chooseLanguage(choice, owner); });
    }
}

} // namespace

void AddHelpEntries(QMenu& menu) {
    QAction* help =
        menu.addAction(QCoreApplication::translate("HelpMenu", "Help"), [] { THelpWindow::showHelp(); });
    help->setShortcut(QKeySequence(Qt::Key_F1));
    QWidget* owner = menu.parentWidget();
    menu.addAction(QCoreApplication::translate("HelpMenu", "About CANQuorvex"),
                   [owner] { TAboutBox::showAbout(owner); });
    addLanguageMenu(menu);
    menu.addSeparator();
}

void SetLanguageSettingsFile(const QString& iniPath) {
    theLanguageFile() = iniPath;
}

QString LanguageSettingsFile() {
    return theLanguageFile();
}
