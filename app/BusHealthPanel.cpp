#include "BusHealthPanel.h"

#include "can/CanBitRates.h"
#include "can/CanBus.h"
#include "can/ToolsCan.h"
#include "ui/Panel.h"

#include <QApplication>
#include <QCanBusDevice>
#include <QGridLayout>
#include <QHelpEvent>
#include <QLabel>
#include <QToolTip>

#include <iterator>

namespace {

const QColor StateAmber(255, 200, 0);
const QColor StateRed(255, 90, 90);

const QString NoFigure = QStringLiteral("–");

QString loadTip(const QString& bitRate) {
    return BusHealthPanel::tr(
               "Bus load over the last second, in percent of the bit rate (%1): every frame "
               "received and sent, counted at its longest possible length on the wire with stuff "
               "bits and the gap between frames (a standard frame 55 bits plus 10 per data byte, "
               "an extended one 80 plus 10 per byte); at most 100 %, \"%2\" when the adapter "
               "lost frames.")
        .arg(bitRate, BusHealthPanel::tr("overrun"));
}

QString percentText(double percent) {
    return QString::number(percent, 'f', 1) + QStringLiteral(" %");
}

} // namespace

BusHealthPanel::BusHealthPanel(QWidget* parent, TCanBus* bus)
    : QGroupBox(QLatin1Char(' ') + tr("Bus") + QLatin1Char(' '), parent),
      m_bus(bus != nullptr ? *bus : CanBus()) {
    m_clock.start();
    m_timer.setInterval(RefreshMs);
    connect(&m_timer, &QTimer::timeout, this, &BusHealthPanel::refresh);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(4, 0, 4, 2);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(0);
    grid->setColumnStretch(1, 1);
    QLabel* name = nullptr;
    auto row = [this, grid, &name](int r, const QString& caption, const QString& tip) {
        name = new QLabel(caption, this);
        auto* value = new QLabel(NoFigure, this);
        // Rows a pixel tighter than the font asks for leave room for the source line.
        name->setFixedHeight(name->fontMetrics().height() - 1);
        value->setFixedHeight(name->height());
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        name->setToolTip(tip);
        value->setToolTip(tip);
        grid->addWidget(name, r, 0);
        grid->addWidget(value, r, 1);
        return value;
    };
    m_loadTip = loadTip(tr("the one the switch opens with"));
    LoadValue = row(0, tr("Load"), m_loadTip);
    m_loadCaption = name;
    PeakValue =
        row(1, tr("Peak"), tr("The highest bus load of any second since the CAN switch was turned on."));
    RatesValue = row(2, tr("Rx/Tx"),
                     tr("Frames per second over the last second: received from the bus / sent by "
                        "this tool."));
    const QString lostTip = tr(
        "Frames lost since the CAN switch was turned on: received frames the tool dropped because its "
        "receive queue was full, plus the overruns the adapter reported (at least one frame each). When it "
        "is not 0, the monitor has not seen everything.");
    LostValue = row(3, tr("Lost"), lostTip);
    m_errorsTip =
        tr("Error frames the adapter reported since the CAN switch was turned on, and below them the kind of "
           "the last one (bit error, stuff error, form error, CRC error, ACK missing, bus off, overrun, …).");
    ErrorsValue = row(4, tr("Errors"), m_errorsTip);
    ErrorKind = new QLabel(this);
    ErrorKind->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ErrorKind->setToolTip(m_errorsTip);
    ErrorKind->setFixedHeight(ErrorKind->fontMetrics().height() - 1);
    grid->addWidget(ErrorKind, 5, 0, 1, 2);
    StateValue = new TPanel(this);
    StateValue->setFixedHeight(15);
    StateValue->setToolTip(
        tr("The adapter's state on the bus, as its plugin reports it or, where it cannot, as its error "
           "frames tell it:\n"
           "%1: normal;\n"
           "%2: many errors (an error counter at 96 or more);\n"
           "%3: more errors (128 or more), the adapter no longer flags errors;\n"
           "%4: the adapter has left the bus;\n"
           "%5: neither has told yet;\n"
           "%6: none is open, or the open one went away.")
            .arg(BusStateText(BusState::ErrorActive), BusStateText(BusState::Warning),
                 BusStateText(BusState::ErrorPassive), BusStateText(BusState::BusOff),
                 BusStateText(BusState::Unknown), BusStateText(BusState::NoAdapter)));
    grid->addWidget(StateValue, 6, 0, 1, 2);
    // The adapter in use, in a smaller font: whatever does not fit is in its tooltip.
    SourceValue = new QLabel(this);
    QFont small = SourceValue->font();
    small.setPixelSize(std::max(8, SourceValue->fontInfo().pixelSize() - 2));
    SourceValue->setFont(small);
    SourceValue->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    SourceValue->setFixedHeight(SourceValue->fontMetrics().height());
    grid->addWidget(SourceValue, 7, 0, 1, 2);
    // Every figure's tooltip ends with the link and the sharing status, when there are any.
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
    installEventFilter(this);
    showNoFigures();
    m_state = BusState::Unknown;
    showState();
    setEnabled(false);
}

BusHealthPanel::~BusHealthPanel() {
    if (m_observing) m_bus.removeObserver(&m_meter);
}

QCanBusDevice* BusHealthPanel::openDevice() const {
    return m_bus.device();
}

bool BusHealthPanel::adapterPresent() const {
    if (!CanOpened) return false;
    if (m_bus.device() == nullptr) return true; // another binding: open is all it tells
    return m_bus.isConnected();
}

BusState BusHealthPanel::currentState() const {
    if (QCanBusDevice* device = openDevice(); device != nullptr && device->hasBusStatus()) {
        const BusState reported = BusStateOf(device->busStatus());
        if (reported != BusState::Unknown) return reported;
    }
    return m_meter.errorFrameState();
}

void BusHealthPanel::switchedOn(int bitRateIndex) {
    // The adapter's own figure wins where it reports one (an interface that was already up keeps
    // the rate it has).
    int bitRate = bitRateIndex >= 0 && bitRateIndex < static_cast<int>(std::size(CanBitRates))
                      ? CanBitRateForCode(CanBitRates[bitRateIndex])
                      : 0;
    if (const QCanBusDevice* device = openDevice()) {
        const QVariant reported = device->configurationParameter(QCanBusDevice::BitRateKey);
        if (reported.isValid() && reported.toInt() > 0) bitRate = reported.toInt();
    }
    m_meter.restart(m_clock.elapsed(), bitRate);
    m_queueDrops = 0;
    m_loadTip = loadTip(tr("%1 kbit/s").arg(bitRate / 1000.0));
    m_loadNote.clear();
    LoadValue->setToolTip(m_loadTip);
    m_loadCaption->setToolTip(m_loadTip);
    if (!m_observing) m_bus.addObserver(&m_meter);
    m_observing = true;
    m_on = true;
    setEnabled(true);
    watchDevice();
    refresh();
    m_timer.start();
}

void BusHealthPanel::switchedOff() {
    if (!m_on) return;
    refresh();
    m_on = false;
    m_timer.stop();
    unwatchDevice();
    if (m_observing) m_bus.removeObserver(&m_meter);
    m_observing = false;
    setEnabled(false);
    showState();
}

void BusHealthPanel::watchDevice() {
    unwatchDevice();
    // A vanishing adapter is shown at once, not at the next refresh.
    m_deviceConnections << connect(&m_bus, &TCanBus::lost, this, [this] { refresh(); });
}

void BusHealthPanel::unwatchDevice() {
    for (const QMetaObject::Connection& c : std::as_const(m_deviceConnections))
        disconnect(c);
    m_deviceConnections.clear();
}

uint64_t BusHealthPanel::framesLost() const {
    uint64_t drops = m_queueDrops;
    if (m_on && m_bus.device() != nullptr) drops = m_bus.droppedFrames();
    return drops + m_meter.overruns();
}

void BusHealthPanel::setSource(const QString& text, const QString& tip) {
    m_source = text;
    SourceValue->setToolTip(tip);
    showSource();
}

void BusHealthPanel::showSource() {
    // Cut at its end to the room the label has (again when the panel is laid out).
    SourceValue->setText(
        SourceValue->fontMetrics().elidedText(m_source, Qt::ElideRight, SourceValue->width()));
}

QString BusHealthPanel::sourceText() const {
    return m_source;
}

QString BusHealthPanel::stateText() const {
    return StateValue->text();
}

void BusHealthPanel::setSharingStatus(const QString& text) {
    m_sharingTip = text;
}

QString BusHealthPanel::extraTip() const {
    if (m_linkTip.isEmpty()) return m_sharingTip;
    if (m_sharingTip.isEmpty()) return m_linkTip;
    return m_linkTip + QLatin1Char('\n') + m_sharingTip;
}

bool BusHealthPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == SourceValue && event->type() == QEvent::Resize) showSource();
    if (event->type() != QEvent::ToolTip) return QGroupBox::eventFilter(watched, event);
    auto* widget = qobject_cast<QWidget*>(watched);
    const QString extra = extraTip();
    if (widget == nullptr || extra.isEmpty()) return QGroupBox::eventFilter(watched, event);
    const QString own = widget->toolTip();
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(),
                       own.isEmpty() ? extra : own + QStringLiteral("\n\n") + extra, widget);
    return true;
}

void BusHealthPanel::refresh() {
    if (!m_on) return;
    // A network adapter tells the state of its link (read by name: any plugin may offer it).
    const QCanBusDevice* device = openDevice();
    m_linkTip = device != nullptr ? device->property("linkStatus").toString() : QString();
    m_linkState = device != nullptr ? device->property("linkState").toString() : QString();
    m_linkConnected = device != nullptr && device->property("linkConnected").toBool();
    if (!adapterPresent()) {
        showNoFigures();
        m_state = BusState::NoAdapter;
        showState();
        return;
    }
    m_meter.sample(m_clock.elapsed());
    if (m_bus.device() != nullptr) m_queueDrops = m_bus.droppedFrames();
    m_state = currentState();
    showFigures();
    showState();
}

void BusHealthPanel::showFigures() {
    // The load is at most what the bus can carry. An adapter that lost frames makes the count too
    // low, so its overrun is said instead of a figure; more frames than the bus can carry are
    // explained in the tooltip.
    const bool overrun = m_meter.overrunInLastSecond();
    LoadValue->setText(overrun ? tr("overrun") : percentText(m_meter.loadPercent()));
    QString loadNote;
    if (overrun)
        loadNote = tr("The adapter reported an overrun in the last second: it lost frames, so the "
                      "load was at least %1.")
                       .arg(percentText(m_meter.loadPercent()));
    else if (m_meter.countedPercent() > 100.0)
        loadNote = tr("The frames of the last second add up to %1 of the bit rate, more than a bus "
                      "can carry: the adapter runs at another bit rate, or hands over frames that "
                      "did not all come from the bus.")
                       .arg(percentText(m_meter.countedPercent()));
    if (loadNote != m_loadNote) {
        m_loadNote = loadNote;
        const QString tip = loadNote.isEmpty() ? m_loadTip : loadNote + QStringLiteral("\n\n") + m_loadTip;
        LoadValue->setToolTip(tip);
        m_loadCaption->setToolTip(tip);
    }
    PeakValue->setText(percentText(m_meter.peakLoadPercent()));
    RatesValue->setText(QStringLiteral("%1 / %2")
                            .arg(qRound64(m_meter.receivedPerSecond()))
                            .arg(qRound64(m_meter.sentPerSecond())));
    ErrorsValue->setText(QString::number(m_meter.errorFrames()));
    const QString kind = m_meter.errorFrames() > 0 ? BusErrorText(m_meter.lastError()) : QString();
    if (kind != m_errorText) {
        m_errorText = kind;
        ErrorKind->setToolTip(kind.isEmpty() ? m_errorsTip
                                             : tr("Last error: %1\n\n%2").arg(kind, m_errorsTip));
    }
    // The panel shows the most telling kind, cut to the width the label has now (the panel may not
    // have been laid out at the first refresh); the tooltip has them all.
    const QString shown = ErrorKind->fontMetrics().elidedText(kind.section(QStringLiteral(", "), 0, 0),
                                                              Qt::ElideRight, ErrorKind->width());
    if (ErrorKind->text() != shown) ErrorKind->setText(shown);
    LostValue->setText(QString::number(framesLost()));
}

void BusHealthPanel::showNoFigures() {
    for (QLabel* l : {LoadValue, PeakValue, RatesValue, ErrorsValue, LostValue})
        l->setText(NoFigure);
    ErrorKind->clear();
    ErrorKind->setToolTip(m_errorsTip);
    m_errorText.clear();
}

void BusHealthPanel::showState() {
    // An adapter whose link went away says so rather than "no adapter".
    const bool linkWord =
        m_state == BusState::NoAdapter && !m_linkState.isEmpty() && !m_linkConnected;
    StateValue->setText(linkWord ? m_linkState : BusStateText(m_state));
    const QPalette& app = QApplication::palette();
    if (!m_on) {
        StateValue->setColor(app.color(QPalette::Button));
        return;
    }
    switch (BusStateSeverityOf(m_state)) {
    case BusStateSeverity::Amber:
        StateValue->setColor(StateAmber);
        break;
    case BusStateSeverity::Red:
        StateValue->setColor(StateRed);
        break;
    case BusStateSeverity::Normal:
        StateValue->setColor(app.color(QPalette::Base));
        break;
    }
}
