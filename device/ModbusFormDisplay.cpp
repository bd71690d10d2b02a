// The parameter display of the device window: the analog and discrete blocks painted from the
// register image, their ranges and labels, the Hex/Dec choice, the highlight settings and the fade.

#include "ModbusForm.h"

#include "core/ColorTables.h"
#include "core/Language.h"
#include "ui/CellMatrix.h"
#include "ui/SpinEdit.h"

#include <QCheckBox>
#include <QLabel>
#include <QMetaObject>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTextBlock>
#include <QTextCursor>
#include <QTimer>

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <utility>

namespace {

constexpr qint64 MemoIntervalMs = 100;

// Table indices: a level outside 0..FadeLevels or an unknown direction never reads past a table.
int levelIndex(int32_t level) {
    return level < 0 ? 0 : (level > FadeLevels ? FadeLevels : level);
}
int directionIndex(int32_t direction) {
    return direction != 0 ? 1 : 0;
}

QString hex(int value, int digits) {
    return QStringLiteral("%1").arg(value, digits, 16, QLatin1Char('0')).toUpper();
}

void setGridRow(QTableWidget* grid, int row, const QString& text) {
    if (!grid) return;
    if (QTableWidgetItem* item = grid->item(row, 0))
        item->setText(text);
    else
        grid->setItem(row, 0, new QTableWidgetItem(text));
}

} // namespace

// ---- messages ----------------------------------------------------------------------------------

inline void TModbusForm::showMessage(const TDeviceMessage& msg, const TRegisterImage::TWritten& written) {
    // The memo's first line shows the last message. It is written after the messages of this pass
    // of the event loop, and while messages keep coming at most every MemoIntervalMs: a summary
    // that changes faster than that cannot be read anyway. A memo that other windows partly cover
    // takes its turn in the rewrites all such texts share (TRewriteBudget).
    myTimer->wake(); // the registers written fade
    m_memoMsg = msg;
    m_memoMsgCount = m_session.msgCount();
    m_memoDirty = true;
    if (!m_memoFlushQueued && !m_outOfSight && !m_memoHidden) {
        m_memoFlushQueued = true;
        const qint64 interval = memoIntervalMs();
        if (!m_memoWritten.isValid() || m_memoWritten.elapsed() >= interval)
            QMetaObject::invokeMethod(this, [this] { memoTick(); }, Qt::QueuedConnection);
        else
            m_memoTimer->start(); // on the shared clock, so all windows write in the same wake-up
    }

    for (int i = 0; i < written.Count; ++i)
        paintRegister(written.Registers[static_cast<size_t>(i)]);
}

void TModbusForm::ReceiveCanData(const TDeviceMessage& msg) {
    showMessage(msg, m_session.takeReceived(msg));
}

void TModbusForm::sessionMessage(const TDeviceMessage& msg, const TRegisterImage::TWritten& written) {
    showMessage(msg, written);
}

void TModbusForm::paintRegister(int r) {
    const TRegCell& cell = m_session.image().cell(r);
    const int k = r - AnaStartNum;
    if (k >= 0 && k < AnaLenNum && AnaCells) {
        AnaCells->setCellNumber(k, cell.Value);
        AnaCells->setCellColor(k, m_colors.AnaColor[static_cast<size_t>(levelIndex(cell.Age))]
                                                   [static_cast<size_t>(directionIndex(cell.Direction))]);
    }
    const int m = r - DigiStartNum;
    if (m >= 0 && m < DigiLenNum) DigiColWrite(static_cast<uint16_t>(cell.Value), m, cell.Age, cell.Direction);
}

qint64 TModbusForm::memoIntervalMs() const {
    return m_memoBudget.intervalMs(MemoIntervalMs);
}

void TModbusForm::memoPartInView(const QRegion& part) {
    m_memoHidden = part.isEmpty();
    m_memoBudget.setPartlyCovered(!m_memoHidden && part != QRegion(Memo1->rect()));
    if (!m_memoHidden && !m_outOfSight) flushMemo();
}

void TModbusForm::memoTick() {
    if (m_memoWritten.isValid() && m_memoWritten.elapsed() < memoIntervalMs()) return;
    m_memoTimer->stop();
    m_memoFlushQueued = false;
    if (!m_outOfSight && !m_memoHidden) flushMemo();
}

void TModbusForm::setOutOfSight(bool outOfSight) {
    if (outOfSight == m_outOfSight) return;
    m_outOfSight = outOfSight;
    for (TCellMatrix* m : {AnaCells, DigiCells})
        if (m) m->setDrawingSuspended(outOfSight);
    // The summary waits while nobody can read it.
    if (outOfSight) {
        m_memoTimer->stop();
        m_memoFlushQueued = false;
    } else if (!m_memoHidden) {
        flushMemo();
    }
}

void TModbusForm::flushMemo() {
    if (!m_memoDirty || !Memo1) return;
    m_memoDirty = false;
    m_memoWritten.restart();
    const TDeviceMessage& m = m_memoMsg;
    const QString line = hex(m.Address, 2) + QLatin1Char(' ') + hex(static_cast<uint16_t>(m.Values[0]), 4) +
                         QLatin1Char(' ') + hex(static_cast<uint16_t>(m.Values[1]), 4) + QLatin1Char(' ') +
                         hex(static_cast<uint16_t>(m.Values[2]), 4) + QStringLiteral(" - ") +
                         QString::number(m_memoMsgCount);
    // One edit block: the cursor's place on screen is worked out once at its end, not after each
    // step (most of the cost otherwise).
    // The end of the block is found by position: a move by the cursor would lay out the old line
    // first.
    const QTextBlock first = Memo1->document()->firstBlock();
    QTextCursor cursor(first);
    cursor.beginEditBlock();
    cursor.setPosition(first.position() + first.length() - 1, QTextCursor::KeepAnchor);
    cursor.insertText(line);
    cursor.endEditBlock();
}

// ---- painting the blocks -----------------------------------------------------------------------

void TModbusForm::AnaRewrite() {
    if (!AnaCells) return;
    const TColorTables& colors = ColorTables();
    for (int k = 0; k < AnaCellCount; ++k) {
        const int r = AnaStartNum + k;
        if (k < AnaLenNum && r >= 0 && r < RegisterCount) {
            const TRegCell& cell = m_session.image().cell(r);
            AnaCells->setCellNumber(k, cell.Value);
            AnaCells->setCellColor(k, colors.AnaColor[static_cast<size_t>(levelIndex(cell.Age))]
                                                     [static_cast<size_t>(directionIndex(cell.Direction))]);
        } else {
            AnaCells->setCellText(k, QString());
            AnaCells->setCellColor(k, SilverColor);
        }
    }
}

void TModbusForm::DigiRewrite() {
    if (!DigiCells) return;
    for (int m = 0; m < DigiColumns; ++m) {
        const int r = DigiStartNum + m;
        if (m < DigiLenNum && r >= 0 && r < RegisterCount) {
            const TRegCell& cell = m_session.image().cell(r);
            DigiColWrite(static_cast<uint16_t>(cell.Value), m, cell.Age, cell.Direction);
        } else {
            for (int b = 0; b < DigiBits; ++b)
                DigiCells->setCellColor(DigiBits * m + b, SilverColor);
        }
    }
}

void TModbusForm::DigiColWrite(uint16_t value, int32_t column, int32_t level, int32_t direction) {
    if (!DigiCells || column < 0 || column >= DigiColumns) return;
    const TColorTables& colors = m_colors;
    const auto a = static_cast<size_t>(levelIndex(level));
    const QRgb one = colors.OneColor[a];
    const QRgb zero = colors.ZeroColor[a][static_cast<size_t>(directionIndex(direction))];
    for (int b = 0; b < DigiBits; ++b)
        DigiCells->setCellColor(DigiBits * column + b, ((value >> b) & 1) ? one : zero);
}

// ---- column labels -----------------------------------------------------------------------------

void TModbusForm::AnaLabWrite() {
    if (AnaStart->value() + AnaLen->value() > RegisterCount)
        AnaLen->setValue(RegisterCount - AnaStart->value());
    const bool dec = DecLab->isChecked();
    for (int i = 0; i < AnaColumns; ++i) {
        QLabel* label = AnaLab[static_cast<size_t>(i)];
        if (!label) continue;
        const int n = AnaStart->value() + 8 * i;
        if (n >= RegisterCount)
            label->clear();
        else
            label->setText(dec ? QString::number(n) : QStringLiteral("0x") + hex(n, 2));
    }
}

void TModbusForm::DigiLabWrite() {
    const bool dec = DecLab->isChecked();
    for (int m = 0; m < DigiColumns; ++m) {
        QLabel* label = DigiLab[static_cast<size_t>(m)];
        if (!label) continue;
        const int n = DigiStart->value() + m;
        if (n >= RegisterCount)
            label->clear();
        else
            label->setText(dec ? QString::number(n) : hex(n, 2));
        label->adjustSize();
    }
}

// ---- block ranges: first register + length stay within the 128 registers ----------------------

void TModbusForm::AnaStartChange() {
    if (AnaStart->value() + AnaLen->value() > RegisterCount)
        AnaLen->setValue(RegisterCount - AnaStart->value());
    AnaStartNum = AnaStart->value();
    AnaLabWrite();
    AnaRewrite();
}

void TModbusForm::AnaLenChange() {
    if (AnaStart->value() + AnaLen->value() > RegisterCount)
        AnaStart->setValue(RegisterCount - AnaLen->value());
    AnaLenNum = AnaLen->value();
    AnaRewrite();
}

void TModbusForm::DigiStartChange() {
    if (DigiStart->value() + DigiLen->value() > RegisterCount)
        DigiLen->setValue(RegisterCount - DigiStart->value());
    DigiStartNum = DigiStart->value();
    DigiLabWrite();
    DigiRewrite();
}

void TModbusForm::DigiLenChange() {
    if (DigiStart->value() + DigiLen->value() > RegisterCount)
        DigiStart->setValue(RegisterCount - DigiLen->value());
    DigiLenNum = DigiLen->value();
    DigiRewrite();
}

void TModbusForm::AnaStart24Click() {
    AnaStart->setValue(24);
}
void TModbusForm::AnaStart64Click() {
    AnaStart->setValue(64);
}
void TModbusForm::AnaLen64Click() {
    AnaLen->setValue(64);
}
void TModbusForm::DigiStart0Click() {
    DigiStart->setValue(0);
}
void TModbusForm::DigiLen24Click() {
    DigiLen->setValue(24);
}
void TModbusForm::DigiLen32Click() {
    DigiLen->setValue(32);
}

// ---- Hex/Dec -----------------------------------------------------------------------------------

void TModbusForm::DecLabClick() {
    DigiLabWrite();
    AnaLabWrite();
    HexaDec();
}

void TModbusForm::HexLabClick() {
    DigiLabWrite();
    AnaLabWrite();
    HexaDec();
}

void TModbusForm::HexaDec() {
    // Only the notation of register numbers changes; every edit keeps its number.
    TSpinEdit* const edits[] = {DiggAddrEdit, AnaStart, AnaLen, DigiStart, DigiLen};
    int values[std::size(edits)] = {};
    for (size_t i = 0; i < std::size(edits); ++i)
        if (edits[i]) values[i] = edits[i]->value();

    const bool dec = DecLab->isChecked();
    for (TSpinEdit* e : edits)
        if (e) e->setHexMode(!dec);
    const QString unit = dec ? QStringLiteral("DEC") : QStringLiteral("HEX");
    if (AdreLaba) {
        AdreLaba->setText(dec ? FixedCaption(QT_TRANSLATE_NOOP("FixedCaption", "Adres.DEC"))
                              : FixedCaption(QT_TRANSLATE_NOOP("FixedCaption", "Adres.HEX")));
        AdreLaba->adjustSize();
    }
    if (dataLaba) {
        dataLaba->setText(FixedCaption(QT_TRANSLATE_NOOP("FixedCaption", "Data.DEC")));
        dataLaba->adjustSize();
    }
    // The captions of the block ranges end in the notation.
    const std::pair<QLabel*, QString> captions[] = {
        {AnaStartLaba, FixedCaption(QT_TRANSLATE_NOOP("FixedCaption", "Начало анал. "))},
        {AnaLenLaba, FixedCaption(QT_TRANSLATE_NOOP("FixedCaption", "Длина анал. "))},
        {DigiStartLaba, FixedCaption(QT_TRANSLATE_NOOP("FixedCaption", "Начало дискр. "))},
        {DigiLenLaba, FixedCaption(QT_TRANSLATE_NOOP("FixedCaption", "Длина дискр. "))},
    };
    for (const auto& [label, text] : captions) {
        label->setText(text + unit);
        label->adjustSize();
    }
    AnaStart24->setText(dec ? QStringLiteral("24") : QStringLiteral("18"));
    AnaStart64->setText(dec ? QStringLiteral("64") : QStringLiteral("40"));
    AnaLen64->setText(dec ? QStringLiteral("64") : QStringLiteral("40"));
    DigiStart0->setText(QStringLiteral("0"));
    DigiLen24->setText(dec ? QStringLiteral("24") : QStringLiteral("18"));
    DigiLen32->setText(dec ? QStringLiteral("32") : QStringLiteral("20"));

    for (size_t i = 0; i < std::size(edits); ++i)
        if (edits[i]) edits[i]->setValue(values[i]);
}

// ---- clicking a cell: load the register and the three after it into the write editor ---------

void TModbusForm::AnaValue(int k) {
    // A silver cell shows no register.
    if (k < 0 || k >= AnaLenNum || k >= AnaCellCount) return;
    const int r = AnaStartNum + k;
    if (r < 0 || r >= RegisterCount) return;
    if (DiggAddrEdit) DiggAddrEdit->setValue(r);
    for (int row = 0; row < GridRows; ++row) {
        // Rows past register 127 show 0.
        const int reg = r + row;
        const int32_t value = reg < RegisterCount ? m_session.image().cell(reg).Value : 0;
        setGridRow(DataGrid, row, QString::number(value));
        if (row == BitRow()) DigiBoxWrite(value);
    }
}

void TModbusForm::DigValue(int j) {
    if (j < 0 || j >= DigiColumns * DigiBits) return;
    const int m = j / DigiBits;
    if (m >= DigiLenNum) return; // a silver column shows no register
    const int r = DigiStartNum + m;
    if (r < 0 || r >= RegisterCount) return;
    if (DiggAddrEdit) DiggAddrEdit->setValue(r);
    for (int row = GridRows - 1; row >= 0; --row) {
        const int reg = r + row;
        const int32_t value =
            reg < RegisterCount ? static_cast<uint16_t>(m_session.image().cell(reg).Value) : 0;
        setGridRow(DataGrid, row, QString::number(value));
        if (row == BitRow()) DigiBoxWrite(value);
    }
}

// ---- highlight settings: FadeSpin is the one source, the two check boxes follow and steer it --

void TModbusForm::FadeSpinChange() {
    const int32_t speed = FadeSpin->value();
    m_session.image().setFadeSpeed(speed);
    myTimer->wake(); // the next fade tick steps at once
    if (speed == 0) {
        FadeBox->setChecked(false);
        ColorBox->setChecked(false);
    } else {
        FadeBox->setChecked(speed != FadeHold);
    }
}

void TModbusForm::ColorBoxClick() {
    if (ColorBox->isChecked()) {
        if (!FadeBox->isChecked()) FadeSpin->setValue(FadeHold);
    } else {
        FadeSpin->setValue(0);
    }
}

void TModbusForm::FadeBoxClick() {
    if (FadeBox->isChecked()) {
        ColorBox->setChecked(true);
        if (FadeSpin->value() == FadeHold || FadeSpin->value() == 0) FadeSpin->setValue(5);
    } else if (ColorBox->isChecked()) {
        FadeSpin->setValue(FadeHold);
    }
}

// ---- fade --------------------------------------------------------------------------------------

void TModbusForm::myTimerTimer() {
    // Ticks the timer slept through changed nothing but the countdowns (see below).
    if (const qint64 skipped = myTimer->skippedTicks(); skipped > 0) m_session.skipTicks(skipped);
    autoRepeatStep();
    fadeCountdown();
    // Nothing fades and nothing repeats: the timer sleeps until a message, a read of the device
    // or the user gives it work, so an idle window does not wake the program a hundred times a
    // second.
    if (!m_session.clockNeeded()) myTimer->sleep();
}

void TModbusForm::fadeCountdown() {
    // A fade tick on every 11th timer event, with the fade time of FadeSpin.
    const std::bitset<RegisterCount> faded = m_session.fadeStep();
    if (faded.none()) return;
    for (int r = 0; r < RegisterCount; ++r)
        if (faded.test(static_cast<size_t>(r))) paintRegister(r);
}
