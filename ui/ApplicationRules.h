#pragma once

// What every window of the program does alike, watched for the whole application: a plain tooltip
// longer than a line is wrapped at about WrapColumn characters (at word boundaries), and a file
// dialog opens wide enough to show long file names whole, and the widget with the keyboard focus
// is outlined (TFocusStyle).

#include <QObject>
#include <QString>

class TApplicationRules : public QObject {
    Q_OBJECT
public:
    static constexpr int WrapColumn = 60;
    static constexpr int FileDialogWidth = 960;
    static constexpr int FileDialogHeight = 560;

    // Installs the rules on the application (once).
    static void install();

    // text with each line longer than column broken at its spaces; a word longer than column
    // stays whole on its line.
    [[nodiscard]] static QString wrapped(const QString& text, int column = WrapColumn);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};
