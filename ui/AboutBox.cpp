#include "AboutBox.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QVBoxLayout>
#include <QtGlobal>

namespace {

TAboutBox::TDetails& theDetails() {
    static TAboutBox::TDetails details;
    return details;
}

QString list(const QStringList& items, const QString& none) {
    if (items.isEmpty()) return none.toHtmlEscaped();
    QString html = QStringLiteral("<ul style=\"margin-top:0\">");
    for (const QString& item : items)
        html += QStringLiteral("<li>%1</li>").arg(item.toHtmlEscaped());
    return html + QStringLiteral("</ul>");
}

} // namespace

void TAboutBox::setDetails(TDetails details) {
    theDetails() = std::move(details);
}

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("About CANQuorvex"));
    Text = new QLabel(aboutHtml(), this);
    Text->setTextFormat(Qt::RichText);
    Text->setTextInteractionFlags(Qt::TextBrowserInteraction);
    Text->setOpenExternalLinks(true);
    Text->setWordWrap(true);
    Text->setMinimumWidth(480);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Text);
    layout->addWidget(buttons);
}

void TAboutBox::showAbout(QWidget* parent) {
    TAboutBox box(parent != nullptr ? parent->window() : nullptr);
    box.exec();
}

QString TAboutBox::aboutHtml() {
    const TDetails& d = theDetails();
    const QStringList folders = d.folders ? d.folders() : QStringList();
    const QStringList adapters = d.adapters ? d.adapters() : QStringList();
    QString html;
    html += QStringLiteral("<h3>CANQuorvex %1</h3>").arg(d.version.toHtmlEscaped());
    html += QStringLiteral("<p>%1</p>")
                .arg(tr("A service tool for ZELM control devices on a CAN bus.").toHtmlEscaped());
    html +=
        QStringLiteral("<p>%1<br>%2</p>")
            .arg(
                tr("Built with Qt %1, running on Qt %2.")
                    .arg(QStringLiteral(QT_VERSION_STR), qVersion())
                    .toHtmlEscaped(),
                tr("Licence: GPL-3.0-or-later. It uses Qt (LGPL-3), QCustomPlot (GPL-3) and SimpleIni (MIT).")
                    .toHtmlEscaped());
    html += QStringLiteral("<p><b>%1</b>%2</p>")
                .arg(tr("Folders in use").toHtmlEscaped(), list(folders, tr("(not told)")));
    html +=
        QStringLiteral("<p><b>%1</b>%2</p>")
            .arg(tr("CAN adapters offered").toHtmlEscaped(),
                 list(adapters,
                      tr("none found (canquorvex --help lists the plugins; --can demo plays the demo bus)")));
    return html;
}
