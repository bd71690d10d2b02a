#include "TraceFileWindow.h"

#include "TraceTable.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QTimeZone>
#include <QVBoxLayout>

#include <cmath>

namespace {

// A stopped index says "cancelled" (translated where a translation is loaded): no error to show.
bool isCancelled(const QString& error) {
    static const char* const cancelled = "cancelled";
    return error == QLatin1String(cancelled) ||
           error == QCoreApplication::translate("TraceLineIndex", cancelled);
}

} // namespace

TTraceFileWindow::TTraceFileWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setAttribute(Qt::WA_DeleteOnClose);
    resize(900, 560);
    m_model = new TraceFileModel(this);

    FilterEdit = new QLineEdit(this);
    FilterEdit->setPlaceholderText(tr("all identifiers; e.g. 110, 200-2FF, 100:7F0"));
    FilterEdit->setToolTip(tr("Identifiers to show (hexadecimal): a list, ranges (200-2FF) or "
                              "identifier:mask (100:7F0). Press Enter to filter the whole file."));
    TextEdit = new QLineEdit(this);
    TextEdit->setPlaceholderText(tr("text in Decoded"));
    TextEdit->setToolTip(tr("Show only frames whose decoded words hold this text (any case). "
                            "Press Enter to filter the whole file."));
    GoToEdit = new QLineEdit(this);
    GoToEdit->setPlaceholderText(QStringLiteral("09:26:40.5"));
    GoToEdit->setToolTip(tr("Go to a time: a time of day (on the day of the first frame), a date and "
                            "time (2024-12-08T09:26:40) or seconds as the trace states them"));
    PlotButton = new QPushButton(tr("Plot"), this);
    PlotButton->setToolTip(tr("Draw the registers of the selected rows over the trace's time"));

    Table = new QTableView(this);
    const int digit = SetUpTraceTable(Table, m_model, TraceFileModel::TimeColumn);
    SizeTraceColumn(Table, TraceFileModel::LineColumn, digit * 10);

    Progress = new QProgressBar(this);
    Progress->setRange(0, 1000);
    Progress->setTextVisible(true);
    StatusLabel = new QLabel(this);

    auto* bar = new QHBoxLayout;
    bar->addWidget(new QLabel(tr("Filter:"), this));
    bar->addWidget(FilterEdit, 2);
    bar->addWidget(TextEdit, 2);
    bar->addSpacing(8);
    bar->addWidget(new QLabel(tr("Go to:"), this));
    bar->addWidget(GoToEdit, 1);
    bar->addWidget(PlotButton);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(StatusLabel, 1);
    bottom->addWidget(Progress);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(Table, 1);
    layout->addLayout(bottom);

    connect(FilterEdit, &QLineEdit::returnPressed, this, &TTraceFileWindow::applyFilter);
    connect(TextEdit, &QLineEdit::returnPressed, this, &TTraceFileWindow::applyFilter);
    connect(GoToEdit, &QLineEdit::returnPressed, this, &TTraceFileWindow::goTo);
    connect(PlotButton, &QPushButton::clicked, this, &TTraceFileWindow::plot);
    connect(m_model, &TraceFileModel::progressed, this, &TTraceFileWindow::showProgress);
    auto* find = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), this);
    connect(find, &QShortcut::activated, this, [this] {
        FilterEdit->setFocus();
        FilterEdit->selectAll();
    });
    auto* go = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_G), this);
    connect(go, &QShortcut::activated, this, [this] {
        GoToEdit->setFocus();
        GoToEdit->selectAll();
    });
}

QString TTraceFileWindow::askForFile(QWidget* parent, const QString& folder) {
    return QFileDialog::getOpenFileName(
        parent, tr("Open a trace"), folder,
        tr("Traces (*.log *.asc);;candump logs (*.log);;ASC logs (*.asc);;All files (*)"));
}

bool TTraceFileWindow::open(const QString& path, QString* error) {
    if (!m_model->open(path, error)) return false;
    setWindowTitle(tr("Trace %1").arg(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath())));
    Table->setColumnHidden(TraceFileModel::DecodedColumn, !m_model->decoding());
    showProgress();
    return true;
}

void TTraceFileWindow::applyFilter() {
    QString error;
    const std::optional<TraceIdFilter> filter = TraceIdFilter::parse(FilterEdit->text(), &error);
    QPalette pal = FilterEdit->palette();
    pal.setColor(QPalette::Base, filter ? palette().color(QPalette::Base) : QColor(255, 220, 220));
    FilterEdit->setPalette(pal);
    m_filterError = filter ? QString() : error;
    if (filter) m_model->setFilter(*filter, TextEdit->text().trimmed());
    Table->setColumnHidden(TraceFileModel::DecodedColumn, !m_model->decoding());
    showProgress();
}

bool TTraceFileWindow::parseTime(const QString& text, int64_t firstTimeUs, int64_t* timeUs) {
    const QString t = text.trimmed();
    bool ok = false;
    const double seconds = t.toDouble(&ok);
    if (ok) {
        if (!std::isfinite(seconds) || seconds < 0 || seconds > 1e12) return false;
        *timeUs = static_cast<int64_t>(std::llround(seconds * 1e6));
        return true;
    }
    QDateTime at = QDateTime::fromString(t, Qt::ISODateWithMs);
    if (!at.isValid()) {
        QTime time = QTime::fromString(t, QStringLiteral("H:mm:ss.zzz"));
        if (!time.isValid()) time = QTime::fromString(t, QStringLiteral("H:mm:ss.z"));
        if (!time.isValid()) time = QTime::fromString(t, QStringLiteral("H:mm:ss"));
        if (!time.isValid()) time = QTime::fromString(t, QStringLiteral("H:mm"));
        if (!time.isValid() || firstTimeUs == TraceLineIndex::NoTime) return false;
        const QDate day = QDateTime::fromMSecsSinceEpoch(firstTimeUs / 1000).date();
        at = QDateTime(day, time);
    }
    *timeUs = at.toMSecsSinceEpoch() * 1000;
    return true;
}

void TTraceFileWindow::goTo() {
    int64_t us = 0;
    if (!parseTime(GoToEdit->text(), m_model->firstTimeUs(), &us)) {
        StatusLabel->setText(
            tr("\"%1\" is no time: type 09:26:40.5, 2024-12-08T09:26:40 or seconds.").arg(GoToEdit->text()));
        return;
    }
    const int row = m_model->rowAtTime(us);
    if (row < 0) {
        StatusLabel->setText((m_model->indexed() ? tr("No row at or after %1.")
                                                 : tr("No row at or after %1 in the part indexed so far."))
                                 .arg(GoToEdit->text()));
        return;
    }
    const QModelIndex index = m_model->index(row, TraceFileModel::TimeColumn);
    Table->scrollTo(index, QAbstractItemView::PositionAtTop);
    Table->selectionModel()->select(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    Table->setCurrentIndex(index);
}

void TTraceFileWindow::plot() {
    std::vector<TraceFrame> frames;
    for (const QModelIndex& i : Table->selectionModel()->selectedRows()) {
        TraceFrame f;
        if (m_model->frameOfRow(i.row(), f)) frames.push_back(f);
    }
    if (frames.empty()) {
        StatusLabel->setText(tr("Select rows with frames of a device to plot their registers."));
        return;
    }
    if (onPlot) onPlot(m_model->path(), frames);
}

void TTraceFileWindow::showProgress() {
    const bool indexing = !m_model->indexed();
    const bool filtering = m_model->filtering();
    Progress->setVisible(indexing || filtering);
    const double done = filtering ? m_model->filterProgress() : m_model->indexProgress();
    Progress->setValue(static_cast<int>(done * 1000));
    Progress->setFormat(filtering ? tr("filtering %p%") : tr("indexing %p%"));
    if (!m_filterError.isEmpty()) {
        StatusLabel->setText(tr("Filter not applied: %1.").arg(m_filterError));
        return;
    }
    const QString error = m_model->indexError();
    QString text;
    if (!error.isEmpty() && !isCancelled(error))
        text = error;
    else if (m_model->filtered())
        text = (indexing ? tr("%1 frames match of %2 lines so far") : tr("%1 frames match of %2 lines"))
                   .arg(m_model->rowCount())
                   .arg(m_model->lines());
    else
        text = (indexing ? tr("%1 lines so far") : tr("%1 lines")).arg(m_model->lines());
    StatusLabel->setText(text);
}
