#ifndef FORESTA_ENGINE_DISTRIBUTION_SCORER_H_
#define FORESTA_ENGINE_DISTRIBUTION_SCORER_H_

#include <cstdint>
#include <string>
#include <vector>

namespace foresta {

class DistributionTable;
class PatternStore;

// Scores one recognition vector against the store in user-distribution
// mode: every stored pattern whose 1-bits outside the unknown section all
// lie in the vector votes PatternWeight(d, n) for the first distribution
// row equal to its section bits (d: the vector's 1-bits outside the section
// that the pattern lacks); each row's total is capped. The recognition
// report and the in-memory pipeline both score through this class.
class DistributionScorer {
 public:
  // Sets totals (one per table row, capped at kTotalCap) for `vec`, n
  // characters whose section s .. s+m-1 holds '0'.
  // REQUIRES: table.rowLength() == m, s + m <= n == store vector length.
  void Score(const PatternStore& store, const DistributionTable& table,
             const std::string& vec, uint32_t n, int64_t s, int64_t m,
             std::vector<uint32_t>* totals);

 private:
  std::vector<uint32_t> weights_;
  uint32_t weightsFor_ = 0;
  std::vector<uint64_t> forbidden_;
  std::vector<uint64_t> section_;
  std::vector<uint64_t> key_;
};

}  // namespace foresta

#endif  // FORESTA_ENGINE_DISTRIBUTION_SCORER_H_
