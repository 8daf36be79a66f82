#pragma once

#include <cstdio>
#include <cstdlib>

namespace farb::fuzz {

// A broken promise ends the run the way a sanitizer finding does, so libFuzzer keeps the input.
inline void Check(bool holds, const char* promise) {
    if (!holds) {
        std::fprintf(stderr, "broken: %s\n", promise);
        std::abort();
    }
}

}  // namespace farb::fuzz
