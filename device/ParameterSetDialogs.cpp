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

// What became of a register in a restore, as the result table says it.
QString resultText(TRestoreResult result) {
    switch (result) {
    case TRestoreResult::Confirmed:
        return TRestoreResultDialog::tr("confirmed");
    case TRestoreResult::Mismatch:
        return TRestoreResultDialog::tr("mismatch");
    case TRestoreResult::NotSeen:
        return TRestoreResultDialog::tr("not-seen");
    case TRestoreResult::SkippedReadOnly:
        return TRestoreResultDialog::tr("skipped-ro");
    case TRestoreResult::Unchanged:
        return TRestoreResultDialog::tr("unchanged");
    case TRestoreResult::Written:
        return TRestoreResultDialog::tr("written");
    case TRestoreResult::NotSent:
        break;
    }
    return TRestoreResultDialog::tr("not-sent");
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
    setWindowTitle(set.Device.isEmpty() ? tr("Compare with file") : tr("Compare with %1").arg(set.Device));
    Table = makeTable(this, {tr("Register"), tr("Name"), tr("File"), tr("Live")},
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
    Summary = new QLabel(
        differences.isEmpty()
            ? tr("All %n registers of the file equal the live values.", nullptr, compared)
            : tr("%1 of %n registers differ (marked; — : the device has not reported it).", nullptr, compared)
                  .arg(differences.size()),
        this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    finishLayout(this, Summary, Table, buttons);
}

TRestoreConfirmDialog::TRestoreConfirmDialog(const TRestorePlan& plan, const QString& device, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("Restore %1").arg(device));
    const QList<TRestoreItem>& items = plan.items();
    Table = makeTable(this, {tr("Register"), tr("Name"), tr("Live → file"), QString()},
                      static_cast<int>(items.size()));
    int row = 0;
    for (const TRestoreItem& i : items) {
        const QString what = i.Action == TRestoreAction::Write       ? tr("write")
                             : i.Action == TRestoreAction::Unchanged ? tr("unchanged")
                                                                     : tr("skipped: read-only");
        setRow(Table, row++,
               {QString::number(i.Register), i.Name, QStringLiteral("%1 → %2").arg(raw(i.Live)).arg(i.Raw), what},
               i.Action == TRestoreAction::Write ? Marked : QColor());
    }
    const int writes = plan.count(TRestoreAction::Write);
    Summary = new QLabel(tr("%1 will be written in %2 and then checked against the device's reports; %3 "
                            "unchanged, %4 read-only.")
                             .arg(RegisterCountText(writes))
                             .arg(FrameCountText(plan.writes().size()))
                             .arg(plan.count(TRestoreAction::Unchanged))
                             .arg(plan.count(TRestoreAction::SkippedReadOnly)),
                         this);
    Summary->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    RestoreButton = buttons->addButton(tr("Restore"), QDialogButtonBox::AcceptRole);
    RestoreButton->setEnabled(writes > 0);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    finishLayout(this, Summary, Table, buttons);
}

TRestoreResultDialog::TRestoreResultDialog(const TRestoreRun& run, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Restore result"));
    const QList<TRestoreOutcome>& outcomes = run.outcomes();
    Table = makeTable(this, {tr("Register"), tr("Name"), tr("File"), tr("Reported"), tr("Result")},
                      static_cast<int>(outcomes.size()));
    int row = 0;
    for (const TRestoreOutcome& o : outcomes) {
        const bool bad = o.Result == TRestoreResult::Mismatch || o.Result == TRestoreResult::NotSeen ||
                         o.Result == TRestoreResult::NotSent;
        setRow(Table, row++,
               {QString::number(o.Register), o.Name, QString::number(o.Raw), raw(o.Reported),
                resultText(o.Result)},
               bad ? Marked : (o.Result == TRestoreResult::Confirmed ? Good : QColor()));
    }
    const QList<int> failed = run.failedRegisters();
    Summary = new QLabel((run.aborted() ? tr("%1 of %2 write frames sent (aborted); %3 failed.")
                                        : tr("%1 of %2 write frames sent; %3 failed."))
                             .arg(run.framesSent())
                             .arg(run.framesTotal())
                             .arg(RegisterCountText(failed.size())),
                         this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    RetryButton = buttons->addButton(tr("Restore the failed registers again"), QDialogButtonBox::ActionRole);
    RetryButton->setEnabled(!failed.isEmpty());
    connect(RetryButton, &QPushButton::clicked, this, [this] { done(Retry); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    finishLayout(this, Summary, Table, buttons);
}
