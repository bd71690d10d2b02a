#include "CliDeadline.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr qint64 StepMs = 3600 * 1000;
}

TCliDeadline::TCliDeadline(QObject* parent) : QObject(parent) {
    m_step.setSingleShot(true);
    connect(&m_step, &QTimer::timeout, this, [this] {
        if (m_deadline.hasExpired())
            emit timeout();
        else
            arm();
    });
}

void TCliDeadline::start(double seconds) {
    m_deadline.setRemainingTime(static_cast<qint64>(std::llround(std::max(0.0, seconds) * 1000.0)));
    arm();
}

void TCliDeadline::stop() {
    m_step.stop();
}

void TCliDeadline::arm() {
    m_step.start(static_cast<int>(std::clamp<qint64>(m_deadline.remainingTime(), 0, StepMs)));
}
