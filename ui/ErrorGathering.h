#pragma once

// Gathers what is reported (ReportError) while it lives and reports it once when it ends: one step
// of the user's that fails on several files (a project change on a full disk writes the placement
// of every open device window and the project selection) gives one message that lists each file
// and reason, each text once, instead of a box per file.

#include "ErrorReport.h"

#include <QString>
#include <QStringList>

class TErrorGathering {
public:
    // heading introduces the list when there is more than one text.
    explicit TErrorGathering(QString heading);
    // Reports what was gathered through the reporter that was in place before.
    ~TErrorGathering();
    TErrorGathering(const TErrorGathering&) = delete;
    TErrorGathering& operator=(const TErrorGathering&) = delete;

private:
    QString m_heading;
    QStringList m_texts;
    TErrorReporter m_previous;
};
