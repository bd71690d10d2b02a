#include "TracePlayerWindow.h"

#include "trace/TraceReplayControl.h"

#include <QButtonGroup>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

TTracePlayerWindow::TTracePlayerWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(QStringLiteral("Play a trace"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    TraceReplayControl& control = TraceReplayControl::instance();

    FileLabel = new QLabel(this);
    FileLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    FileLabel->setWordWrap(true);
    ChooseButton = new QPushButton(QStringLiteral("Choose…"), this);

    auto* speedBox = new QGroupBox(QStringLiteral("Speed"), this);
    SpeedOne = new QRadioButton(QStringLiteral("×1"), speedBox);
    SpeedTen = new QRadioButton(QStringLiteral("×10"), speedBox);
    SpeedMax = new QRadioButton(QStringLiteral("As fast as possible"), speedBox);
    auto* speeds = new QButtonGroup(this);
    speeds->addButton(SpeedOne, static_cast<int>(TraceReplayControl::Speed::RealTime));
    speeds->addButton(SpeedTen, static_cast<int>(TraceReplayControl::Speed::Ten));
    speeds->addButton(SpeedMax, static_cast<int>(TraceReplayControl::Speed::Max));
    speeds->button(static_cast<int>(control.speed()))->setChecked(true);
    auto* speedLayout = new QHBoxLayout(speedBox);
    speedLayout->addWidget(SpeedOne);
    speedLayout->addWidget(SpeedTen);
    speedLayout->addWidget(SpeedMax);

    PauseButton = new QPushButton(QStringLiteral("Pause"), this);
    PauseButton->setCheckable(true);
    StatusLabel = new QLabel(this);
    StatusLabel->setWordWrap(true);
    StatusLabel->setMinimumHeight(48);
    StatusLabel->setAlignment(Qt::AlignTop | Qt::AlignLeft);

    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(FileLabel, 1);
    fileRow->addWidget(ChooseButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fileRow);
    auto* controlRow = new QHBoxLayout;
    controlRow->addWidget(speedBox, 1);
    controlRow->addWidget(PauseButton, 0, Qt::AlignBottom);
    layout->addLayout(controlRow);
    layout->addWidget(StatusLabel);
    resize(420, 170);

    connect(speeds, &QButtonGroup::idClicked, this, [](int id) {
        TraceReplayControl::instance().setSpeed(static_cast<TraceReplayControl::Speed>(id));
    });
    connect(PauseButton, &QPushButton::toggled, this, [this](bool on) {
        TraceReplayControl::instance().setPaused(on);
        refresh();
    });
    connect(ChooseButton, &QPushButton::clicked, this, [this] {
        const QString current = TraceReplayControl::instance().status().path;
        const QString path =
            askForFile(this, current.isEmpty() ? QString() : QFileInfo(current).absolutePath());
        if (!path.isEmpty() && onChoose) onChoose(path);
    });
    connect(&control, &TraceReplayControl::changed, this, &TTracePlayerWindow::refresh);

    m_timer = new QTimer(this);
    m_timer->setInterval(RefreshMs);
    connect(m_timer, &QTimer::timeout, this, &TTracePlayerWindow::refresh);
    refresh();
}

QString TTracePlayerWindow::askForFile(QWidget* parent, const QString& folder) {
    return QFileDialog::getOpenFileName(parent, QStringLiteral("Play a trace"), folder,
                                        QStringLiteral("Traces (*.log *.asc);;candump logs (*.log);;"
                                                       "ASC logs (*.asc);;All files (*)"));
}

void TTracePlayerWindow::refresh() {
    const TraceReplayControl& control = TraceReplayControl::instance();
    const QString path = control.status().path;
    FileLabel->setText(path.isEmpty() ? QStringLiteral("No trace chosen.") : QDir::toNativeSeparators(path));
    PauseButton->setChecked(control.paused());
    PauseButton->setText(control.paused() ? QStringLiteral("Resume") : QStringLiteral("Pause"));
    StatusLabel->setText(control.statusText());
}

void TTracePlayerWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    refresh();
    m_timer->start();
}

void TTracePlayerWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    m_timer->stop();
}
