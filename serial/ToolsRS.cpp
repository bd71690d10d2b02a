#include "ToolsRS.h"

#include "serial/ComPort.h"
#include "serial/EventTimer.h"

#include <QCoreApplication>
#include <QObject>
#include <QPointer>

#include <algorithm>

std::array<uint8_t, RsBufSize> RsTxBuf{};
std::array<uint8_t, RsBufSize> RsRxBuf{};

namespace {

constexpr int32_t BlockSize = 1024;
// Extra ticks (about one second) the output buffer may stand still before the exchange gives
// up on a line that does not drain.
constexpr int32_t OutStallExtraTicks = 18;

TRsPanelLink* g_panel = nullptr;
QPointer<QObject> g_panelObject; // g_panel is valid while this is
bool g_running = false;

struct RunningGuard {
    RunningGuard() { g_running = true; }
    ~RunningGuard() { g_running = false; }
    RunningGuard(const RunningGuard&) = delete;
    RunningGuard& operator=(const RunningGuard&) = delete;
};

// Waits until the port's output buffer is empty. Gives up (false) when it has not shrunk for
// stallTicks, so a line that never drains cannot hold the program forever.
bool waitOutEmpty(TComPort& port, int32_t stallTicks) {
    int32_t last = port.OutBuffUsed();
    TEventTimer stall;
    NewTimer(stall, stallTicks);
    while (last != 0) {
        const int32_t now = port.OutBuffUsed();
        if (now < last) {
            NewTimer(stall, stallTicks);
        } else if (TimerExpired(stall)) {
            return false;
        }
        last = now;
    }
    return true;
}

} // namespace

void RsSetPanel(TRsPanelLink* panel) {
    g_panel = panel;
    g_panelObject = panel ? panel->rsObject() : nullptr;
}

TRsPanelLink* RsPanel() {
    return g_panelObject ? g_panel : nullptr;
}

uint8_t RsExchange(int32_t sendLen, int32_t expectLen) {
    TRsPanelLink* const panel = RsPanel();
    if (!panel) return RsNoAnswer;
    const QPointer<QObject> alive = g_panelObject;
    // A window message handled in the send phase may try to start another exchange: refused.
    if (g_running) return RsNested;
    // The zero byte and the cleared bytes after the request, and the answer, must fit.
    if (sendLen < 0 || sendLen > RsBufSize - 4 || expectLen < 3 || expectLen > RsBufSize) return RsBadLength;
    TComPort& port = panel->rsPort();
    if (port.OutBuffUsed() != 0) return RsBusy;

    const RunningGuard running;
    panel->rsBegin();
    const bool wasOpen = port.open();
    port.setOpen(true);
    if (!port.open()) {
        // Missing, busy or forbidden port: nothing can arrive.
        panel->rsEnd();
        return RsNoAnswer;
    }
    port.FlushInBuffer();
    port.FlushOutBuffer();

    int32_t progress = 0;
    panel->rsProgressRange(sendLen + expectLen);

    std::fill_n(RsRxBuf.begin(), 10, uint8_t{0});
    std::fill_n(RsTxBuf.begin() + sendLen, 4, uint8_t{0});

    const int32_t timeWait = panel->rsTimeWait();
    const int32_t stallTicks = timeWait + OutStallExtraTicks;
    uint8_t result = RsNoAnswer;
    bool receive = true;

    // Send phase: the request and one zero byte, in blocks written into an empty output buffer.
    int32_t remaining = sendLen + 1;
    int32_t sent = 0;
    while (remaining > 0) {
        const int32_t block = std::min(remaining, BlockSize);
        if (!waitOutEmpty(port, stallTicks)) {
            receive = false;
            break;
        }
        port.PutBlock(RsTxBuf.data() + sent, block);
        if (block < BlockSize && !waitOutEmpty(port, stallTicks)) {
            receive = false;
            break;
        }
        sent += block;
        remaining -= block;
        progress += block;
        panel->rsProgress(progress);
        QCoreApplication::processEvents();
        if (!alive) return RsNoAnswer; // the panel and its port went away meanwhile
        if (panel->rsAbortRequested()) {
            result = RsAborted;
            receive = false;
            break;
        }
    }
    if (receive && !waitOutEmpty(port, stallTicks)) receive = false;

    // Receive phase: every character restarts the time-out of TimeWait ticks, within an overall
    // deadline of the time the expected bytes take on the line (11 bits each at 8N2) plus twice
    // TimeWait, so a peer that trickles its bytes just inside the time-out cannot hold the
    // program for minutes.
    TEventTimer overall;
    const double lineSeconds = expectLen * 11.0 / std::max<int32_t>(port.baud(), 1);
    overall.Deadline = std::chrono::steady_clock::now() +
                       std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                           std::chrono::duration<double>(lineSeconds)) +
                       EventTicks(2 * timeWait);
    bool got = false;
    int32_t received = 0;
    while (receive && received < expectLen) {
        if (TimerExpired(overall)) {
            got = false;
            break;
        }
        TEventTimer timer;
        NewTimer(timer, timeWait);
        got = false;
        do {
            port.ServiceLine();
            if (!port.open()) break; // the line went away
            // Whole blocks only while more than a block is still expected, so the answer never
            // runs past expectLen.
            if (port.InBuffUsed() > BlockSize && expectLen - received > BlockSize) {
                const int32_t n = port.GetBlock(RsRxBuf.data() + received, BlockSize);
                received += n;
                progress += n;
            }
            if (port.CharReady()) {
                ++progress;
                panel->rsProgress(progress);
                RsRxBuf[received] = port.GetChar();
                ++received;
                got = true;
                break;
            }
        } while (!TimerExpired(timer) && !TimerExpired(overall));
        if (!got) break;
    }

    port.FlushInBuffer();
    port.FlushOutBuffer();
    panel->rsEnd();

    if (receive && got) {
        const uint16_t crc = Crc16(RsRxBuf.data(), expectLen - 2);
        const uint16_t sentCrc = static_cast<uint16_t>(RsRxBuf[expectLen - 2] + 256 * RsRxBuf[expectLen - 1]);
        result = crc == sentCrc ? RsOk : RsBadCrc;
    }

    port.setOpen(wasOpen);
    return result;
}
