#pragma once

// Checks shared by the profile targets: a profile read is one the program can show and write, and
// what it writes reads back as the same profile.

#include "FuzzCheck.h"

#include "profile/DeviceProfile.h"

inline void CheckProfile(const TDeviceProfile& profile) {
    int last = -1;
    for (const TRegisterInfo& r : profile.registers()) {
        FUZZ_CHECK(r.Register > last && r.Register < RegisterCount);
        last = r.Register;
        FUZZ_CHECK(profile.find(r.Register) == &r);
        FUZZ_CHECK(!r.Name.trimmed().isEmpty());
        FUZZ_CHECK(r.Decimals >= 0 && r.Decimals <= 6);
        FUZZ_CHECK(!r.Min || !r.Max || *r.Min <= *r.Max);
        FUZZ_CHECK(r.Type != TRegisterType::Enum || !r.Enum.isEmpty());
        for (const TBitField& f : r.Bits)
            FUZZ_CHECK(f.First >= 0 && f.First <= f.Last && f.Last <= 15);
        // Everything the windows show of the register, at the edges of the word.
        for (const uint16_t raw : {0x0000, 0x0001, 0x7FFF, 0x8000, 0xFFFF}) {
            (void)r.valueText(raw);
            (void)r.rawText(raw);
            (void)r.rawInRange(raw);
            uint16_t back = 0;
            QString error;
            (void)r.toRaw(r.engineering(raw), &back, &error);
            (void)r.parseValue(r.valueText(raw, false), &back, &error);
        }
        (void)r.rangeText();
        for (int bit = 0; bit < 16; ++bit)
            (void)r.bitName(bit);
    }
    // Written and read again: accepted, and written the same.
    const QByteArray json = profile.toJson();
    TDeviceProfile back;
    QString error;
    FUZZ_CHECK(TDeviceProfile::parse(json, QStringLiteral("back.json"), &back, &error));
    FUZZ_CHECK(back.registers().size() == profile.registers().size());
    FUZZ_CHECK(back.device() == profile.device());
    FUZZ_CHECK(back.toJson() == json);
}
