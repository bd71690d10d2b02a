// The parameter-set reader (JsonFile and TParameterSet::parse): the input as a set file. A set
// accepted has each register once, in order, with raw words of 16 bits; the JSON it writes reads
// back and is written the same again.

#include "FuzzCheck.h"

#include "params/ParameterSet.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray json(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    TParameterSet set;
    QString error;
    if (!TParameterSet::parse(json, QStringLiteral("fuzz.json"), &set, &error)) {
        FUZZ_CHECK(error.startsWith(QStringLiteral("fuzz.json: ")));
        return 0;
    }
    for (qsizetype i = 1; i < set.Registers.size(); ++i)
        FUZZ_CHECK(set.Registers.at(i - 1).Register < set.Registers.at(i).Register);
    for (const TParameterValue& v : set.Registers)
        FUZZ_CHECK(set.find(v.Register) == &v);
    // Written, the set reads back with the same registers and is written the same (values are
    // written with twelve digits: the first write may round them, a second changes nothing).
    const QByteArray once = set.toJson();
    TParameterSet back;
    FUZZ_CHECK(TParameterSet::parse(once, QStringLiteral("back.json"), &back, &error));
    FUZZ_CHECK(back.Registers.size() == set.Registers.size());
    for (qsizetype i = 0; i < set.Registers.size(); ++i)
        FUZZ_CHECK(back.Registers.at(i).Register == set.Registers.at(i).Register &&
                   back.Registers.at(i).Raw == set.Registers.at(i).Raw);
    FUZZ_CHECK(back.Row == set.Row);
    FUZZ_CHECK(back.toJson() == once);
    return 0;
}
