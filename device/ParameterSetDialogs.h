#pragma once

// The dialogs of parameter sets in a device window: the comparison of a set with the live
// values, the list of changes a restore asks to confirm, and the result of a restore.

#include "params/RestorePlan.h"
#include "params/RestoreRun.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTableWidget;

// Register, name, file value, live value; differing rows marked, with their count.
class TCompareDialog : public QDialog {
    Q_OBJECT
public:
    // differences: against the live values (CompareParameterSets); compared: registers compared.
    TCompareDialog(const TParameterSet& set, const QList<TParameterDifference>& differences, int compared,
                   QWidget* parent);
    QTableWidget* Table = nullptr;
    QLabel* Summary = nullptr;
};

// The registers a restore would write (live -> file), and those it leaves; Restore or Cancel. A
// set of another profile is named, and Restore then forces it.
class TRestoreConfirmDialog : public QDialog {
    Q_OBJECT
public:
    TRestoreConfirmDialog(const TRestorePlan& plan, const QString& device, QWidget* parent);
    QTableWidget* Table = nullptr;
    QLabel* Summary = nullptr;
    QPushButton* RestoreButton = nullptr;
};

// Each register's end: confirmed, mismatch, not-seen, skipped-ro, unchanged, not-sent. "Restore
// the failed registers again" closes the dialog with Retry.
class TRestoreResultDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int Retry = 2;
    TRestoreResultDialog(const TRestoreRun& run, QWidget* parent);
    QTableWidget* Table = nullptr;
    QLabel* Summary = nullptr;
    QPushButton* RetryButton = nullptr;
};
