#include "HelpMenu.h"

#include "AboutBox.h"
#include "HelpWindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

void AddHelpEntries(QMenu& menu) {
    QAction* help =
        menu.addAction(QCoreApplication::translate("HelpMenu", "Help"), [] { THelpWindow::showHelp(); });
    help->setShortcut(QKeySequence(Qt::Key_F1));
    QWidget* owner = menu.parentWidget();
    menu.addAction(QCoreApplication::translate("HelpMenu", "About CANQuorvex"),
                   [owner] { TAboutBox::showAbout(owner); });
    menu.addSeparator();
}
