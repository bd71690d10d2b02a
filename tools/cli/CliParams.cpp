// canquorvex-cli params: save, compare and restore a device's registers (parameter sets).

#include "CliProfile.h"
#include "CliProgram.h"
#include "CliText.h"

#include "core/JsonLine.h"
#include "params/RestorePlan.h"
#include "profile/ProfileStore.h"
#include "session/RegisterList.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QSet>

#include <cstdio>
#include <iostream>
#include <string>
#include <unistd.h>

namespace {

QByteArray rawOrNull(const std::optional<uint16_t>& v) {
    return v ? QByteArray::number(*v) : QByteArray("null");
}

const char* actionName(TRestoreAction a) {
    switch (a) {
    case TRestoreAction::Unchanged:
        return "unchanged";
    case TRestoreAction::SkippedReadOnly:
        return "skipped-ro";
    case TRestoreAction::Write:
        break;
    }
    return "write";
}

} // namespace

bool TCliProgram::loadProfile(int row) {
    QString error;
    if (!m_options.profile.isEmpty()) {
        if (!TDeviceProfile::load(CliProfilePath(m_options.profile, settingsFolder()), &m_profile, &error))
            return fail(CliBadInput, error);
        m_hasProfile = true;
        return true;
    }
    const TProfileStore store(settingsFolder());
    m_hasProfile = store.load(m_project.Name, row, &m_profile, &error);
    if (!m_hasProfile && !error.isEmpty()) return fail(CliBadInput, error);
    return true;
}

void TCliProgram::awaitReports(int row, const QList<int>& wanted,
                               std::function<void(const QList<int>& missing)> then) {
    m_awaitRow = row;
    m_awaited = wanted;
    m_afterAwait = std::move(then);
    connect(&m_deadline, &TCliDeadline::timeout, this, [this] { checkAwaited(true); });
    m_deadline.start(m_options.timeoutS);
    checkAwaited(false);
}

void TCliProgram::checkAwaited(bool deadline) {
    if (m_awaitRow < 0 || m_finished) return;
    const std::bitset<RegisterCount>& seen = session(m_awaitRow).reported();
    QList<int> missing;
    for (int r : std::as_const(m_awaited))
        if (r < 0 || r >= RegisterCount || !seen.test(static_cast<size_t>(r))) missing << r;
    if (!missing.isEmpty() && !deadline) return;
    m_awaitRow = -1;
    m_deadline.stop();
    disconnect(&m_deadline, nullptr, this, nullptr);
    const auto then = std::move(m_afterAwait);
    m_afterAwait = nullptr;
    then(missing);
}

void TCliProgram::runParams() {
    const QString sub = m_options.arguments.value(0);
    if (sub == QLatin1String("save")) return paramsSave();
    if (sub == QLatin1String("diff")) return paramsDiff();
    if (sub == QLatin1String("restore")) return paramsRestore();
    (void)fail(CliBadInput, tr("params wants save, diff or restore (--help shows them)"));
}

void TCliProgram::paramsSave() {
    const QStringList& a = m_options.arguments;
    if (a.size() != 3) return (void)fail(CliBadInput, tr("params save wants a device and a file"));
    m_paramsRow = deviceRow(a.at(1));
    if (m_paramsRow < 0 || !loadProfile(m_paramsRow)) return;
    m_setPath = a.at(2);
    QList<int> wanted;
    QString error;
    if (!m_options.registers.isEmpty() && !ParseRegisterList(m_options.registers, &wanted, &error))
        return (void)fail(CliBadInput, QStringLiteral("--registers: %1").arg(error));
    const bool chosen = !wanted.isEmpty() || m_hasProfile;
    if (wanted.isEmpty()) wanted = TParameterSet::defaultRegisters(m_hasProfile ? &m_profile : nullptr);
    (void)session(m_paramsRow);
    if (!openBus()) return;
    awaitReports(m_paramsRow, wanted, [this, wanted, chosen](const QList<int>& missing) {
        const TZELM& z = m_project.Devices[static_cast<size_t>(m_paramsRow)];
        TParameterSet set = TParameterSet::fromSession(session(m_paramsRow), m_hasProfile ? &m_profile : nullptr,
                                                       wanted, QDateTime::currentDateTime());
        set.Project = m_project.Name;
        set.Row = m_paramsRow;
        set.Device = z.Name;
        if (set.Registers.isEmpty())
            return (void)fail(CliTimeOut, tr("the device reported none of the registers within %1 s; "
                                             "nothing was saved")
                                              .arg(m_options.timeoutS));
        QString error;
        if (!set.save(m_setPath, &error)) return (void)fail(CliBadInput, error);
        CliMessage(
            tr("%n registers saved in %1", nullptr, static_cast<int>(set.Registers.size())).arg(m_setPath));
        // Without a choice every register the device reports within the time-out is saved.
        if (chosen && !missing.isEmpty()) {
            QStringList m;
            for (int r : missing)
                m << QString::number(r);
            return (void)fail(CliTimeOut, tr("not reported within %1 s, not saved: register %2")
                                              .arg(m_options.timeoutS)
                                              .arg(m.join(QStringLiteral(", "))));
        }
        finish(CliDone);
    });
}

void TCliProgram::paramsDiff() {
    const QStringList& a = m_options.arguments;
    const bool live = !m_options.live.isEmpty();
    if ((live && a.size() != 2) || (!live && a.size() != 3))
        return (void)fail(CliBadInput, tr("params diff wants FILE and either --live DEVICE or FILE2"));
    QString error;
    if (!TParameterSet::load(a.at(1), &m_set, &error)) return (void)fail(CliBadInput, error);
    const auto report = [this](const TParameterSet& b) {
        const QList<TParameterDifference> diffs = CompareParameterSets(m_set, b);
        for (const TParameterDifference& d : diffs)
            print(TJsonLine()
                      .add("register", d.Register)
                      .add("name", d.Name)
                      .addRaw("a", rawOrNull(d.A))
                      .addRaw("b", rawOrNull(d.B))
                      .line());
        CliMessage(tr("%n register(s) differ", nullptr, static_cast<int>(diffs.size())));
        finish(diffs.isEmpty() ? CliDone : CliMismatch);
    };
    if (!live) {
        TParameterSet b;
        if (!TParameterSet::load(a.at(2), &b, &error)) return (void)fail(CliBadInput, error);
        return report(b);
    }
    m_paramsRow = deviceRow(m_options.live);
    if (m_paramsRow < 0 || !loadProfile(m_paramsRow)) return;
    QList<int> wanted;
    for (const TParameterValue& v : std::as_const(m_set.Registers))
        wanted << v.Register;
    (void)session(m_paramsRow);
    if (!openBus()) return;
    // The live side holds the registers of the file the device reported in time.
    awaitReports(m_paramsRow, wanted, [this, wanted, report](const QList<int>&) {
        report(TParameterSet::fromSession(session(m_paramsRow), nullptr, wanted, QDateTime::currentDateTime()));
    });
}

void TCliProgram::paramsRestore() {
    const QStringList& a = m_options.arguments;
    if (a.size() != 3) return (void)fail(CliBadInput, tr("params restore wants a device and a file"));
    m_paramsRow = deviceRow(a.at(1));
    if (m_paramsRow < 0 || !loadProfile(m_paramsRow)) return;
    QString error;
    if (!TParameterSet::load(a.at(2), &m_set, &error)) return (void)fail(CliBadInput, error);
    TRestoreOptions opt;
    if (!m_options.registers.isEmpty() && !ParseRegisterList(m_options.registers, &opt.Only, &error))
        return (void)fail(CliBadInput, QStringLiteral("--registers: %1").arg(error));
    opt.Force = m_options.force;
    // Refused before the bus is even opened: the checks need no live value.
    const TRestorePlan check = TRestorePlan::make(m_set, m_hasProfile ? &m_profile : nullptr, opt,
                                                  [](int) { return std::optional<uint16_t>(); });
    if (check.refused())
        return (void)fail(CliBadInput, tr("restore refused, nothing was sent:\n  %1")
                                           .arg(check.refusals().join(QStringLiteral("\n  "))));
    // The live values decide what is written; with --all nothing waits for them.
    QList<int> wanted;
    if (!m_options.all)
        for (const TRestoreItem& i : check.items())
            if (i.Action == TRestoreAction::Write) wanted << i.Register;
    (void)session(m_paramsRow);
    if (!openBus()) return;
    awaitReports(m_paramsRow, wanted, [this](const QList<int>&) { restorePlanned(); });
}

void TCliProgram::restorePlanned() {
    TRestoreOptions opt;
    QString error;
    if (!m_options.registers.isEmpty()) (void)ParseRegisterList(m_options.registers, &opt.Only, &error);
    opt.Force = m_options.force;
    opt.All = m_options.all;
    opt.ValuesPerWrite = m_project.Protokol == Protocol3 ? 4 : 3;
    const TDeviceSession& s = session(m_paramsRow);
    TRestorePlan plan = TRestorePlan::make(m_set, m_hasProfile ? &m_profile : nullptr, opt, [&s](int r) {
        return s.reported().test(static_cast<size_t>(r)) ? std::optional<uint16_t>(s.reportedValue(r))
                                                          : std::optional<uint16_t>();
    });
    const int writes = plan.count(TRestoreAction::Write);
    const bool ask = !m_options.dryRun && !m_options.yes && writes > 0;
    for (const TRestoreItem& i : plan.items()) {
        if (m_options.dryRun)
            print(TJsonLine()
                      .add("register", i.Register)
                      .add("name", i.Name)
                      .add("action", actionName(i.Action))
                      .addRaw("live", rawOrNull(i.Live))
                      .add("file", static_cast<int>(i.Raw))
                      .line());
        else if (ask)
            CliWrite(stderr, tr("  register %1 %2: %3 -> %4 (%5)\n")
                                 .arg(QString::number(i.Register), i.Name,
                                      i.Live ? QString::number(*i.Live) : tr("not seen"),
                                      QString::number(i.Raw), QLatin1String(actionName(i.Action))));
    }
    CliMessage(tr("%1 register(s) to write in %2 frame(s), %3 unchanged, %4 skipped (ro)")
                   .arg(writes)
                   .arg(plan.writes().size())
                   .arg(plan.count(TRestoreAction::Unchanged))
                   .arg(plan.count(TRestoreAction::SkippedReadOnly)));
    if (m_options.dryRun) return finish(CliDone);
    if (writes == 0) CliMessage(tr("nothing to write: the device already holds the file's values"));
    if (writes > 0 && !m_options.yes) {
        if (::isatty(STDIN_FILENO) == 0)
            return (void)fail(CliBadInput, tr("standard input is no terminal to ask on: give --yes to "
                                              "restore without asking, or --dry-run to see the plan"));
        CliWrite(stderr, tr("Write %n register(s) to %1? [y/N] ", nullptr, writes)
                             .arg(m_project.Devices[static_cast<size_t>(m_paramsRow)].Name));
        std::string answer;
        if (!std::getline(std::cin, answer) || (answer != "y" && answer != "Y" && answer != "yes"))
            return (void)fail(CliBadInput, tr("not confirmed; nothing was sent"));
    }
    m_restore = std::make_unique<TRestoreRun>(session(m_paramsRow), plan, m_options.verify,
                                              static_cast<int>(m_options.timeoutS * 1000.0));
    // The run ends at once when there is nothing to write: every line is printed all the same.
    connect(m_restore.get(), &TRestoreRun::finished, this, &TCliProgram::restoreFinished);
    m_restore->start();
}

void TCliProgram::restoreFinished() {
    for (const TRestoreOutcome& o : m_restore->outcomes()) {
        TJsonLine line;
        line.add("register", o.Register).add("name", o.Name).add("file", static_cast<int>(o.Raw));
        line.add("status", RestoreResultName(o.Result));
        if (o.Reported) line.add("reported", static_cast<int>(*o.Reported));
        print(line.line());
    }
    CliMessage((m_restore->aborted() ? tr("%1 of %2 write frame(s) sent (interrupted)")
                                     : tr("%1 of %2 write frame(s) sent"))
                   .arg(m_restore->framesSent())
                   .arg(m_restore->framesTotal()));
    if (m_adapterLost) return (void)fail(CliNoAdapter, tr("the CAN adapter went away"));
    if (m_restore->aborted()) return finish(CliTimeOut);
    if (m_restore->framesRefused() > 0)
        return (void)fail(CliNoAdapter,
                          tr("the adapter refused %n write(s)", nullptr, m_restore->framesRefused()));
    finish(m_options.verify && m_restore->failed() ? CliMismatch : CliDone);
}
