#include "ZelmDevice.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// A small deterministic scramble, so that every device and register gets its own pattern and
// measurement noise without any global random state.
uint32_t Scramble(uint32_t x) {
    x ^= x >> 16;
    x *= 0x7FEB352Du;
    x ^= x >> 15;
    x *= 0x846CA68Bu;
    x ^= x >> 16;
    return x;
}

uint16_t ToRegister(double v) {
    const long n = std::lround(std::clamp(v, -32768.0, 32767.0));
    return static_cast<uint16_t>(static_cast<int16_t>(n));
}

} // namespace

ZelmDevice::ZelmDevice(int row, QString name, uint32_t rxAdr, uint32_t txAdr, int32_t protokol, int32_t rsAdr)
    : m_row(row), m_name(std::move(name)), m_rxAdr(rxAdr), m_txAdr(txAdr), m_protokol(protokol),
      m_rsAdr(rsAdr) {
    // Settings: recognisable fixed values per device.
    for (int r = CounterRegister + 1; r < CommandRegister; ++r)
        m_regs[static_cast<size_t>(r)] = static_cast<uint16_t>((r - CounterRegister - 1) * 10 + row);
    advance(0);
}

uint16_t ZelmDevice::reg(int r) const {
    if (r < 0 || r >= RegisterCount) return 0;
    return m_regs[static_cast<size_t>(r)];
}

bool ZelmDevice::held(int r) const {
    if (r < 0 || r >= RegisterCount) return false;
    return m_held[static_cast<size_t>(r)];
}

void ZelmDevice::set(int r, uint16_t value) {
    if (!m_held[static_cast<size_t>(r)]) m_regs[static_cast<size_t>(r)] = value;
}

void ZelmDevice::advance(int64_t nowMs) {
    if (nowMs == m_lastMs) return;
    m_lastMs = nowMs;
    const auto seed = static_cast<uint32_t>(m_row) * 0x9E3779B9u;

    // Discrete block.
    const auto halfSeconds = static_cast<uint32_t>(nowMs / 500);
    set(0, static_cast<uint16_t>(0x0006u | (halfSeconds & 1u))); // ready bits + heartbeat
    set(1, static_cast<uint16_t>(1u << ((nowMs / 250) % 16)));   // walking bit
    set(2, static_cast<uint16_t>(((seed >> 8) & 0xFF00u) | ((nowMs / 1000) & 0xFFu))); // step counter
    for (int d = 3; d < DiscreteCount; ++d) {
        const uint32_t pattern = Scramble(seed + static_cast<uint32_t>(d)) & 0xFFFFu;
        if (d < 8) {
            // Some bits of these registers toggle, each register at its own pace.
            const int64_t period = 700 + 450 * (d - 3);
            const uint32_t toggling = Scramble(seed ^ static_cast<uint32_t>(d * 31)) & 0x0F0Fu;
            set(d, static_cast<uint16_t>(((nowMs / period) & 1) ? (pattern ^ toggling) : pattern));
        } else {
            set(d, static_cast<uint16_t>(pattern));
        }
    }

    // Analog block: slow sine drift around a set value, plus a little noise that changes five
    // times a second. Every 16th register reads around -50, so negative values show too.
    const auto noiseSlot = static_cast<uint32_t>(nowMs / 200);
    for (int k = 0; k < AnalogCount; ++k) {
        const double base = (k % 16 == 15) ? -50.0 : 100.0 * (k % 8 + 1) + 10.0 * m_row;
        const double amplitude = 5.0 + (k * 7) % 40;
        const double period = 4000.0 + 500.0 * (k % 11);
        const double angle = 2.0 * std::numbers::pi * (static_cast<double>(nowMs) / period) + k;
        const int noise =
            static_cast<int>(Scramble(seed ^ (static_cast<uint32_t>(k) << 20) ^ noiseSlot) % 5u) - 2;
        set(AnalogFirst + k, ToRegister(base + amplitude * std::sin(angle) + noise));
    }

    set(CounterRegister, static_cast<uint16_t>((nowMs / 1000) & 0xFFFF));
}

int ZelmDevice::apply(const TDeviceMessage& msg, std::vector<TCanFrame>& echo) {
    std::array<bool, 4> written{};
    int count = 0;
    for (int i = 0; i < 4; ++i) {
        if (!msg.present(i)) continue;
        const int r = msg.Address + i;
        if (r >= RegisterCount) continue;
        m_regs[static_cast<size_t>(r)] = static_cast<uint16_t>(msg.Values[i]);
        m_held[static_cast<size_t>(r)] = true;
        written[static_cast<size_t>(i)] = true;
        ++count;
    }
    // Echo each run of consecutive written registers.
    for (int i = 0; i < 4;) {
        if (!written[static_cast<size_t>(i)]) {
            ++i;
            continue;
        }
        int len = 0;
        while (i + len < 4 && written[static_cast<size_t>(i + len)])
            ++len;
        for (int done = 0; done < len;) {
            const int n = std::min(len - done, reportWidth());
            echo.push_back(reportFrame(msg.Address + i + done, n));
            done += n;
        }
        i += len;
    }
    return count;
}

int ZelmDevice::reportWidth() const {
    return m_protokol == Protocol3 ? Protocol3ReportValues : StandardReportValues;
}

int ZelmDevice::reportsPerCycle() const {
    return (RegisterCount + reportWidth() - 1) / reportWidth();
}

TCanFrame ZelmDevice::reportFrame(int first, int count) const {
    first = std::clamp(first, 0, RegisterCount - 1);
    count = std::clamp(count, 1, std::min(reportWidth(), RegisterCount - first));
    TDeviceMessage msg;
    msg.Address = static_cast<uint16_t>(first);
    msg.Direction = 0;
    for (int i = 0; i < count; ++i)
        msg.Values[i] = static_cast<int16_t>(m_regs[static_cast<size_t>(first + i)]);
    if (m_protokol == Protocol3) {
        msg.Mask = 0xFF;
        msg.Count = count;
    } else {
        // Mask bit 2 stands for the first value, bit 0 for the third.
        msg.Mask = static_cast<uint8_t>((0x7u << (3 - count)) & 0x7u);
        msg.Count = StandardReportValues;
    }
    TCanFrame frame;
    EncodeRegisterWrite(msg, m_txAdr, m_protokol, frame);
    return frame;
}

TCanFrame ZelmDevice::nextReport() {
    const int first = m_nextReport;
    const int count = std::min(reportWidth(), RegisterCount - first);
    m_nextReport = first + count >= RegisterCount ? 0 : first + count;
    return reportFrame(first, count);
}
