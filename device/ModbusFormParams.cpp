// The device window's parameter sets: save the registers the device reported, compare a file with
// the live values, restore a file with a confirmation, paced writes, verification and its result.

#include "ModbusForm.h"
#include "ParameterSetDialogs.h"
#include "ParametersForm.h"

#include "core/Project.h"
#include "params/ParameterSet.h"
#include "params/RestorePlan.h"
#include "params/RestoreRun.h"
#include "ui/CountText.h"
#include "ui/HelpMenu.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>

namespace {

constexpr int VerifyTimeoutMs = 5000;

} // namespace

void TModbusForm::offerParameters() {
    SaveParamsAction = new QAction(tr("Save parameters…"), this);
    CompareParamsAction = new QAction(tr("Compare with file…"), this);
    RestoreParamsAction = new QAction(tr("Restore from file…"), this);
    connect(SaveParamsAction, &QAction::triggered, this, [this] {
        // Rows selected in an open Parameters view: the user says whether they are what to save.
        QList<int> selected = ParametersView != nullptr && ParametersView->isVisible()
                                  ? ParametersView->selectedRegisters()
                                  : QList<int>();
        if (!selected.isEmpty() && !askWhichRegisters(selected)) return;
        const QString suggested = QDir(parametersFolder())
                                      .filePath(QStringLiteral("%1-%2.json")
                                                    .arg(windowTitle().section(QStringLiteral(": "), -1).simplified(),
                                                         QDateTime::currentDateTime().toString(
                                                             QStringLiteral("yyyyMMdd-HHmmss"))));
        QDir().mkpath(parametersFolder());
        const QString path = QFileDialog::getSaveFileName(this, SaveParamsAction->text(), suggested,
                                                          tr("Parameter sets (*.json)"));
        if (path.isEmpty()) return;
        QString error;
        if (!saveParameters(path, selected, &error)) QMessageBox::warning(this, windowTitle(), error);
    });
    connect(CompareParamsAction, &QAction::triggered, this, [this] {
        const QString path = QFileDialog::getOpenFileName(this, CompareParamsAction->text(),
                                                          parametersFolder(), tr("Parameter sets (*.json)"));
        if (!path.isEmpty()) compareWithFile(path);
    });
    connect(RestoreParamsAction, &QAction::triggered, this, [this] {
        const QString path = QFileDialog::getOpenFileName(this, RestoreParamsAction->text(),
                                                          parametersFolder(), tr("Parameter sets (*.json)"));
        if (!path.isEmpty()) restoreFromFile(path);
    });
}

bool TModbusForm::askWhichRegisters(QList<int>& selected) {
    const qsizetype all =
        TParameterSet::fromSession(m_session, m_profile.get(), {}, QDateTime::currentDateTime())
            .Registers.size();
    QMessageBox box(QMessageBox::Question, SaveParamsAction->text(),
                    tr("Save which registers of %1?").arg(windowTitle()), QMessageBox::Cancel, this);
    QPushButton* some = box.addButton(
        selected.size() == 1 ? tr("The 1 selected register")
                             : tr("The %n selected registers", nullptr, static_cast<int>(selected.size())),
        QMessageBox::AcceptRole);
    QPushButton* every =
        box.addButton(all == 1 ? tr("The 1 readable register")
                               : tr("All %n readable registers", nullptr, static_cast<int>(all)),
                      QMessageBox::AcceptRole);
    box.setDefaultButton(every);
    box.setInformativeText(tr("Rows are selected in the Parameters view. \"Readable\" are the registers the "
                              "device has reported (of its register map's writable ones, when it has one)."));
    box.exec();
    if (box.clickedButton() == every) {
        selected.clear();
        return true;
    }
    return box.clickedButton() == some;
}

void TModbusForm::contextMenuEvent(QContextMenuEvent* event) {
    // The window's own menu, outside the blocks (they have theirs).
    QMenu menu(this);
    menu.setToolTipsVisible(true);
    AddHelpEntries(menu);
    NoRegisterMapAction->setVisible(m_profile != nullptr);
    RegisterMapAction->setToolTip(m_profile ? m_profile->path() : QString());
    menu.addAction(ParametersAction);
    menu.addSeparator();
    menu.addAction(RegisterMapAction);
    menu.addAction(NoRegisterMapAction);
    menu.addSeparator();
    menu.addAction(SaveParamsAction);
    menu.addAction(CompareParamsAction);
    menu.addAction(RestoreParamsAction);
    RestoreParamsAction->setEnabled(!m_restore || !m_restore->running());
    menu.exec(event->globalPos());
}

QString TModbusForm::parametersFolder() const {
    return QDir(m_programDir.isEmpty() ? QStringLiteral(".") : m_programDir).filePath(QStringLiteral("parameters"));
}

bool TModbusForm::saveParameters(const QString& path, const QList<int>& registers, QString* error) {
    TParameterSet set =
        TParameterSet::fromSession(m_session, m_profile.get(), registers, QDateTime::currentDateTime());
    set.Project = m_project.Name;
    set.Row = m_row;
    set.Device = windowTitle().section(QStringLiteral(": "), 1);
    if (set.Registers.isEmpty()) {
        *error = tr("The device has not reported any of these registers yet; nothing was saved.");
        return false;
    }
    if (!set.save(path, error)) return false;
    memoAdd(tr("Saved %1").arg(RegisterCountText(set.Registers.size())));
    return true;
}

void TModbusForm::compareWithFile(const QString& path) {
    TParameterSet set;
    QString error;
    if (!TParameterSet::load(path, &set, &error)) {
        QMessageBox::warning(this, windowTitle(), error);
        return;
    }
    QList<int> regs;
    for (const TParameterValue& v : std::as_const(set.Registers))
        regs << v.Register;
    // The live side holds the file's registers the device reported.
    const TParameterSet live = TParameterSet::fromSession(m_session, nullptr, regs, QDateTime::currentDateTime());
    auto* dialog = new TCompareDialog(set, CompareParameterSets(set, live), static_cast<int>(set.Registers.size()),
                                      this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

void TModbusForm::restoreFromFile(const QString& path, const QList<int>& only) {
    if (m_restore && m_restore->running()) return;
    TParameterSet set;
    QString error;
    if (!TParameterSet::load(path, &set, &error)) {
        QMessageBox::warning(this, windowTitle(), error);
        return;
    }
    const TDeviceProfile* profile = m_profile.get();
    TRestoreOptions options;
    options.Only = only;
    options.All = !only.isEmpty(); // the failed registers again: each is written
    options.ValuesPerWrite = Protokol == Protocol3 ? 4 : 3;
    const auto live = [this](int r) {
        return m_session.reported().test(static_cast<size_t>(r)) ? std::optional<uint16_t>(m_session.reportedValue(r))
                                                                  : std::optional<uint16_t>();
    };
    TRestorePlan plan = TRestorePlan::make(set, profile, options, live);
    if (plan.refused()) {
        // Another device type is the user's to accept; anything else refuses the restore.
        options.Force = true;
        const TRestorePlan forced = TRestorePlan::make(set, profile, options, live);
        if (forced.refused()) {
            QMessageBox::warning(this, windowTitle(),
                                 tr("The restore is refused; nothing was sent.\n\n%1")
                                     .arg(forced.refusals().join(QLatin1Char('\n'))));
            return;
        }
        if (QMessageBox::question(this, windowTitle(),
                                  tr("%1.\n\nRestore it to this device all the same?")
                                      .arg(plan.refusals().join(QLatin1Char('\n')))) != QMessageBox::Yes)
            return;
        plan = forced;
    }
    if (plan.count(TRestoreAction::Write) == 0) {
        QMessageBox::information(this, windowTitle(),
                                 tr("Nothing to write: the device already holds the file's values "
                                    "(%1 unchanged, %2 skipped as read-only).")
                                     .arg(plan.count(TRestoreAction::Unchanged))
                                     .arg(plan.count(TRestoreAction::SkippedReadOnly)));
        return;
    }
    TRestoreConfirmDialog confirm(plan, windowTitle(), this);
    if (confirm.exec() != QDialog::Accepted) return;

    memoAdd(tr("Restoring parameters..."));
    m_restore = std::make_unique<TRestoreRun>(m_session, plan, true, VerifyTimeoutMs);
    auto* progress =
        new QProgressDialog(tr("Restoring %1…").arg(RegisterCountText(plan.count(TRestoreAction::Write))),
                            tr("Abort"), 0, m_restore->framesTotal(), this);
    progress->setAttribute(Qt::WA_DeleteOnClose);
    progress->setMinimumDuration(300);
    connect(m_restore.get(), &TRestoreRun::progress, progress, &QProgressDialog::setValue);
    connect(progress, &QProgressDialog::canceled, m_restore.get(), [run = m_restore.get()] { run->abort(); });
    connect(m_restore.get(), &TRestoreRun::finished, this, [this, path, progress] {
        progress->close();
        restoreFinished(path);
    });
    m_restore->start();
}

void TModbusForm::restoreFinished(const QString& path) {
    const TRestoreRun& run = *m_restore;
    memoAdd(tr("Restore: %1 of %n frames, %2 failed", nullptr, run.framesTotal())
                .arg(run.framesSent())
                .arg(run.failedRegisters().size()));
    auto* result = new TRestoreResultDialog(run, this);
    result->setAttribute(Qt::WA_DeleteOnClose);
    connect(result, &QDialog::finished, this, [this, path, failed = run.failedRegisters()](int code) {
        if (code == TRestoreResultDialog::Retry) restoreFromFile(path, failed);
    });
    result->open();
}
