#pragma once

// The trend window of a device window: the registers its trend model records, plotted against
// time. Live, it shows the last span (60 s unless chosen otherwise, 10 s to 1 h) and moves on with
// the clock; paused, or after a zoom or pan with the mouse, the view stands still while recording
// goes on. A click puts a cursor that reads every register's value at that time. The y axis follows
// the visible data or keeps the range the user gives it. On trace time (a trace plays) the axis shows
// the recorded time of day and the caption says "trace time". It redraws at most ten times a second and
// only while it is shown.

#include <QWidget>

#include <array>
#include <cstdint>

class QCheckBox;
class QComboBox;
class QCPGraph;
class QCPItemStraightLine;
class QCustomPlot;
class QLabel;
class QPushButton;
class QSpinBox;
class QTimer;
class TTrendModel;

class TTrendForm : public QWidget {
    Q_OBJECT
public:
    static constexpr int RedrawIntervalMs = 100;

    // A window of its own, owned by parent (the device window) whose caption it names. Save
    // suggests files in saveFolder, then where the user last saved.
    TTrendForm(TTrendModel& model, const QString& saveFolder, QWidget* parent);
    ~TTrendForm() override;

    [[nodiscard]] TTrendModel& model() { return m_model; }
    // The graph of a model slot (nullptr while the slot is free or not drawn yet).
    [[nodiscard]] QCPGraph* graph(int slot) const;
    // The span of the live view in seconds.
    [[nodiscard]] int spanSeconds() const;
    void setSpanSeconds(int seconds);
    [[nodiscard]] bool paused() const;
    void setPaused(bool paused);
    // Puts the cursor at t seconds since the origin (NaN removes it); the readout says the values.
    void setCursorTime(double t);
    [[nodiscard]] QString cursorText() const;
    // The caption of a trend window without a device window ("Trend" otherwise).
    void setTitle(const QString& title);

    // Brings the plot up to the model and redraws it (what the redraw timer does).
    void redraw();
    // Shows everything recorded, from the origin to the present (a trace read whole).
    void showWhole();
    // Write the buffer's content or the picture, whole or not at all (FileReplace); false with a
    // message naming the file and the reason in *error.
    bool saveCsv(const QString& path, QString* error = nullptr) const;
    bool savePng(const QString& path, QString* error = nullptr);

    QCustomPlot* Plot = nullptr;
    QComboBox* SpanBox = nullptr;
    QPushButton* PauseButton = nullptr;
    QCheckBox* YAutoBox = nullptr;
    QCheckBox* RawBox = nullptr; // raw values instead of the profile's engineering values
    QSpinBox* YMinEdit = nullptr;
    QSpinBox* YMaxEdit = nullptr;
    QPushButton* SaveCsvButton = nullptr;
    QPushButton* SavePngButton = nullptr;
    QLabel* CursorLabel = nullptr;
    QLabel* MemoryLabel = nullptr; // shown once the trends' memory budget has taken old values

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void buildControls();
    void syncChannels();
    // Names, plotted values and the y ticks after the descriptions or "Raw" changed.
    void relabel();
    void syncData(int slot);
    // The y range: the user's, or the visible data's. A full pass over the visible data runs about
    // once a second (and whenever the view changes); between, the range only widens for new samples.
    void applyYRange(bool full = true);
    void updateCursorText();
    void updateMemoryText();
    void showPlotMenu(const QPoint& pos);
    void chooseAndSave(bool csv);
    [[nodiscard]] double nowSeconds() const;
    // The time axis and the caption for the model's clock (wall or trace time).
    void applyClock();
    void updateTitle();

    TTrendModel& m_model;
    QTimer* m_redrawTimer = nullptr;
    struct Drawn {
        QCPGraph* Graph = nullptr;
        QCPGraph* Tail = nullptr; // from the last sample to now: the register holds its value
        int Register = -1;
        int Bit = -1;
        qint64 Synced = 0; // the ring's appended() when the graph last took its samples
    };
    std::array<Drawn, 8> m_drawn{};
    QCPItemStraightLine* m_cursor = nullptr;
    double m_cursorTime = 0;
    QPoint m_pressPos;
    bool m_settingY = false;
    int m_yRecount = 0;  // redraws left to the next full pass over the visible data
    double m_dataLo = 0; // the visible data's extent, as last found
    double m_dataHi = 0;
    bool m_dataFound = false;
    double m_newLo = 0; // the extent of the samples taken since the last redraw
    double m_newHi = 0;
    bool m_newFound = false;
    QString m_lastFolder;
    QString m_title;
};
