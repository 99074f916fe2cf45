#ifndef FORESTA_ENGINE_RECOGNITION_CLASS_H_
#define FORESTA_ENGINE_RECOGNITION_CLASS_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/distribution_scorer.h"
#include "engine/distribution_table.h"
#include "engine/engine_settings.h"

namespace foresta {

class CharReader;
class PatternStore;
class ReportOutput;

constexpr int kRecognitionOk = 0;
constexpr int kRecognitionNeedsTest = 1;       // recognition file refused or unreadable
constexpr int kRecognitionNotTrained = 2;
constexpr int kRecognitionNoOutput = 3;        // report not open or first write failed
constexpr int kRecognitionNeedsDistribution = 4;
constexpr int kRecognitionCancelled = 5;
constexpr int kRecognitionWriteFailed = 6;     // the report could not be written in full

// A vote total never passes this value.
constexpr uint32_t kTotalCap = 2100000000u;

// Completes the unknown section of each recognition vector with the user
// distribution row that the stored patterns vote for, and writes the
// recognition report. Owns the loaded distribution table.
class RecognitionClass {
 public:
  RecognitionClass() = default;

  // Tests both files, writes the report to settings.recognitionOutputFile
  // (emptying it) and closes it. Returns a kRecognition* code.
  int RecognizeWithDistribution(const PatternStore& store, uint32_t neuronCount,
                                const RecognitionSettings& settings,
                                EngineProgress* progress = nullptr);

  // The same over the two files' bytes in memory; the report is appended to
  // `report`.
  int RecognizeWithDistributionFromBytes(const PatternStore& store, uint32_t neuronCount,
                                         std::string_view recognition,
                                         std::string_view distribution,
                                         const BreakerSettings& breakers, std::string* report,
                                         EngineProgress* progress = nullptr);

  // The same without the vote listing, written into an already open
  // report, which stays open. Returns a kRecognition* code; 3 when the
  // report is not open.
  int RecognizeBestMatch(const PatternStore& store, uint32_t neuronCount,
                         const RecognitionSettings& settings, ReportOutput* report,
                         EngineProgress* progress = nullptr);

  const DistributionTable& distributionTable() const { return table_; }

 private:
  int Run(const PatternStore& store, uint32_t neuronCount, const RecognitionSettings& settings,
          ReportOutput* report, bool ownReport, bool listVotes, EngineProgress* progress);
  // Writes the report for the tested recognition file `in` (read from its
  // first byte) against the loaded table; the report is open.
  int Recognize(const PatternStore& store, uint32_t neuronCount, CharReader& in,
                const BreakerSettings& breakers, ReportOutput* report, bool ownReport,
                bool listVotes, EngineProgress* progress);
  // Writes the votes and result of one vector with a section.
  void WriteVector(const PatternStore& store, std::string& vec, uint32_t n, bool listVotes,
                   int64_t s, int64_t m, ReportOutput* report);

  DistributionTable table_;
  DistributionScorer scorer_;
  std::vector<uint32_t> totals_;
  std::vector<bool> breakBefore_;
};

}  // namespace foresta

#endif  // FORESTA_ENGINE_RECOGNITION_CLASS_H_
