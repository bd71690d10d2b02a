#include "BusCapture.h"

#include "can/CanAdapterName.h"
#include "can/QtCanDriver.h"
#include "can/SlCan.h"
#include "can/ToolsCan.h"

#include <QCanBus>
#include <QTest>

BusCapture::BusCapture(uint16_t port) : m_url(QStringLiteral("tcp://127.0.0.1:%1/can0").arg(port)) {}

BusCapture::~BusCapture() {
    CanClose();
    CanFree();
    (void)SlCanInstallDriver(nullptr);
    CanResetState();
    if (m_listener) m_listener->disconnectDevice();
}

bool BusCapture::start() {
    QString error;
    m_listener.reset(QCanBus::instance()->createDevice(QStringLiteral("virtualcan"), m_url, &error));
    if (!m_listener) {
        m_why = QStringLiteral("no virtualcan device: ") + error;
        return false;
    }
    QObject::connect(m_listener.get(), &QCanBusDevice::framesReceived, [this] {
        while (m_listener->framesAvailable() > 0)
            m_frames.append(m_listener->readFrame());
    });
    if (!m_listener->connectDevice()) {
        m_why = QStringLiteral("capturing client does not connect: ") + m_listener->errorString();
        return false;
    }
    if (!QTest::qWaitFor([this] { return m_listener->state() == QCanBusDevice::ConnectedState; }, 5000)) {
        m_why = QStringLiteral("capturing client never reached the connected state");
        return false;
    }

    CanResetState();
    (void)SlCanInstallDriver(
        std::make_unique<QtCanDriver>(QList<CanAdapterName>{{QStringLiteral("virtualcan"), m_url}}));
    CanLoad();
    return reopen();
}

bool BusCapture::reopen() {
    CanOpen(2, 8);
    if (!CanOpened) {
        m_why = QStringLiteral("the adapter on %1 does not open").arg(m_url);
        return false;
    }
    return true;
}

bool BusCapture::waitFrames(int n) {
    return QTest::qWaitFor([this, n] { return m_frames.size() >= n; }, 5000);
}
