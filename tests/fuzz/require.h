// What a fuzzer checks of each input: a broken property aborts, which
// libFuzzer reports with the input.
#pragma once

#include <cstdio>
#include <cstdlib>

namespace velk::fuzz {

inline void Require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "fuzzer: property violated: %s\n", what);
        std::abort();
    }
}

}  // namespace velk::fuzz
