#pragma once
// The kinds of write the crash-safety helper does in turn, shared by the helper program
// and the test that kills it.

#include <array>

namespace fennick::test {

inline constexpr std::array<const char*, 10> kCrashKinds = {
    "record edit", "record add", "settings", "zip file",  "member file",
    "export",      "compaction", "backup",   "restore",   "attendance erase",
};

}  // namespace fennick::test
