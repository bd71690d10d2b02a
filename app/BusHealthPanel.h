#pragma once

// The "Bus" panel of the main window: bus load over the last second and its peak, frames per second
// received and sent, error frames with the last error's kind, the adapter's bus state and the frames
// lost, since the CAN switch was turned on. The figures are counted frame by frame (BusHealthMeter)
// and shown RefreshMs apart while the switch is on; with the switch off the last figures stay,
// greyed.

#include "BusHealthMeter.h"

#include <QElapsedTimer>
#include <QGroupBox>
#include <QList>
#include <QMetaObject>
#include <QTimer>

class QCanBusDevice;
class QLabel;
class TCanBus;
class TPanel;

class BusHealthPanel : public QGroupBox {
    Q_OBJECT
public:
    static constexpr int RefreshMs = 250;

    // The panel watches bus (the program's bus when none is given).
    explicit BusHealthPanel(QWidget* parent = nullptr, TCanBus* bus = nullptr);
    ~BusHealthPanel() override;

    // The CAN switch was turned on and the adapter opened (or not) with the bit-rate index of
    // CanBitRates the switch chose: counting starts afresh.
    void switchedOn(int bitRateIndex);
    // The CAN switch is being turned off, before the adapter closes: the figures are taken a last
    // time and stay, greyed.
    void switchedOff();
    // Takes and shows the figures now (the panel's timer does so every RefreshMs).
    void refresh();

    [[nodiscard]] bool isOn() const { return m_on; }
    [[nodiscard]] const BusHealthMeter& meter() const { return m_meter; }
    // The bit rate the load is counted against.
    [[nodiscard]] int bitRate() const { return m_meter.bitRate(); }
    // Frames lost since the switch was turned on: dropped by the receive queue, plus the adapter's
    // overruns.
    [[nodiscard]] uint64_t framesLost() const;
    [[nodiscard]] BusState state() const { return m_state; }
    // The bus shared with others (socketcand clients, their count and the frames dropped for them):
    // shown under the explanation of every figure; empty shows nothing.
    void setSharingStatus(const QString& text);
    // What the figures' tooltips add below their explanation: the link of a network adapter
    // (its server, state and errors) and the sharing status.
    [[nodiscard]] QString extraTip() const;
    // What the state shows: the bus state's word, or the link's when a network adapter lost it.
    [[nodiscard]] QString stateText() const;
    // The adapter in use, a line under the state ("trace: name.log", "demo"); tip says it whole.
    void setSource(const QString& text, const QString& tip);
    [[nodiscard]] QString sourceText() const;

    // The figures as shown.
    QLabel* LoadValue = nullptr;
    QLabel* PeakValue = nullptr;
    QLabel* RatesValue = nullptr;
    QLabel* ErrorsValue = nullptr;
    QLabel* ErrorKind = nullptr;
    TPanel* StateValue = nullptr;
    QLabel* LostValue = nullptr;
    QLabel* SourceValue = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    [[nodiscard]] QCanBusDevice* openDevice() const;
    [[nodiscard]] bool adapterPresent() const;
    [[nodiscard]] BusState currentState() const;
    void showFigures();
    void showNoFigures();
    void showState();
    void showSource();
    void watchDevice();
    void unwatchDevice();

    TCanBus& m_bus;
    QLabel* m_loadCaption = nullptr;
    QString m_loadTip;  // what the load is, at the bit rate counted against
    QString m_loadNote; // why the load shown is bounded or not a figure, when it is
    BusHealthMeter m_meter{1000 / RefreshMs};
    QElapsedTimer m_clock;
    QTimer m_timer;
    bool m_on = false;
    bool m_observing = false;
    uint64_t m_queueDrops = 0; // the driver's count at the last refresh
    BusState m_state = BusState::Unknown;
    QString m_errorText; // the last error's kind in full
    QString m_errorsTip;
    QList<QMetaObject::Connection> m_deviceConnections;
    QString m_linkTip;   // the open device's "linkStatus", when it has one
    QString m_linkState; // its "linkState" while the adapter is not present
    bool m_linkConnected = false; // its "linkConnected"
    QString m_sharingTip;
    QString m_source; // the source line whole, cut to the label's width when shown
};
