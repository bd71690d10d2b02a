#pragma once

// canquorvex-cli at work: the project, the bus and the device sessions, on the same models as the
// tool's windows (the bus object, the bus monitor, the device sessions). One command per run.

#include "CliDeadline.h"
#include "CliOptions.h"

#include "can/CanTrafficTap.h"
#include "core/ProgramFolders.h"
#include "core/Project.h"
#include "monitor/BusMonitor.h"
#include "params/ParameterSet.h"
#include "params/RestoreRun.h"
#include "profile/DeviceProfile.h"
#include "session/DeviceSession.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QTimer>

#include <array>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>

// The folder of Projects.ini: --folder's, else the program's folder, else (installed) the user's.
[[nodiscard]] TProgramFolders CliProgramFolders(const QString& folderOption);

class TCliProgram : public QObject, private CanTrafficObserver {
    Q_OBJECT
public:
    explicit TCliProgram(TCliOptions options, QObject* parent = nullptr);
    ~TCliProgram() override;
    TCliProgram(const TCliProgram&) = delete;
    TCliProgram& operator=(const TCliProgram&) = delete;

    // Loads the project and starts the command; finished() comes with the exit code (at once
    // for a command that needs no bus).
    void start();
    // A termination signal: the command ends as if its time had run out.
    void interrupt();

signals:
    void finished(int exitCode);

private:
    void canTraffic(const QCanBusFrame& frame, const QByteArray& payload, CanTrafficDirection direction) override;

    void finish(int exitCode);
    // monitor: an error frame as a JSON line, in candump's notation.
    void printErrorFrame(const QCanBusFrame& frame, const QByteArray& payload);
    [[nodiscard]] bool fail(int exitCode, const QString& message);
    [[nodiscard]] QString settingsFolder() const;
    [[nodiscard]] bool loadProject();
    // The row of a device given by number or name; -1 (and a message) when there is none in use.
    [[nodiscard]] int deviceRow(const QString& text);
    [[nodiscard]] TDeviceSession& session(int row);
    [[nodiscard]] bool openBus();
    void closeBus();

    void runDevices();
    void runMonitor();
    void runRead();
    void runWrite();
    void runCommand();
    // params (CliParams.cpp)
    void runParams();
    void paramsSave();
    void paramsDiff();
    void paramsRestore();
    void restorePlanned();
    void restoreFinished();
    // The row's profile (or --profile); false (and the message) when one is asked for but unusable.
    [[nodiscard]] bool loadProfile(int row);
    // Waits until the device has reported every register of `wanted`, or the time-out; then runs
    // `then` with the registers that were not seen.
    void awaitReports(int row, const QList<int>& wanted, std::function<void(const QList<int>& missing)> then);
    // Checks the registers read waits for; prints them and ends when all were seen.
    void checkRead();
    void endRead();
    // Prints the frame sent and ends once the adapter has passed it on.
    void sentFrame(const TCanSendStatus& status, const TCanFrame& frame);
    void print(const QByteArray& line);

    TCliOptions m_options;
    TProject m_project;
    TBusMonitor m_monitor{m_project};
    std::array<std::unique_ptr<TDeviceSession>, DeviceRows> m_sessions;
    bool m_busOpen = false;
    bool m_finished = false;
    bool m_monitoring = false;
    bool m_exporting = false; // trace export runs (it asks m_interrupted now and then)
    bool m_interrupted = false;
    TCliDeadline m_deadline;
    QTimer m_poll;

    // read
    int m_readRow = -1;
    QList<int> m_readRegisters;
    std::optional<TDeviceProfile> m_readProfile; // names the registers read

    // params
    int m_awaitRow = -1;
    QList<int> m_awaited;
    std::function<void(const QList<int>&)> m_afterAwait;
    void checkAwaited(bool deadline);
    TDeviceProfile m_profile;
    bool m_hasProfile = false;
    TParameterSet m_set;
    QString m_setPath;
    int m_paramsRow = -1;
    std::unique_ptr<TRestoreRun> m_restore;
    bool m_adapterLost = false; // the adapter went away while the restore ran
};
