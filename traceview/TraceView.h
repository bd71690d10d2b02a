#pragma once

// The live trace view: one line per frame the adapter passes, newest at the bottom, like candump
// prints them. Pause (Space), clear (Ctrl+L), a filter by identifier (Ctrl+F; a list, ranges or
// id:mask), and "Follow newest" (End turns it on; scrolling up turns it off). The rows are
// brought up to date CommitMs apart, in batches.

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QTimer;
class TraceFrameModel;

class TTraceView : public QWidget {
    Q_OBJECT
public:
    static constexpr int CommitMs = 200;

    explicit TTraceView(QWidget* parent = nullptr, int capacity = 0);

    [[nodiscard]] TraceFrameModel* model() const { return m_model; }
    // Brings the rows up to date now (the timer does so CommitMs apart).
    void commit();

    QPushButton* PauseButton = nullptr;
    QPushButton* ClearButton = nullptr;
    QLineEdit* FilterEdit = nullptr;
    QCheckBox* FollowBox = nullptr;
    QTableView* Table = nullptr;
    QLabel* StatusLabel = nullptr;

private:
    void applyFilter();
    void showStatus();

    TraceFrameModel* m_model = nullptr;
    QTimer* m_timer = nullptr;
    QString m_filterError;
};
