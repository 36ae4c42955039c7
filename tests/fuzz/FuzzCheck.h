// A broken property ends the run like a crash, so the fuzzer keeps the input.
#pragma once

#include <cstdio>
#include <cstdlib>

namespace parlix::fuzz {

inline void Check(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "property broken: %s\n", what);
    std::abort();
}

}  // namespace parlix::fuzz
