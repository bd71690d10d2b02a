#include "CAN_Quorvex.h"

#include "AdapterSource.h"
#include "BusHealthPanel.h"
#include "FirstStartOffer.h"
#include "ProjectEditor.h"
#include "TraceTools.h"
#include "UartPanel.h"
#include "can/CanBus.h"
#include "can/ToolsCan.h"
#include "core/CanIdText.h"
#include "core/DeviceMessage.h"
#include "core/FileReplace.h"
#include "core/IniFile.h"
#include "core/Language.h"
#include "core/ProjectFile.h"
#include "device/ModbusForm.h"
#include "profile/ProfileStore.h"
#include "serial/ToolsRS.h"
#include "ui/CaptionFit.h"
#include "ui/ErrorGathering.h"
#include "ui/ErrorReport.h"
#include "ui/FixedLayoutArea.h"
#include "ui/FormStorage.h"
#include "ui/HelpMenu.h"
#include "ui/HelpWindow.h"
#include "ui/Panel.h"
#include "ui/ScreenFit.h"
#include "ui/Switch.h"
#include "ui/WidgetCaptions.h"
#include "ui/WindowOcclusion.h"

#include <QAction>
#include <QApplication>
#include <QCanBusDevice>
#include <QCloseEvent>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <cstdio>
#include <string_view>

namespace {

constexpr int TimerInterval = TBusMonitor::TimerInterval; // ms
constexpr int StatisticsIntervalMs = 100;
constexpr int CellGap = 5;
constexpr int CellHeight = 25;
constexpr QSize DesignSize(801, 538);

// The first item of the project list: shown in the language chosen, kept as written wherever it
// stands for a project name.
constexpr const char* PlaceholderCaption = QT_TRANSLATE_NOOP("FixedCaption", "+ + Add project + +");
static_assert(std::string_view(PlaceholderCaption) == std::string_view(PlaceholderProject));

const QColor RxLight(160, 208, 255);
const QColor TxLight(192, 255, 160);
const QColor RxPale(208, 224, 240);
const QColor TxPale(224, 240, 208);

QColor windowColor() {
    return QApplication::palette().color(QPalette::Base);
}
QColor buttonFaceColor() {
    return QApplication::palette().color(QPalette::Button);
}

// The file holds nothing but section [Projects] with "ProjectNum" (what the first start writes).
bool onlySelection(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    for (const QByteArray& raw : file.readAll().split('\n')) {
        const QByteArray line = raw.trimmed().toLower();
        if (line.isEmpty() || line == "[projects]" || line.startsWith("projectnum")) continue;
        return false;
    }
    return true;
}

// A group's title wider than the group (which has a fixed size) is drawn smaller, a pixel at a time.
void fitGroupTitle(QGroupBox* box) {
    QFont font = box->font();
    while (font.pixelSize() > TCaptionFit::MinPixelSize) {
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.fontMetrics = QFontMetrics(font);
        option.text = box->title();
        option.textAlignment = box->alignment();
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        const QRect label =
            box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
        if (label.right() < box->width() - 2) break; // inside the frame's right edge
        font.setPixelSize(font.pixelSize() - 1);
    }
    if (font != box->font()) box->setFont(font);
}

} // namespace

TCANQuorvex::TCANQuorvex(QString programDir, QWidget* parent)
    : QWidget(parent), m_programDir(std::move(programDir)) {
    if (!m_programDir.isEmpty() && !m_programDir.endsWith(QLatin1Char('/'))) m_programDir += QLatin1Char('/');
    FormCreate();
}

QString TCANQuorvex::projectNameAt(int index) const {
    return index == 0 ? QString::fromLatin1(PlaceholderProject) : ProjectBox->itemText(index);
}

QString TCANQuorvex::projectsIni() const {
    return m_programDir + QStringLiteral("Projects.ini");
}

TCANQuorvex::~TCANQuorvex() {
    if (RsPanel() == GroupBox1) RsSetPanel(nullptr);
    // The program ends: the device windows go without a close of their own (their placement
    // was saved at the end of the event loop).
    for (TRowView& row : View.Rows) {
        delete row.Window;
        row.Window = nullptr;
    }
}

void TCANQuorvex::FormCreate() {
    setWindowTitle(QStringLiteral("CANQuorvex \"Brennaquil\" v.07.04.2025"));
    QFont f = font();
    f.setPixelSize(11);
    setFont(f);
    resize(DesignSize);

    CanLoad();

    ProjectBox = new QComboBox(this);
    ProjectBox->setEditable(true);
    ProjectBox->setInsertPolicy(QComboBox::NoInsert);
    ProjectBox->setGeometry(10, 20, 150, 21);
    ProjectBox->addItem(FixedCaption(PlaceholderCaption));
    connect(ProjectBox, &QComboBox::activated, this, [this] { ProjectBoxChange(); });

    GroupBox = new QGroupBox(FixedCaption(QT_TRANSLATE_NOOP("FixedCaption", " Проект ")), this);
    GroupBox->setGeometry(10, 48, 765, 337);

    static const char* const headings[5] = {
        QT_TRANSLATE_NOOP("FixedCaption", "RS"), QT_TRANSLATE_NOOP("FixedCaption", "Устройство"),
        QT_TRANSLATE_NOOP("FixedCaption", "Прием <-- СУ"),
        QT_TRANSLATE_NOOP("FixedCaption", "Передача --> СУ"), QT_TRANSLATE_NOOP("FixedCaption", "Go")};
    for (int i = 0; i < 10; ++i) {
        auto* l = new QLabel(FixedCaption(headings[i % 5]), GroupBox);
        l->adjustSize();
        l->resize(l->width(), 13);
        HeadLabels[static_cast<size_t>(i)] = l;
    }

    m_statsTimer = new TSharedTimer(this);
    m_statsTimer->setInterval(TimerInterval);
    connect(m_statsTimer, &TSharedTimer::timeout, this, [this] {
        if (m_statsShown.isValid() && m_statsShown.elapsed() < statisticsIntervalMs()) return;
        flushStatistics();
    });

    CanTimer = new TSharedTimer(this);
    CanTimer->setInterval(TimerInterval);
    connect(CanTimer, &TSharedTimer::timeout, this, &TCANQuorvex::CanTimerTimer);

    Memo1 = new QPlainTextEdit(this);
    // A window of its own lets the X server tell when other windows cover the statistics, which
    // are then not laid out ten times a second for nobody.
    if (TWindowOcclusion::supported()) Memo1->setAttribute(Qt::WA_NativeWindow);
    Memo1->setGeometry(10, 390, 225, 100);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo1->setUndoRedoEnabled(false);

    CANswitch = new TSwitch(this);
    CANswitch->setGeometry(248, 390, 33, 49);
    connect(CANswitch, &TSwitch::clicked, this, [this] { CANswitchClick(); });

    GroupBox1 = new TUartPanel(this);
    GroupBox1->setGeometry(472, 400, 273, 169);
    GroupBox1->hide();
    RsSetPanel(GroupBox1);

    RadioGroup1 = new QGroupBox(
        QLatin1Char(' ') + FixedCaption(QT_TRANSLATE_NOOP("FixedCaption", "Can Speed")) + QLatin1Char(' '),
        this);
    RadioGroup1->setGeometry(296, 390, 73, 65);
    Button125 = new QRadioButton(QStringLiteral("125K"), this);
    Button125->setGeometry(304, 408, 60, 17);
    Button250 = new QRadioButton(QStringLiteral("250K"), this);
    Button250->setGeometry(304, 432, 60, 17);
    Button250->setChecked(true);

    RxLabel1 = new QLabel(FixedCaption(QT_TRANSLATE_NOOP("FixedCaption", "CAN on")), this);
    RxLabel1->move(245, 440);
    RxLabel1->adjustSize();
    // Up to the speed group; a longer caption is drawn smaller.
    RxLabel1->resize(std::min(RxLabel1->width(), 296 - 245 - 2), RxLabel1->height());

    BusPanel = new BusHealthPanel(this);
    BusPanel->setGeometry(378, 420, 88, 112);

    auto* uartAction = new QAction(this);
    uartAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_U));
    addAction(uartAction);
    connect(uartAction, &QAction::triggered, this, &TCANQuorvex::toggleUartPanel);

    // Header panels of the project.
    auto header = [this](int left) {
        auto* p = new TPanel(GroupBox);
        p->setGeometry(left, 15, 100, 30);
        return p;
    };
    View.TitlePanel = header(10);
    View.BasePanel = header(120);
    View.CommPanel = header(230);

    const int labelTop = 15 + 30 + 15;
    for (QLabel* l : HeadLabels)
        l->move(l->x(), labelTop);
    buildRows();

    m_traceTools = new TTraceTools(this);

    // Over the empty cells of the left row column while no project is named.
    FirstStartOffer = new TFirstStartOffer(GroupBox);
    FirstStartOffer->setGeometry(10, 78, 330, 235);
    FirstStartOffer->hide();
    connect(FirstStartOffer, &TFirstStartOffer::sampleChosen, this, [this] { (void)startFromSample(); });
    connect(FirstStartOffer, &TFirstStartOffer::folderChosen, this, [this] {
        (void)QDir().mkpath(m_programDir);
        QDesktopServices::openUrl(QUrl::fromLocalFile(m_programDir));
    });

    setToolTips();
    // F1 opens the help from every window of the program.
    THelpWindow::installShortcut(this);
    // A window made smaller than its layout scrolls.
    m_layout = TFixedLayoutArea::wrap(this, DesignSize);
    placeAtDesignPosition();

    CanTimer->start();
    m_projectsFileFound = QFileInfo::exists(projectsIni()); // the first selection creates it
    readProjectList();
    offerFirstStart();
    showSource();
}

void TCANQuorvex::setToolTips() {
    CANswitch->setToolTip(tr("CAN switch: click (or Space) to open the adapter at the speed chosen under "
                             "\"%1\", and again to close it. The \"%2\" panel shows which adapter.")
                              .arg(FixedCaption("Can Speed"), BusHealthPanel::tr("Bus")));
    RadioGroup1->setToolTip(tr("The bit rate the CAN switch opens the adapter with."));
    View.TitlePanel->setToolTip(tr("The project chosen in the list above (its section in Projects.ini)."));
    View.BasePanel->setToolTip(tr("The project's base identifier: the reception identifier of its first "
                                  "device (BaseAdr); each device sends on its own identifier plus PlusAdr."));
    View.CommPanel->setToolTip(tr("A further identifier of the project (CommAdr), empty when it has none."));
    for (QLabel* label : HeadLabels)
        label->setToolTip(QString());
    const QString rx = tr("Identifier the device receives on (from this tool): lit blue when a frame with it "
                          "is seen.");
    const QString tx = tr("Identifier the device sends on: lit green when a frame with it is seen.");
    for (int c : {0, 5}) {
        HeadLabels[static_cast<size_t>(c + 0)]->setToolTip(tr("The device's serial (RS) address."));
        HeadLabels[static_cast<size_t>(c + 1)]->setToolTip(tr("The device's name."));
        HeadLabels[static_cast<size_t>(c + 2)]->setToolTip(rx);
        HeadLabels[static_cast<size_t>(c + 3)]->setToolTip(tx);
        HeadLabels[static_cast<size_t>(c + 4)]->setToolTip(
            tr("\"%1\" opens the device's window.").arg(FixedCaption("S")));
    }
    for (const TRowView& row : View.Rows) {
        row.OpenButton->setToolTip(tr("Open the device's window: its registers, writes and commands."));
        row.RxPanel->setToolTip(rx);
        row.TxPanel->setToolTip(tx);
    }
}

void TCANQuorvex::offerFirstStart() {
    const bool noProject = ProjectBox->count() <= 1;
    if (noProject)
        FirstStartOffer->describe(projectsIni(), m_projectsFileFound,
                                  !m_sampleProjects.isEmpty() && QFileInfo::exists(m_sampleProjects));
    FirstStartOffer->setVisible(noProject);
}

void TCANQuorvex::setSampleProjects(const QString& path) {
    m_sampleProjects = path;
    offerFirstStart();
}

bool TCANQuorvex::startFromSample() {
    QFile sample(m_sampleProjects);
    if (!sample.open(QIODevice::ReadOnly)) {
        ReportError(tr("The sample projects %1 cannot be read: %2.")
                        .arg(QDir::toNativeSeparators(m_sampleProjects), sample.errorString()));
        return false;
    }
    const QByteArray bytes = sample.readAll();
    (void)QDir().mkpath(m_programDir);
    const QString target = projectsIni();
    if (QFileInfo::exists(target) && !QFileInfo(target).isFile()) {
        ReportError(
            tr("%1 is not a regular file; the sample was not copied.").arg(QDir::toNativeSeparators(target)));
        return false;
    }
    // What the file held is kept beside it, unless it is only the selection the tool wrote itself.
    if (QFileInfo::exists(target) && !onlySelection(target)) {
        QString backup = target + QStringLiteral(".bak");
        for (int n = 2; QFileInfo::exists(backup); ++n)
            backup = target + QStringLiteral(".bak%1").arg(n);
        if (!QFile::copy(target, backup)) {
            ReportError(tr("%1 cannot be kept as %2; the sample was not copied.")
                            .arg(QDir::toNativeSeparators(target), QDir::toNativeSeparators(backup)));
            return false;
        }
    }
    QString error;
    if (!FileReplace::write(target, bytes, &error)) {
        ReportError(error);
        return false;
    }
    m_projectsFileFound = true;
    while (ProjectBox->count() > 1)
        ProjectBox->removeItem(ProjectBox->count() - 1);
    readProjectList();
    offerFirstStart();
    return true;
}

void TCANQuorvex::showSource() {
    const std::optional<CanAdapterName> adapter = AdapterInUse();
    if (!adapter)
        BusPanel->setSource(tr("no adapter"), tr("No CAN adapter is offered (canquorvex --help lists the "
                                                 "plugins; --can demo plays the demo bus)."));
    else
        BusPanel->setSource(AdapterShortText(*adapter),
                            tr("The adapter in use: %1").arg(AdapterLongText(*adapter)));
}

void TCANQuorvex::placeAtDesignPosition() {
    // The window opens at (992, 100); on a screen too small for that it is moved just enough to
    // be fully visible, and made as small as the screen when it is larger (it then scrolls).
    move(992, 100);
    FitWindowToScreen(this);
}

void TCANQuorvex::buildRows() {
    const int rowTop0 = HeadLabels[0]->y() + HeadLabels[0]->height() + CellGap;
    int secondColumn = 0;
    static constexpr int widths[5] = {25, 110, 90, 90, 25};
    for (int i = 0; i < DeviceRows; ++i) {
        const int k = i / 8;
        const int l = i % 8;
        const int top = rowTop0 + 30 * l;
        int x = k == 0 ? 10 : 10 + secondColumn;
        TRowView& row = View.Rows[static_cast<size_t>(i)];
        std::array<QWidget*, 5> cells{};
        for (int c = 0; c < 4; ++c) {
            auto* p = new TPanel(GroupBox);
            p->setGeometry(x, top, widths[c], CellHeight);
            p->setColor(buttonFaceColor());
            cells[static_cast<size_t>(c)] = p;
            x += widths[c] + CellGap;
        }
        row.RsPanel = static_cast<TPanel*>(cells[0]);
        row.NamePanel = static_cast<TPanel*>(cells[1]);
        row.RxPanel = static_cast<TPanel*>(cells[2]);
        row.TxPanel = static_cast<TPanel*>(cells[3]);
        auto* b = new QPushButton(FixedCaption(QT_TRANSLATE_NOOP("FixedCaption", "S")), GroupBox);
        QFont bold = b->font();
        bold.setBold(true);
        b->setFont(bold);
        b->setGeometry(x, top, widths[4], CellHeight);
        b->setProperty("Tag", i);
        connect(b, &QPushButton::clicked, this, &TCANQuorvex::ShoWinClick);
        row.OpenButton = b;
        cells[4] = b;
        if (i == 0) secondColumn = b->x() + b->width() + 2 * CellGap;
        if (i == 0 || i == 8) {
            for (int c = 0; c < 5; ++c) {
                QLabel* label = HeadLabels[static_cast<size_t>((i == 0 ? 0 : 5) + c)];
                label->move(cells[static_cast<size_t>(c)]->x(), label->y());
                // A heading reaches at most to the next column; a longer one is drawn smaller.
                label->resize(std::min(label->width(), widths[c] + CellGap), label->height());
            }
        }
    }
}

void TCANQuorvex::readProjectList() {
    IniFile ini(projectsIni());
    const TProjectList list = ReadProjectList(ini);
    ProjectBox->addItems(list.Names);
    if (list.ProjectNum < 0 || list.ProjectNum >= ProjectBox->count()) {
        // Rows stay built and empty, no project is selected; the user picks one from the list.
        ProjectBox->setCurrentIndex(-1);
        ReportError(
            tr("%1: the value %2 of \"ProjectNum\" in section [Projects] is not a valid project number (0 to "
               "%3). No project is selected; choose one from the list.")
                .arg(QDir::toNativeSeparators(projectsIni()))
                .arg(list.ProjectNum)
                .arg(ProjectBox->count() - 1));
        return;
    }
    Project.Name = projectNameAt(list.ProjectNum);
    ProjectBox->setCurrentIndex(list.ProjectNum);
    ProjectBoxChange();
}

void TCANQuorvex::reloadProjectList(int index) {
    const IniFile ini(projectsIni());
    const TProjectList list = ReadProjectList(ini);
    ProjectBox->clear();
    ProjectBox->addItem(FixedCaption(PlaceholderCaption));
    ProjectBox->addItems(list.Names);
    ProjectBox->setCurrentIndex(std::clamp(index, 0, ProjectBox->count() - 1));
    ProjectBoxChange();
}

void TCANQuorvex::editProjects() {
    TProjectEditor editor(projectsIni(), Project, this);
    if (editor.exec() != QDialog::Accepted) return;
    // The rows' register maps are kept by project name: they follow a renamed project.
    TProfileStore store(m_programDir);
    for (const TProjectDraft& d : editor.projectSet().projects()) {
        if (d.Section.isEmpty() || d.Section == d.Name) continue;
        for (int row = 0; row < DeviceRows; ++row) {
            const QString map = store.assigned(d.Section, row);
            QString error;
            if (!map.isEmpty() && (!store.assign(d.Name, row, store.resolve(map), &error) ||
                                   !store.assign(d.Section, row, QString(), &error)))
                ReportError(error);
        }
    }
    reloadProjectList(editor.projectSet().selected() + 1);
}

void TCANQuorvex::ProjectBoxChange() {
    const int index = ProjectBox->currentIndex();
    if (index < 0 || ProjectBox->currentText() != ProjectBox->itemText(index)) return;

    // Whatever cannot be written on the way (each window's placement, the selection) is said once.
    const TErrorGathering errors(tr("While changing to project \"%1\":").arg(ProjectBox->itemText(index)));
    discardWindows();
    Project.Name = projectNameAt(index);
    if (index > 0) LoadProjectAdres(Project.Name);

    // A refused write of the selection is reported, but the selection itself goes through: the
    // captions are read for the project now shown (reading needs no write), so neither the windows
    // nor a later save can mix another project's captions into this one.
    IniFile ini(projectsIni());
    if (!ini.writeInteger(QStringLiteral("Projects"), QStringLiteral("ProjectNum"), index))
        ReportError(ini.errorString());
    ReadCaptions(ini, Project.Name, Project);
    Project.DigiButChanged = false;
    flushStatistics(); // the memo keeps the line of the traffic so far
    m_monitor.stats().reset();
}

void TCANQuorvex::LoadProjectAdres(const QString& section) {
    IniFile ini(projectsIni());
    ReadProjectSection(ini, section, Project);
    ShowProjectAdres();
    if (onProjectLoaded) onProjectLoaded(Project);
}

void TCANQuorvex::ShowProjectAdres() {
    View.TitlePanel->setText(Project.Name);
    View.BasePanel->setText(CanIdText(static_cast<uint32_t>(Project.BaseAdr)));
    View.CommPanel->setText(Project.CommAdr == 0 ? QString()
                                                 : CanIdText(static_cast<uint32_t>(Project.CommAdr)));
    for (int i = 0; i < DeviceRows; ++i) {
        const TZELM& row = Project.Devices[static_cast<size_t>(i)];
        TRowView& view = View.Rows[static_cast<size_t>(i)];
        const std::array<TPanel*, 4> panels{view.RsPanel, view.RxPanel, view.TxPanel, view.NamePanel};
        if (row.Use) {
            view.RsPanel->setText(QString::number(static_cast<uint32_t>(row.RSadr)));
            view.RxPanel->setText(CanIdText(row.RXadr));
            view.TxPanel->setText(CanIdText(row.TXadr));
            view.NamePanel->setText(row.Name);
            view.NamePanel->setToolTip(row.Name); // the whole name, where the cell cuts it
            view.OpenButton->setText(FixedCaption("S"));
            view.OpenButton->setEnabled(true);
            for (TPanel* p : panels)
                p->setColor(windowColor());
        } else {
            view.NamePanel->setToolTip(QString());
            for (TPanel* p : panels) {
                p->setText(QString());
                p->setColor(buttonFaceColor());
            }
            view.OpenButton->setText(QString());
            view.OpenButton->setEnabled(false);
        }
    }
    m_monitor.projectShown();
    (void)m_monitor.takeChangedRows(); // the cells were drawn just now
}

void TCANQuorvex::CanTimerTimer() {
    // Opening an adapter may wait for its connection; no tick runs inside that wait.
    if (m_inSwitch) return;
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (m_lastTickMs != 0) m_longestTickGapMs = std::max(m_longestTickGapMs, now - m_lastTickMs);
    m_lastTickMs = now;

    const int n = CanRead(TimerInterval);
    if (n > 0) {
        m_framesProcessed += static_cast<quint64>(n);
        m_monitor.takeFrames(CanRx, n);
        showStatistics();
    }
    if (CANswitch->isOn()) m_monitor.fadePass();
    drawLights();
    // Nothing is left to do until the adapter has something: the clock may sleep. The bus wakes
    // it (see CANswitchClick); another binding of the adapter functions tells nobody, so its
    // reads go on every tick.
    const bool woken = !CanOpened || CanBus().device() != nullptr;
    if (woken && CanBus().queuedEvents() == 0 && !m_monitor.fading()) {
        CanTimer->sleep();
        m_lastTickMs = 0; // a pause of the clock is no gap between ticks
    }
}

void TCANQuorvex::drawLights() {
    uint32_t changed = m_monitor.takeChangedRows();
    if (changed == 0) return;
    const QColor window = windowColor();
    const QColor face = buttonFaceColor();
    for (int i = 0; changed != 0; ++i, changed >>= 1) {
        if ((changed & 1u) == 0) continue;
        const TRowLights& lights = m_monitor.lights(i);
        const TRowView& view = View.Rows[static_cast<size_t>(i)];
        const auto colorOf = [&](TCellLight light, const QColor& lit, const QColor& pale) -> const QColor& {
            switch (light) {
            case TCellLight::Light:
                return lit;
            case TCellLight::Pale:
                return pale;
            case TCellLight::Idle:
                return window;
            case TCellLight::Off:
                break;
            }
            return face;
        };
        view.RxPanel->setColor(colorOf(lights.Rx.Light, RxLight, RxPale));
        view.TxPanel->setColor(colorOf(lights.Tx.Light, TxLight, TxPale));
    }
}

void TCANQuorvex::showStatistics() {
    m_statsPending = true;
    if (!m_statsShown.isValid() || m_statsShown.elapsed() >= statisticsIntervalMs())
        flushStatistics();
    else if (!m_statsTimer->isActive())
        m_statsTimer->start();
}

qint64 TCANQuorvex::statisticsIntervalMs() const {
    return m_statsBudget.intervalMs(StatisticsIntervalMs);
}

void TCANQuorvex::flushStatistics() {
    m_statsTimer->stop();
    if (!m_statsPending || m_statsCovered) return;
    m_statsPending = false;
    m_statsShown.restart();
    Memo1->setPlainText(m_monitor.stats().text());
}

void TCANQuorvex::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Labels and buttons whose caption is wider than their place are drawn smaller (fonts differ
    // from machine to machine).
    if (!m_captionsFitted) {
        m_captionsFitted = true;
        FitWidgetCaptions(this);
        fitGroupTitle(RadioGroup1);
    }
    TWindowOcclusion::watch(Memo1, [this](bool covered) {
        m_statsCovered = covered;
        if (!covered) flushStatistics(); // what came meanwhile
    });
    TWindowOcclusion::watchVisiblePart(Memo1, [this](const QRegion& part) {
        m_statsBudget.setPartlyCovered(!part.isEmpty() && part != QRegion(Memo1->rect()));
    });
}

void TCANQuorvex::CANswitchClick() {
    flushStatistics();
    if (CANswitch->isOn()) {
        m_inSwitch = true;
        const int bitRateIndex = Button125->isChecked() ? 1 : 2;
        CanOpen(bitRateIndex, 8);
        m_inSwitch = false;
        m_lastTickMs = 0;
        CanTimer->start();
        // Whatever the adapter queues for the monitor wakes its timer.
        if (QCanBusDevice* device = CanBus().device()) {
            connect(device, &QCanBusDevice::framesReceived, CanTimer, &TSharedTimer::wake,
                    Qt::UniqueConnection);
            connect(device, &QCanBusDevice::errorOccurred, CanTimer, &TSharedTimer::wake,
                    Qt::UniqueConnection);
            connect(device, &QCanBusDevice::stateChanged, CanTimer, &TSharedTimer::wake,
                    Qt::UniqueConnection);
        }
        BusPanel->switchedOn(bitRateIndex);
    } else {
        BusPanel->switchedOff();
        CanClose();
        CanTimer->stop();
        m_monitor.switchedOff();
        drawLights();
    }
    showAdapterState();
    showSource();
}

void TCANQuorvex::switchCan(bool on) {
    if (CANswitch->isOn() == on) return;
    CANswitch->setOn(on);
    CANswitchClick();
}

void TCANQuorvex::showAdapterState() {
    // The switch alone cannot tell whether an adapter answered: the label under it turns red
    // and the memo says so when the switch is on but no adapter is open.
    const bool failed = CANswitch->isOn() && !CanOpened;
    QPalette pal = RxLabel1->palette();
    pal.setColor(QPalette::WindowText,
                 failed ? QColor(200, 0, 0) : QApplication::palette().color(QPalette::WindowText));
    RxLabel1->setPalette(pal);
    if (failed) {
        const QString why = !CanLoaded            ? tr("the adapter library is not loaded")
                            : CanDeviceCount <= 0 ? tr("no CAN adapter found (canquorvex --help lists them; "
                                                       "--can demo plays the demo bus)")
                                                  : tr("the adapter refused to open");
        RxLabel1->setToolTip(tr("No CAN adapter is open: %1.").arg(why));
        Memo1->setPlainText(tr("No CAN adapter is open: %1.").arg(why));
    } else {
        RxLabel1->setToolTip(CanOpened ? tr("A CAN adapter is open.") : QString());
    }
}

void TCANQuorvex::ShoWinClick() {
    const QVariant tag = sender() ? sender()->property("Tag") : QVariant();
    if (!tag.isValid()) return;
    showWindowOfRow(tag.toInt());
}

void TCANQuorvex::showWindowOfRow(int r) {
    if (r < 0 || r >= DeviceRows) return;
    const TZELM& row = Project.Devices[static_cast<size_t>(r)];
    TRowView& view = View.Rows[static_cast<size_t>(r)];
    if (!view.Window) {
        auto* w = new TModbusForm(Project, m_programDir, nullptr);
        w->setWindowTitle(Project.Name + QStringLiteral(": ") + row.Name);
        w->RSadr = row.RSadr;
        w->RXadr = static_cast<int32_t>(row.RXadr);
        w->TXadr = static_cast<int32_t>(row.TXadr);
        w->Protokol = Project.Protokol;
        w->setRow(r); // its register map and parameter sets
        view.Window = w;
        m_monitor.setSession(r, &w->session());
    }
    view.Window->show();
    view.Window->raise();
    view.Window->activateWindow();
}

void TCANQuorvex::discardWindows() {
    for (int r = 0; r < DeviceRows; ++r) {
        TRowView& view = View.Rows[static_cast<size_t>(r)];
        if (!view.Window) continue;
        m_monitor.setSession(r, nullptr);
        view.Window->close();
        delete view.Window;
        view.Window = nullptr;
    }
}

bool TCANQuorvex::FormClose() {
    if (Project.DigiButChanged) {
        IniFile ini(projectsIni());
        if (!WriteCaptions(ini, Project.Name, Project)) {
            const QString text = ini.errorString();
            if (m_closingOnSignal) {
                // Nobody could answer a question now: say it where the session's log keeps it.
                std::fprintf(
                    stderr, "%s\n",
                    qUtf8Printable(
                        tr("CANQuorvex: %1; the renamed command captions were not saved.").arg(text)));
            } else if (!AskGoOnAfterError(text + QStringLiteral("\n\n") +
                                              tr("The renamed command captions are not saved. Make the file "
                                                 "writable and close again, or close without saving them."),
                                          tr("Close without saving"))) {
                return false;
            }
        }
    }
    CanClose();
    CanFree();
    return true;
}

void TCANQuorvex::closeOnSignal(int signalNumber) {
    if (m_closed) return;
    std::fprintf(stderr, "%s\n", qUtf8Printable(tr("CANQuorvex: signal %1, closing").arg(signalNumber)));
    m_closingOnSignal = true;
    close();
}

void TCANQuorvex::closeEvent(QCloseEvent* event) {
    if (m_closed || FormClose()) {
        m_closed = true;
        m_traceTools->stopRecording(); // the trace file is complete when the window is gone
        event->accept();
        // Quitting closes the device windows too: their placement is saved before that, with
        // "Visible" = 1 for those still open.
        TFormStorage::saveAllAtProgramEnd();
        // The device windows have no owner; the program ends with its main window.
        QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    } else {
        event->ignore();
    }
}

void TCANQuorvex::toggleUartPanel() {
    // The panel reaches below the window's designed height: the window grows while it is shown.
    const bool show = !GroupBox1->isVisible();
    GroupBox1->setVisible(show);
    if (show) {
        GroupBox1->raise();
        const int needed = GroupBox1->geometry().bottom() + 8;
        if (m_layout->layoutSize().height() < needed)
            m_layout->setLayoutSize(QSize(DesignSize.width(), needed));
    } else if (m_layout->layoutSize() != DesignSize) {
        m_layout->setLayoutSize(DesignSize);
    }
}

void TCANQuorvex::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    AddHelpEntries(menu);
    QAction* uart =
        menu.addAction(GroupBox1->isVisible() ? tr("Hide the UART panel") : tr("Show the UART panel"));
    uart->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_U));
    m_traceTools->addMenuActions(menu);
    QAction* projects = menu.addAction(tr("Edit projects…"));
    QAction* chosen = menu.exec(event->globalPos());
    if (chosen == uart) toggleUartPanel();
    if (chosen == projects) editProjects();
}
