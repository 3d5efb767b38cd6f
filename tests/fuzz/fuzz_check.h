// How the fuzz targets report a broken property: a message, then abort(),
// which libFuzzer records as a crash with its input.
#pragma once

#include <cstdio>
#include <cstdlib>

namespace velk::fuzz {

[[noreturn]] inline void Fail(const char* what) {
    std::fprintf(stderr, "fuzzer: property violated: %s\n", what);
    std::abort();
}

inline void Require(bool holds, const char* what) {
    if (!holds) {
        Fail(what);
    }
}

}  // namespace velk::fuzz
