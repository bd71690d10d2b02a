#include "UartPanel.h"

#include "core/Language.h"
#include "serial/ComPort.h"
#include "ui/MemoLimit.h"
#include "ui/SpinEdit.h"

#include <QCheckBox>
#include <QFont>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QTextDocument>
#include <QToolButton>

#include <algorithm>

namespace {

QFont boldFont(const QFont& base) {
    QFont f = base;
    f.setBold(true);
    return f;
}

// The stop glyph of AbortKey: a small red cross, and the same in grey when disabled.
QIcon abortGlyph() {
    QIcon icon;
    for (const auto& [mode, colour] :
         {std::pair{QIcon::Normal, QColor(200, 0, 0)}, std::pair{QIcon::Disabled, QColor(128, 128, 128)}}) {
        QPixmap pm(11, 11);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setPen(QPen(colour, 2));
        p.drawLine(2, 2, 8, 8);
        p.drawLine(8, 2, 2, 8);
        p.end();
        icon.addPixmap(pm, mode);
    }
    return icon;
}

} // namespace

TUartPanel::TUartPanel(QWidget* parent) : QGroupBox(parent) {
    setTitle(FixedCaption(QT_TRANSLATE_NOOP("FixedCaption", "UART")));
    resize(273, 169);

    MyCommPort = new TComPort(this);

    RxLabel2 = new QLabel(FixedCaption(QT_TRANSLATE_NOOP("FixedCaption", "Com:")), this);
    RxLabel2->setFont(boldFont(font()));
    RxLabel2->move(24, 18);
    RxLabel2->adjustSize();

    RCom = new TSpinEdit(this);
    RCom->setObjectName(QStringLiteral("RCom"));
    RCom->setRange(0, 255);
    RCom->setValue(1);
    RCom->setGeometry(64, 16, 41, 21);

    RGBaud = new QGroupBox(FixedCaption(QT_TRANSLATE_NOOP("FixedCaption", "Baud")), this);
    RGBaud->setObjectName(QStringLiteral("RGBaud"));
    QFont small = font();
    small.setPixelSize(9);
    RGBaud->setFont(small);
    RGBaud->setGeometry(120, 16, 73, 57);
    for (int i = 0; i < static_cast<int>(RGBaudItem.size()); ++i) {
        RGBaudItem[i] = new QRadioButton(QString::number(BaudRates[i]), RGBaud);
        RGBaudItem[i]->setGeometry(8, 15 + 18 * i, 60, 16);
        connect(RGBaudItem[i], &QRadioButton::clicked, this, &TUartPanel::RGBaudClick);
    }
    RGBaudItem[1]->setChecked(true);
    MyCommPort->setBaud(BaudRates[1]);

    CBLockRS = new QCheckBox(FixedCaption(QT_TRANSLATE_NOOP("FixedCaption", "LockRS")), this);
    CBLockRS->setObjectName(QStringLiteral("CBLockRS"));
    CBLockRS->setFont(boldFont(font()));
    CBLockRS->setGeometry(32, 46, 73, 17);

    AbortKey = new QToolButton(this);
    AbortKey->setObjectName(QStringLiteral("AbortKey"));
    AbortKey->setIcon(abortGlyph());
    AbortKey->setIconSize(QSize(11, 11));
    AbortKey->setGeometry(8, 80, 17, 17);
    AbortKey->setToolTip(tr("Abort"));
    AbortKey->hide();

    PBRs = new QProgressBar(this);
    PBRs->setObjectName(QStringLiteral("PBRs"));
    PBRs->setGeometry(40, 80, 73, 17);
    PBRs->setRange(0, 100);
    PBRs->setValue(0);
    PBRs->setTextVisible(false);

    // Memo2 reaches past the group's right edge in the design; it keeps that geometry and is
    // clipped by the group.
    Memo2 = new QPlainTextEdit(this);
    Memo2->setObjectName(QStringLiteral("Memo2"));
    QFont courier(QStringLiteral("Courier"));
    courier.setStyleHint(QFont::TypeWriter);
    courier.setBold(true);
    Memo2->setFont(courier);
    Memo2->setGeometry(162, 88, 167, 73);

    TimeWait = new TSpinEdit(this);
    TimeWait->setObjectName(QStringLiteral("TimeWait"));
    TimeWait->setRange(0, 9999);
    TimeWait->setValue(10);
    TimeWait->setGeometry(10, 140, 55, 21);

    RxLabel6 = new QLabel(FixedCaption(QT_TRANSLATE_NOOP("FixedCaption", "TimeWait")), this);
    RxLabel6->setFont(boldFont(font()));
    RxLabel6->move(81, 148);
    RxLabel6->adjustSize();

    connect(RCom, &TSpinEdit::valueChanged, this, &TUartPanel::RComChange);
    connect(CBLockRS, &QCheckBox::toggled, this, &TUartPanel::CBLockRSClick);
    connect(Memo2, &QPlainTextEdit::textChanged, this, &TUartPanel::Memo2Change);
    connect(AbortKey, &QToolButton::clicked, this, &TUartPanel::AbortKeyClick);
}

TUartPanel::~TUartPanel() = default;

int TUartPanel::RGBaudItemIndex() const {
    for (int i = 0; i < static_cast<int>(RGBaudItem.size()); ++i) {
        if (RGBaudItem[i]->isChecked()) return i;
    }
    return -1;
}

void TUartPanel::RGBaudClick() {
    const int index = RGBaudItemIndex();
    if (index >= 0) MyCommPort->setBaud(BaudRates[index]);
}

void TUartPanel::RComChange() {
    // The port stays closed, also with LockRS ticked, until LockRS is clicked again.
    MyCommPort->setOpen(false);
    MyCommPort->setComNumber(RCom->value());
}

void TUartPanel::CBLockRSClick() {
    MyCommPort->setOpen(CBLockRS->isChecked());
}

void TUartPanel::Memo2Change() {
    if (Memo2->document()->blockCount() > MemoMaxLines) Memo2->clear();
}

int32_t TUartPanel::rsTimeWait() const {
    return TimeWait->value();
}

void TUartPanel::rsBegin() {
    AbortRequested = false;
    AbortKey->show();
}

void TUartPanel::rsProgressRange(int32_t total) {
    PBRs->setMaximum(total);
    PBRs->setValue(0);
}

void TUartPanel::rsProgress(int32_t done) {
    // The count can pass the maximum by the appended zero byte; the bar stays full then.
    PBRs->setValue(std::min(done, PBRs->maximum()));
}

void TUartPanel::rsEnd() {
    AbortKey->hide();
    AbortRequested = false;
}

void TUartPanel::AbortKeyClick() {
    // Honoured by the running exchange at its next point that handles window messages; every
    // exchange starts with the request cleared.
    AbortRequested = true;
}
