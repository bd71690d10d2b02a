#pragma once

// What the main window offers while Projects.ini names no project (the first start): where the
// file belongs, to start from the sample project, or to open that folder. It lies over the empty
// cells of the left row column; the "S" buttons beside them stay as they are.

#include <QFrame>

class QLabel;
class QPushButton;

class TFirstStartOffer : public QFrame {
    Q_OBJECT
public:
    explicit TFirstStartOffer(QWidget* parent = nullptr);

    // Says where Projects.ini belongs (projectsIni: its path) and whether a sample can be copied.
    void describe(const QString& projectsIni, bool fileExists, bool sampleAvailable);

    QLabel* Text = nullptr;
    QPushButton* SampleButton = nullptr;
    QPushButton* FolderButton = nullptr;

signals:
    void sampleChosen();
    void folderChosen();
};
