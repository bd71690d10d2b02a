#include "ErrorGathering.h"

TErrorGathering::TErrorGathering(QString heading) : m_heading(std::move(heading)) {
    m_previous = SetErrorReporter([this](const QString& text) {
        if (!m_texts.contains(text)) m_texts << text;
    });
}

TErrorGathering::~TErrorGathering() {
    SetErrorReporter(m_previous);
    if (m_texts.isEmpty()) return;
    if (m_texts.size() == 1) {
        ReportError(m_texts.front());
        return;
    }
    ReportError(m_heading + QStringLiteral("\n\n- ") + m_texts.join(QStringLiteral("\n- ")));
}
