#pragma once

// "Edit projects…": the project list of Projects.ini in a dialog. Projects are added, copied,
// renamed, removed and reordered; each has its protocol, identifiers, sixteen device rows and
// seventeen command captions. Every value is checked as it is typed: a wrong one is marked red
// with the reason in its tooltip and listed under the tables, and "Save" stays off until none is
// left. Nothing touches the file before "Save" (TProjectSet::save); "Cancel" leaves it as it was.

#include "core/ProjectSet.h"

#include <QDialog>

class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;
struct TProject;

class TProjectEditor : public QDialog {
    Q_OBJECT
public:
    // path: Projects.ini. current: the project the main window shows; its command captions renamed
    // since the last save are taken into the draft, so that a save keeps them.
    TProjectEditor(const QString& path, const TProject& current, QWidget* parent = nullptr);

    [[nodiscard]] const TProjectSet& projectSet() const { return m_set; }
    // Shows project i (its index in the list).
    void showProject(int i);
    // Checks, and saves when nothing is wrong; false with the reason in the problem line.
    bool save();
    // The problem line: what is wrong, or why the last save failed.
    [[nodiscard]] QString problemText() const;

    QListWidget* ProjectList = nullptr;
    QPushButton* AddButton = nullptr;
    QPushButton* CopyButton = nullptr;
    QPushButton* RemoveButton = nullptr;
    QPushButton* UpButton = nullptr;
    QPushButton* DownButton = nullptr;
    QLineEdit* NameEdit = nullptr;
    QLineEdit* ProtokolEdit = nullptr;
    QLineEdit* BaseEdit = nullptr;
    QLineEdit* PlusEdit = nullptr;
    QLineEdit* CommEdit = nullptr;
    QTableWidget* RowTable = nullptr;     // In use, RS, name, reception, transmission
    QTableWidget* CaptionTable = nullptr; // the seventeen captions
    QLabel* ProblemLabel = nullptr;
    QPushButton* SaveButton = nullptr;

    enum RowColumn { UseColumn, RsColumn, NameColumn, RxColumn, TxColumn, RowColumnCount };

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fillList();
    void fillProject();
    void rowEdited(QTableWidgetItem* item);
    void captionEdited(QTableWidgetItem* item);
    void fieldEdited();
    void recheck();
    [[nodiscard]] TProjectDraft* current();

    QString m_path;
    TProjectSet m_set;
    int m_current = -1;
    bool m_filling = false;
};
