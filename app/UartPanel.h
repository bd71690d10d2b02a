#pragma once

// The UART group of the main window: the COM port settings of the serial link, the progress of
// the running exchange and a free-text memo. The panel owns the port component MyCommPort and is
// the serial exchange's link to the user (time-out, progress, abort).

#include "serial/RsPanelLink.h"

#include <QGroupBox>

#include <array>

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QRadioButton;
class QToolButton;
class TComPort;
class TSpinEdit;

class TUartPanel : public QGroupBox, public TRsPanelLink {
    Q_OBJECT
public:
    explicit TUartPanel(QWidget* parent = nullptr);
    ~TUartPanel() override;

    // Design-time controls (names as in the window's design).
    QLabel* RxLabel2 = nullptr;
    TSpinEdit* RCom = nullptr;
    QGroupBox* RGBaud = nullptr;
    std::array<QRadioButton*, 2> RGBaudItem{};
    QCheckBox* CBLockRS = nullptr;
    QToolButton* AbortKey = nullptr;
    QProgressBar* PBRs = nullptr;
    QPlainTextEdit* Memo2 = nullptr;
    TSpinEdit* TimeWait = nullptr;
    QLabel* RxLabel6 = nullptr;
    TComPort* MyCommPort = nullptr;

    // Baud rates of the RGBaud items.
    static constexpr std::array<int, 2> BaudRates{57600, 115200};

    // Selected item of RGBaud (-1 when none).
    [[nodiscard]] int RGBaudItemIndex() const;

    // Handlers.
    void RGBaudClick();
    void RComChange();
    void CBLockRSClick();
    void Memo2Change();
    void AbortKeyClick();

    // Set by AbortKey, read and cleared by the exchange.
    bool AbortRequested = false;

    // The serial exchange's link.
    [[nodiscard]] QObject* rsObject() override { return this; }
    [[nodiscard]] TComPort& rsPort() override { return *MyCommPort; }
    [[nodiscard]] int32_t rsTimeWait() const override;
    void rsBegin() override;
    void rsProgressRange(int32_t total) override;
    void rsProgress(int32_t done) override;
    [[nodiscard]] bool rsAbortRequested() const override { return AbortRequested; }
    void rsEnd() override;
};
