#ifndef FORESTA_EVALUATION_MEMORY_PIPELINE_H_
#define FORESTA_EVALUATION_MEMORY_PIPELINE_H_

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/distribution_scorer.h"
#include "engine/distribution_table.h"
#include "engine/pattern_store.h"
#include "evaluation/series.h"

namespace foresta {

// How an in-memory prediction ended; each outcome is the one the file
// pipeline reaches on the same rows and settings.
enum MemoryRunCode : int {
  kMemoryPredicted = 0,            // the report lists possibilities
  kMemoryNoPrediction = 1,         // "Can not make a Prediction."
  kMemoryInputRefused = 2,         // input test or encoder refused (555)
  kMemoryTooManyCombinations = 3,  // enumerative P^N >= 250,000 (558)
  kMemoryTrainingRefused = 4,      // no training vector (33)
  kMemoryDistributionRefused = 5,  // distribution file refused (487)
};

// One possibility of the report: a number per variable and its weight.
struct MemoryCandidate {
  std::vector<float> numbers;
  float weight = 0.0f;
};

// What the prediction report shows, as numbers.
struct MemoryPrediction {
  int code = kMemoryInputRefused;
  // The possibilities in listing order (filled only when asked for).
  std::vector<MemoryCandidate> candidates;
  std::vector<float> weightedAverage;
  std::vector<float> highestProbability;
  std::int64_t maximumWeight = 0;
  // "Error of each number".
  std::vector<float> errors;
};

// Runs a prediction on rows held in memory with the encoders' arithmetic,
// the engine's pattern store and scoring and the report's decoder, writing
// no file. Given the same rows and settings it yields exactly the numbers
// the file pipeline writes in its report (no symmetry expansion: the
// workbench default).
//
// One object keeps the trained stores of the last (series, rows, precision,
// trend) for each encoding, so the codes that share an encoding and differ
// only in the distribution or the report mode cost one training. Not
// thread-safe: use one object per thread.
class MemoryPipeline {
 public:
  MemoryPipeline();
  MemoryPipeline(const MemoryPipeline&) = delete;
  MemoryPipeline& operator=(const MemoryPipeline&) = delete;

  // Predicts the row after the first `rows` rows of `series` with run code
  // `code` (1..27). Candidates are listed only when `listCandidates`.
  // Returns out->code. The series must not change between calls on the same
  // object unless Forget() is called in between.
  // REQUIRES: 0 <= rows <= series.rows().
  int Predict(const Series& series, int rows, int code, int precision, int trend,
              MemoryPrediction* out, bool listCandidates = true);

  // Drops what is kept from earlier calls.
  void Forget();

 private:
  // The encoded quantities of one kind (values or growth rates).
  struct Quantities {
    bool built = false;
    int rows = 0;  // quantity rows
    std::vector<float> values;
    std::vector<float> minima, widths;
  };
  // A trained store and its recognition vector, with the 1-bit positions
  // of every quantity row's codes (row r: rowOnes[rowStart[r] ..
  // rowStart[r + 1]), counted from the row's first neuron).
  struct Encoding {
    bool built = false;
    int code = kMemoryPredicted;
    PatternStore store;
    std::string vector;
    uint32_t neurons = 0;
    std::vector<int32_t> rowOnes;
    std::vector<std::size_t> rowStart;
  };
  // The rows a distribution lists with their totals, each row as (ones,
  // position of the last one) per variable.
  struct Listing {
    bool built = false;
    int code = kMemoryPredicted;
    std::vector<std::int64_t> ones, lastOne;
    std::vector<uint32_t> totals;
  };

  bool SameKey(const Series& series, int rows, int precision, int trend) const;
  const Quantities& QuantitiesOf(bool growth);
  Encoding& EncodingOf(bool growth, int style);
  const Listing& ListingOf(int encoder, int style);
  void AppendOnes(const Quantities& q, int row, int style, std::int64_t offset,
                  std::vector<int32_t>& ones) const;
  void FillTable(int encoder, int style);
  // Appends row r's positions shifted by `offset`.
  static void AppendRow(const Encoding& e, int r, int32_t offset, std::vector<int32_t>& ones);

  const Series* series_ = nullptr;
  int rows_ = -1;
  int precision_ = 0;
  int trend_ = 0;
  uint32_t n_ = 0;
  std::array<Quantities, 2> quantities_;
  std::array<Encoding, 6> encodings_;
  std::array<Listing, 9> listings_;
  DistributionTable table_;
  DistributionScorer scorer_;
  std::vector<uint32_t> totals_;
  std::vector<int32_t> ones_;
  std::vector<float> numbers_;
};

}  // namespace foresta

#endif  // FORESTA_EVALUATION_MEMORY_PIPELINE_H_
