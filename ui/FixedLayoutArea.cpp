#include "FixedLayoutArea.h"

#include <QVBoxLayout>

namespace {

// The smallest a window of fixed layout can be made: its corner and the scroll bars stay usable.
constexpr QSize SmallestWindow(160, 120);

} // namespace

TFixedLayoutArea::TFixedLayoutArea(QWidget* window) : QScrollArea(window) {
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(false);
    setFocusPolicy(Qt::NoFocus);
}

TFixedLayoutArea* TFixedLayoutArea::wrap(QWidget* window, QSize layoutSize) {
    const QList<QWidget*> controls = window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    auto* area = new TFixedLayoutArea(window);
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("FixedLayoutPage"));
    for (QWidget* control : controls) {
        if (control->isWindow()) continue;
        const bool hidden = control->isHidden();
        const QRect geometry = control->geometry();
        control->setParent(page);
        control->setGeometry(geometry);
        control->setHidden(hidden);
    }
    page->setFixedSize(layoutSize);
    area->setWidget(page);
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(area);
    window->setMinimumSize(SmallestWindow.boundedTo(layoutSize));
    window->setMaximumSize(layoutSize);
    window->resize(layoutSize);
    return area;
}

QSize TFixedLayoutArea::layoutSize() const {
    return widget()->size();
}

void TFixedLayoutArea::setLayoutSize(QSize size) {
    QWidget* window = parentWidget();
    const bool wholeShown = window->size() == layoutSize();
    widget()->setFixedSize(size);
    window->setMaximumSize(size);
    if (wholeShown) window->resize(size);
}
