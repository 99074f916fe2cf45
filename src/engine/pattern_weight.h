#ifndef FORESTA_ENGINE_PATTERN_WEIGHT_H_
#define FORESTA_ENGINE_PATTERN_WEIGHT_H_

#include <cstdint>
#include <vector>

namespace foresta {

// The vote of one consistent stored pattern: falls with d, the number of
// 1-bits of the completed vector that the pattern does not contain, on a
// scale chosen by the band of the vector length n. d < 0 gives 0, and so
// does an n outside 1..99999.
uint32_t PatternWeight(int64_t d, uint32_t n);

// PatternWeight(d, n) for d = 0..n, for callers that weigh many patterns of
// one vector length.
std::vector<uint32_t> PatternWeightTable(uint32_t n);

}  // namespace foresta

#endif  // FORESTA_ENGINE_PATTERN_WEIGHT_H_
