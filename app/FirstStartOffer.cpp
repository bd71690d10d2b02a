#include "FirstStartOffer.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TFirstStartOffer::TFirstStartOffer(QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    Text = new QLabel(this);
    Text->setWordWrap(true);
    Text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SampleButton = new QPushButton(tr("Start from the sample project"), this);
    FolderButton = new QPushButton(tr("Open the folder"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(SampleButton);
    buttons->addWidget(FolderButton);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Text, 1);
    layout->addLayout(buttons);
    connect(SampleButton, &QPushButton::clicked, this, &TFirstStartOffer::sampleChosen);
    connect(FolderButton, &QPushButton::clicked, this, &TFirstStartOffer::folderChosen);
}

void TFirstStartOffer::describe(const QString& projectsIni, bool fileExists, bool sampleAvailable) {
    const QString file = QDir::toNativeSeparators(projectsIni);
    const QString folder = QDir::toNativeSeparators(QFileInfo(projectsIni).absolutePath());
    QString text = fileExists ? tr("%1 names no project yet.").arg(file)
                              : tr("There is no Projects.ini yet. It belongs in %1.").arg(folder);
    text += QLatin1Char('\n');
    text += sampleAvailable
                ? tr("Start from the sample project: example projects whose devices the demo bus plays "
                     "(canquorvex --can demo). Or open the folder, put your Projects.ini there and restart.")
                : tr("Open the folder, put your Projects.ini there and restart.");
    Text->setText(text);
    Text->setToolTip(file);
    SampleButton->setVisible(sampleAvailable);
    SampleButton->setToolTip(fileExists ? tr("Copies the sample Projects.ini over %1 (the file as it is now "
                                             "is kept as Projects.ini.bak).")
                                              .arg(file)
                                        : tr("Copies the sample Projects.ini to %1.").arg(file));
    FolderButton->setToolTip(tr("Opens %1 in the file manager.").arg(folder));
}
