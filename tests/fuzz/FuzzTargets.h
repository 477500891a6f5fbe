#pragma once
// The program's file readers driven over arbitrary bytes, one entry point per reader, each
// on a fresh application over the fakes in a temporary folder. Used by the libFuzzer
// programs and by the corpus replay test, so both run exactly the same code.

#include <QByteArray>

#include <vector>

namespace fennick::test {

struct FuzzTarget {
    const char* name;  // also the corpus folder tests/fuzz/corpus/<name>
    void (*run)(const QByteArray& input);
};

// Every target. An entry returns normally on any input the program handles (reading it or
// refusing it with its message); it aborts on a broken invariant or an unexpected
// exception, so that the fuzzer and the replay test report it.
const std::vector<FuzzTarget>& FuzzTargets();
const FuzzTarget* FindFuzzTarget(const char* name);

// The separator of inputs made of two files (a data file and its settings file).
inline constexpr char kFuzzSeparator[] = "\n====\n";

}  // namespace fennick::test
