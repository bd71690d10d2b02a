#pragma once

// The main window: project selector, the sixteen device rows, the 10 ms bus monitor with its
// identifier statistics, the CAN switch, and the device windows of the rows.

#include "ProjectView.h"
#include "core/IdStats.h"
#include "core/Project.h"
#include "core/SharedTimer.h"
#include "monitor/BusMonitor.h"
#include "ui/RewriteBudget.h"

#include <QElapsedTimer>
#include <QWidget>

#include <array>
#include <functional>

class BusHealthPanel;
class TFirstStartOffer;
class TFixedLayoutArea;
class QComboBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTimer;
class TModbusForm;
class TSwitch;
class TTraceTools;
class TUartPanel;
struct TCanFrame;

class TCANQuorvex : public QWidget {
    Q_OBJECT
public:
    // programDir: the program's folder, where Projects.ini and Quorvex.ini live (a trailing
    // separator is added when missing).
    explicit TCANQuorvex(QString programDir, QWidget* parent = nullptr);
    ~TCANQuorvex() override;

    // Handlers, named after control and event.
    void ProjectBoxChange();
    void LoadProjectAdres(const QString& section);
    void ShowProjectAdres();
    void CanTimerTimer();
    void CANswitchClick();
    // Sets the switch from code with the effect of a click.
    void switchCan(bool on);
    void ShoWinClick();
    void showWindowOfRow(int row);
    // "Edit projects…": the project editor on Projects.ini; after a save the list is read again
    // and the selected project reloaded as a project change does.
    void editProjects();
    // A termination signal (SIGTERM, SIGINT, SIGHUP) closes like the close button, but nobody is
    // asked: captions that cannot be saved are reported on stderr and the program ends anyway.
    void closeOnSignal(int signalNumber);

    [[nodiscard]] TProject& project() { return Project; }
    [[nodiscard]] const QString& programDir() const { return m_programDir; }
    // The widgets that show the project: header panels, rows and the rows' device windows.
    [[nodiscard]] const TProjectView& view() const { return View; }
    [[nodiscard]] const TIdStats& idStats() const { return m_monitor.stats(); }
    // The bus monitor the window draws: statistics, the rows' lights, the hand-over to the sessions.
    [[nodiscard]] const TBusMonitor& monitor() const { return m_monitor; }
    // Called with the project after every load (the demo bus follows the selected project).
    std::function<void(const TProject&)> onProjectLoaded;

    // Figures of the monitor, for the benchmark and the burst measurement.
    [[nodiscard]] quint64 framesProcessed() const { return m_framesProcessed; }
    [[nodiscard]] qint64 longestTickGapMs() const { return m_longestTickGapMs; }
    // Writes a statistics line that is being held back into Memo1 now.
    void flushStatistics();
    // Recording, the trace view and replay (the REC toggle, Ctrl+T, "Play a trace…").
    [[nodiscard]] TTraceTools* traceTools() const { return m_traceTools; }
    // Shows the adapter in use (or the one the switch opens) in the Bus panel, under its state.
    void showSource();
    // The sample Projects.ini that the first start offers (empty: none is offered).
    void setSampleProjects(const QString& path);
    // Copies the sample over Projects.ini (an existing file is kept as Projects.ini.bak) and lists
    // its projects; false, reported, when it cannot be written.
    bool startFromSample();
    // The page of the window's controls inside its scroll area.
    [[nodiscard]] TFixedLayoutArea* layoutArea() const { return m_layout; }

    // Controls (names as in the window's design).
    QComboBox* ProjectBox = nullptr;
    QGroupBox* GroupBox = nullptr;
    std::array<QLabel*, 10> HeadLabels{};  // Label1 ... Label10
    TSharedTimer* CanTimer = nullptr; // 10 ms, on the clock the device windows share
    QPlainTextEdit* Memo1 = nullptr;
    TSwitch* CANswitch = nullptr;
    TUartPanel* GroupBox1 = nullptr;
    QGroupBox* RadioGroup1 = nullptr;
    QRadioButton* Button125 = nullptr;
    QRadioButton* Button250 = nullptr;
    QLabel* RxLabel1 = nullptr;
    // Bus load, frame rates, errors, bus state and lost frames while the switch is on.
    BusHealthPanel* BusPanel = nullptr;
    // Shown while Projects.ini names no project.
    TFirstStartOffer* FirstStartOffer = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void FormCreate();
    [[nodiscard]] bool FormClose();
    void buildRows();
    void placeAtDesignPosition();
    void readProjectList();
    // Reads the list into ProjectBox again and selects item index (0: the placeholder).
    void reloadProjectList(int index);
    // Gives the cells whose light changed the colour of their state.
    void drawLights();
    void discardWindows();
    void showAdapterState();
    void toggleUartPanel();
    void showStatistics();
    void offerFirstStart();
    void setToolTips();

    [[nodiscard]] QString projectsIni() const;
    // The project of ProjectBox's item (the placeholder item stands for no project, whatever its caption).
    [[nodiscard]] QString projectNameAt(int index) const;

    QString m_programDir;
    TProject Project;
    TProjectView View;
    TBusMonitor m_monitor{Project};
    bool m_inSwitch = false;
    bool m_closed = false;
    bool m_closingOnSignal = false;
    quint64 m_framesProcessed = 0;
    qint64 m_lastTickMs = 0;
    qint64 m_longestTickGapMs = 0;
    // The statistics change on every tick with traffic; Memo1 shows their line at most every
    // StatisticsIntervalMs (laying out the memo's text is the dearest part of a tick). The line is
    // made when it is shown; whatever empties the statistics shows a pending line first.
    bool m_statsPending = false;
    bool m_statsCovered = false; // the statistics memo is covered by other windows (X11)
    TRewriteBudget m_statsBudget; // while other windows lie over part of the statistics memo
    [[nodiscard]] qint64 statisticsIntervalMs() const;
    QElapsedTimer m_statsShown;
    TSharedTimer* m_statsTimer = nullptr; // a held-back statistics line, on the shared clock
    TTraceTools* m_traceTools = nullptr;
    TFixedLayoutArea* m_layout = nullptr;
    QString m_sampleProjects;
    bool m_captionsFitted = false;
    bool m_projectsFileFound = false; // Projects.ini was there at start, or the sample was copied
};
