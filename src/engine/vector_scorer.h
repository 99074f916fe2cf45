#ifndef FORESTA_ENGINE_VECTOR_SCORER_H_
#define FORESTA_ENGINE_VECTOR_SCORER_H_

#include <cstdint>
#include <string>
#include <vector>

namespace foresta {

class PatternStore;

// How candidate vectors are scored: through the bit-parallel form below, or
// by walking the stored positions once per candidate (the plain form, kept
// as the yardstick for speed and for checking the fast form).
enum class ScoringMethod { kBitParallel, kDirect };

// VectorScore of the candidate vectors of one recognition vector: the sum,
// over every stored pattern whose 1-bits all lie in the candidate, of
// PatternWeight(ones of the candidate - pattern size). Candidates differ
// only inside the unknown section, so Prepare() tests each pattern's bits
// outside the section once and keeps the patterns that can still fit, with
// their section bits as masks; a candidate then costs one subset test per
// kept pattern.
class VectorScorer {
 public:
  VectorScorer(const PatternStore& store, uint32_t neuronCount, ScoringMethod method);

  // Prepares for candidates of `vec` (n characters; '1' is a set bit
  // outside the section, the section's own characters are ignored) with the
  // section s .. s+m-1. Only the first `reach` section positions ever hold
  // a 1 in a candidate, and never more than `maxOnes` of them.
  void Prepare(const std::string& vec, int64_t s, int64_t m, int64_t reach, int64_t maxOnes);

  // Score of the candidate whose section bits are `section` (bit j set:
  // position s + j is 1). REQUIRES: reach <= 64.
  uint64_t ScoreMask(uint64_t section);

  // Score of the candidate whose section bits are the words of `section`
  // (bit j of the row: position s + j), holding `ones` set bits.
  uint64_t ScoreWords(const std::vector<uint64_t>& section, int64_t ones);

  // The single-position votes: for every section position, the summed
  // weights (capped) of the consistent patterns that have that position as
  // their only section bit, weighed by ones outside + 1 - their size.
  // REQUIRES: Prepare with maxOnes >= 1.
  std::vector<uint32_t> SinglePositionVotes() const;

  int64_t onesOutside() const { return onesOutside_; }

 private:
  struct Kept {
    uint64_t mask;     // section bits when reach <= 64
    int64_t first;     // index of its section offsets in offsets_
    int32_t count;     // number of section bits
    int32_t size;      // pattern size k
    uint32_t copies;   // equal patterns folded into one
  };

  void PrepareBitParallel(int64_t maxOnes);
  uint64_t DirectScore(const std::vector<uint64_t>& section, int64_t ones);

  const PatternStore& store_;
  uint32_t n_;
  ScoringMethod method_;
  std::vector<uint32_t> weights_;
  std::string vec_;
  int64_t s_ = 0, m_ = 0, reach_ = 0;
  int64_t onesOutside_ = 0;
  std::vector<Kept> kept_;
  std::vector<int32_t> offsets_;
  std::vector<uint64_t> scratch_;
};

}  // namespace foresta

#endif  // FORESTA_ENGINE_VECTOR_SCORER_H_
