#include "DemoCanBusDevice.h"

#include "CanFrameConvert.h"

#include "can/CanDeviceFactory.h"
#include "core/Project.h"

#include <QList>

#include <memory>

namespace {

struct DemoProject {
    std::unique_ptr<TProject> project;
    unsigned generation = 0;
};

DemoProject& CurrentProject() {
    static DemoProject current;
    return current;
}

} // namespace

DemoCanBusDevice::DemoCanBusDevice(QObject* parent) : QCanBusDevice(parent) {
    m_timer.setInterval(TickMs);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &DemoCanBusDevice::tick);
}

void DemoCanBusDevice::setProject(const TProject& project) {
    DemoProject& current = CurrentProject();
    current.project = std::make_unique<TProject>(project);
    ++current.generation;
}

void DemoCanBusDevice::syncProject() {
    const DemoProject& current = CurrentProject();
    if (m_projectGeneration == current.generation) return;
    m_projectGeneration = current.generation;
    if (current.project)
        m_bus.setProject(*current.project);
    else
        m_bus = ZelmBus();
    m_pending.clear();
    m_clock.restart();
}

bool DemoCanBusDevice::open() {
    m_projectGeneration = CurrentProject().generation - 1; // rebuild the devices on opening
    syncProject();
    m_clock.start();
    m_timer.start();
    setState(QCanBusDevice::ConnectedState);
    return true;
}

void DemoCanBusDevice::close() {
    m_timer.stop();
    m_pending.clear();
    setState(QCanBusDevice::UnconnectedState);
}

bool DemoCanBusDevice::writeFrame(const QCanBusFrame& frame) {
    if (state() != QCanBusDevice::ConnectedState) {
        setError(tr("The demo bus is not connected."), QCanBusDevice::OperationError);
        return false;
    }
    if (!frame.isValid()) {
        setError(tr("Invalid frame."), QCanBusDevice::WriteError);
        return false;
    }
    syncProject();
    TCanFrame in;
    if (FromQtFrame(frame, in)) (void)m_bus.receive(in, m_pending);
    ++m_written;
    return true;
}

QString DemoCanBusDevice::interpretErrorFrame(const QCanBusFrame& errorFrame) {
    Q_UNUSED(errorFrame);
    return {};
}

void DemoCanBusDevice::tick() {
    syncProject();
    m_bus.produce(m_clock.elapsed(), m_pending);
    const qint64 written = m_written;
    m_written = 0;
    if (!m_pending.empty()) {
        QList<QCanBusFrame> frames;
        frames.reserve(static_cast<qsizetype>(m_pending.size()));
        for (const TCanFrame& f : m_pending)
            frames.append(ToQtFrame(f, m_bus.protokol()));
        m_pending.clear();
        enqueueReceivedFrames(frames);
    }
    if (written > 0) emit framesWritten(written);
}

void RegisterDemoBus() {
    RegisterCanDeviceFactory(QStringLiteral("demo"), [](const QString&, QString*) -> QCanBusDevice* {
        return new DemoCanBusDevice();
    });
}
