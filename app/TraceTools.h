#pragma once

// The trace tools of the main window: the "REC" toggle right of the speed choice, which records
// the bus into the traces folder (its context menu chooses the folder), the live trace view
// (Ctrl+T), "Play a trace…", which makes a trace file the adapter in use, and "Open a trace…",
// which shows a file in an offline trace view (a window per file) where rows chosen are plotted.

#include "can/CanAdapterName.h"

#include <QList>
#include <QObject>
#include <QString>

#include "trace/TraceFrame.h"

#include <vector>

class QMenu;
class QTimer;
class TCANQuorvex;
class TRecToggle;
class TTraceFileWindow;
class TTracePlayerWindow;
class TTraceView;
class TraceRecorder;

class TTraceTools : public QObject {
    Q_OBJECT
public:
    static constexpr int CountRefreshMs = 250;

    explicit TTraceTools(TCANQuorvex* mainWindow);
    ~TTraceTools() override;

    // Starts recording into path, or into a new file of the traces folder when path is empty.
    // False with the reason reported (ReportError) when the file cannot be opened.
    bool startRecording(const QString& path = QString());
    // Writes everything recorded so far and closes the file (at window close and program end).
    void stopRecording();
    [[nodiscard]] bool isRecording() const;
    [[nodiscard]] TraceRecorder* recorder() const { return m_recorder; }

    // The folder of new recordings: chosen in the toggle's menu (kept in Quorvex.ini), else the
    // default folder, else "traces" beside the program.
    [[nodiscard]] QString tracesFolder() const;
    void setDefaultFolder(const QString& folder) { m_defaultFolder = folder; }
    void setTracesFolder(const QString& folder);

    // Makes the trace file the adapter in use (turning the CAN switch off and, if it was on, on
    // again) and shows the replay window. The file being recorded is refused (reported, false).
    bool playTrace(const QString& path);
    // Ends the replay: the adapters offered before the first trace was played (the hardware
    // adapters found, when the program started on a trace) are offered again, the CAN switch is
    // turned off and on again if it was on, and the replay window closes. False when no trace is
    // the adapter in use.
    bool backToAdapter();
    // The adapters "Back to the adapter" offers again.
    [[nodiscard]] QList<CanAdapterName> adaptersBefore() const;
    void showTraceView();
    // Shows the file in an offline trace view window of its own, without playing it; false with
    // the reason reported (ReportError) when it cannot be read.
    TTraceFileWindow* openTrace(const QString& path);
    [[nodiscard]] TTraceView* traceView() const { return m_view; }
    [[nodiscard]] TTracePlayerWindow* playerWindow() const { return m_player; }

    // Entries of the main window's context menu.
    void addMenuActions(QMenu& menu);

    TRecToggle* RecButton = nullptr;

private:
    void recClicked();
    void recStopped(const QString& reason);
    void showCount();
    void showPlayer();
    void recMenu(const QPoint& pos);
    void plotFrames(const QString& path, const std::vector<TraceFrame>& frames);

    TCANQuorvex* m_main;
    TraceRecorder* m_recorder = nullptr;
    QTimer* m_countTimer = nullptr;
    TTraceView* m_view = nullptr;
    TTracePlayerWindow* m_player = nullptr;
    QString m_defaultFolder;
    QList<CanAdapterName> m_adaptersBefore; // offered when the first trace was played
    bool m_haveAdaptersBefore = false;
    std::vector<TTraceFileWindow*> m_fileWindows;
};
