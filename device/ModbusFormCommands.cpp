// The command buttons of the device window: seventeen buttons that write one word into the
// device's command register 127, and the in-place rename of their captions.

#include "ModbusForm.h"

#include "can/ToolsCan.h"
#include "core/DeviceMessage.h"
#include "core/Project.h"

#include <QContextMenuEvent>
#include <QEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include <cstdint>

QLineEdit* RenameEdit = nullptr;

namespace {


// The window whose button is being renamed: the key and focus events of the shared edit go there.
QPointer<TModbusForm> RenameOwner;

// Forwards the key presses and the focus loss of the rename edit to the renaming window.
class RenameEditFilter final : public QObject {
public:
    explicit RenameEditFilter(QObject* parent) : QObject(parent) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        TModbusForm* owner = RenameOwner.data();
        if (owner && watched == RenameEdit) {
            if (event->type() == QEvent::KeyPress) {
                const int key = static_cast<QKeyEvent*>(event)->key();
                if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
                    owner->Renamido(key);
                    return true;
                }
            } else if (event->type() == QEvent::FocusOut) {
                // Switching to another application or opening the edit's own menu is no leaving.
                const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
                if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) owner->Renamed();
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

// Creates a rename edit owned by the window and makes it the shared one. When it is destroyed
// with its owner the shared reference is cleared, so no window uses an edit that is gone.
QLineEdit* createRenameEdit(QWidget* owner) {
    auto* edit = new QLineEdit(owner);
    edit->hide();
    edit->setFrame(false);
    edit->installEventFilter(new RenameEditFilter(edit));
    QObject::connect(edit, &QObject::destroyed, [edit] {
        if (RenameEdit == edit) RenameEdit = nullptr;
    });
    RenameEdit = edit;
    return edit;
}

} // namespace

void TModbusForm::createCommandControls() {
    GroupBox1 = new QGroupBox(QStringLiteral("Commands"), this);
    GroupBox1->setGeometry(7, 210, 258, 150);
    for (int k = 0; k < CommandCount; ++k) {
        auto* button = new QPushButton(m_project.DigiBut[static_cast<size_t>(k)], GroupBox1);
        if (k < 16)
            button->setGeometry(20 + 55 * (k / 4), 20 + 25 * (k % 4), 50, 20);
        else
            button->setGeometry(75, 120, 105, 20);
        button->setProperty("Tag", k);
        button->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(button, &QPushButton::clicked, this, [this, k] { CommButtClick(k); });
        connect(button, &QWidget::customContextMenuRequested, this, [this, k] { RenameButton(k); });
        CommButt[static_cast<size_t>(k)] = button;
    }
    createRenameEdit(this);
}

void TModbusForm::CommButtClick(int k) {
    CommButtDo(k);
}

void TModbusForm::CommButtDo(int k) {
    if (k < 0 || k >= CommandCount) return;
    memoAdd(QStringLiteral("Command commands..."));

    const uint16_t word = k < 16 ? static_cast<uint16_t>(1u << k) : 0;
    TDeviceMessage msg;
    msg.Mask = 4;
    msg.Address = CommandRegister;
    msg.Count = 1;
    msg.Values[0] = static_cast<int16_t>(word);
    msg.Direction = 1;

    EncodeCommand(word, static_cast<uint32_t>(RXadr), CanTx[0]);
    const TCanSendStatus sent = CanSend(1);
    if (sent.failed()) memoAdd(sent.text());

    ReceiveCanData(msg);
}

void TModbusForm::RenameButton(int k) {
    if (k < 0 || k >= CommandCount) return;
    QPushButton* button = CommButt[static_cast<size_t>(k)];
    QLineEdit* edit = RenameEdit ? RenameEdit : createRenameEdit(this);

    if (edit->parentWidget() != GroupBox1) edit->setParent(GroupBox1);
    RenameOwner = this;
    m_renameIndex = k;
    edit->setFrame(false);
    edit->setText(button->text());
    const QRect b = button->geometry();
    edit->setGeometry(b.left() + 4, b.top() + 3, b.width() - 6, b.height() - 6);
    edit->show();
    edit->raise();
    edit->setFocus(Qt::OtherFocusReason);
}

void TModbusForm::Renamido(int key) {
    if (!RenameEdit || m_renameIndex < 0 || m_renameIndex >= CommandCount) return;
    QPushButton* button = CommButt[static_cast<size_t>(m_renameIndex)];
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        const QString text = RenameEdit->text();
        button->setText(text);
        button->setFocus(Qt::OtherFocusReason);
        Renamed();
        m_project.DigiBut[static_cast<size_t>(m_renameIndex)] = text;
        m_project.DigiButChanged = true;
    } else if (key == Qt::Key_Escape) {
        button->setFocus(Qt::OtherFocusReason);
        Renamed();
    }
}

void TModbusForm::Renamed() {
    if (RenameEdit && RenameEdit->parentWidget() == GroupBox1) RenameEdit->hide();
}
