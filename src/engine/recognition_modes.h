#ifndef FORESTA_ENGINE_RECOGNITION_MODES_H_
#define FORESTA_ENGINE_RECOGNITION_MODES_H_

#include <cstdint>
#include <string>
#include <vector>

#include "engine/engine_settings.h"
#include "engine/recognition_class.h"
#include "engine/vector_scorer.h"

namespace foresta {

class PatternStore;
class RandomStream;
class ReportOutput;

// Written into the report when the user stops a long recognition.
inline constexpr const char* kRecognitionCancelledText = " Recognition cancelled by the user \n";

// The recognition modes that make their own candidates for the unknown
// section: one to four 1-bits, every content (general mode), few 1-bits (up
// to N/divisor), a randomised local search, the ranking of complete images
// and the single-position recognition of the Run command.
//
// Every entry reads settings.recognitionFile and appends to `report`, which
// the caller opened beforehand and which stays open. Each returns a
// kRecognition* code: 1 when the recognition file fails its test or cannot
// be read, 2 when the store is not trained, 3 when the report is not open,
// 5 when cancelled (the report says so), 6 when the report could not be
// written in full.
class RecognitionModes {
 public:
  RecognitionModes(const PatternStore& store, uint32_t neuronCount, ReportOutput* report,
                   ScoringMethod method = ScoringMethod::kBitParallel);

  // Single-position voting; with listAll, one line per voted position first.
  int RecognizeSingleNeuron(const RecognitionSettings& settings, bool listAll,
                            EngineProgress* progress = nullptr);

  // Every content with exactly k (1..4) 1-bits.
  int RecognizeFixedOnes(const RecognitionSettings& settings, int k, bool listAll,
                         EngineProgress* progress = nullptr);

  // divisor 1: every content but all-0 and all-1 (at most 2^30 - 1 per
  // vector); divisor d > 1: every content with 1 .. min(m / d, 4) 1-bits.
  int RecognizeGeneral(const RecognitionSettings& settings, int divisor, bool listAll,
                       EngineProgress* progress = nullptr);

  // `runs` randomised coordinate searches per vector, drawing from `random`.
  int RecognizeLocalMinimum(const RecognitionSettings& settings, int runs, RandomStream& random,
                            EngineProgress* progress = nullptr);

  // Scores every complete vector and lists those with a positive score.
  int RetrieveImages(const RecognitionSettings& settings, EngineProgress* progress = nullptr);

  // Each single section position as the only 1, best result per vector.
  int RecognizeRun(const RecognitionSettings& settings, EngineProgress* progress = nullptr);

 private:
  enum class Mode { kSingle, kFixed, kGeneral, kLocal, kImages, kRun };
  struct Job {
    Mode mode;
    bool listAll = false;
    int k = 0;        // fixed ones, or the divisor of the general mode
    int runs = 0;
    RandomStream* random = nullptr;
  };

  int Frame(const RecognitionSettings& settings, const Job& job, EngineProgress* progress);
  // One vector with its section s .. s+m-1 (m may be 0 for images).
  // Returns false when cancelled.
  bool Vector(const Job& job, int64_t s, int64_t m, EngineProgress* progress);

  bool Single(bool listAll, int64_t s, int64_t m);
  bool Enumerate(const Job& job, int64_t s, int64_t m, EngineProgress* progress);
  bool LocalMinimum(int runs, RandomStream& random, int64_t s, int64_t m,
                    EngineProgress* progress);
  void Image();

  // Candidate bookkeeping of the enumerating modes.
  void SetSection(const std::vector<int64_t>& ones, int64_t s, int64_t m);
  void Consider(uint64_t score, bool listAll, bool newlineAfter);

  void WriteVectorText(const std::string& vec);  // with breaks after characters
  void WriteListingLine(const std::string& vec, uint64_t score, uint64_t runningBest);
  void WriteResult(const std::string& vec, uint64_t score, uint64_t ties);
  bool Poll(EngineProgress* progress, uint64_t done, uint64_t total);

  const PatternStore& store_;
  uint32_t n_;
  ReportOutput* report_;
  VectorScorer scorer_;
  std::vector<bool> breakBefore_;
  std::string vec_;        // the recognition vector as read
  std::string candidate_;  // the vector with the current candidate content
  std::string best_;
  uint64_t bestScore_ = 0;
  uint64_t ties_ = 0;
  bool cancelled_ = false;
};

}  // namespace foresta

#endif  // FORESTA_ENGINE_RECOGNITION_MODES_H_
