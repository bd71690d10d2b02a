#include "TrendDescriptions.h"

#include "core/Registers.h"
#include "profile/DeviceProfile.h"

TTrendModel::Descriptions TrendDescriptionsOf(const TDeviceProfile* profile) {
    TTrendModel::Descriptions d{};
    if (profile == nullptr) return d;
    for (const TRegisterInfo& info : profile->registers()) {
        if (info.Register < 0 || info.Register >= RegisterCount) continue;
        TTrendScale s;
        s.Name = info.Name;
        s.Unit = info.Unit;
        s.Scale = info.Scale;
        s.Offset = info.Offset;
        s.Decimals = info.Decimals;
        s.Unsigned = info.Type != TRegisterType::S16;
        for (int b = 0; b < 16; ++b)
            s.BitNames[static_cast<size_t>(b)] = info.bitName(b);
        d[static_cast<size_t>(info.Register)] = s;
    }
    return d;
}
