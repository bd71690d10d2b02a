#pragma once

// The help window (F1 in every window): what the tool can do, where each function is (which
// window, which right-click menu) and its key, with a link to the README. One window for the
// program, opened or brought to the front; Esc closes it.

#include <QWidget>

class QTextBrowser;

class THelpWindow : public QWidget {
    Q_OBJECT
public:
    // Opens the help window, or brings it to the front.
    static THelpWindow* showHelp();
    // The open help window, nullptr before the first F1.
    [[nodiscard]] static THelpWindow* instance();
    // Where the README is (a local file); the help links to it. Empty: the help names it only.
    static void setReadmePath(const QString& path);
    [[nodiscard]] static QString readmePath();
    // F1 opens the help from any window of the program (an application-wide shortcut with owner as
    // its parent).
    static void installShortcut(QWidget* owner);

    // The help text (HTML).
    [[nodiscard]] static QString helpHtml();

    QTextBrowser* Browser = nullptr;

private:
    explicit THelpWindow(QWidget* parent = nullptr);
};
