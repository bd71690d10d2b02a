#pragma once

// "About CANQuorvex": the version, the Qt version, the licence and the parts it is built with, the
// folders in use and the CAN adapters offered. The program tells the box its version and how to
// read the folders and adapters at the moment the box opens.

#include <QDialog>

#include <functional>

class QLabel;

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    struct TDetails {
        QString version;
        // "name: path" lines of the folders in use.
        std::function<QStringList()> folders;
        // The adapters the CAN switch may open, the one in use first.
        std::function<QStringList()> adapters;
    };
    static void setDetails(TDetails details);

    explicit TAboutBox(QWidget* parent = nullptr);
    // Shows the box for parent's window and waits until it is closed.
    static void showAbout(QWidget* parent);

    // The text shown (HTML).
    [[nodiscard]] static QString aboutHtml();

    QLabel* Text = nullptr;
};
