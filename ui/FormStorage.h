#pragma once

// Placement store of a top-level window (FormStorage2 of the device window). It restores the
// window's placement from an initialisation file every time the window is shown, before the
// window's own show handling, and saves it when a close of the window is granted. At program end
// every window whose placement was not saved since it was last shown is saved once more, with
// "Visible" = 1. All windows that use the same file and section share one stored placement.
//
// Keys of the section, in the order written: "FormVersion", "Flags", "ShowCmd", "PixelsPerInch",
// "MinMaxPos(WxH)", "MinMaxPos", "NormPos(WxH)", "NormPos", "Visible", where WxH is the screen
// size in pixels. The positions are "%d,%d,%d,%d": minimised x, y and maximised x, y; and the
// normal frame rectangle left, top, right, bottom in screen pixels.
//
// The window only creates the store with itself as the form and sets the file name:
//     FormStorage2 = new TFormStorage(this);
//     FormStorage2->setIniFileName(programDir + QStringLiteral("Quorvex.ini"));
// Failures of the file are reported through ReportError() and never stop a show or a close.

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

class IniFile;

class TFormStorage : public QObject {
    Q_OBJECT
public:
    // Metrics of the screen that a placement is stored for.
    struct TScreenMetrics {
        QSize size;                      // primary screen size in pixels (part of the key names)
        int pixelsPerInch = 96;          // logical pixels per inch of the primary screen
        QSize border{1, 1};              // single-line window border (width, height)
        QRect centreArea;                // where a window without a placement is centred
        std::vector<QRect> visibleAreas; // available areas of all screens
    };
    using TScreenQuery = std::function<TScreenMetrics()>;

    // The show command numbers of a placement record.
    static constexpr int ShowNormal = 1;
    static constexpr int ShowMinimized = 2;
    static constexpr int ShowMaximized = 3;
    // Placement flag: a minimised window returns to the maximised state.
    static constexpr int FlagRestoreToMaximized = 2;

    // Attaches to the top-level window form; the store is a child of form.
    explicit TFormStorage(QWidget* form);
    ~TFormStorage() override;

    [[nodiscard]] QWidget* form() const { return m_form; }

    void setIniFileName(const QString& fileName) { m_iniFileName = fileName; }
    [[nodiscard]] const QString& iniFileName() const { return m_iniFileName; }
    void setIniSection(const QString& section) { m_iniSection = section; }
    [[nodiscard]] const QString& iniSection() const { return m_iniSection; }

    // Normally run by the store itself (show, granted close, program end).
    void restoreFormPlacement();
    void saveFormPlacement(bool atExit = false);

    [[nodiscard]] bool restored() const { return m_restored; }

    // Saves every store whose window was restored and not saved since it was last shown, with
    // "Visible" = 1. Connected to QCoreApplication::aboutToQuit; calling it again does nothing.
    static void saveAllAtExit();
    // The same save when the program is about to end (its main window closed): quitting then
    // closes every window, and those closes save nothing more, so the saved "Visible" = 1 stays.
    // A store whose window is shown again saves its closes as before.
    static void saveAllAtProgramEnd();

    // The metrics of the running system; replaceable for tests (an empty function restores it).
    [[nodiscard]] static TScreenMetrics screenMetrics();
    static void setScreenQuery(TScreenQuery query);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void savePlacementTo(IniFile& ini, bool atExit);
    void restorePlacementFrom(const IniFile& ini);
    void centreForm(const TScreenMetrics& metrics);
    [[nodiscard]] int currentFlags() const;
    [[nodiscard]] int currentShowCmd() const;
    [[nodiscard]] QRect normalFrameRect() const;

    QPointer<QWidget> m_form;
    QString m_iniFileName;
    QString m_iniSection = QStringLiteral("Modbus");
    // The parts of the placement record that Qt does not keep.
    QPoint m_minPosition{-1, -1};
    QPoint m_maxPosition{-1, -1};
    bool m_centreOnShow = true; // the window's design position: centred on the screen
    bool m_restored = false;    // a restore has happened at least once
    bool m_savedSinceShown = false;
    bool m_exitSaved = false;      // saved at program end: the closes of quitting save nothing more
    bool m_closeRequested = false; // a close event arrived; the following hide grants it
};
