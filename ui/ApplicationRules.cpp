#include "ApplicationRules.h"

#include "FocusStyle.h"

#include "ScreenFit.h"

#include <QApplication>
#include <QEvent>
#include <QFileDialog>
#include <QHeaderView>
#include <QStringList>
#include <QTextDocument>
#include <QTreeView>
#include <QWidget>

void TApplicationRules::install() {
    static TApplicationRules* rules = nullptr;
    if (rules != nullptr || qApp == nullptr) return;
    rules = new TApplicationRules(qApp);
    qApp->installEventFilter(rules);
    // The style the program runs with, its focus outlined so that Tab can be followed.
    if (qobject_cast<QApplication*>(qApp) != nullptr)
        QApplication::setStyle(new TFocusStyle(QApplication::style()->name()));
}

QString TApplicationRules::wrapped(const QString& text, int column) {
    QStringList out;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        if (line.size() <= column) {
            out << line;
            continue;
        }
        QString current;
        for (const QString& word : line.split(QLatin1Char(' '))) {
            if (!current.isEmpty() && current.size() + 1 + word.size() > column) {
                out << current;
                current.clear();
            }
            current += current.isEmpty() ? word : QLatin1Char(' ') + word;
        }
        out << current;
    }
    return out.join(QLatin1Char('\n'));
}

bool TApplicationRules::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        if (auto* w = qobject_cast<QWidget*>(watched)) {
            const QString tip = w->toolTip();
            if (!tip.isEmpty() && !Qt::mightBeRichText(tip)) {
                const QString wrappedTip = wrapped(tip);
                if (wrappedTip != tip) w->setToolTip(wrappedTip);
            }
        }
    } else if (event->type() == QEvent::Show) {
        if (auto* dialog = qobject_cast<QFileDialog*>(watched); dialog != nullptr && !event->spontaneous()) {
            const QSize wide(std::max(dialog->width(), int(FileDialogWidth)),
                             std::max(dialog->height(), int(FileDialogHeight)));
            if (wide != dialog->size()) {
                dialog->resize(wide);
                FitWindowToScreen(dialog);
            }
            // The names' column of the detailed list takes the room the other columns leave.
            if (auto* tree = dialog->findChild<QTreeView*>(QStringLiteral("treeView"))) {
                QHeaderView* header = tree->header();
                const int others = header->length() - header->sectionSize(0);
                const int room = dialog->width() - 220 - others; // the sidebar, margins and scroll bar
                if (room > header->sectionSize(0)) header->resizeSection(0, room);
            }
        }
    }
    return QObject::eventFilter(watched, event);
}
