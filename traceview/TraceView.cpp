#include "TraceView.h"

#include "TraceTable.h"

#include "trace/TraceFrameModel.h"
#include "ui/ToolWindow.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

TTraceView::TTraceView(QWidget* parent, int capacity) : QWidget(parent, Qt::Window) {
    setWindowTitle(tr("CANQuorvex trace"));
    resize(600, 460);
    MakeToolWindow(this);
    m_model = new TraceFrameModel(capacity > 0 ? capacity : TraceFrameModel::DefaultCapacity, this);

    PauseButton = new QPushButton(tr("Pause"), this);
    PauseButton->setCheckable(true);
    PauseButton->setToolTip(tr("Stop taking frames into the view (Space)"));
    ClearButton = new QPushButton(tr("Clear"), this);
    ClearButton->setToolTip(tr("Empty the view (Ctrl+L)"));
    auto* filterLabel = new QLabel(tr("Filter:"), this);
    FilterEdit = new QLineEdit(this);
    FilterEdit->setPlaceholderText(tr("all identifiers; e.g. 110, 200-2FF, 100:7F0"));
    FilterEdit->setToolTip(tr("Identifiers to show (hexadecimal): a list, ranges (200-2FF) or "
                              "identifier:mask (100:7F0). Empty shows every frame. (Ctrl+F)"));
    FollowBox = new QCheckBox(tr("Follow newest"), this);
    FollowBox->setChecked(true);
    FollowBox->setToolTip(tr("Keep the newest frame in sight (End)"));

    Table = new QTableView(this);
    (void)SetUpTraceTable(Table, m_model, TraceFrameModel::TimeColumn);
    // The frames of devices with a register map are decoded in a column of their own, shown while
    // there is a decoder with something to decode.
    Table->setColumnHidden(TraceFrameModel::DecodedColumn, true);

    StatusLabel = new QLabel(this);

    auto* bar = new QHBoxLayout;
    bar->addWidget(PauseButton);
    bar->addWidget(ClearButton);
    bar->addSpacing(8);
    bar->addWidget(filterLabel);
    bar->addWidget(FilterEdit, 1);
    bar->addWidget(FollowBox);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(Table, 1);
    layout->addWidget(StatusLabel);

    connect(PauseButton, &QPushButton::toggled, this, [this](bool on) {
        m_model->setPaused(on);
        PauseButton->setText(on ? tr("Resume") : tr("Pause"));
        showStatus();
    });
    connect(ClearButton, &QPushButton::clicked, this, [this] {
        m_model->clear();
        showStatus();
    });
    connect(FilterEdit, &QLineEdit::textChanged, this, &TTraceView::applyFilter);
    connect(FollowBox, &QCheckBox::toggled, this, [this](bool on) {
        if (on) Table->scrollToBottom();
    });
    // Scrolling away from the newest line stops following it.
    connect(Table->verticalScrollBar(), &QAbstractSlider::actionTriggered, this, [this](int) {
        QTimer::singleShot(0, this, [this] {
            const QScrollBar* sb = Table->verticalScrollBar();
            if (sb->value() < sb->maximum()) FollowBox->setChecked(false);
        });
    });

    auto shortcut = [this](const QKeySequence& keys, auto slot) {
        auto* s = new QShortcut(keys, this);
        s->setContext(Qt::WindowShortcut);
        connect(s, &QShortcut::activated, this, slot);
    };
    shortcut(QKeySequence(Qt::Key_Space), [this] { PauseButton->toggle(); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_L), [this] { ClearButton->click(); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_F), [this] {
        FilterEdit->setFocus();
        FilterEdit->selectAll();
    });
    shortcut(QKeySequence(Qt::Key_End), [this] { FollowBox->setChecked(true); });

    m_timer = new QTimer(this);
    m_timer->setInterval(CommitMs);
    connect(m_timer, &QTimer::timeout, this, &TTraceView::commit);
    m_timer->start();
    showStatus();
}

void TTraceView::commit() {
    m_model->commit();
    const bool decoded = m_model->decoding();
    if (decoded == Table->isColumnHidden(TraceFrameModel::DecodedColumn))
        Table->setColumnHidden(TraceFrameModel::DecodedColumn, !decoded);
    if (FollowBox->isChecked()) Table->scrollToBottom();
    showStatus();
}

void TTraceView::applyFilter() {
    QString error;
    const std::optional<TraceIdFilter> filter = TraceIdFilter::parse(FilterEdit->text(), &error);
    QPalette pal = FilterEdit->palette();
    pal.setColor(QPalette::Base, filter ? palette().color(QPalette::Base) : QColor(255, 220, 220));
    FilterEdit->setPalette(pal);
    m_filterError = filter ? QString() : error;
    if (filter) m_model->setFilter(*filter);
    if (FollowBox->isChecked()) Table->scrollToBottom();
    showStatus();
}

void TTraceView::showStatus() {
    QString text = m_filterError.isEmpty() ? tr("%1 frames shown, %2 kept (the last %3 at most)")
                                                 .arg(m_model->rowCount())
                                                 .arg(m_model->framesKept())
                                                 .arg(m_model->capacity())
                                           : tr("Filter not applied: %1.").arg(m_filterError);
    // The state of the view, then that it is paused.
    if (m_model->paused())
        text = tr("%1; paused, %2 frames passed meanwhile").arg(text).arg(m_model->missed());
    StatusLabel->setText(text);
}
