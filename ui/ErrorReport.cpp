#include "ErrorReport.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QtGlobal>

#include <utility>

namespace {

TErrorReporter& currentReporter() {
    static TErrorReporter reporter;
    return reporter;
}

TGoOnQuestion& currentQuestion() {
    static TGoOnQuestion question;
    return question;
}

void defaultReport(const QString& text) {
    if (!CanShowMessageBox()) {
        qWarning("%s", qUtf8Printable(text));
        return;
    }
    QMessageBox::critical(QApplication::activeWindow(), QCoreApplication::applicationName(), text);
}

} // namespace

bool CanShowMessageBox() {
    const QString platform = QGuiApplication::platformName();
    return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr &&
           platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

void ReportError(const QString& text) {
    // A copy, so that a reporter may replace itself while it runs.
    const TErrorReporter reporter = currentReporter();
    if (reporter)
        reporter(text);
    else
        defaultReport(text);
}

TErrorReporter SetErrorReporter(TErrorReporter reporter) {
    return std::exchange(currentReporter(), std::move(reporter));
}

bool AskGoOnAfterError(const QString& text, const QString& goOnLabel) {
    const TGoOnQuestion question = currentQuestion();
    if (question) return question(text, goOnLabel);
    if (!CanShowMessageBox()) {
        ReportError(text);
        return false;
    }
    QMessageBox box(QMessageBox::Critical, QCoreApplication::applicationName(), text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    QPushButton* stay =
        box.addButton(QCoreApplication::translate("ErrorReport", "Stay open"), QMessageBox::RejectRole);
    QPushButton* goOn = box.addButton(goOnLabel, QMessageBox::DestructiveRole);
    box.setDefaultButton(stay);
    box.setEscapeButton(stay);
    box.exec();
    return box.clickedButton() == goOn;
}

TGoOnQuestion SetGoOnQuestion(TGoOnQuestion question) {
    return std::exchange(currentQuestion(), std::move(question));
}
