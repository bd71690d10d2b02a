#include "ParametersForm.h"

#include "ParametersModel.h"

#include "core/SharedTimer.h"
#include "profile/DeviceProfile.h"
#include "session/DeviceSession.h"
#include "session/RegisterList.h"
#include "ui/ToolWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace {

// The value editor: the names of an enum register in a list, a line for every other type. Enter
// writes the value; Esc or leaving the editor drops it (a write to a device is never made by
// clicking elsewhere).
class ValueDelegate final : public QStyledItemDelegate {
public:
    explicit ValueDelegate(TParametersModel* model, QObject* parent)
        : QStyledItemDelegate(parent), m_model(model) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        const TRegisterInfo* info = m_model->info(index.row());
        if (info == nullptr || info->Type != TRegisterType::Enum)
            return QStyledItemDelegate::createEditor(parent, option, index);
        auto* box = new QComboBox(parent);
        for (const auto& e : info->Enum)
            box->addItem(e.second);
        return box;
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        if (auto* box = qobject_cast<QComboBox*>(editor))
            box->setCurrentText(index.data(Qt::EditRole).toString());
        else
            QStyledItemDelegate::setEditorData(editor, index);
    }
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override {
        if (auto* box = qobject_cast<QComboBox*>(editor))
            model->setData(index, box->currentText(), Qt::EditRole);
        else
            QStyledItemDelegate::setModelData(editor, model, index);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusOut) {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason) return false;
            auto* editor = qobject_cast<QWidget*>(watched);
            // Still inside the editor (its list): not left.
            if (editor != nullptr && !editor->isAncestorOf(QApplication::focusWidget())) {
                emit closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
                return false;
            }
        }
        return QStyledItemDelegate::eventFilter(watched, event);
    }

private:
    TParametersModel* m_model;
};

} // namespace

TParametersForm::TParametersForm(TDeviceSession& session, QWidget* parent)
    : QWidget(parent, Qt::Window), m_session(session) {
    m_model = new TParametersModel(session.image(), this);
    m_model->onEdited = [this](int reg, const QString& text) { (void)writeValue(reg, text); };

    FilterEdit = new QLineEdit(this);
    FilterEdit->setPlaceholderText(tr("Filter: a name, or registers (24, 0x18, 89-126)"));
    FilterEdit->setClearButtonEnabled(true);
    Table = new QTableView(this);
    Table->setModel(m_model);
    Table->setItemDelegateForColumn(TParametersModel::ValueColumn, new ValueDelegate(m_model, Table));
    Table->setSelectionBehavior(QAbstractItemView::SelectRows);
    Table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Double-click is handled here (any column of a row edits its value); F2 edits too.
    Table->setEditTriggers(QAbstractItemView::EditKeyPressed);
    Table->setWordWrap(false);
    Table->verticalHeader()->hide();
    Table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Table->verticalHeader()->setDefaultSectionSize(Table->fontMetrics().height() + 6);
    QHeaderView* h = Table->horizontalHeader();
    h->setStretchLastSection(false);
    h->setSectionResizeMode(QHeaderView::Interactive);
    h->setSectionResizeMode(TParametersModel::NameColumn, QHeaderView::Stretch);
    const int digit = Table->fontMetrics().horizontalAdvance(QLatin1Char('0'));
    const std::array<std::pair<int, int>, 5> widths{{{TParametersModel::RegisterColumn, 11},
                                                     {TParametersModel::ValueColumn, 14},
                                                     {TParametersModel::UnitColumn, 7},
                                                     {TParametersModel::RawColumn, 9},
                                                     {TParametersModel::AccessColumn, 7}}};
    for (const auto& [column, digits] : widths)
        Table->setColumnWidth(column, digit * digits);
    StatusLabel = new QLabel(this);
    StatusLabel->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(FilterEdit);
    layout->addWidget(Table, 1);
    buildMapEditor(layout);
    layout->addWidget(StatusLabel);

    connect(FilterEdit, &QLineEdit::textChanged, this, &TParametersForm::applyFilter);
    connect(Table, &QAbstractItemView::doubleClicked, this, &TParametersForm::editRow);

    m_refresh = new TSharedTimer(this);
    m_refresh->setInterval(RefreshMs);
    connect(m_refresh, &TSharedTimer::timeout, this, [this] {
        if (!isMinimized()) refresh();
    });
    resize(640, 700);
    MakeToolWindow(this);
    setProfile(nullptr);
}

void TParametersForm::setProfile(const TDeviceProfile* profile) {
    m_saved = profile;
    showMap(profile != nullptr ? std::make_unique<TDeviceProfile>(*profile) : nullptr,
            profile != nullptr ? profile->path() : QString(), false);
    say(profile != nullptr
            ? QString()
            : tr("This device has no register map: choose one with \"Register map…\" in the device "
                 "window's context menu, or make one with \"New register map…\"."),
        false);
}

void TParametersForm::updateCaption() {
    const TDeviceProfile* p = m_model->profile();
    QString title = tr("Parameters");
    if (p != nullptr) title += QStringLiteral(" - ") + p->device();
    if (parentWidget() != nullptr && !parentWidget()->windowTitle().isEmpty())
        title += QStringLiteral(" - ") + parentWidget()->windowTitle();
    setWindowTitle(title);
}

void TParametersForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    updateCaption();
    refresh();
    m_refresh->start();
}

void TParametersForm::hideEvent(QHideEvent* event) {
    m_refresh->stop();
    QWidget::hideEvent(event);
}

void TParametersForm::refresh() {
    m_model->refresh();
}

void TParametersForm::applyFilter() {
    const QString text = FilterEdit->text().trimmed();
    QList<int> numbers;
    QString error;
    const bool isList =
        !text.isEmpty() &&
        ParseRegisterList(text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts),
                          &numbers, &error);
    for (int row = 0; row < m_model->rowCount(); ++row) {
        const TRegisterInfo* info = m_model->info(row);
        const bool shown = text.isEmpty() || info->Name.contains(text, Qt::CaseInsensitive) ||
                           (isList && numbers.contains(info->Register));
        Table->setRowHidden(row, !shown);
    }
}

QList<int> TParametersForm::selectedRegisters() const {
    QList<int> regs;
    for (const QModelIndex& index : Table->selectionModel()->selectedRows()) {
        const TRegisterInfo* info = m_model->info(index.row());
        if (info != nullptr && !Table->isRowHidden(index.row())) regs.append(info->Register);
    }
    std::sort(regs.begin(), regs.end());
    return regs;
}

void TParametersForm::editRow(const QModelIndex& index) {
    const TRegisterInfo* info = m_model->info(index.row());
    if (info == nullptr) return;
    if (info->readOnly()) {
        say(tr("%1 (register %2) is read-only: nothing was sent.").arg(info->Name).arg(info->Register), true);
        return;
    }
    Table->edit(m_model->index(index.row(), TParametersModel::ValueColumn));
}

bool TParametersForm::writeValue(int reg, const QString& text) {
    if (m_mapChanged) {
        say(tr("The register map has changes that are not saved: save it first. Nothing was sent."), true);
        return false;
    }
    const TDeviceProfile* profile = m_saved;
    const TRegisterInfo* info = profile != nullptr ? profile->find(reg) : nullptr;
    if (info == nullptr) {
        say(tr("Register %1 is not in the register map: nothing was sent.").arg(reg), true);
        return false;
    }
    if (info->readOnly()) {
        say(tr("%1 (register %2) is read-only: nothing was sent.").arg(info->Name).arg(reg), true);
        return false;
    }
    uint16_t raw = 0;
    QString error;
    if (!info->parseValue(text, &raw, &error)) {
        say(tr("%1: %2; nothing was sent.").arg(info->Name, error), true);
        return false;
    }
    const TDeviceMessage request = TDeviceSession::writeRequest(static_cast<uint16_t>(reg), 1,
                                                                {static_cast<int16_t>(raw), 0, 0, 0}, true);
    const TCanSendStatus sent = m_session.write(request);
    refresh();
    if (sent.failed()) {
        say(tr("%1: not sent: %2").arg(info->Name, sent.text().trimmed()), true);
        return false;
    }
    say(tr("%1 = %2 written (raw %3).").arg(info->Name, info->valueText(raw)).arg(info->rawNumber(raw)),
        false);
    return true;
}

void TParametersForm::say(const QString& text, bool refused) {
    QPalette pal = StatusLabel->palette();
    pal.setColor(QPalette::WindowText, refused ? QColor(200, 0, 0) : palette().color(QPalette::WindowText));
    StatusLabel->setPalette(pal);
    StatusLabel->setText(text);
}

QString TParametersForm::message() const {
    return StatusLabel->text();
}
