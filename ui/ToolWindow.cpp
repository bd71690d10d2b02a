#include "ToolWindow.h"

#include "HelpMenu.h"
#include "ScreenFit.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QWidget>

namespace {

class TToolWindowFilter final : public QObject {
public:
    explicit TToolWindowFilter(QWidget* window) : QObject(window), m_window(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != m_window) return false;
        if (event->type() == QEvent::Show && !event->spontaneous() && !m_fitted) {
            // Opened the first time: no larger than the screen's available area.
            m_fitted = true;
            FitWindowToScreen(m_window);
        } else if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier) {
                m_window->close();
                return true;
            }
        } else if (event->type() == QEvent::ContextMenu) {
            QMenu menu(m_window);
            AddHelpEntries(menu);
            menu.exec(static_cast<QContextMenuEvent*>(event)->globalPos());
            return true;
        }
        return false;
    }

private:
    QWidget* m_window;
    bool m_fitted = false;
};

} // namespace

void MakeToolWindow(QWidget* window) {
    window->installEventFilter(new TToolWindowFilter(window));
}
