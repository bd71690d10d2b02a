// The register write editor of the device window: address, four data words, data length, bit
// field, SET and the automatic repetition of SET.

#include "ModbusForm.h"

#include "can/ToolsCan.h"
#include "core/DeviceMessage.h"
#include "core/EditorText.h"
#include "core/Language.h"
#include "core/Project.h"
#include "ui/SpinEdit.h"
#include "ui/WidgetCaptions.h"

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStyledItemDelegate>
#include <QTableWidget>

#include <array>
#include <cstdint>

namespace {

// The character a key press would type, as the grid's key filter sees it: Ctrl+letter gives the
// control code (Ctrl+C = 3, Ctrl+V = 22, Ctrl+X = 24), Backspace gives 8. Keys that type nothing
// (arrows, Home, Delete, function keys) and the keys the grid itself acts on (Tab, Enter, Esc) give
// a null character: they are not characters and pass unfiltered.
QChar typedChar(const QKeyEvent* e) {
    const int key = e->key();
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Return || key == Qt::Key_Enter ||
        key == Qt::Key_Escape)
        return {};
    if (key == Qt::Key_Backspace) return QChar(8);
    const Qt::KeyboardModifiers mods = e->modifiers();
    if ((mods & Qt::ControlModifier) && !(mods & Qt::AltModifier) && key >= Qt::Key_A && key <= Qt::Key_Z)
        return QChar(key - Qt::Key_A + 1);
    const QString text = e->text();
    if (text.size() != 1) return {};
    return text.at(0);
}

// Runs the grid's key filter on a key press; true when the key is to be discarded.
bool discardKey(TModbusForm* form, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    QChar ch = typedChar(static_cast<QKeyEvent*>(event));
    if (ch.isNull()) return false;
    form->DataGridKeyPress(ch);
    return ch.isNull();
}

// Filters the keys typed into the grid while no cell editor is open, so that a discarded character
// does not open the editor either.
class GridKeyFilter final : public QObject {
public:
    GridKeyFilter(TModbusForm* form, QObject* parent) : QObject(parent), m_form(form) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (discardKey(m_form, event)) return true;
        return QObject::eventFilter(watched, event);
    }

private:
    TModbusForm* m_form;
};

// The cell editor and cell painting of DataGrid. The editor reports every change of its text to
// DataGridSetEditText and mirrors the cell, so a corrected text shows at once.
class DataGridDelegate final : public QStyledItemDelegate {
public:
    DataGridDelegate(TModbusForm* form, QObject* parent) : QStyledItemDelegate(parent), m_form(form) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                          const QModelIndex& index) const override {
        const int row = index.row();
        m_form->DataGridGetEditText(row);
        auto* edit = new QLineEdit(parent);
        edit->setFrame(false);
        QObject::connect(edit, &QLineEdit::textEdited, m_form,
                         [form = m_form, row](const QString& text) { form->DataGridSetEditText(row, text); });
        m_editor = edit;
        m_editorRow = row;
        return edit;
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        showText(static_cast<QLineEdit*>(editor), index.data(Qt::EditRole).toString());
    }

    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override {
        const QString text = static_cast<QLineEdit*>(editor)->text();
        if (index.data(Qt::EditRole).toString() != text) model->setData(index, text, Qt::EditRole);
    }

    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex&) const override {
        editor->setGeometry(option.rect);
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        m_form->DataGridDrawCell(*painter, option.rect, index.row());
    }

    // Shows a text replaced by the editing rules in the open editor of that row, if there is one.
    void showInEditor(int row, const QString& text) const {
        if (m_editor && m_editorRow == row) showText(m_editor, text);
    }

protected:
    bool eventFilter(QObject* editor, QEvent* event) override {
        if (discardKey(m_form, event)) return true;
        return QStyledItemDelegate::eventFilter(editor, event);
    }

private:
    // A changed text is shown whole, caret after its last character and nothing selected; an
    // unchanged one leaves caret and selection where they are.
    static void showText(QLineEdit* edit, const QString& text) {
        if (edit->text() == text) return;
        edit->setText(text);
        edit->deselect();
        edit->setCursorPosition(static_cast<int>(text.size()));
    }

    TModbusForm* m_form;
    mutable QPointer<QLineEdit> m_editor;
    mutable int m_editorRow = -1;
};

QLabel* makeLabel(QWidget* parent, const QString& text, int left, int top) {
    auto* label = new QLabel(text, parent);
    label->move(left, top);
    label->adjustSize();
    return label;
}

// The bit boxes stand in columns this far apart, each box five pixels wider: a box reaches under
// the left edge of its right neighbour.
constexpr int BitBoxPitch = 55;

TSpinEdit* makeSpin(QWidget* parent, int left, int top, int minimum, int maximum, int value) {
    auto* spin = new TSpinEdit(parent);
    spin->setGeometry(left, top, 60, 24);
    spin->setRange(minimum, maximum);
    spin->setValue(value);
    return spin;
}

} // namespace

void TModbusForm::createEditorControls() {
    GroupBox2 = new QGroupBox(FixedCaption(QT_TRANSLATE_NOOP("FixedCaption", "Bit field")), this);
    GroupBox2->setGeometry(7, 5, 258, 110);
    for (int k = 0; k < 16; ++k) {
        auto* box = new QCheckBox(GroupBox2);
        box->setGeometry(20 + BitBoxPitch * (k / 4), 20 + 20 * (k % 4), 60, 20);
        box->setToolTip(m_project.DigiBut[static_cast<size_t>(k)]);
        box->setProperty("Tag", k);
        connect(box, &QCheckBox::toggled, this, [this, k] {
            if (!m_loadingBits) DigiClick(k);
        });
        DigiBox[static_cast<size_t>(k)] = box;
    }

    AdreLaba = makeLabel(this, FixedCaption(QT_TRANSLATE_NOOP("FixedCaption", "Adres HEX")), 10, 120);
    dataLaba = makeLabel(this, FixedCaption(QT_TRANSLATE_NOOP("FixedCaption", "Data DEC")), 75, 120);
    DiggAddrEdit = makeSpin(this, 10, 135, 0, 191, 0);

    DataGrid = new QTableWidget(GridRows, 1, this);
    DataGrid->setGeometry(75, 135, 60, 72);
    DataGrid->horizontalHeader()->hide();
    DataGrid->verticalHeader()->hide();
    DataGrid->horizontalHeader()->setMinimumSectionSize(1);
    DataGrid->verticalHeader()->setMinimumSectionSize(1);
    DataGrid->verticalHeader()->setDefaultSectionSize(16);
    DataGrid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    DataGrid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    DataGrid->setColumnWidth(0, 70);
    DataGrid->setShowGrid(true);
    DataGrid->setTabKeyNavigation(true);
    DataGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    DataGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    DataGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    DataGrid->setSelectionBehavior(QAbstractItemView::SelectItems);
    DataGrid->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                              QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    DataGrid->setItemDelegate(new DataGridDelegate(this, DataGrid));
    DataGrid->installEventFilter(new GridKeyFilter(this, DataGrid));
    for (int r = 0; r < GridRows; ++r)
        DataGrid->setItem(r, 0, new QTableWidgetItem(QStringLiteral("0")));
    connect(DataGrid, &QTableWidget::currentCellChanged, this, [this](int row, int, int, int) {
        if (row >= 0) DataGridSelectCell(row);
    });

    BitGroup = new QWidget(this);
    BitGroup->setGeometry(135, 135, 20, 72);
    for (int r = 0; r < GridRows; ++r) {
        auto* radio = new QRadioButton(BitGroup);
        radio->setGeometry(0, 2 + 17 * r, 17, 17);
        radio->setProperty("Tag", r);
        radio->raise();
        connect(radio, &QRadioButton::toggled, this, [this, r](bool checked) {
            if (checked) BitButClick(r);
        });
        BitBut[static_cast<size_t>(r)] = radio;
    }
    for (int r = 1; r < GridRows; ++r)
        QWidget::setTabOrder(BitBut[static_cast<size_t>(r - 1)], BitBut[static_cast<size_t>(r)]);

    SetButton = new QPushButton(FixedCaption(QT_TRANSLATE_NOOP("FixedCaption", "SET")), this);
    SetButton->setGeometry(153, 135, 65, 40);
    QFont bold = SetButton->font();
    bold.setBold(true);
    SetButton->setFont(bold);
    connect(SetButton, &QPushButton::clicked, this, [this] { SetButtonClick(); });

    Panel1 = new QWidget(this);
    Panel1->setGeometry(225, 136, 35, 40);
    RadioUp = new QRadioButton(FixedCaption(QT_TRANSLATE_NOOP("FixedCaption", "Up")), Panel1);
    RadioUp->setGeometry(0, 2, 113, 17);
    RadioDn = new QRadioButton(FixedCaption(QT_TRANSLATE_NOOP("FixedCaption", "Dn")), Panel1);
    RadioDn->setGeometry(0, 20, 113, 17);
    RadioDn->setChecked(true);

    Label1 = makeLabel(this, FixedCaption(QT_TRANSLATE_NOOP("FixedCaption", "Data length")), 10, 168);
    DataLenEdit = makeSpin(this, 10, 183, 0, 4, 1);
    connect(DataLenEdit, &QSpinBox::valueChanged, this, [this] { DataLenEditChange(); });
    AutoTimeEdit = makeSpin(this, 158, 183, 0, 99999, 100);
    connect(AutoTimeEdit, &QSpinBox::valueChanged, this, [this] { AutoTimeEditChange(); });

    AutoBox = new QCheckBox(FixedCaption(QT_TRANSLATE_NOOP("FixedCaption", "Auto")), this);
    AutoBox->setGeometry(225, 187, 40, 17);
    connect(AutoBox, &QCheckBox::toggled, this, [this](bool on) {
        m_session.setAutoRepeat(on);
        myTimer->wake(); // the repetition counts the timer's ticks
    });
}

void TModbusForm::fitBitBoxes() {
    // A box of the first three columns has the pitch of the columns as the room of its caption; the
    // last column has its whole width.
    for (size_t k = 0; k < DigiBox.size(); ++k) {
        QCheckBox* box = DigiBox[k];
        if (box == nullptr) continue;
        const QSize size = box->size();
        if (k < 12) box->resize(BitBoxPitch, size.height());
        FitWidgetCaptions(box);
        box->resize(size);
    }
}

int32_t TModbusForm::BitRow() const {
    return m_bitRow;
}

void TModbusForm::SetButtonClick() {
    SetButtonDo();
}

void TModbusForm::SetButtonDo() {
    memoAdd(FixedCaption(QT_TRANSLATE_NOOP("FixedCaption", "Setting settings...")));

    std::array<int16_t, 4> values{};
    for (int r = 0; r < GridRows; ++r) {
        const int64_t v = EditorCellValue(DataGrid->item(r, 0)->text());
        values[static_cast<size_t>(r)] = static_cast<int16_t>(static_cast<uint16_t>(v & 0xFFFF));
    }
    const TDeviceMessage request = TDeviceSession::writeRequest(static_cast<uint16_t>(DiggAddrEdit->value()),
                                                                DataLenEdit->value(), values, !RadioUp->isChecked());
    const TCanSendStatus sent = m_session.write(request);
    QStringList words;
    for (int r = 0; r < DataLenEdit->value() && r < GridRows; ++r)
        words << QString::number(static_cast<uint16_t>(values[static_cast<size_t>(r)]));
    memoDetail(tr("SET: register 0x%1 and on: %2 (%3)\nFrame: %4")
                   .arg(QStringLiteral("%1").arg(DiggAddrEdit->value(), 2, 16, QLatin1Char('0')),
                        words.join(QStringLiteral(", ")), (RadioUp->isChecked() ? RadioUp : RadioDn)->text(),
                        FrameText(CanTx[0])));
    if (sent.failed()) memoAdd(sent.text());
}

void TModbusForm::DataGridKeyPress(QChar& key) {
    if (!EditorTakesChar(key.unicode())) key = QChar();
}

void TModbusForm::DataGridSetEditText(int row, const QString& text) {
    if (row < 0 || row >= GridRows || m_gridFixing) return;
    const TEditorCell fixed = EditorFixText(text);
    const QString& t = fixed.Text;
    const int64_t v = fixed.Value;

    // The cell follows the editor keystroke by keystroke; a replaced text shows in the editor at once.
    m_gridFixing = true;
    DataGrid->item(row, 0)->setText(t);
    if (t != text)
        if (auto* d = dynamic_cast<DataGridDelegate*>(DataGrid->itemDelegate())) d->showInEditor(row, t);
    m_gridFixing = false;
    DigiBoxWrite(static_cast<int32_t>(v & 0xFFFF));
}

void TModbusForm::DataGridGetEditText(int row) {
    DataGridSelectCell(row);
}

void TModbusForm::DataGridSelectCell(int row) {
    if (row < 0 || row >= GridRows || row == m_bitRow) return;
    BitBut[static_cast<size_t>(row)]->setChecked(true);
}

void TModbusForm::DataGridDrawCell(QPainter& painter, const QRect& rect, int row) const {
    const QPalette& pal = DataGrid->palette();
    // The system window colours: the background of an edit field and its text.
    painter.fillRect(rect, pal.color(QPalette::Base));
    painter.setPen(pal.color(QPalette::Text));
    const QTableWidgetItem* item = DataGrid->item(row, 0);
    if (item)
        painter.drawText(rect.adjusted(2, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                         item->text());
}

void TModbusForm::DataLenEditChange() {
    const int n = DataLenEdit->value();
    const int shown = n < 1 ? 1 : (n > GridRows ? GridRows : n);
    const int current = DataGrid->currentRow();
    if (current >= shown) DataGrid->setCurrentCell(shown - 1, 0);
    for (int r = 0; r < GridRows; ++r)
        DataGrid->setRowHidden(r, r >= shown);
    if (m_bitRow > n - 1 && n >= 1) BitBut[static_cast<size_t>(n - 1)]->setChecked(true);
    for (int r = 0; r < GridRows; ++r) {
        QRadioButton* sel = BitBut[static_cast<size_t>(r)];
        sel->setEnabled(r <= n - 1);
        sel->setVisible(r <= n - 1);
    }
}

void TModbusForm::BitButClick(int r) {
    if (r < 0 || r >= GridRows) return;
    if (r != m_bitRow) m_bitRow = r;
    const int64_t v = EditorCellValue(DataGrid->item(r, 0)->text());
    DigiBoxWrite(static_cast<int32_t>(v & 0xFFFF));
}

void TModbusForm::DigiClick(int /*k*/) {
    int32_t value = 0;
    for (int k = 0; k < 16; ++k)
        if (DigiBox[static_cast<size_t>(k)]->isChecked()) value |= 1 << k;
    DataGrid->item(m_bitRow, 0)->setText(QString::number(value));
}

void TModbusForm::DigiBoxWrite(int32_t value) {
    const bool wasLoading = m_loadingBits;
    m_loadingBits = true;
    for (int k = 0; k < 16; ++k)
        DigiBox[static_cast<size_t>(k)]->setChecked(((value >> k) & 1) != 0);
    m_loadingBits = wasLoading;
}

void TModbusForm::AutoTimeEditChange() {
    const int period = AutoTimeEdit->value();
    if (period == 0) AutoBox->setChecked(false);
    m_session.setAutoPeriod(period);
    myTimer->wake();
}
