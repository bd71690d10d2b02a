#include "RegisterMapEditor.h"

#include "profile/RegisterFields.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>

TRegisterMapEditor::TRegisterMapEditor(QWidget* parent) : QWidget(parent) {
    RegisterLabel = new QLabel(this);
    NameEdit = new QLineEdit(this);
    UnitEdit = new QLineEdit(this);
    ScaleEdit = new QLineEdit(this);
    ScaleEdit->setToolTip(tr("Engineering value = raw × scale + offset"));
    OffsetEdit = new QLineEdit(this);
    OffsetEdit->setToolTip(ScaleEdit->toolTip());
    DecimalsSpin = new QSpinBox(this);
    DecimalsSpin->setRange(0, 6);
    TypeBox = new QComboBox(this);
    TypeBox->addItems(
        {QStringLiteral("s16"), QStringLiteral("u16"), QStringLiteral("bits"), QStringLiteral("enum")});
    AccessBox = new QComboBox(this);
    AccessBox->addItems({QStringLiteral("rw"), QStringLiteral("ro")});
    MinEdit = new QLineEdit(this);
    MaxEdit = new QLineEdit(this);
    for (QLineEdit* e : {MinEdit, MaxEdit})
        e->setPlaceholderText(tr("none"));
    NamesEdit = new QPlainTextEdit(this);
    NamesEdit->setTabChangesFocus(true);
    NamesEdit->setFixedHeight(NamesEdit->fontMetrics().height() * 4 + 10);
    NamesEdit->setToolTip(tr("bits: one \"bit=name\" or \"first-last=name\" a line (0=Ready, 8-15=Code);\n"
                             "enum: one \"value=name\" a line (0=Off)"));
    DescriptionEdit = new QLineEdit(this);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    const auto label = [this](const QString& text) { return new QLabel(text, this); };
    grid->addWidget(RegisterLabel, 0, 0, 1, 2);
    grid->addWidget(label(tr("Name")), 1, 0);
    grid->addWidget(NameEdit, 1, 1, 1, 5);
    grid->addWidget(label(tr("Unit")), 1, 6);
    grid->addWidget(UnitEdit, 1, 7);
    grid->addWidget(label(tr("Scale")), 2, 0);
    grid->addWidget(ScaleEdit, 2, 1);
    grid->addWidget(label(tr("Offset")), 2, 2);
    grid->addWidget(OffsetEdit, 2, 3);
    grid->addWidget(label(tr("Decimals")), 2, 4);
    grid->addWidget(DecimalsSpin, 2, 5);
    grid->addWidget(label(tr("Type")), 2, 6);
    grid->addWidget(TypeBox, 2, 7);
    grid->addWidget(label(tr("Min")), 3, 0);
    grid->addWidget(MinEdit, 3, 1);
    grid->addWidget(label(tr("Max")), 3, 2);
    grid->addWidget(MaxEdit, 3, 3);
    grid->addWidget(label(tr("Access")), 3, 6);
    grid->addWidget(AccessBox, 3, 7);
    grid->addWidget(label(tr("Names")), 4, 0, Qt::AlignTop);
    grid->addWidget(NamesEdit, 4, 1, 1, 7);
    grid->addWidget(label(tr("Description")), 5, 0);
    grid->addWidget(DescriptionEdit, 5, 1, 1, 7);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    for (QLineEdit* e : {NameEdit, UnitEdit, ScaleEdit, OffsetEdit, MinEdit, MaxEdit, DescriptionEdit})
        connect(e, &QLineEdit::textEdited, this, &TRegisterMapEditor::changed);
    connect(DecimalsSpin, &QSpinBox::valueChanged, this, &TRegisterMapEditor::changed);
    connect(TypeBox, &QComboBox::currentIndexChanged, this, &TRegisterMapEditor::changed);
    connect(AccessBox, &QComboBox::currentIndexChanged, this, &TRegisterMapEditor::changed);
    connect(NamesEdit, &QPlainTextEdit::textChanged, this, &TRegisterMapEditor::changed);
    setEntry(nullptr);
}

void TRegisterMapEditor::setEntry(const TRegisterInfo* info) {
    m_filling = true;
    m_register = info != nullptr ? info->Register : -1;
    const TRegisterFields f =
        info != nullptr ? RegisterFieldsOf(*info, QLatin1Char('\n')) : TRegisterFields{};
    RegisterLabel->setText(info != nullptr ? tr("Register %1").arg(info->Register)
                                           : tr("Select a register to edit its entry"));
    NameEdit->setText(f.Name);
    UnitEdit->setText(f.Unit);
    ScaleEdit->setText(f.Scale);
    OffsetEdit->setText(f.Offset);
    DecimalsSpin->setValue(f.Decimals.toInt());
    TypeBox->setCurrentText(f.Type.isEmpty() ? QStringLiteral("s16") : f.Type);
    AccessBox->setCurrentText(f.Access.isEmpty() ? QStringLiteral("rw") : f.Access);
    MinEdit->setText(f.Min);
    MaxEdit->setText(f.Max);
    NamesEdit->setPlainText(f.Names);
    DescriptionEdit->setText(f.Description);
    m_default = f.Default;
    for (QWidget* w :
         std::initializer_list<QWidget*>{NameEdit, UnitEdit, ScaleEdit, OffsetEdit, DecimalsSpin, TypeBox,
                                         AccessBox, MinEdit, MaxEdit, NamesEdit, DescriptionEdit})
        w->setEnabled(info != nullptr);
    m_filling = false;
}

void TRegisterMapEditor::changed() {
    if (m_filling || m_register < 0) return;
    TRegisterFields f;
    f.Register = QString::number(m_register);
    f.Name = NameEdit->text();
    f.Unit = UnitEdit->text();
    f.Scale = ScaleEdit->text();
    f.Offset = OffsetEdit->text();
    f.Decimals = QString::number(DecimalsSpin->value());
    f.Type = TypeBox->currentText();
    f.Access = AccessBox->currentText();
    f.Min = MinEdit->text();
    f.Max = MaxEdit->text();
    f.Default = m_default;
    f.Names = NamesEdit->toPlainText();
    f.Description = DescriptionEdit->text();
    TRegisterInfo info;
    QString error;
    if (RegisterFromFields(f, QLatin1Char('\n'), &info, &error)) {
        if (onEdited) onEdited(info);
    } else if (onRefused) {
        onRefused(tr("Register %1: %2").arg(m_register).arg(error));
    }
}
