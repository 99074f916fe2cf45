#ifndef FORESTA_FUZZ_FUZZ_CHECK_H_
#define FORESTA_FUZZ_FUZZ_CHECK_H_

#include <cstdio>
#include <cstdlib>

namespace foresta::fuzz {

// An invariant the harness checks after each call: when it fails, the input
// is a finding, so the run stops with the reason and libFuzzer keeps it.
inline void Require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}

}  // namespace foresta::fuzz

#endif  // FORESTA_FUZZ_FUZZ_CHECK_H_
