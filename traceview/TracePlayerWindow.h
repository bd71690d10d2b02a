#pragma once

// Where a trace is chosen for replay: the file, the speed (x1, x10, as fast as the monitor takes
// it), pause and resume, and how far the replay got ("trace finished: N frames" at the end).

#include <QWidget>

#include <functional>

class QLabel;
class QPushButton;
class QRadioButton;
class QTimer;

class TTracePlayerWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int RefreshMs = 200;

    explicit TTracePlayerWindow(QWidget* parent = nullptr);

    // Called with the file the user picked with "Choose…".
    std::function<void(const QString& path)> onChoose;
    // "Back to the adapter": the adapter in use before the trace takes the bus again.
    std::function<void()> onBack;
    // Asks for a trace file; empty when the user cancels.
    [[nodiscard]] static QString askForFile(QWidget* parent, const QString& folder);

    void refresh();

    QLabel* FileLabel = nullptr;
    QPushButton* ChooseButton = nullptr;
    QRadioButton* SpeedOne = nullptr;
    QRadioButton* SpeedTen = nullptr;
    QRadioButton* SpeedMax = nullptr;
    QPushButton* PauseButton = nullptr;
    QPushButton* BackButton = nullptr;
    QLabel* StatusLabel = nullptr;

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QTimer* m_timer = nullptr;
    QString m_folder;
};
