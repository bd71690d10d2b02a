#include "TrendForm.h"

#include "core/FileReplace.h"
#include "trend/TrendBudget.h"
#include "trend/TrendCsv.h"
#include "trend/TrendModel.h"
#include "ui/HelpMenu.h"
#include "ui/ToolWindow.h"

#include <qcustomplot.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>
#include <limits>

namespace {

// One colour per slot, told apart on white and by most colour-blind eyes.
const std::array<QColor, TTrendModel::MaxChannels> SlotColors = {
    QColor(31, 119, 180),  QColor(255, 127, 14), QColor(44, 160, 44),   QColor(214, 39, 40),
    QColor(148, 103, 189), QColor(140, 86, 75),  QColor(227, 119, 194), QColor(23, 190, 207),
};

struct Span {
    const char* Text;
    int Seconds;
};
constexpr Span Spans[] = {
    {QT_TRANSLATE_NOOP("TTrendForm", "10 s"), 10},    {QT_TRANSLATE_NOOP("TTrendForm", "30 s"), 30},
    {QT_TRANSLATE_NOOP("TTrendForm", "1 min"), 60},   {QT_TRANSLATE_NOOP("TTrendForm", "5 min"), 300},
    {QT_TRANSLATE_NOOP("TTrendForm", "10 min"), 600}, {QT_TRANSLATE_NOOP("TTrendForm", "30 min"), 1800},
    {QT_TRANSLATE_NOOP("TTrendForm", "1 h"), 3600}};
constexpr int DefaultSpanSeconds = 60;
constexpr int YLimit = 70000; // beyond every 16-bit value, signed or not

// Register values are whole numbers: no tick between two of them (engineering values may have
// places: then Whole is off).
class WholeTicker : public QCPAxisTicker {
public:
    bool Whole = true;

protected:
    double getTickStep(const QCPRange& range) override {
        const double step = QCPAxisTicker::getTickStep(range);
        return Whole ? std::max(1.0, step) : step;
    }
};

// Whole ticks unless some register is plotted in engineering values.
void chooseTicks(const TTrendModel& model, QCPAxis* axis) {
    bool engineering = false;
    for (int s = 0; s < TTrendModel::MaxChannels; ++s)
        if (const TTrendChannel* c = model.channel(s))
            engineering = engineering || model.scaleOf(*c) != nullptr;
    if (auto* ticker = dynamic_cast<WholeTicker*>(axis->ticker().data())) ticker->Whole = !engineering;
}

// The time of day on trace time: the keys count seconds from the trend's origin, the labels show
// the recorded clock.
class ClockTicker : public QCPAxisTickerDateTime {
public:
    double OffsetS = 0;

protected:
    QString getTickLabel(double tick, const QLocale& locale, QChar formatChar, int precision) override {
        return QCPAxisTickerDateTime::getTickLabel(tick + OffsetS, locale, formatChar, precision);
    }
};

double seconds(qint64 timeMs, qint64 originMs) {
    return static_cast<double>(timeMs - originMs) / 1000.0;
}

} // namespace

TTrendForm::TTrendForm(TTrendModel& model, const QString& saveFolder, QWidget* parent)
    : QWidget(parent, Qt::Window), m_model(model), m_lastFolder(saveFolder) {
    buildControls();
    m_redrawTimer = new QTimer(this);
    m_redrawTimer->setInterval(RedrawIntervalMs);
    connect(m_redrawTimer, &QTimer::timeout, this, [this] {
        if (!isMinimized()) redraw(); // a minimized window is still "visible"
    });
    connect(&m_model, &TTrendModel::channelsChanged, this, [this] {
        syncChannels();
        if (isVisible()) redraw();
    });
    connect(&m_model, &TTrendModel::descriptionsChanged, this, &TTrendForm::relabel);
    connect(&m_model, &TTrendModel::clockChanged, this, [this] {
        applyClock();
        if (isVisible()) redraw();
    });
    connect(RawBox, &QCheckBox::toggled, &m_model, &TTrendModel::setRaw);
    syncChannels();
    relabel();
    resize(900, 520);
    MakeToolWindow(this);
}

TTrendForm::~TTrendForm() = default;

void TTrendForm::buildControls() {
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(tr("Last"), this));
    SpanBox = new QComboBox(this);
    for (const Span& s : Spans)
        SpanBox->addItem(tr(s.Text), s.Seconds);
    SpanBox->setCurrentIndex(SpanBox->findData(DefaultSpanSeconds));
    top->addWidget(SpanBox);
    PauseButton = new QPushButton(tr("Pause"), this);
    PauseButton->setCheckable(true);
    PauseButton->setToolTip(tr("Freeze the view; recording goes on"));
    top->addWidget(PauseButton);
    top->addSpacing(16);
    YAutoBox = new QCheckBox(tr("Y auto"), this);
    YAutoBox->setChecked(true);
    top->addWidget(YAutoBox);
    top->addWidget(new QLabel(tr("from"), this));
    YMinEdit = new QSpinBox(this);
    YMinEdit->setRange(-YLimit, YLimit);
    YMinEdit->setValue(-100);
    top->addWidget(YMinEdit);
    top->addWidget(new QLabel(tr("to"), this));
    YMaxEdit = new QSpinBox(this);
    YMaxEdit->setRange(-YLimit, YLimit);
    YMaxEdit->setValue(100);
    top->addWidget(YMaxEdit);
    RawBox = new QCheckBox(tr("Raw"), this);
    RawBox->setToolTip(tr("Raw register values instead of the register map's engineering values"));
    RawBox->setVisible(false);
    top->addWidget(RawBox);
    top->addStretch(1);
    SaveCsvButton = new QPushButton(tr("Save as CSV"), this);
    SavePngButton = new QPushButton(tr("Save as PNG"), this);
    top->addWidget(SaveCsvButton);
    top->addWidget(SavePngButton);

    Plot = new QCustomPlot(this);
    Plot->setMinimumSize(400, 240);
    // Lines without antialiasing: at thousands of points a graph this is most of the drawing cost.
    Plot->setNotAntialiasedElements(QCP::aePlottables);
    Plot->setPlottingHint(QCP::phCacheLabels, true);
    applyClock();
    Plot->yAxis->setLabel(tr("value"));
    Plot->yAxis->setTicker(QSharedPointer<WholeTicker>::create());
    auto bitTicker = QSharedPointer<QCPAxisTickerText>::create();
    bitTicker->addTick(0, QStringLiteral("0"));
    bitTicker->addTick(1, QStringLiteral("1"));
    Plot->yAxis2->setTicker(bitTicker);
    Plot->yAxis2->setLabel(tr("bit"));
    Plot->yAxis2->setRange(-0.1, 1.1);
    Plot->yAxis2->setVisible(false);
    Plot->legend->setVisible(true);
    Plot->legend->setBrush(QColor(255, 255, 255, 220));
    Plot->axisRect()->insetLayout()->setInsetAlignment(0, Qt::AlignTop | Qt::AlignLeft);
    Plot->setInteractions(QCP::iRangeDrag | QCP::iRangeZoom);
    Plot->axisRect()->setRangeDrag(Qt::Horizontal);
    Plot->axisRect()->setRangeZoom(Qt::Horizontal);
    Plot->setContextMenuPolicy(Qt::CustomContextMenu);
    Plot->xAxis->setRange(-DefaultSpanSeconds, 0);

    m_cursor = new QCPItemStraightLine(Plot);
    m_cursor->setPen(QPen(QColor(60, 60, 60), 1, Qt::DashLine));
    m_cursor->setVisible(false);
    m_cursor->setSelectable(false);

    CursorLabel = new QLabel(this);
    CursorLabel->setTextFormat(Qt::RichText);
    CursorLabel->setText(tr("Click into the plot to read the values at a time."));

    MemoryLabel = new QLabel(this);
    MemoryLabel->setWordWrap(true);
    MemoryLabel->setVisible(false);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(Plot, 1);
    layout->addWidget(CursorLabel);
    layout->addWidget(MemoryLabel);

    connect(SpanBox, &QComboBox::currentIndexChanged, this, [this] {
        if (paused()) {
            const double upper = Plot->xAxis->range().upper;
            Plot->xAxis->setRange(upper - spanSeconds(), upper);
            applyYRange();
            Plot->replot();
        } else {
            m_yRecount = 0;
            redraw();
        }
    });
    connect(PauseButton, &QPushButton::toggled, this, [this](bool on) {
        PauseButton->setText(on ? tr("Live") : tr("Pause"));
        PauseButton->setToolTip(on ? tr("Follow the clock again") : tr("Freeze the view; recording goes on"));
        if (!on) redraw();
    });
    connect(YAutoBox, &QCheckBox::toggled, this, [this](bool on) {
        YMinEdit->setEnabled(!on);
        YMaxEdit->setEnabled(!on);
        if (!on) {
            // The fixed range starts as the range shown.
            m_settingY = true;
            YMinEdit->setValue(static_cast<int>(std::floor(Plot->yAxis->range().lower)));
            YMaxEdit->setValue(static_cast<int>(std::ceil(Plot->yAxis->range().upper)));
            m_settingY = false;
        }
        const Qt::Orientations both = Qt::Horizontal | Qt::Vertical;
        Plot->axisRect()->setRangeDrag(on ? Qt::Horizontal : both);
        Plot->axisRect()->setRangeZoom(on ? Qt::Horizontal : both);
        applyYRange();
        Plot->replot();
    });
    YMinEdit->setEnabled(false);
    YMaxEdit->setEnabled(false);
    const auto yEdited = [this] {
        if (m_settingY || YAutoBox->isChecked()) return;
        applyYRange();
        Plot->replot();
    };
    connect(YMinEdit, &QSpinBox::valueChanged, this, yEdited);
    connect(YMaxEdit, &QSpinBox::valueChanged, this, yEdited);
    // A drag or wheel on the fixed y axis is the user's range: the edits follow it.
    connect(Plot->yAxis, qOverload<const QCPRange&>(&QCPAxis::rangeChanged), this, [this](const QCPRange& r) {
        if (m_settingY || YAutoBox->isChecked()) return;
        m_settingY = true;
        YMinEdit->setValue(static_cast<int>(std::floor(r.lower)));
        YMaxEdit->setValue(static_cast<int>(std::ceil(r.upper)));
        m_settingY = false;
    });

    // While the view stands, the y axis follows what a zoom or pan brings into view.
    connect(Plot->xAxis, qOverload<const QCPRange&>(&QCPAxis::rangeChanged), this, [this] {
        if (paused() && YAutoBox->isChecked() && !m_settingY) applyYRange();
    });
    // Zooming or panning the time axis stops the live view there; a click without a drag puts the
    // cursor.
    connect(Plot, &QCustomPlot::mouseWheel, this, [this] { setPaused(true); });
    connect(Plot, &QCustomPlot::mousePress, this, [this](QMouseEvent* e) { m_pressPos = e->pos(); });
    connect(Plot, &QCustomPlot::mouseMove, this, [this](QMouseEvent* e) {
        if ((e->buttons() & Qt::LeftButton) && (e->pos() - m_pressPos).manhattanLength() > 3) setPaused(true);
    });
    connect(Plot, &QCustomPlot::mouseRelease, this, [this](QMouseEvent* e) {
        if (e->button() != Qt::LeftButton || (e->pos() - m_pressPos).manhattanLength() > 3) return;
        if (!Plot->axisRect()->rect().contains(e->pos())) return;
        setCursorTime(Plot->xAxis->pixelToCoord(e->pos().x()));
    });
    connect(Plot, &QWidget::customContextMenuRequested, this, &TTrendForm::showPlotMenu);
    connect(SaveCsvButton, &QPushButton::clicked, this, [this] { chooseAndSave(true); });
    connect(SavePngButton, &QPushButton::clicked, this, [this] { chooseAndSave(false); });
}

QCPGraph* TTrendForm::graph(int slot) const {
    return slot >= 0 && slot < static_cast<int>(m_drawn.size()) ? m_drawn[static_cast<size_t>(slot)].Graph
                                                                : nullptr;
}

int TTrendForm::spanSeconds() const {
    return SpanBox->currentData().toInt();
}

void TTrendForm::setSpanSeconds(int seconds) {
    const int i = SpanBox->findData(seconds);
    if (i >= 0) SpanBox->setCurrentIndex(i);
}

bool TTrendForm::paused() const {
    return PauseButton->isChecked();
}

void TTrendForm::setPaused(bool paused) {
    PauseButton->setChecked(paused);
}

double TTrendForm::nowSeconds() const {
    return seconds(m_model.nowMs(), m_model.originMs());
}

void TTrendForm::applyClock() {
    if (m_model.traceTime()) {
        auto ticker = QSharedPointer<ClockTicker>::create();
        ticker->setDateTimeFormat(QStringLiteral("HH:mm:ss"));
        ticker->OffsetS = static_cast<double>(m_model.originMs()) / 1000.0;
        Plot->xAxis->setTicker(ticker);
        Plot->xAxis->setLabel(tr("trace time (the recorded time of day)"));
    } else {
        auto ticker = QSharedPointer<QCPAxisTickerTime>::create();
        ticker->setTimeFormat(QStringLiteral("%h:%m:%s"));
        Plot->xAxis->setTicker(ticker);
        Plot->xAxis->setLabel(tr("time since the trend window opened (h:mm:ss)"));
    }
    // The histories started afresh on the new clock.
    for (Drawn& d : m_drawn) {
        if (!d.Graph) continue;
        d.Graph->data()->clear();
        d.Tail->data()->clear();
        d.Synced = 0;
    }
    m_yRecount = 0;
    updateTitle();
}

void TTrendForm::updateTitle() {
    const QString base = parentWidget()      ? tr("Trend - %1").arg(parentWidget()->windowTitle())
                         : m_title.isEmpty() ? tr("Trend")
                                             : m_title;
    setWindowTitle(m_model.traceTime() ? tr("%1 (trace time)").arg(base) : base);
}

void TTrendForm::setTitle(const QString& title) {
    m_title = title;
    updateTitle();
}

void TTrendForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    updateTitle();
    m_redrawTimer->start();
    redraw();
}

void TTrendForm::hideEvent(QHideEvent* event) {
    m_redrawTimer->stop();
    QWidget::hideEvent(event);
}

void TTrendForm::syncChannels() {
    m_yRecount = 0;
    for (int s = 0; s < TTrendModel::MaxChannels; ++s) {
        Drawn& d = m_drawn[static_cast<size_t>(s)];
        const TTrendChannel* c = m_model.channel(s);
        if (d.Graph && (!c || c->Register != d.Register || c->Bit != d.Bit)) {
            Plot->removeGraph(d.Graph);
            Plot->removeGraph(d.Tail);
            d = Drawn{};
        }
        if (!c || d.Graph) continue;
        // Bits keep to their own axis on the right, so a 0/1 line stays readable beside values
        // in the thousands.
        QCPAxis* const valueAxis = c->Bit < 0 ? Plot->yAxis : Plot->yAxis2;
        d.Graph = Plot->addGraph(Plot->xAxis, valueAxis);
        d.Tail = Plot->addGraph(Plot->xAxis, valueAxis);
        d.Tail->removeFromLegend();
        d.Tail->setPen(QPen(SlotColors[static_cast<size_t>(s)], 1.0, Qt::DotLine));
        d.Register = c->Register;
        d.Bit = c->Bit;
        d.Synced = 0;
        d.Graph->setName(m_model.label(*c));
        d.Graph->setPen(QPen(SlotColors[static_cast<size_t>(s)], 1.0));
        // A register holds its value until the next one comes: step lines, as the cursor reads.
        d.Graph->setLineStyle(QCPGraph::lsStepLeft);
        syncData(s);
    }
    // The legend lists the graphs in slot order, whatever order they were added in.
    bool bits = false;
    for (const Drawn& d : m_drawn)
        bits = bits || (d.Graph && d.Bit >= 0);
    Plot->yAxis2->setVisible(bits);
    chooseTicks(m_model, Plot->yAxis);
    Plot->legend->clearItems();
    for (const Drawn& d : m_drawn)
        if (d.Graph) d.Graph->addToLegend();
    updateCursorText();
}

void TTrendForm::relabel() {
    RawBox->setVisible(m_model.hasDescriptions());
    {
        const QSignalBlocker block(RawBox);
        RawBox->setChecked(m_model.raw());
    }
    for (int s = 0; s < TTrendModel::MaxChannels; ++s) {
        Drawn& d = m_drawn[static_cast<size_t>(s)];
        const TTrendChannel* c = m_model.channel(s);
        if (!d.Graph || !c) continue;
        d.Graph->setName(m_model.label(*c));
        // The values change meaning: the graph takes the ring's samples afresh.
        d.Graph->data()->clear();
        d.Synced = 0;
        syncData(s);
    }
    chooseTicks(m_model, Plot->yAxis);
    m_yRecount = 0;
    updateCursorText();
    if (isVisible()) redraw();
}

void TTrendForm::syncData(int slot) {
    Drawn& d = m_drawn[static_cast<size_t>(slot)];
    const TTrendChannel* c = m_model.channel(slot);
    if (!d.Graph || !c) return;
    const TTrendRing& ring = c->Ring;
    const qint64 fresh = ring.appended() - d.Synced;
    const qint64 origin = m_model.originMs();
    QSharedPointer<QCPGraphDataContainer> data = d.Graph->data();
    if (fresh <= 0) {
        // The memory budget may have taken old samples meanwhile.
        if (!ring.isEmpty() && data->size() > ring.size())
            data->removeBefore(seconds(ring.at(0).TimeMs, origin));
        return;
    }
    int from = ring.size() - static_cast<int>(std::min<qint64>(fresh, ring.size()));
    if (fresh > ring.size()) data->clear(); // the ring went round since: take what it holds
    QVector<QCPGraphData> add;
    add.reserve(ring.size() - from);
    for (int i = from; i < ring.size(); ++i) {
        const TTrendSample& s = ring.at(i);
        const double v = m_model.plotted(*c, s.Value);
        add.append(QCPGraphData(seconds(s.TimeMs, origin), v));
        if (c->Bit >= 0) continue; // on the bit axis, whose range is fixed
        m_newLo = m_newFound ? std::min(m_newLo, v) : v;
        m_newHi = m_newFound ? std::max(m_newHi, v) : v;
        m_newFound = true;
    }
    if (!data->isEmpty() && !add.isEmpty() && add.constLast().key <= data->constBegin()->key) {
        // A batch no later than the first point (all in one millisecond) would be put in front of
        // it; the ring's order is the order of time, so the series is set afresh in that order.
        QVector<QCPGraphData> all(data->constBegin(), data->constEnd());
        all += add;
        data->set(all, true);
    } else {
        data->add(add, true);
    }
    // What the ring dropped goes from the graph too.
    if (data->size() > ring.size()) data->removeBefore(seconds(ring.at(0).TimeMs, origin));
    d.Synced = ring.appended();
}

void TTrendForm::applyYRange(bool full) {
    m_settingY = true;
    if (!YAutoBox->isChecked()) {
        double lo = YMinEdit->value();
        double hi = YMaxEdit->value();
        if (hi <= lo) hi = lo + 1;
        Plot->yAxis->setRange(lo, hi);
        m_settingY = false;
        return;
    }
    if (full || m_yRecount <= 0 || !m_dataFound) {
        m_yRecount = 1000 / RedrawIntervalMs;
        const QCPRange keys = Plot->xAxis->range();
        m_dataFound = false;
        const auto take = [this](double lo, double hi) {
            m_dataLo = m_dataFound ? std::min(m_dataLo, lo) : lo;
            m_dataHi = m_dataFound ? std::max(m_dataHi, hi) : hi;
            m_dataFound = true;
        };
        for (const Drawn& d : m_drawn) {
            if (!d.Graph || d.Bit >= 0 || d.Graph->data()->isEmpty()) continue;
            bool found = false;
            const QCPRange r = d.Graph->getValueRange(found, QCP::sdBoth, keys);
            if (found) take(r.lower, r.upper);
            // A graph without a sample in view still stands at its last value before it.
            auto before = d.Graph->data()->findBegin(keys.lower, true);
            if (before != d.Graph->data()->constEnd() && before->key <= keys.lower)
                take(before->value, before->value);
        }
    } else {
        --m_yRecount;
        if (m_newFound) {
            m_dataLo = std::min(m_dataLo, m_newLo);
            m_dataHi = std::max(m_dataHi, m_newHi);
        }
    }
    m_newFound = false;
    double lo = m_dataFound ? m_dataLo : -1.0;
    double hi = m_dataFound ? m_dataHi : 1.0;
    const double margin = hi > lo ? (hi - lo) * 0.05 : 1.0;
    Plot->yAxis->setRange(lo - margin, hi + margin);
    m_settingY = false;
}

void TTrendForm::redraw() {
    for (int s = 0; s < TTrendModel::MaxChannels; ++s)
        syncData(s);
    updateMemoryText();
    if (paused()) return; // the view stands; a drag or zoom shows what came in since
    const double now = nowSeconds();
    for (const Drawn& d : m_drawn) {
        if (!d.Graph || d.Graph->data()->isEmpty()) continue;
        const QCPGraphData last = *(d.Graph->data()->constEnd() - 1);
        d.Tail->setData({last.key, now}, {last.value, last.value}, true);
    }
    Plot->xAxis->setRange(now - spanSeconds(), now);
    applyYRange(false);
    updateCursorText();
    Plot->replot();
}

void TTrendForm::showWhole() {
    for (int s = 0; s < TTrendModel::MaxChannels; ++s)
        syncData(s);
    const double now = nowSeconds();
    for (const Drawn& d : m_drawn) {
        if (!d.Graph || d.Graph->data()->isEmpty()) continue;
        const QCPGraphData last = *(d.Graph->data()->constEnd() - 1);
        d.Tail->setData({last.key, now}, {last.value, last.value}, true);
    }
    m_settingY = true;
    Plot->xAxis->setRange(0, std::max(now, 1.0));
    m_settingY = false;
    applyYRange();
    updateCursorText();
    Plot->replot();
}

void TTrendForm::updateMemoryText() {
    // Once the trends' memory is used up, the oldest values of all make room: how far back this
    // window's trend still goes.
    qint64 oldest = 0;
    bool dropped = false;
    for (int s = 0; s < TTrendModel::MaxChannels; ++s) {
        const TTrendChannel* c = m_model.channel(s);
        if (!c || c->Ring.isEmpty() || c->Ring.droppedToBudget() == 0) continue;
        oldest = dropped ? std::min(oldest, c->Ring.at(0).TimeMs) : c->Ring.at(0).TimeMs;
        dropped = true;
    }
    MemoryLabel->setVisible(dropped);
    if (!dropped) return;
    const qint64 back = std::max<qint64>(0, m_model.nowMs() - oldest) / 1000;
    MemoryLabel->setText(
        tr("The trends' memory (%1 MB for all device windows) is full; the oldest values make room for new "
           "ones. This trend goes back %2:%3:%4.")
            .arg(TTrendBudget::shared().limitBytes() / (1024 * 1024))
            .arg(back / 3600)
            .arg(back / 60 % 60, 2, 10, QLatin1Char('0'))
            .arg(back % 60, 2, 10, QLatin1Char('0')));
}

void TTrendForm::setCursorTime(double t) {
    if (std::isnan(t)) {
        m_cursor->setVisible(false);
    } else {
        m_cursorTime = t;
        m_cursor->point1->setCoords(t, 0);
        m_cursor->point2->setCoords(t, 1);
        m_cursor->setVisible(true);
    }
    updateCursorText();
    Plot->replot();
}

void TTrendForm::updateCursorText() {
    if (!m_cursor->visible()) {
        CursorLabel->setText(tr("Click into the plot to read the values at a time."));
        return;
    }
    const qint64 atMs = m_model.originMs() + static_cast<qint64>(std::llround(m_cursorTime * 1000.0));
    QString text = tr("<b>%1 s</b> (%2):")
                       .arg(m_cursorTime, 0, 'f', 3)
                       .arg(QDateTime::fromMSecsSinceEpoch(atMs).toString(QStringLiteral("HH:mm:ss.zzz")));
    for (int s = 0; s < TTrendModel::MaxChannels; ++s) {
        const TTrendChannel* c = m_model.channel(s);
        if (!c) continue;
        const int i = c->Ring.indexAt(atMs);
        const QString value = i < 0 ? QStringLiteral("-") : m_model.valueText(*c, c->Ring.at(i).Value);
        text += QStringLiteral("&nbsp;&nbsp; <span style=\"color:%1\">&#9632;</span> %2 = <b>%3</b>")
                    .arg(SlotColors[static_cast<size_t>(s)].name(), m_model.label(*c).toHtmlEscaped(), value);
    }
    CursorLabel->setText(text);
}

QString TTrendForm::cursorText() const {
    return CursorLabel->text();
}

void TTrendForm::showPlotMenu(const QPoint& pos) {
    QMenu menu(this);
    AddHelpEntries(menu);
    for (int s = 0; s < TTrendModel::MaxChannels; ++s) {
        const TTrendChannel* c = m_model.channel(s);
        if (!c) continue;
        const int reg = c->Register;
        const int bit = c->Bit;
        QMenu* sub = menu.addMenu(m_model.label(*c));
        sub->addAction(tr("Remove from the trend"), this, [this, s] { m_model.removeChannel(s); });
        if (bit >= 0) sub->addAction(tr("Plot the value"), this, [this, reg] { m_model.addRegister(reg); });
        QMenu* bits = sub->addMenu(tr("Plot one bit"));
        for (int b = 0; b < 16; ++b)
            bits->addAction(tr("Bit %1").arg(b), this, [this, reg, b] { m_model.addRegister(reg, b); });
    }
    if (m_cursor->visible()) {
        menu.addSeparator();
        menu.addAction(tr("Remove the cursor"), this,
                       [this] { setCursorTime(std::numeric_limits<double>::quiet_NaN()); });
    }
    if (!menu.isEmpty()) menu.exec(Plot->mapToGlobal(pos));
}

bool TTrendForm::saveCsv(const QString& path, QString* error) const {
    return FileReplace::write(
        path,
        [this](QIODevice& out) {
            return TTrendCsv::write(out, TTrendCsv::columns(m_model), m_model.originMs());
        },
        error);
}

bool TTrendForm::savePng(const QString& path, QString* error) {
    const QPixmap picture = Plot->toPixmap();
    return FileReplace::write(
        path, [&picture](QIODevice& out) { return picture.save(&out, "PNG"); }, error);
}

void TTrendForm::chooseAndSave(bool csv) {
    if (m_lastFolder.isEmpty()) m_lastFolder = QDir::currentPath();
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const QString suggested =
        m_lastFolder +
        QStringLiteral("/trend-%1.%2").arg(stamp, csv ? QStringLiteral("csv") : QStringLiteral("png"));
    const QString path = QFileDialog::getSaveFileName(
        this, csv ? tr("Save as CSV") : tr("Save as PNG"), QDir::cleanPath(suggested),
        csv ? tr("CSV files (*.csv)") : tr("PNG pictures (*.png)"));
    if (path.isEmpty()) return;
    m_lastFolder = QFileInfo(path).absolutePath();
    QString error;
    if (!(csv ? saveCsv(path, &error) : savePng(path, &error)))
        QMessageBox::warning(this, windowTitle(), error);
}
