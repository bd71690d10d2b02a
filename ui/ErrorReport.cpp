#include "ErrorReport.h"

#include <QApplication>
#include <QMessageBox>
#include <QtGlobal>

#include <utility>

namespace {

TErrorReporter& currentReporter() {
    static TErrorReporter reporter;
    return reporter;
}

void defaultReport(const QString& text) {
    const QString platform = QGuiApplication::platformName();
    const bool canShowBox = qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr &&
                            platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
    if (!canShowBox) {
        qWarning("%s", qUtf8Printable(text));
        return;
    }
    QMessageBox::critical(QApplication::activeWindow(), QCoreApplication::applicationName(), text);
}

} // namespace

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
