#include "ParameterSetDialogs.h"

#include "ui/CountText.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const QColor Marked(255, 224, 160); // a difference, a failure
const QColor Good(208, 240, 208);

QString raw(const std::optional<uint16_t>& v) {
    return v ? QString::number(*v) : QStringLiteral("—");
}

QTableWidget* makeTable(QWidget* parent, const QStringList& headers, int rows) {
    auto* t = new QTableWidget(rows, static_cast<int>(headers.size()), parent);
    t->setHorizontalHeaderLabels(headers);
    t->verticalHeader()->hide();
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->horizontalHeader()->setStretchLastSection(true);
    return t;
}

void setRow(QTableWidget* t, int row, const QStringList& cells, const QColor& background = QColor()) {
    for (int c = 0; c < cells.size(); ++c) {
        auto* item = new QTableWidgetItem(cells.at(c));
        if (background.isValid()) item->setBackground(background);
        t->setItem(row, c, item);
    }
}

void finishLayout(QDialog* d, QLabel* summary, QTableWidget* table, QDialogButtonBox* buttons) {
    auto* layout = new QVBoxLayout(d);
    layout->addWidget(summary);
    layout->addWidget(table);
    layout->addWidget(buttons);
    table->resizeColumnsToContents();
    d->resize(560, 420);
}

} // namespace

TCompareDialog::TCompareDialog(const TParameterSet& set, const QList<TParameterDifference>& differences, int compared,
                               QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Compare with %1").arg(set.Device.isEmpty() ? QStringLiteral("file") : set.Device));
    Table = makeTable(this, {QStringLiteral("Register"), QStringLiteral("Name"), QStringLiteral("File"),
                             QStringLiteral("Live")},
                      static_cast<int>(set.Registers.size()));
    int row = 0;
    for (const TParameterValue& v : set.Registers) {
        std::optional<uint16_t> live = v.Raw;
        bool differs = false;
        for (const TParameterDifference& d : differences)
            if (d.Register == v.Register) {
                live = d.B;
                differs = true;
            }
        setRow(Table, row++, {QString::number(v.Register), v.Name, QString::number(v.Raw), raw(live)},
               differs ? Marked : QColor());
    }
    Summary = new QLabel(differences.isEmpty()
                             ? QStringLiteral("All %1 registers of the file equal the live values.").arg(compared)
                             : QStringLiteral("%1 of %2 registers differ (marked; — : the device has not reported it).")
                                   .arg(differences.size())
                                   .arg(compared),
                         this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    finishLayout(this, Summary, Table, buttons);
}

TRestoreConfirmDialog::TRestoreConfirmDialog(const TRestorePlan& plan, const QString& device, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Restore %1").arg(device));
    const QList<TRestoreItem>& items = plan.items();
    Table = makeTable(this, {QStringLiteral("Register"), QStringLiteral("Name"), QStringLiteral("Live → file"),
                             QStringLiteral("")},
                      static_cast<int>(items.size()));
    int row = 0;
    for (const TRestoreItem& i : items) {
        const QString what = i.Action == TRestoreAction::Write       ? QStringLiteral("write")
                             : i.Action == TRestoreAction::Unchanged ? QStringLiteral("unchanged")
                                                                     : QStringLiteral("skipped: read-only");
        setRow(Table, row++,
               {QString::number(i.Register), i.Name, QStringLiteral("%1 → %2").arg(raw(i.Live)).arg(i.Raw), what},
               i.Action == TRestoreAction::Write ? Marked : QColor());
    }
    const int writes = plan.count(TRestoreAction::Write);
    Summary = new QLabel(QStringLiteral("%1 will be written in %2 and then checked against the "
                                        "device's reports; %3 unchanged, %4 read-only.")
                             .arg(RegisterCountText(writes))
                             .arg(FrameCountText(plan.writes().size()))
                             .arg(plan.count(TRestoreAction::Unchanged))
                             .arg(plan.count(TRestoreAction::SkippedReadOnly)),
                         this);
    Summary->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    RestoreButton = buttons->addButton(QStringLiteral("Restore"), QDialogButtonBox::AcceptRole);
    RestoreButton->setEnabled(writes > 0);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    finishLayout(this, Summary, Table, buttons);
}

TRestoreResultDialog::TRestoreResultDialog(const TRestoreRun& run, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Restore result"));
    const QList<TRestoreOutcome>& outcomes = run.outcomes();
    Table = makeTable(this, {QStringLiteral("Register"), QStringLiteral("Name"), QStringLiteral("File"),
                             QStringLiteral("Reported"), QStringLiteral("Result")},
                      static_cast<int>(outcomes.size()));
    int row = 0;
    for (const TRestoreOutcome& o : outcomes) {
        const bool bad = o.Result == TRestoreResult::Mismatch || o.Result == TRestoreResult::NotSeen ||
                         o.Result == TRestoreResult::NotSent;
        setRow(Table, row++,
               {QString::number(o.Register), o.Name, QString::number(o.Raw), raw(o.Reported),
                QString::fromLatin1(RestoreResultName(o.Result))},
               bad ? Marked : (o.Result == TRestoreResult::Confirmed ? Good : QColor()));
    }
    const QList<int> failed = run.failedRegisters();
    Summary = new QLabel(QStringLiteral("%1 of %2 write frames sent%3; %4 failed.")
                             .arg(run.framesSent())
                             .arg(run.framesTotal())
                             .arg(run.aborted() ? QStringLiteral(" (aborted)") : QString())
                             .arg(RegisterCountText(failed.size())),
                         this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    RetryButton = buttons->addButton(QStringLiteral("Restore the failed registers again"), QDialogButtonBox::ActionRole);
    RetryButton->setEnabled(!failed.isEmpty());
    connect(RetryButton, &QPushButton::clicked, this, [this] { done(Retry); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    finishLayout(this, Summary, Table, buttons);
}
