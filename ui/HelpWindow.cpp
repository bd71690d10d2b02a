#include "HelpWindow.h"

#include "ScreenFit.h"

#include "core/Language.h"

#include <QAction>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QPointer>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {

QPointer<THelpWindow>& theWindow() {
    static QPointer<THelpWindow> window;
    return window;
}

QString& theReadme() {
    static QString path;
    return path;
}

// One function of the help's table: what, where, key.
QString row(const QString& what, const QString& where, const QString& key = QString()) {
    return QStringLiteral("<tr><td>%1</td><td>%2</td><td><b>%3</b></td></tr>")
        .arg(what.toHtmlEscaped(), where.toHtmlEscaped(), key.toHtmlEscaped());
}

QString heading(const QString& text) {
    return QStringLiteral("<tr><th colspan=\"3\" align=\"left\"><br>%1</th></tr>").arg(text.toHtmlEscaped());
}

} // namespace

THelpWindow::THelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(tr("CANQuorvex help"));
    setAttribute(Qt::WA_DeleteOnClose);
    Browser = new QTextBrowser(this);
    Browser->setOpenLinks(false);
    Browser->setHtml(helpHtml());
    connect(Browser, &QTextBrowser::anchorClicked, this,
            [](const QUrl& url) { QDesktopServices::openUrl(url); });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Browser);
    auto* close = new QAction(this);
    close->setShortcut(QKeySequence(Qt::Key_Escape));
    connect(close, &QAction::triggered, this, &QWidget::close);
    addAction(close);
    resize(640, 620);
}

THelpWindow* THelpWindow::instance() {
    return theWindow().data();
}

THelpWindow* THelpWindow::showHelp() {
    if (theWindow().isNull()) {
        theWindow() = new THelpWindow;
        FitWindowToScreen(theWindow());
    }
    THelpWindow* w = theWindow();
    w->show();
    w->raise();
    w->activateWindow();
    return w;
}

void THelpWindow::setReadmePath(const QString& path) {
    theReadme() = path;
}

QString THelpWindow::readmePath() {
    return theReadme();
}

void THelpWindow::installShortcut(QWidget* owner) {
    auto* shortcut = new QShortcut(QKeySequence(Qt::Key_F1), owner);
    shortcut->setContext(Qt::ApplicationShortcut);
    QObject::connect(shortcut, &QShortcut::activated, owner, [] { showHelp(); });
}

QString THelpWindow::helpHtml() {
    const QString readme = readmePath();
    const QString readmeLink = readme.isEmpty() || !QFileInfo::exists(readme)
                                   ? tr("The README of CANQuorvex tells each function in full.")
                                   : tr("The <a href=\"%1\">README</a> tells each function in full.")
                                         .arg(QUrl::fromLocalFile(readme).toString().toHtmlEscaped());
    const QString mainMenu = tr("main window: right-click its background");
    const QString deviceMenu = tr("device window: right-click its background");
    QString html;
    html += QStringLiteral("<h3>%1</h3>").arg(tr("What CANQuorvex can do, and where").toHtmlEscaped());
    html += QStringLiteral("<p>%1</p>")
                .arg(tr("Most functions live in right-click menus on the windows' background; Help and About "
                        "are at the top of every one of them. Press F1 in any window for this help, Esc to "
                        "close a dialog or tool window.")
                         .toHtmlEscaped());
    html += QStringLiteral("<p>%1</p>").arg(readmeLink);
    html += QStringLiteral("<table cellspacing=\"0\" cellpadding=\"3\" border=\"1\" width=\"100%\">");
    html += QStringLiteral(
                "<tr><th align=\"left\">%1</th><th align=\"left\">%2</th><th align=\"left\">%3</th></tr>")
                .arg(tr("Function").toHtmlEscaped(), tr("Where").toHtmlEscaped(), tr("Key").toHtmlEscaped());
    html += heading(tr("Main window"));
    html += row(tr("Choose the project"), tr("main window: the list at the top left"));
    html += row(tr("Switch the CAN adapter on and off"),
                tr("main window: the switch above \"%1\"")
                    .arg(FixedCaption(QT_TRANSLATE_NOOP("FixedCaption", "CAN on"))));
    html += row(tr("Choose the bit rate"),
                tr("main window: \"%1\", before switching on")
                    .arg(FixedCaption(QT_TRANSLATE_NOOP("FixedCaption", "Can Speed"))));
    html += row(tr("Open a device's window"), tr("main window: the \"%1\" button at the end of its row")
                                                  .arg(FixedCaption(QT_TRANSLATE_NOOP("FixedCaption", "S"))));
    html += row(tr("Bus load, errors, bus state, the adapter in use"), tr("main window: the \"Bus\" panel"));
    html += row(tr("Record the bus into a trace file"),
                tr("main window: \"%1\" (right-click it for the folder)")
                    .arg(QCoreApplication::translate("TRecToggle", "REC")));
    html += row(tr("Trace view (the frames as they come)"), mainMenu, tr("Ctrl+T"));
    html += row(tr("Play a trace file as the bus"), mainMenu);
    html += row(tr("Back to the adapter after a trace"), tr("main window's menu, or the player"));
    html += row(tr("Show or hide the UART panel"), mainMenu, tr("Ctrl+U"));
    html += heading(tr("Device window"));
    html += row(tr("Write registers (address, up to four words)"),
                tr("device window: the editor at the top left, \"%1\"")
                    .arg(FixedCaption(QT_TRANSLATE_NOOP("FixedCaption", "SET"))));
    html += row(tr("Repeat the write"), tr("device window: \"%1\" with the period in 10 ms ticks")
                                            .arg(FixedCaption(QT_TRANSLATE_NOOP("FixedCaption", "Auto"))));
    html += row(tr("Send a command"), tr("device window: the \"%1\" buttons")
                                          .arg(FixedCaption(QT_TRANSLATE_NOOP("FixedCaption", "Commands"))));
    html += row(tr("Rename a command"),
                tr("device window: right-click the command button; Enter keeps, Esc drops"));
    html += row(tr("Parameters view (named registers, values)"), deviceMenu, tr("Ctrl+R"));
    html += row(tr("Register map (a device profile)"), deviceMenu);
    html += row(tr("Save, compare and restore parameters"), deviceMenu);
    html += row(tr("Plot a trend of the selected registers"), tr("device window, or right-click a cell"),
                tr("Ctrl+P"));
    html += row(tr("Read the analog block over the serial port"),
                tr("device window: right-click the analog block"), tr("Ctrl+Shift+R"));
    html += row(tr("Clear the log"), tr("device window: double-click the log at the bottom left"));
    html += heading(tr("Everywhere"));
    html += row(tr("This help"), tr("every window, and the top of every right-click menu"), tr("F1"));
    html += row(tr("Version, licence, folders and adapters"),
                tr("\"About CANQuorvex\" at the top of every right-click menu"));
    html += row(tr("Language of the windows (Russian, English, or as specified)"),
                tr("\"Language\" at the top of every right-click menu; taken at the next start"));
    html += row(tr("Close a dialog or tool window"), tr("the dialog or tool window"), tr("Esc"));
    html += row(tr("Script the tool (read, write, monitor)"),
                tr("the program canquorvex-cli (canquorvex-cli --help)"));
    html += QStringLiteral("</table>");
    return html;
}
