#include "TraceTools.h"

#include "AdapterSource.h"
#include "CAN_Quorvex.h"
#include "TracePlot.h"
#include "can/CanAdapterName.h"
#include "can/QtCanDriver.h"
#include "can/SlCan.h"
#include "core/FileCheck.h"
#include "core/IniFile.h"
#include "profile/ProfileDecoder.h"
#include "trace/TraceFrameModel.h"
#include "trace/TraceRecorder.h"
#include "trace/TraceReplayControl.h"

#include "core/DeviceMessage.h"
#include "trace/TraceFileModel.h"
#include "traceview/RecToggle.h"
#include "traceview/TraceFileWindow.h"
#include "traceview/TracePlayerWindow.h"
#include "traceview/TraceView.h"
#include "trend/TrendModel.h"
#include "ui/ErrorReport.h"
#include "ui/Switch.h"

#include <QAction>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <climits>
#include <utility>

namespace {

QString settingsIni(const TCANQuorvex& main) {
    return main.programDir() + QStringLiteral("Quorvex.ini");
}
const QString TracesSection = QStringLiteral("Traces");
const QString FolderKey = QStringLiteral("Folder");

} // namespace

TTraceTools::TTraceTools(TCANQuorvex* mainWindow) : QObject(mainWindow), m_main(mainWindow) {
    RecButton = new TRecToggle(mainWindow);
    RecButton->setGeometry(378, 390, 88, 26);
    RecButton->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(RecButton, &TRecToggle::clicked, this, &TTraceTools::recClicked);
    connect(RecButton, &QWidget::customContextMenuRequested, this, &TTraceTools::recMenu);

    m_recorder = new TraceRecorder(this);
    connect(m_recorder, &TraceRecorder::stopped, this, &TTraceTools::recStopped);
    m_countTimer = new QTimer(this);
    m_countTimer->setInterval(CountRefreshMs);
    connect(m_countTimer, &QTimer::timeout, this, &TTraceTools::showCount);
    showCount();

    auto* viewAction = new QAction(mainWindow);
    viewAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    mainWindow->addAction(viewAction);
    connect(viewAction, &QAction::triggered, this, &TTraceTools::showTraceView);

    // A trace opened from the command line shows its replay window when it starts playing.
    connect(&TraceReplayControl::instance(), &TraceReplayControl::changed, this, [this] {
        const TraceReplayControl::Status& s = TraceReplayControl::instance().status();
        if ((s.playing || !s.error.isEmpty()) && (m_player == nullptr || !m_player->isVisible()))
            showPlayer();
    });
}

TTraceTools::~TTraceTools() {
    // The toggle may be gone already: the end of the recording is not shown.
    disconnect(m_recorder, nullptr, this, nullptr);
    stopRecording();
    delete m_view;
    delete m_player;
    for (TTraceFileWindow* w : std::exchange(m_fileWindows, {}))
        delete w;
}

bool TTraceTools::isRecording() const {
    return m_recorder->isRecording();
}

QString TTraceTools::tracesFolder() const {
    const IniFile ini(settingsIni(*m_main));
    const QString chosen = ini.readString(TracesSection, FolderKey, QString());
    if (!chosen.isEmpty()) return chosen;
    return m_defaultFolder.isEmpty() ? m_main->programDir() + QStringLiteral("traces") : m_defaultFolder;
}

void TTraceTools::setTracesFolder(const QString& folder) {
    IniFile ini(settingsIni(*m_main));
    if (!ini.writeString(TracesSection, FolderKey, folder)) ReportError(ini.errorString());
    showCount();
}

bool TTraceTools::startRecording(const QString& path) {
    QString file = path;
    if (file.isEmpty()) {
        const QString folder = tracesFolder();
        if (!QDir().mkpath(folder)) {
            ReportError(tr("Cannot record: the traces folder %1 cannot be created.")
                            .arg(QDir::toNativeSeparators(folder)));
            showCount();
            return false;
        }
        const QString base = TraceRecorder::fileNameFor(QDateTime::currentDateTime());
        file = QDir(folder).filePath(base);
        // Two recordings within one second: the second gets a number.
        for (int n = 2; QFileInfo::exists(file); ++n)
            file = QDir(folder).filePath(base.chopped(4) + QStringLiteral("_%1.log").arg(n));
    }
    if (!m_recorder->start(file)) {
        ReportError(m_recorder->errorString());
        showCount();
        return false;
    }
    m_countTimer->start();
    showCount();
    return true;
}

void TTraceTools::stopRecording() {
    m_recorder->stop();
}

void TTraceTools::recClicked() {
    if (m_recorder->isRecording())
        stopRecording();
    else
        startRecording();
    showCount();
}

void TTraceTools::recStopped(const QString& reason) {
    m_countTimer->stop();
    showCount();
    // Told after the event that found the failure (never from inside a tick).
    if (!reason.isEmpty()) QTimer::singleShot(0, this, [reason] { ReportError(reason); });
}

void TTraceTools::showCount() {
    const bool on = m_recorder->isRecording();
    RecButton->setChecked(on);
    RecButton->setFrames(m_recorder->frames());
    const QString file = QDir::toNativeSeparators(m_recorder->path());
    if (on)
        RecButton->setToolTip(tr("Recording into %1: %n frames. Click to stop.", nullptr,
                                 static_cast<int>(std::min<uint64_t>(m_recorder->frames(), INT_MAX)))
                                  .arg(file));
    else if (!m_recorder->errorString().isEmpty())
        RecButton->setToolTip(m_recorder->errorString());
    else
        RecButton->setToolTip(tr("Record the bus into a new file of %1 (right-click to choose the folder).")
                                  .arg(QDir::toNativeSeparators(tracesFolder())));
}

void TTraceTools::recMenu(const QPoint& pos) {
    QMenu menu(RecButton);
    QAction* where = menu.addAction(tr("Traces folder: %1").arg(QDir::toNativeSeparators(tracesFolder())));
    where->setEnabled(false);
    QAction* choose = menu.addAction(tr("Choose the traces folder…"));
    QAction* open = menu.addAction(tr("Open the traces folder"));
    QAction* chosen = menu.exec(RecButton->mapToGlobal(pos));
    if (chosen == choose) {
        const QString folder = QFileDialog::getExistingDirectory(m_main, tr("Traces folder"), tracesFolder());
        if (!folder.isEmpty()) setTracesFolder(folder);
    } else if (chosen == open) {
        (void)QDir().mkpath(tracesFolder());
        QDesktopServices::openUrl(QUrl::fromLocalFile(tracesFolder()));
    }
}

void TTraceTools::showTraceView() {
    if (m_view == nullptr) {
        m_view = new TTraceView(nullptr);
        // Frames of the rows with a register map are decoded by the rows' profiles.
        auto decoder = std::make_shared<TProfileDecoder>(m_main->project(), m_main->programDir());
        m_view->model()->setDecoder({[decoder](const TCanFrame& frame) { return decoder->decode(frame); },
                                     [decoder] { return decoder->active(); }});
    }
    m_view->show();
    m_view->raise();
    m_view->activateWindow();
}

void TTraceTools::showPlayer() {
    if (m_player == nullptr) {
        m_player = new TTracePlayerWindow(nullptr);
        m_player->onChoose = [this](const QString& path) { playTrace(path); };
        m_player->onBack = [this] { backToAdapter(); };
    }
    m_player->show();
    m_player->raise();
}

bool TTraceTools::playTrace(const QString& path) {
    // The file being recorded is not played: it would record its own frames again and again. The
    // adapter in use stays.
    if (m_recorder->isRecording() && FileCheck::sameFile(path, m_recorder->path())) {
        ReportError(tr("%1 is the file being recorded into: playing it would record its own frames again and "
                       "again. Stop the recording (REC) or choose another file.")
                        .arg(QDir::toNativeSeparators(path)));
        return false;
    }
    // The adapters offered before the first trace are what "Back to the adapter" returns to.
    if (!TraceInUse() && !m_haveAdaptersBefore) {
        m_adaptersBefore = OfferedAdapters();
        m_haveAdaptersBefore = true;
    }
    const bool wasOn = m_main->CANswitch->isOn();
    m_main->switchCan(false);
    SlCanInstallDriver(std::make_unique<QtCanDriver>(
        QList<CanAdapterName>{CanAdapterName{QStringLiteral("trace"), QFileInfo(path).absoluteFilePath()}}));
    TraceReplayControl::Status s;
    s.path = QFileInfo(path).absoluteFilePath();
    TraceReplayControl::instance().report(s);
    showPlayer();
    if (wasOn) m_main->switchCan(true);
    m_main->showSource();
    return true;
}

QList<CanAdapterName> TTraceTools::adaptersBefore() const {
    return m_haveAdaptersBefore ? m_adaptersBefore : DiscoverHardwareAdapters();
}

bool TTraceTools::backToAdapter() {
    if (!TraceInUse()) return false;
    const bool wasOn = m_main->CANswitch->isOn();
    m_main->switchCan(false);
    SlCanInstallDriver(std::make_unique<QtCanDriver>(adaptersBefore()));
    m_haveAdaptersBefore = false;
    // Nothing plays any more: the replay window has nothing to show, and a new trace starts afresh.
    TraceReplayControl::instance().report(TraceReplayControl::Status{});
    if (m_player != nullptr) m_player->close();
    if (wasOn) m_main->switchCan(true);
    m_main->showSource();
    return true;
}

TTraceFileWindow* TTraceTools::openTrace(const QString& path) {
    auto* window = new TTraceFileWindow(nullptr);
    // Decoded by the rows' profiles like the live view; the filter's thread gets a decoder of its
    // own, on a copy of the project.
    auto decoder = std::make_shared<TProfileDecoder>(m_main->project(), m_main->programDir());
    const QString folder = m_main->programDir();
    const TProject project = m_main->project();
    TraceFileModel::Decoder d;
    if (decoder->active()) {
        d.Decode = [decoder](const TCanFrame& frame) { return decoder->decode(frame); };
        d.MakeForThread = [project, folder]() -> TraceFileModel::DecodeFn {
            auto own =
                std::make_shared<std::pair<TProject, std::unique_ptr<TProfileDecoder>>>(project, nullptr);
            own->second = std::make_unique<TProfileDecoder>(own->first, folder);
            return [own](const TCanFrame& frame) { return own->second->decode(frame); };
        };
    }
    window->model()->setDecoder(d);
    QString error;
    if (!window->open(path, &error)) {
        delete window;
        ReportError(error);
        return nullptr;
    }
    window->onPlot = [this](const QString& file, const std::vector<TraceFrame>& frames) {
        plotFrames(file, frames);
    };
    m_fileWindows.push_back(window);
    connect(window, &QObject::destroyed, this, [this, window] {
        m_fileWindows.erase(std::remove(m_fileWindows.begin(), m_fileWindows.end(), window),
                            m_fileWindows.end());
    });
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

void TTraceTools::plotFrames(const QString& path, const std::vector<TraceFrame>& frames) {
    // The device of the first selected frame that belongs to a row, and the registers its selected
    // frames carry (at most the trend's eight).
    const TProject& project = m_main->project();
    int row = -1;
    QList<int> registers;
    for (const TraceFrame& f : frames) {
        if (f.error || f.remote) continue;
        const TCanFrame frame = f.canFrame();
        const uint32_t key = CanKey(frame.ID, project.Protokol);
        for (int r = 0; r < DeviceRows; ++r) {
            const TZELM& z = project.Devices[static_cast<size_t>(r)];
            if (!z.Use || (z.RXadr != key && z.TXadr != key) || (row >= 0 && r != row)) continue;
            row = r;
            const TDeviceMessage msg = DecodeDeviceFrame(frame, project.Protokol, z.RXadr, z.TXadr);
            for (int i = 0; i < msg.Count && i < 4; ++i)
                if (msg.present(i) && msg.Address + i < RegisterCount &&
                    !registers.contains(msg.Address + i) && registers.size() < TTrendModel::MaxChannels)
                    registers << msg.Address + i;
            break;
        }
    }
    if (row < 0 || registers.isEmpty()) {
        ReportError(
            tr("The selected rows hold no register of a device of project \"%1\".").arg(project.Name));
        return;
    }
    auto* plot = new TTracePlot(project, row, registers, m_main->programDir());
    if (!plot->load(path, m_main)) {
        delete plot;
        return;
    }
    plot->show();
}

void TTraceTools::addMenuActions(QMenu& menu) {
    // Offered while a trace is the bus.
    if (TraceInUse()) menu.addAction(tr("Back to the adapter"), this, &TTraceTools::backToAdapter);
    QAction* view = menu.addAction(tr("Trace view"), this, &TTraceTools::showTraceView);
    view->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    menu.addAction(tr("Play a trace…"), this, [this] {
        const QString path = TTracePlayerWindow::askForFile(m_main, tracesFolder());
        if (!path.isEmpty()) playTrace(path);
    });
    menu.addAction(tr("Open a trace…"), this, [this] {
        const QString path = TTraceFileWindow::askForFile(m_main, tracesFolder());
        if (!path.isEmpty()) (void)openTrace(path);
    });
}
