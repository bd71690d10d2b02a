#include "TracePlayerWindow.h"

#include "trace/TraceReplayControl.h"
#include "ui/HelpMenu.h"

#include <QAction>
#include <QButtonGroup>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

TTracePlayerWindow::TTracePlayerWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(tr("Play a trace"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    TraceReplayControl& control = TraceReplayControl::instance();

    FileLabel = new QLabel(this);
    FileLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    FileLabel->setWordWrap(true);
    ChooseButton = new QPushButton(tr("Choose…"), this);

    auto* speedBox = new QGroupBox(tr("Speed"), this);
    SpeedOne = new QRadioButton(QStringLiteral("×1"), speedBox);
    SpeedTen = new QRadioButton(QStringLiteral("×10"), speedBox);
    SpeedMax = new QRadioButton(tr("As fast as possible"), speedBox);
    auto* speeds = new QButtonGroup(this);
    speeds->addButton(SpeedOne, static_cast<int>(TraceReplayControl::Speed::RealTime));
    speeds->addButton(SpeedTen, static_cast<int>(TraceReplayControl::Speed::Ten));
    speeds->addButton(SpeedMax, static_cast<int>(TraceReplayControl::Speed::Max));
    speeds->button(static_cast<int>(control.speed()))->setChecked(true);
    auto* speedLayout = new QHBoxLayout(speedBox);
    speedLayout->addWidget(SpeedOne);
    speedLayout->addWidget(SpeedTen);
    speedLayout->addWidget(SpeedMax);

    PauseButton = new QPushButton(tr("Pause"), this);
    PauseButton->setCheckable(true);
    BackButton = new QPushButton(tr("Back to the adapter"), this);
    BackButton->setToolTip(tr("Stop playing the trace: the adapter in use before it takes the bus again, and "
                              "this window closes."));
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
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(PauseButton);
    buttons->addWidget(BackButton);
    controlRow->addLayout(buttons);
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
    connect(BackButton, &QPushButton::clicked, this, [this] {
        if (onBack) onBack();
    });
    // Esc closes the window; the trace plays on.
    auto* close = new QAction(this);
    close->setShortcut(QKeySequence(Qt::Key_Escape));
    connect(close, &QAction::triggered, this, &QWidget::close);
    addAction(close);
    connect(&control, &TraceReplayControl::changed, this, &TTracePlayerWindow::refresh);

    m_timer = new QTimer(this);
    m_timer->setInterval(RefreshMs);
    connect(m_timer, &QTimer::timeout, this, &TTracePlayerWindow::refresh);
    refresh();
}

QString TTracePlayerWindow::askForFile(QWidget* parent, const QString& folder) {
    return QFileDialog::getOpenFileName(
        parent, tr("Play a trace"), folder,
        tr("Traces (*.log *.asc);;candump logs (*.log);;ASC logs (*.asc);;All files (*)"));
}

void TTracePlayerWindow::refresh() {
    const TraceReplayControl& control = TraceReplayControl::instance();
    const QString path = control.status().path;
    FileLabel->setText(path.isEmpty() ? tr("No trace chosen.") : QDir::toNativeSeparators(path));
    PauseButton->setChecked(control.paused());
    PauseButton->setText(control.paused() ? tr("Resume") : tr("Pause"));
    StatusLabel->setText(control.statusText());
}

void TTracePlayerWindow::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    AddHelpEntries(menu);
    QAction* back = menu.addAction(tr("Back to the adapter"));
    back->setEnabled(static_cast<bool>(onBack));
    if (menu.exec(event->globalPos()) == back && onBack) onBack();
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
