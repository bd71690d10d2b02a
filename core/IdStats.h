#pragma once

// The bus monitor's identifier statistics: at most 100 (identifier, count) entries, kept roughly
// in order of frequency. An identifier whose count overtakes its predecessor's moves one place
// forward per counted frame. The 101st identifier, or the 1001st frame of one identifier,
// restarts the table from that identifier.

#include <QString>

#include <array>
#include <cstdint>

class TIdStats {
public:
    static constexpr int Capacity = 100;
    static constexpr uint32_t HitLimit = 1000;

    struct Entry {
        uint32_t Id = 0;
        uint32_t Hits = 0;
    };

    void count(uint32_t id);
    // Used := 0 and every entry zeroed.
    void reset();
    // Used := 0, entries left as they are (the CAN switch turned off).
    void clearUsed() { m_used = 0; }

    [[nodiscard]] int used() const { return m_used; }
    // Entries are numbered from 1.
    [[nodiscard]] const Entry& entry(int j) const { return m_entries[static_cast<size_t>(j - 1)]; }
    // "0x00000110(3) 0x00000100(2) "
    [[nodiscard]] QString text() const;

private:
    void restartWith(uint32_t id);

    std::array<Entry, Capacity> m_entries{};
    int m_used = 0;
};
