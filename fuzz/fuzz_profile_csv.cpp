// The CSV import of register maps (ImportProfileCsv): the input as a map. A map accepted is a
// profile within the rules whose JSON reads back as the same profile; a map refused says which file.

#include "ProfileChecks.h"

#include "profile/ProfileCsv.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray csv(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    TDeviceProfile profile;
    QString error;
    if (!ImportProfileCsv(csv, QStringLiteral("map.csv"), QStringLiteral("Fuzzed device"), &profile,
                          &error)) {
        FUZZ_CHECK(error.startsWith(QStringLiteral("map.csv")));
        return 0;
    }
    FUZZ_CHECK(profile.device() == QStringLiteral("Fuzzed device"));
    CheckProfile(profile);
    return 0;
}
