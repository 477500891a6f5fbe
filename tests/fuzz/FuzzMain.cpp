// One libFuzzer program per reader: FENNICK_FUZZ_TARGET names the entry it drives.

#include "FuzzTargets.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const fennick::test::FuzzTarget* target = fennick::test::FindFuzzTarget(FENNICK_FUZZ_TARGET);
    if (!target) {
        std::fprintf(stderr, "no fuzz target %s\n", FENNICK_FUZZ_TARGET);
        std::abort();
    }
    target->run(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    return 0;
}
