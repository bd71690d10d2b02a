#include "ProjectEditor.h"

#include "core/IniFile.h"
#include "core/Project.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int ShownProblems = 4;

QTableWidgetItem* textItem(const QString& text) {
    return new QTableWidgetItem(text);
}

// An identifier as typed, shown as the tool shows it when it is a number.
QString normalIdentifier(const QString& text) {
    const std::optional<int32_t> v = TProjectSet::number(text);
    return v ? TProjectSet::identifierText(static_cast<uint32_t>(*v)) : text.trimmed();
}

} // namespace

TProjectEditor::TProjectEditor(const QString& path, const TProject& current, QWidget* parent)
    : QDialog(parent), m_path(path) {
    setWindowTitle(tr("Edit projects - %1").arg(QDir::toNativeSeparators(path)));
    {
        const IniFile ini(path);
        m_set.load(ini);
    }
    // Captions renamed in the device windows and not saved yet belong to the project shown.
    const int shown = m_set.selected();
    if (current.DigiButChanged && shown >= 0 && m_set.projects().at(shown).Name == current.Name)
        m_set.projects()[shown].Captions = current.DigiBut;

    ProjectList = new QListWidget(this);
    AddButton = new QPushButton(tr("Add"), this);
    CopyButton = new QPushButton(tr("Copy"), this);
    RemoveButton = new QPushButton(tr("Delete"), this);
    UpButton = new QPushButton(tr("Up"), this);
    DownButton = new QPushButton(tr("Down"), this);
    auto* listButtons = new QGridLayout;
    listButtons->addWidget(AddButton, 0, 0);
    listButtons->addWidget(CopyButton, 0, 1);
    listButtons->addWidget(RemoveButton, 0, 2);
    listButtons->addWidget(UpButton, 1, 0);
    listButtons->addWidget(DownButton, 1, 1);
    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel(tr("Projects"), this));
    left->addWidget(ProjectList, 1);
    left->addLayout(listButtons);

    NameEdit = new QLineEdit(this);
    ProtokolEdit = new QLineEdit(this);
    ProtokolEdit->setToolTip(tr("3: extended identifiers (device number in bits 24-28); any other number: "
                                "the standard layout"));
    BaseEdit = new QLineEdit(this);
    BaseEdit->setToolTip(tr("The first reception identifier of the standard layout"));
    PlusEdit = new QLineEdit(this);
    PlusEdit->setToolTip(tr("Transmission identifier minus reception identifier in the standard layout"));
    CommEdit = new QLineEdit(this);
    CommEdit->setToolTip(tr("A further identifier shown in the header; 0x00000000 shows nothing"));
    for (QLineEdit* edit : {ProtokolEdit, BaseEdit, PlusEdit, CommEdit})
        edit->setProperty("hint", edit->toolTip());
    auto* form = new QFormLayout;
    form->addRow(tr("Name"), NameEdit);
    form->addRow(tr("Protocol"), ProtokolEdit);
    form->addRow(tr("Base identifier"), BaseEdit);
    form->addRow(tr("Transmission offset"), PlusEdit);
    form->addRow(tr("Further identifier"), CommEdit);

    RowTable = new QTableWidget(DeviceRows, RowColumnCount, this);
    RowTable->setHorizontalHeaderLabels(
        {tr("In use"), tr("RS"), tr("Device name"), tr("Reception"), tr("Transmission")});
    RowTable->horizontalHeader()->setSectionResizeMode(NameColumn, QHeaderView::Stretch);
    RowTable->verticalHeader()->setDefaultSectionSize(RowTable->fontMetrics().height() + 6);
    const int digit = RowTable->fontMetrics().horizontalAdvance(QLatin1Char('0'));
    RowTable->setColumnWidth(UseColumn, digit * 8);
    RowTable->setColumnWidth(RsColumn, digit * 6);
    RowTable->setColumnWidth(RxColumn, digit * 14);
    RowTable->setColumnWidth(TxColumn, digit * 14);
    QStringList rowLabels;
    for (int i = 0; i < DeviceRows; ++i)
        rowLabels << QString::number(i);
    RowTable->setVerticalHeaderLabels(rowLabels);
    CaptionTable = new QTableWidget(CommandCount, 1, this);
    CaptionTable->setHorizontalHeaderLabels({tr("Caption")});
    CaptionTable->horizontalHeader()->setStretchLastSection(true);
    CaptionTable->verticalHeader()->setDefaultSectionSize(CaptionTable->fontMetrics().height() + 6);
    QStringList captionLabels;
    for (int j = 0; j < CommandCount; ++j)
        captionLabels << QString::number(j);
    CaptionTable->setVerticalHeaderLabels(captionLabels);
    auto* tabs = new QTabWidget(this);
    tabs->addTab(RowTable, tr("Devices"));
    tabs->addTab(CaptionTable, tr("Command captions"));

    auto* right = new QVBoxLayout;
    right->addLayout(form);
    right->addWidget(tabs, 1);
    auto* top = new QHBoxLayout;
    top->addLayout(left, 1);
    top->addLayout(right, 3);

    ProblemLabel = new QLabel(this);
    ProblemLabel->setWordWrap(true);
    QPalette red = ProblemLabel->palette();
    red.setColor(QPalette::WindowText, QColor(200, 0, 0));
    ProblemLabel->setPalette(red);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, this);
    SaveButton = buttons->button(QDialogButtonBox::Save);
    SaveButton->setText(tr("Save"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(ProblemLabel);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (save()) accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(ProjectList, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!m_filling) showProject(row);
    });
    connect(AddButton, &QPushButton::clicked, this, [this] {
        const int i = m_set.add();
        fillList();
        showProject(i);
        NameEdit->setFocus();
        NameEdit->selectAll();
    });
    connect(CopyButton, &QPushButton::clicked, this, [this] {
        const int i = m_set.copy(m_current);
        fillList();
        showProject(i);
    });
    connect(RemoveButton, &QPushButton::clicked, this, [this] {
        const int i = m_current;
        m_set.remove(i);
        fillList();
        showProject(std::min(i, static_cast<int>(m_set.projects().size()) - 1));
    });
    connect(UpButton, &QPushButton::clicked, this, [this] {
        const int i = m_set.move(m_current, -1);
        fillList();
        showProject(i);
    });
    connect(DownButton, &QPushButton::clicked, this, [this] {
        const int i = m_set.move(m_current, +1);
        fillList();
        showProject(i);
    });
    for (QLineEdit* edit : {NameEdit, ProtokolEdit, BaseEdit, PlusEdit, CommEdit})
        connect(edit, &QLineEdit::textEdited, this, &TProjectEditor::fieldEdited);
    for (QLineEdit* edit : {BaseEdit, PlusEdit, CommEdit})
        connect(edit, &QLineEdit::editingFinished, this, [this, edit] {
            edit->setText(normalIdentifier(edit->text()));
            fieldEdited();
        });
    connect(RowTable, &QTableWidget::itemChanged, this, &TProjectEditor::rowEdited);
    connect(CaptionTable, &QTableWidget::itemChanged, this, &TProjectEditor::captionEdited);

    resize(900, 600);
    fillList();
    showProject(m_set.selected() >= 0 ? m_set.selected() : (m_set.projects().isEmpty() ? -1 : 0));
}

void TProjectEditor::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Centred on a main window near the screen's edge, the dialog would reach beyond it.
    if (const QScreen* screen = this->screen()) {
        const QRect avail = screen->availableGeometry();
        QRect frame = frameGeometry();
        frame.moveRight(std::min(frame.right(), avail.right()));
        frame.moveBottom(std::min(frame.bottom(), avail.bottom()));
        frame.moveLeft(std::max(frame.left(), avail.left()));
        frame.moveTop(std::max(frame.top(), avail.top()));
        move(frame.topLeft());
    }
}

TProjectDraft* TProjectEditor::current() {
    return m_current >= 0 && m_current < m_set.projects().size() ? &m_set.projects()[m_current] : nullptr;
}

void TProjectEditor::fillList() {
    m_filling = true;
    ProjectList->clear();
    for (const TProjectDraft& d : m_set.projects())
        ProjectList->addItem(d.Name);
    m_filling = false;
}

void TProjectEditor::showProject(int i) {
    m_current = i >= 0 && i < m_set.projects().size() ? i : -1;
    m_filling = true;
    ProjectList->setCurrentRow(m_current);
    m_filling = false;
    fillProject();
}

void TProjectEditor::fillProject() {
    const TProjectDraft* d = current();
    m_filling = true;
    for (QWidget* w :
         std::initializer_list<QWidget*>{NameEdit, ProtokolEdit, BaseEdit, PlusEdit, CommEdit, RowTable,
                                         CaptionTable, CopyButton, RemoveButton, UpButton, DownButton})
        w->setEnabled(d != nullptr);
    const TProjectDraft empty;
    const TProjectDraft& p = d != nullptr ? *d : empty;
    NameEdit->setText(p.Name);
    ProtokolEdit->setText(p.Protokol);
    BaseEdit->setText(p.BaseAdr);
    PlusEdit->setText(p.PlusAdr);
    CommEdit->setText(p.CommAdr);
    for (int i = 0; i < DeviceRows; ++i) {
        const TProjectRowDraft& row = p.Rows[static_cast<size_t>(i)];
        auto* use = new QTableWidgetItem;
        use->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        use->setCheckState(row.Use ? Qt::Checked : Qt::Unchecked);
        RowTable->setItem(i, UseColumn, use);
        RowTable->setItem(i, RsColumn, textItem(row.RSadr));
        RowTable->setItem(i, NameColumn, textItem(row.Name));
        RowTable->setItem(i, RxColumn, textItem(row.RXadr));
        RowTable->setItem(i, TxColumn, textItem(row.TXadr));
    }
    for (int j = 0; j < CommandCount; ++j)
        CaptionTable->setItem(j, 0, textItem(p.Captions[static_cast<size_t>(j)]));
    m_filling = false;
    recheck();
}

void TProjectEditor::fieldEdited() {
    TProjectDraft* d = current();
    if (m_filling || d == nullptr) return;
    d->Name = NameEdit->text();
    d->Protokol = ProtokolEdit->text();
    d->BaseAdr = BaseEdit->text();
    d->PlusAdr = PlusEdit->text();
    d->CommAdr = CommEdit->text();
    if (QListWidgetItem* item = ProjectList->item(m_current)) item->setText(d->Name);
    recheck();
}

void TProjectEditor::rowEdited(QTableWidgetItem* item) {
    TProjectDraft* d = current();
    if (m_filling || d == nullptr || item->row() < 0 || item->row() >= DeviceRows) return;
    TProjectRowDraft& row = d->Rows[static_cast<size_t>(item->row())];
    switch (item->column()) {
    case UseColumn:
        row.Use = item->checkState() == Qt::Checked;
        break;
    case RsColumn:
        row.RSadr = item->text().trimmed();
        break;
    case NameColumn:
        row.Name = item->text();
        break;
    case RxColumn:
    case TxColumn: {
        const QString shown = normalIdentifier(item->text());
        (item->column() == RxColumn ? row.RXadr : row.TXadr) = shown;
        if (shown != item->text()) {
            m_filling = true;
            item->setText(shown);
            m_filling = false;
        }
        break;
    }
    default:
        break;
    }
    recheck();
}

void TProjectEditor::captionEdited(QTableWidgetItem* item) {
    TProjectDraft* d = current();
    if (m_filling || d == nullptr || item->row() < 0 || item->row() >= CommandCount) return;
    d->Captions[static_cast<size_t>(item->row())] = item->text();
    recheck();
}

void TProjectEditor::recheck() {
    const QList<TProjectProblem> problems = m_set.check();
    // Cells and fields of the project shown: red with the reason.
    m_filling = true;
    const QBrush none;
    const QBrush wrong(QColor(255, 200, 200));
    const QBrush suspect(QColor(255, 235, 170));
    for (int i = 0; i < DeviceRows; ++i)
        for (int c = 0; c < RowColumnCount; ++c)
            if (QTableWidgetItem* item = RowTable->item(i, c)) {
                item->setBackground(none);
                item->setToolTip(QString());
            }
    for (int j = 0; j < CommandCount; ++j)
        if (QTableWidgetItem* item = CaptionTable->item(j, 0)) {
            item->setBackground(none);
            item->setToolTip(QString());
        }
    for (QLineEdit* edit : {NameEdit, ProtokolEdit, BaseEdit, PlusEdit, CommEdit}) {
        edit->setStyleSheet(QString());
        edit->setToolTip(edit->property("hint").toString());
    }
    QList<int> wrongProjects;
    for (const TProjectProblem& p : problems) {
        if (!p.Warning && !wrongProjects.contains(p.Project)) wrongProjects << p.Project;
        if (p.Project != m_current) continue;
        QLineEdit* edit = nullptr;
        QTableWidgetItem* item = nullptr;
        switch (p.Field) {
        case TProjectField::Name:
            edit = NameEdit;
            break;
        case TProjectField::Protokol:
            edit = ProtokolEdit;
            break;
        case TProjectField::BaseAdr:
            edit = BaseEdit;
            break;
        case TProjectField::PlusAdr:
            edit = PlusEdit;
            break;
        case TProjectField::CommAdr:
            edit = CommEdit;
            break;
        case TProjectField::Use:
            item = RowTable->item(p.Index, UseColumn);
            break;
        case TProjectField::RSadr:
            item = RowTable->item(p.Index, RsColumn);
            break;
        case TProjectField::RXadr:
            item = RowTable->item(p.Index, RxColumn);
            break;
        case TProjectField::TXadr:
            item = RowTable->item(p.Index, TxColumn);
            break;
        case TProjectField::RowName:
            item = RowTable->item(p.Index, NameColumn);
            break;
        case TProjectField::Caption:
            item = CaptionTable->item(p.Index, 0);
            break;
        }
        if (edit != nullptr) {
            edit->setStyleSheet(p.Warning ? QStringLiteral("background: #ffebaa")
                                          : QStringLiteral("background: #ffc8c8"));
            edit->setToolTip(p.Text);
        }
        if (item != nullptr) {
            item->setBackground(p.Warning ? suspect : wrong);
            item->setToolTip(item->toolTip().isEmpty() ? p.Text
                                                       : item->toolTip() + QLatin1Char('\n') + p.Text);
        }
    }
    for (int k = 0; k < ProjectList->count(); ++k)
        ProjectList->item(k)->setForeground(wrongProjects.contains(k) ? QBrush(QColor(200, 0, 0)) : QBrush());
    m_filling = false;

    QStringList lines;
    for (int n = 0; n < problems.size() && n < ShownProblems; ++n)
        lines << problems.at(n).Text;
    if (problems.size() > ShownProblems) lines << tr("… and %1 more").arg(problems.size() - ShownProblems);
    ProblemLabel->setText(lines.join(QLatin1Char('\n')));
    const bool wrongValue =
        std::any_of(problems.begin(), problems.end(), [](const TProjectProblem& p) { return !p.Warning; });
    SaveButton->setEnabled(!wrongValue);
    SaveButton->setToolTip(wrongValue ? tr("Correct the values marked red to save") : QString());
}

bool TProjectEditor::save() {
    IniFile ini(m_path);
    QString error;
    if (ini.readError()) {
        ProblemLabel->setText(ini.errorString());
        return false;
    }
    if (!m_set.save(ini, &error)) {
        ProblemLabel->setText(error);
        return false;
    }
    return true;
}

QString TProjectEditor::problemText() const {
    return ProblemLabel->text();
}
