#pragma once

// The offline trace view: a trace file (candump or ASC) of any size shown without playing it. The
// rows come from the file where they are shown (TraceFileModel); a progress bar shows the index
// being built meanwhile. A filter by identifier (the live view's syntax) and by text in the
// "Decoded" column runs over the whole file; "Go to" jumps to a time; "Plot" draws the registers
// of the selected rows over the trace's time (what plots them is given: onPlot).

#include "trace/TraceFileModel.h"

#include <QWidget>

#include <functional>
#include <vector>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableView;

class TTraceFileWindow : public QWidget {
    Q_OBJECT
public:
    explicit TTraceFileWindow(QWidget* parent = nullptr);

    // Opens the file; false with a message naming the file.
    [[nodiscard]] bool open(const QString& path, QString* error);
    [[nodiscard]] TraceFileModel* model() const { return m_model; }

    // Called by "Plot" with the frames of the selected rows.
    std::function<void(const QString& path, const std::vector<TraceFrame>& frames)> onPlot;
    // Asks for a trace file; empty when the user cancels.
    [[nodiscard]] static QString askForFile(QWidget* parent, const QString& folder);
    // A time as typed into "Go to": a time of day (09:26:40.5, on the day of the trace's first
    // frame), a date and time (2024-12-08T09:26:40), or seconds as the trace states them.
    [[nodiscard]] static bool parseTime(const QString& text, int64_t firstTimeUs, int64_t* timeUs);

    QLineEdit* FilterEdit = nullptr;
    QLineEdit* TextEdit = nullptr;
    QLineEdit* GoToEdit = nullptr;
    QPushButton* PlotButton = nullptr;
    QTableView* Table = nullptr;
    QProgressBar* Progress = nullptr;
    QLabel* StatusLabel = nullptr;

private:
    void applyFilter();
    void goTo();
    void plot();
    void showProgress();

    TraceFileModel* m_model = nullptr;
    QString m_filterError;
};
