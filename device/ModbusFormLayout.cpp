// The device window's state and layout: the controls of its design, the run-time cell families,
// showing and closing, and the log memo.

#include "ModbusForm.h"

#include "core/CanIdText.h"
#include "core/ColorTables.h"
#include "core/Language.h"
#include "device/ParametersForm.h"
#include "device/TrendForm.h"
#include "params/RestoreRun.h"
#include "trend/TrendModel.h"
#include "ui/CellMatrix.h"
#include "ui/FixedLayoutArea.h"
#include "ui/FormStorage.h"
#include "ui/MemoLimit.h"
#include "ui/SpinEdit.h"
#include "ui/WidgetCaptions.h"
#include "ui/WindowOcclusion.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QTableWidget>
#include <QTextBlock>
#include <QTimer>
#include <QToolTip>

#include <cstddef>
#include <utility>

namespace {

constexpr int ClientWidth = 856;
constexpr int ClientHeight = 610;

// Where the two cell matrices sit in GroupBox; the cell rectangles below are relative to them.
constexpr QPoint DigiOrigin(10, 30);
constexpr QPoint AnaOrigin(10, 305);

// Bit cell j = 16·m + b: column m is register DigiStart + m, bit 0 at the top; a 3-pixel gap after
// every fourth column and between bits 7 and 8.
QRect digiCellRect(int j) {
    const int m = j / DigiBits;
    const int b = j % DigiBits;
    return {10 + 16 * m + 3 * (m / 4), 30 + 16 * b + 3 * (b / 8), 13, 13};
}

// Analog cell k: registers run down a column of eight, then on to the next column.
QRect anaCellRect(int k) {
    return {10 + 67 * (k / 8), 305 + 32 * (k % 8), 61, 25};
}

QLabel* makeLabel(QWidget* parent, const QString& text, int left, int top, int pixelSize = 0) {
    auto* label = new QLabel(text, parent);
    if (pixelSize > 0) {
        QFont f = label->font();
        f.setPixelSize(pixelSize);
        label->setFont(f);
    }
    label->move(left, top);
    label->adjustSize();
    return label;
}

TSpinEdit* makeSpin(QWidget* parent, QRect geometry, int minimum, int maximum, int value) {
    auto* spin = new TSpinEdit(parent);
    spin->setGeometry(geometry);
    spin->setRange(minimum, maximum);
    spin->setValue(value);
    return spin;
}

QPushButton* makeButton(QWidget* parent, const QString& caption, QRect geometry) {
    auto* button = new QPushButton(caption, parent);
    button->setGeometry(geometry);
    return button;
}

} // namespace

// The controls of the window's design that the parameter display and the log use. They are made
// before FormCreate runs, with their design-time values; their handlers are attached afterwards, so
// the design values do not run them.
void TModbusForm::createDesignControls() {
    Memo1 = new QPlainTextEdit(this);
    Memo1->setGeometry(7, 536, 258, 65);
    QFont memoFont(QStringLiteral("Arial"));
    memoFont.setPixelSize(12);
    Memo1->setFont(memoFont);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    // The summary line is rewritten for every message: an undo history would only grow.
    Memo1->setUndoRedoEnabled(false);

    GroupBox = new QGroupBox(FixedCaption(QT_TRANSLATE_NOOP("FixedCaption", "Текущие параметры")), this);
    GroupBox->setGeometry(280, 5, 569, 596);
    HexLab = new QRadioButton(FixedCaption(QT_TRANSLATE_NOOP("FixedCaption", "Hex")), GroupBox);
    HexLab->setGeometry(20, 565, 50, 17);
    HexLab->setChecked(true);
    DecLab = new QRadioButton(FixedCaption(QT_TRANSLATE_NOOP("FixedCaption", "Dec")), GroupBox);
    DecLab->setGeometry(68, 565, 50, 17);

    GroupBox3 = new QGroupBox(FixedCaption(QT_TRANSLATE_NOOP("FixedCaption", "Данные")), this);
    GroupBox3->setGeometry(7, 365, 258, 160);
    QWidget* g = GroupBox3;
    constexpr int labelPx = 12;
    // The block captions end in the notation, "HEX" or "DEC" (HexaDec).
    const QString hexUnit = QStringLiteral("HEX");
    AnaStartLaba = makeLabel(g, FixedCaption(QT_TRANSLATE_NOOP("FixedCaption", "Начало анал. ")) + hexUnit,
                             10, 20, labelPx);
    AnaStart = makeSpin(g, {10, 35, 50, 24}, 0, 127, 24);
    AnaStart24 = makeButton(g, QStringLiteral("24"), {61, 34, 24, 24});
    AnaStart64 = makeButton(g, QStringLiteral("64"), {86, 34, 24, 24});
    AnaLenLaba = makeLabel(g, FixedCaption(QT_TRANSLATE_NOOP("FixedCaption", "Длина анал. ")) + hexUnit, 10,
                           65, labelPx);
    AnaLen = makeSpin(g, {10, 80, 75, 24}, 1, 64, 64);
    AnaLen64 = makeButton(g, QStringLiteral("64"), {86, 80, 24, 24});
    DigiStartLaba = makeLabel(g, FixedCaption(QT_TRANSLATE_NOOP("FixedCaption", "Начало дискр. ")) + hexUnit,
                              130, 20, labelPx);
    DigiStart = makeSpin(g, {130, 35, 75, 24}, 0, 127, 0);
    DigiStart0 = makeButton(g, QStringLiteral("0"), {206, 35, 24, 24});
    DigiLenLaba = makeLabel(g, FixedCaption(QT_TRANSLATE_NOOP("FixedCaption", "Длина дискр. ")) + hexUnit,
                            130, 65, labelPx);
    DigiLen = makeSpin(g, {130, 80, 50, 24}, 1, 32, 24);
    DigiLen24 = makeButton(g, QStringLiteral("24"), {181, 80, 24, 24});
    DigiLen32 = makeButton(g, QStringLiteral("32"), {206, 80, 24, 24});
    ColorBox = new QCheckBox(FixedCaption(QT_TRANSLATE_NOOP("FixedCaption", "Подсветка")), g);
    ColorBox->setGeometry(10, 110, 90, 24);
    ColorBox->setChecked(true);
    FadeBox = new QCheckBox(FixedCaption(QT_TRANSLATE_NOOP("FixedCaption", "Затухание")), g);
    FadeBox->setGeometry(10, 130, 90, 24);
    FadeBox->setChecked(true);
    Label9 =
        makeLabel(g, FixedCaption(QT_TRANSLATE_NOOP("FixedCaption", "Время затухания")), 130, 110, labelPx);
    FadeSpin = makeSpin(g, {130, 125, 60, 24}, 0, 10, 5);

    myTimer = new TSharedTimer(this);
    myTimer->setInterval(10);
}

// Attaches the handlers of the design controls (the window's design events).
void TModbusForm::connectDesignControls() {
    TModbusForm* f = this;
    QObject::connect(Memo1, &QPlainTextEdit::textChanged, f, [f] { f->Memo1Change(); });
    Memo1->viewport()->installEventFilter(f);

    // A radio button's click handler runs when it becomes checked, by the user or from code.
    QObject::connect(HexLab, &QRadioButton::toggled, f, [f](bool on) {
        if (on) f->HexLabClick();
    });
    QObject::connect(DecLab, &QRadioButton::toggled, f, [f](bool on) {
        if (on) f->DecLabClick();
    });

    QObject::connect(AnaStart, &QSpinBox::valueChanged, f, [f] { f->AnaStartChange(); });
    QObject::connect(AnaLen, &QSpinBox::valueChanged, f, [f] { f->AnaLenChange(); });
    QObject::connect(DigiStart, &QSpinBox::valueChanged, f, [f] { f->DigiStartChange(); });
    QObject::connect(DigiLen, &QSpinBox::valueChanged, f, [f] { f->DigiLenChange(); });
    QObject::connect(AnaStart24, &QPushButton::clicked, f, [f] { f->AnaStart24Click(); });
    QObject::connect(AnaStart64, &QPushButton::clicked, f, [f] { f->AnaStart64Click(); });
    QObject::connect(AnaLen64, &QPushButton::clicked, f, [f] { f->AnaLen64Click(); });
    QObject::connect(DigiStart0, &QPushButton::clicked, f, [f] { f->DigiStart0Click(); });
    QObject::connect(DigiLen24, &QPushButton::clicked, f, [f] { f->DigiLen24Click(); });
    QObject::connect(DigiLen32, &QPushButton::clicked, f, [f] { f->DigiLen32Click(); });

    // A check box's click handler runs whenever its state changes, also from code: the highlight
    // settings rely on that cascade.
    QObject::connect(ColorBox, &QCheckBox::toggled, f, [f] { f->ColorBoxClick(); });
    QObject::connect(FadeBox, &QCheckBox::toggled, f, [f] { f->FadeBoxClick(); });
    QObject::connect(FadeSpin, &QSpinBox::valueChanged, f, [f] { f->FadeSpinChange(); });

    QObject::connect(myTimer, &TSharedTimer::timeout, f, [f] { f->myTimerTimer(); });
}

namespace {

QLabel* makeColumnLabel(QWidget* parent, const QPalette& navy) {
    auto* label = new QLabel(parent);
    label->setPalette(navy);
    return label;
}

} // namespace

TModbusForm::TModbusForm(TProject& project, const QString& programDir, QWidget* parent)
    : QWidget(parent, Qt::Window), m_project(project), m_colors(ColorTables()), m_programDir(programDir) {
    QFont windowFont = font();
    windowFont.setPixelSize(11);
    setFont(windowFont);
    // Centred on the screen unless a stored placement applies (FormStorage2 sees to both).
    resize(ClientWidth, ClientHeight);
    createDesignControls();
    connectDesignControls();

    // ---- FormCreate ----
    // 1. The window's timer runs from the start.
    myTimer->start();
    m_memoTimer = new TSharedTimer(this);
    m_memoTimer->setInterval(10);
    connect(m_memoTimer, &TSharedTimer::timeout, this, &TModbusForm::memoTick);

    // 2. The placement of every device window is kept in section "Modbus" of Quorvex.ini.
    FormStorage2 = new TFormStorage(this);
    FormStorage2->setIniFileName(programDir + QStringLiteral("Quorvex.ini"));
    FormStorage2->setIniSection(QStringLiteral("Modbus"));

    // 3. Colour tables.
    (void)ColorTables();

    // 4. No register is highlighted.
    m_session.image().clearHighlight();
    m_session.setView(this);
    m_session.onAutoRepeat = [this] { SetButtonDo(); };

    // 5. Register numbers over the discrete columns.
    QPalette navy = palette();
    navy.setColor(QPalette::WindowText, QColor(0, 0, 128));
    for (int m = 0; m < DigiColumns; ++m) {
        QLabel* label = makeColumnLabel(GroupBox, navy);
        label->move(10 + 16 * m + 3 * (m / 4), 15);
        label->setProperty("Tag", m);
        DigiLab[static_cast<size_t>(m)] = label;
    }
    DigiLabWrite();

    // 6. The 512 bit cells, one painted matrix.
    DigiCells = new TCellMatrix(GroupBox);
    for (int j = 0; j < DigiColumns * DigiBits; ++j)
        DigiCells->addCell(digiCellRect(j).translated(-DigiOrigin));
    DigiCells->setGeometry(QRect(DigiOrigin, DigiCells->sizeHint()));
    connect(DigiCells, &TCellMatrix::clicked, this, [this](int j) { DigValue(j); });

    // 7. Register numbers over the analog columns.
    for (int i = 0; i < AnaColumns; ++i) {
        QLabel* label = makeColumnLabel(GroupBox, navy);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setGeometry(10 + 67 * i, 290, 61, label->fontMetrics().height());
        label->setProperty("Tag", i);
        AnaLab[static_cast<size_t>(i)] = label;
    }
    AnaLabWrite();

    // 8. The 64 analog cells, one painted matrix, numbers at 12 points (16 pixels).
    AnaCells = new TCellMatrix(GroupBox);
    QFont cellFont = AnaCells->font();
    cellFont.setPixelSize(16);
    AnaCells->setFont(cellFont);
    for (int k = 0; k < AnaCellCount; ++k)
        AnaCells->addCell(anaCellRect(k).translated(-AnaOrigin));
    AnaCells->setGeometry(QRect(AnaOrigin, AnaCells->sizeHint()));
    connect(AnaCells, &TCellMatrix::clicked, this, [this](int k) { AnaValue(k); });

    // 9. The write editor with its 16 bit boxes; 13. its grid rows and row selectors.
    createEditorControls();

    // 10. The command buttons; 12. the rename edit.
    createCommandControls();

    // 11. Labels, edit notation and quick-button captions for the Hex/Dec choice.
    DigiLabWrite();
    AnaLabWrite();
    HexaDec();

    // 14. The highlight mode follows FadeSpin.
    FadeSpinChange();

    offerSerialRead();
    offerTrend();
    offerProfile();
    offerParameters();
    nameControls();
    editorToolTips();
    // Captions wider than their place are drawn smaller; a window made smaller than its layout
    // (a small screen) scrolls.
    FitWidgetCaptions(this);
    TFixedLayoutArea::wrap(this, QSize(ClientWidth, ClientHeight));
}

void TModbusForm::editorToolTips() {
    Memo1->setToolTip(tr("The window's log. Rest the mouse on a \"%1\" or \"%2\" line to see what was sent; "
                         "double-click to clear the log.")
                          .arg(FixedCaption(QT_TRANSLATE_NOOP("FixedCaption", "Setting settings...")),
                               FixedCaption(QT_TRANSLATE_NOOP("FixedCaption", "Command commands..."))));
    RadioUp->setToolTip(tr("Up: SET sends on the device's transmission identifier (TX), as the device "
                           "itself would."));
    RadioDn->setToolTip(tr("Dn: SET sends on the device's reception identifier (RX), to the device."));
    const QString autoCaption = FixedCaption(QT_TRANSLATE_NOOP("FixedCaption", "Auto"));
    AutoBox->setToolTip(
        tr("%1: repeat SET every period (the field to the left, in 10 ms ticks) while checked.")
            .arg(autoCaption));
    AutoTimeEdit->setToolTip(
        tr("The period of %1, in 10 ms ticks (100 = about once a second).").arg(autoCaption));
    SetButton->setToolTip(tr("Write the words of the grid (as many as the data length) to the register at "
                             "the address."));
    DataLenEdit->setToolTip(tr("How many words of the grid SET writes."));
    DiggAddrEdit->setToolTip(tr("The register SET writes first (hexadecimal)."));
}

void TModbusForm::nameControls() {
    const std::pair<QObject*, const char*> controls[] = {
        {Memo1, "Memo1"},         {GroupBox, "GroupBox"},         {HexLab, "HexLab"},
        {DecLab, "DecLab"},       {GroupBox2, "GroupBox2"},       {AdreLaba, "AdreLaba"},
        {dataLaba, "dataLaba"},   {DiggAddrEdit, "DiggAddrEdit"}, {DataGrid, "DataGrid"},
        {BitGroup, "BitGroup"},   {SetButton, "SetButton"},       {Panel1, "Panel1"},
        {RadioUp, "RadioUp"},     {RadioDn, "RadioDn"},           {Label1, "Label1"},
        {DataLenEdit, "DataLenEdit"}, {AutoTimeEdit, "AutoTimeEdit"}, {AutoBox, "AutoBox"},
        {GroupBox1, "GroupBox1"}, {GroupBox3, "GroupBox3"},       {AnaStartLaba, "AnaStartLaba"},
        {AnaStart, "AnaStart"},   {AnaStart24, "AnaStart24"},     {AnaStart64, "AnaStart64"},
        {AnaLenLaba, "AnaLenLaba"}, {AnaLen, "AnaLen"},           {AnaLen64, "AnaLen64"},
        {DigiStartLaba, "DigiStartLaba"}, {DigiStart, "DigiStart"}, {DigiStart0, "DigiStart0"},
        {DigiLenLaba, "DigiLenLaba"}, {DigiLen, "DigiLen"},       {DigiLen24, "DigiLen24"},
        {DigiLen32, "DigiLen32"}, {ColorBox, "ColorBox"},         {FadeBox, "FadeBox"},
        {Label9, "Label9"},       {FadeSpin, "FadeSpin"},         {FormStorage2, "FormStorage2"},
        {myTimer, "myTimer"},     {RenameEdit, "RenameEdit"},     {DigiCells, "DigiCells"},
        {AnaCells, "AnaCells"},
    };
    for (const auto& [control, name] : controls)
        if (control != nullptr) control->setObjectName(QLatin1String(name));
    const auto nameFamily = [](const auto& family, const char* name) {
        for (size_t i = 0; i < family.size(); ++i)
            if (family[i] != nullptr) family[i]->setObjectName(QLatin1String(name) + QString::number(i));
    };
    nameFamily(DigiLab, "DigiLab");
    nameFamily(AnaLab, "AnaLab");
    nameFamily(DigiBox, "DigiBox");
    nameFamily(CommButt, "CommButt");
    nameFamily(BitBut, "BitBut");
}

TModbusForm::~TModbusForm() {
    // The trend window refers to the recording, the Parameters view to the session and the
    // profile: they go first.
    delete TrendForm;
    delete ParametersView;
}

void TModbusForm::FormShow() {
    myTimer->start();
    AnaStartNum = AnaStart->value();
    DigiStartNum = DigiStart->value();
    AnaLenNum = AnaLen->value();
    DigiLenNum = DigiLen->value();
    for (size_t i = 0; i < DigiBox.size(); ++i)
        if (DigiBox[i])
            DigiBox[i]->setText(FixedCaption(QT_TRANSLATE_NOOP("FixedCaption", "Bit ")) + QString::number(i));
    fitBitBoxes();
    AnaLenChange();
    DigiLenChange();
    AnaStartChange();
    DigiStartChange();
    FadeSpinChange();
    if (DataLenEdit) {
        DataLenEdit->setMaximum(Protokol == Protocol3 ? 4 : 3);
        DataLenEditChange();
    }
    if (BitBut[0]) BitBut[0]->setChecked(true);
    if (DataGrid) DataGrid->setFocus(Qt::OtherFocusReason);
}

void TModbusForm::FormClose() {
    myTimer->stop();
}

void TModbusForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    TWindowOcclusion::watch(this, [this](bool covered) {
        m_covered = covered;
        setOutOfSight(covered || isMinimized());
    });
    TWindowOcclusion::watchVisiblePart(Memo1, [this](const QRegion& part) { memoPartInView(part); });
    // A window restored from the task bar is no new showing.
    if (!event->spontaneous()) FormShow();
}

void TModbusForm::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) setOutOfSight(m_covered || isMinimized());
}

void TModbusForm::closeEvent(QCloseEvent* event) {
    FormClose();
    // The window is hidden, not destroyed: its register image waits for the next showing.
    event->accept();
}

bool TModbusForm::eventFilter(QObject* watched, QEvent* event) {
    if (Memo1 && watched == Memo1->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        Memo1DblClick();
        return true;
    }
    if (Memo1 && watched == Memo1->viewport() && event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QString detail = memoDetailAt(help->pos());
        QToolTip::showText(help->globalPos(), detail.isEmpty() ? Memo1->toolTip() : detail, Memo1);
        return true;
    }
    if (event->type() == QEvent::ContextMenu && (watched == AnaCells || watched == DigiCells)) {
        const bool onRegister =
            aimPlotActions(static_cast<TCellMatrix*>(watched), static_cast<QContextMenuEvent*>(event)->pos());
        // The discrete block's menu offers nothing but the register under the mouse.
        if (watched == DigiCells && !onRegister) return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TModbusForm::Memo1Change() {
    const QTextDocument* doc = Memo1->document();
    const int lines = doc->isEmpty() ? 0 : doc->blockCount();
    if (lines > MemoMaxLines) Memo1->clear();
}

void TModbusForm::Memo1DblClick() {
    // A summary still waiting would have been written before the click: it goes with the rest.
    m_memoDirty = false;
    Memo1->clear();
}

void TModbusForm::memoAdd(const QString& line) {
    flushMemo();
    Memo1->appendPlainText(line);
}

namespace {

// What a memo line stands for; kept with the line's block, valid while the block holds that line.
class TMemoDetail final : public QTextBlockUserData {
public:
    TMemoDetail(QString line, QString detail) : Line(std::move(line)), Detail(std::move(detail)) {}
    QString Line;
    QString Detail;
};

} // namespace

void TModbusForm::memoDetail(const QString& detail) {
    QTextBlock block = Memo1->document()->lastBlock();
    block.setUserData(new TMemoDetail(block.text(), detail));
}

QString TModbusForm::memoDetailAt(QPoint pos) const {
    const QTextBlock block = Memo1->cursorForPosition(pos).block();
    const auto* data = dynamic_cast<const TMemoDetail*>(block.userData());
    // The summary line is rewritten in place: a detail left on a rewritten block is no longer its.
    return data != nullptr && data->Line == block.text() ? data->Detail : QString();
}

QString FrameText(const TCanFrame& frame) {
    QStringList bytes;
    for (int i = 0; i < frame.DLC && i < 8; ++i)
        bytes << QStringLiteral("%1").arg(frame.Data[i], 2, 16, QLatin1Char('0')).toUpper();
    return QCoreApplication::translate("TModbusForm", "identifier %1, data %2")
        .arg(CanIdText(frame.ID), bytes.join(QLatin1Char(' ')));
}
