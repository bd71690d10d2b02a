// The profile reader (JsonFile and TDeviceProfile::parse): the input as a profile file. A profile
// accepted holds only registers within the rules, shows every raw word without fault, and the JSON
// it writes reads back as the same profile.

#include "ProfileChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray json(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    TDeviceProfile profile;
    QString error;
    if (!TDeviceProfile::parse(json, QStringLiteral("fuzz.json"), &profile, &error)) {
        FUZZ_CHECK(error.startsWith(QStringLiteral("fuzz.json: ")));
        return 0;
    }
    CheckProfile(profile);
    return 0;
}
