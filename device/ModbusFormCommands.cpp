// The command buttons of the device window: seventeen buttons that write one word into the
// device's command register 127, and the in-place rename of their captions.

#include "ModbusForm.h"

#include "can/ToolsCan.h"
#include "core/Language.h"
#include "core/Project.h"
#include "ui/CaptionButton.h"

#include <QContextMenuEvent>
#include <QEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include <cstdint>

namespace {

// Hands the key presses and the focus loss of a window's rename edit to the window.
class RenameEditFilter final : public QObject {
public:
    explicit RenameEditFilter(TModbusForm* form) : QObject(form), m_form(form) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
                m_form->Renamido(key);
                return true;
            }
        } else if (event->type() == QEvent::FocusOut) {
            // Switching to another application or opening the edit's own menu is no leaving.
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) m_form->Renamed();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    TModbusForm* m_form;
};

} // namespace

void TModbusForm::createCommandControls() {
    GroupBox1 = new QGroupBox(FixedCaption(QT_TRANSLATE_NOOP("FixedCaption", "Commands")), this);
    GroupBox1->setGeometry(7, 210, 258, 150);
    for (int k = 0; k < CommandCount; ++k) {
        // A caption too long for the button goes onto two lines in a smaller font, and always
        // keeps its first letters; the tooltip has it whole.
        auto* button = new TCaptionButton(m_project.DigiBut[static_cast<size_t>(k)], GroupBox1);
        if (k < 16)
            button->setGeometry(20 + 55 * (k / 4), 20 + 25 * (k % 4), 50, 20);
        else
            button->setGeometry(75, 120, 105, 20);
        button->setProperty("Tag", k);
        button->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(button, &QPushButton::clicked, this, [this, k] { CommButtClick(k); });
        connect(button, &QWidget::customContextMenuRequested, this, [this, k] { RenameButton(k); });
        CommButt[static_cast<size_t>(k)] = button;
        commandToolTip(k);
    }
    // The in-place editor of the captions, one per window; a rename in another window ends this
    // one's when the other edit takes the focus.
    RenameEdit = new QLineEdit(GroupBox1);
    RenameEdit->hide();
    RenameEdit->setFrame(false);
    RenameEdit->installEventFilter(new RenameEditFilter(this));
}

void TModbusForm::commandToolTip(int k) {
    QPushButton* button = CommButt[static_cast<size_t>(k)];
    const QString what = k < 16 ? tr("Sends command %1: the word 0x%2 (bit %1) to register 127.")
                                      .arg(k)
                                      .arg(1u << k, 4, 16, QLatin1Char('0'))
                                : tr("Sends the word 0x0000 to register 127.");
    button->setToolTip(
        QStringLiteral("%1\n%2\n%3")
            .arg(button->text(), what, tr("Right-click to rename it (Enter keeps, Esc drops).")));
}

void TModbusForm::CommButtClick(int k) {
    CommButtDo(k);
}

void TModbusForm::CommButtDo(int k) {
    if (k < 0 || k >= CommandCount) return;
    memoAdd(FixedCaption(QT_TRANSLATE_NOOP("FixedCaption", "Command commands...")));
    const TCanSendStatus sent = m_session.command(k);
    memoDetail(tr("Command %1 \"%2\": the word 0x%3 to register 127\nFrame: %4")
                   .arg(QString::number(k), CommButt[static_cast<size_t>(k)]->text(),
                        QStringLiteral("%1").arg(k < 16 ? 1u << k : 0u, 4, 16, QLatin1Char('0')),
                        FrameText(CanTx[0])));
    if (sent.failed()) memoAdd(sent.text());
}

void TModbusForm::RenameButton(int k) {
    if (k < 0 || k >= CommandCount) return;
    QPushButton* button = CommButt[static_cast<size_t>(k)];
    QLineEdit* edit = RenameEdit;
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
    if (m_renameIndex < 0 || m_renameIndex >= CommandCount) return;
    QPushButton* button = CommButt[static_cast<size_t>(m_renameIndex)];
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        const QString text = RenameEdit->text();
        button->setText(text);
        commandToolTip(m_renameIndex);
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
    RenameEdit->hide();
}
