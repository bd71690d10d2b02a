// The device window's trend: plotting registers from the blocks' menus and Ctrl+P, and the
// recording that goes on while the trend window is closed.

#include "ModbusForm.h"

#include "device/TrendForm.h"
#include "trend/TrendModel.h"
#include "ui/CellMatrix.h"

#include <QAction>

void TModbusForm::offerTrend() {
    PlotAction = new QAction(tr("Plot the selected registers"), this);
    PlotAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    PlotAction->setShortcutContext(Qt::WindowShortcut);
    connect(PlotAction, &QAction::triggered, this, [this] { plotSelection(); });
    addAction(PlotAction);

    // The blocks' menus name the register under the mouse: eventFilter() aims these actions before
    // a menu opens. The analog block's menu also holds the serial read.
    PlotAnaAction = new QAction(this);
    PlotDigiAction = new QAction(this);
    PlotBitAction = new QAction(this);
    for (QAction* a : {PlotAnaAction, PlotDigiAction, PlotBitAction})
        connect(a, &QAction::triggered, this, [this, a] {
            const QList<int> target = a->data().value<QList<int>>();
            if (target.size() == 2) plotRegister(target[0], target[1]);
        });
    AnaCells->insertAction(ReadAnalogAction, PlotAnaAction);
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    AnaCells->insertAction(ReadAnalogAction, separator);
    AnaCells->installEventFilter(this);
    DigiCells->addAction(PlotDigiAction);
    DigiCells->addAction(PlotBitAction);
    DigiCells->setContextMenuPolicy(Qt::ActionsContextMenu);
    DigiCells->installEventFilter(this);

    // A plain click on one block ends the selection in the other as well.
    connect(AnaCells, &TCellMatrix::clicked, this, [this] { DigiCells->clearSelection(); });
    connect(DigiCells, &TCellMatrix::clicked, this, [this] { AnaCells->clearSelection(); });
}

bool TModbusForm::aimPlotActions(const TCellMatrix* matrix, QPoint pos) {
    const int i = matrix->cellAt(pos);
    int reg = -1;
    int bit = -1;
    if (matrix == AnaCells && i >= 0 && i < AnaLenNum) reg = AnaStartNum + i;
    if (matrix == DigiCells && i >= 0 && i / DigiBits < DigiLenNum) {
        reg = DigiStartNum + i / DigiBits;
        bit = i % DigiBits;
    }
    const bool valid = reg >= 0 && reg < RegisterCount;
    const QString label = valid ? TTrendModel::registerLabel(reg) : QString();
    QAction* const regAction = matrix == AnaCells ? PlotAnaAction : PlotDigiAction;
    regAction->setText(tr("Plot register %1").arg(label));
    regAction->setData(QVariant::fromValue(QList<int>{reg, -1}));
    regAction->setVisible(valid);
    if (matrix == DigiCells) {
        PlotBitAction->setText(tr("Plot register %1, bit %2").arg(label).arg(bit));
        PlotBitAction->setData(QVariant::fromValue(QList<int>{reg, bit}));
        PlotBitAction->setVisible(valid);
    }
    return valid;
}

TTrendForm* TModbusForm::showTrend() {
    if (!m_trend) {
        m_trend = std::make_unique<TTrendModel>(m_session.image());
        describeTrend();
    }
    if (!TrendForm) TrendForm = new TTrendForm(*m_trend, m_programDir, this);
    TrendForm->show();
    TrendForm->raise();
    TrendForm->activateWindow();
    return TrendForm;
}

bool TModbusForm::addToTrend(int reg, int bit) {
    if (!m_trend) {
        m_trend = std::make_unique<TTrendModel>(m_session.image());
        describeTrend();
    }
    if (m_trend->addRegister(reg, bit) >= 0) return true;
    memoAdd(tr("Trend: %n registers plotted already", nullptr, TTrendModel::MaxChannels));
    return false;
}

bool TModbusForm::plotRegister(int reg, int bit) {
    const bool added = addToTrend(reg, bit);
    showTrend();
    return added;
}

QList<int> TModbusForm::selectedRegisters() const {
    QList<int> regs;
    const auto add = [&regs](int r) {
        if (r >= 0 && r < RegisterCount && !regs.contains(r)) regs.append(r);
    };
    for (int k : AnaCells->selectedCells())
        if (k < AnaLenNum) add(AnaStartNum + k);
    for (int j : DigiCells->selectedCells())
        if (j / DigiBits < DigiLenNum) add(DigiStartNum + j / DigiBits);
    return regs;
}

void TModbusForm::plotSelection() {
    QList<int> regs = selectedRegisters();
    if (regs.isEmpty())
        for (int k = 0; k < 4 && k < AnaLenNum; ++k)
            regs.append(AnaStartNum + k);
    for (int r : regs)
        if (!addToTrend(r)) break;
    showTrend();
}
