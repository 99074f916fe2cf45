#ifndef FORESTA_FUZZ_PATTERN_STORE_CHECK_H_
#define FORESTA_FUZZ_PATTERN_STORE_CHECK_H_

#include <cstdint>

#include "engine/pattern_store.h"
#include "fuzz_check.h"

namespace foresta::fuzz {

// The store's two lists agree: one size per pattern and the end mark, each
// size at most n, and exactly that many ascending positions below n.
inline void RequireConsistentStore(const PatternStore& store, uint32_t n) {
  const DCharList& sizes = store.PatternSizes();
  const DCharList& positions = store.PatternPositions();
  Require(sizes.size() == store.patternCount() + 1, "one size per pattern and the end mark");
  Require(sizes.at(store.patternCount()) == PatternStore::kEndMark, "the end mark closes the sizes");
  int64_t at = 0;
  for (int64_t p = 0; p < store.patternCount(); ++p) {
    const int32_t size = sizes.at(p);
    Require(size >= 0 && static_cast<uint32_t>(size) <= n, "a size fits the vector");
    int32_t previous = -1;
    for (int32_t i = 0; i < size; ++i, ++at) {
      const int32_t position = positions.at(at);
      Require(position > previous && static_cast<uint32_t>(position) < n,
              "positions ascend inside the vector");
      previous = position;
    }
  }
  Require(at == positions.size(), "the positions are all accounted for");
}

}  // namespace foresta::fuzz

#endif  // FORESTA_FUZZ_PATTERN_STORE_CHECK_H_
