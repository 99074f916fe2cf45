#ifndef FORESTA_ENGINE_ENGINE_H_
#define FORESTA_ENGINE_ENGINE_H_

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/engine_settings.h"
#include "engine/pattern_store.h"
#include "engine/recognition_class.h"
#include "engine/report_output.h"

namespace foresta {

class CharReader;

constexpr int kTrainOk = 0;
constexpr int kTrainNeedsTest = 1;       // training file refused or unreadable
constexpr int kTrainTooManyNeurons = 2;
constexpr int kTrainOutOfMemory = 3;     // store left empty (untrained)
constexpr int kTrainCancelled = 4;       // store left empty (untrained)

constexpr int kRetrainOk = 0;
constexpr int kRetrainNeedsTest = 1;
constexpr int kRetrainNotTrained = 2;
constexpr int kRetrainNeuronMismatch = 3;
constexpr int kRetrainOutOfMemory = 4;   // store left empty (untrained)
constexpr int kRetrainCancelled = 5;     // store left empty (untrained)
constexpr int kRetrainTooManyNeurons = 6;

// The recognition engine: the vector length NeuronCount, the store of
// trained patterns, the recognition object and the report file that the
// listing recognition modes write into.
class Engine {
 public:
  Engine() = default;
  Engine(const Engine&) = delete;
  Engine& operator=(const Engine&) = delete;

  uint32_t NeuronCount() const { return neuronCount_; }
  // Why the last training or retraining stored no symmetry copies although
  // its symmetry kind asks for them (a kSymmetryRegion* code; 0 when none).
  int symmetryProblem() const { return symmetryProblem_; }
  const PatternStore& store() const { return store_; }
  const RecognitionClass& recognition() const { return recognition_; }

  // The four file tests (0 = the file is fit for use). Only the training
  // test changes anything: it sets NeuronCount to the count it reads.
  int TestTrainingFile(const std::string& trainingFile);
  int TestRetrainingFile(const std::string& retrainingFile) const;
  int TestRecognitionFile(const std::string& recognitionFile) const;
  int TestDistributionFile(const std::string& userDistributionFile) const;

  // Replaces the store with the vectors of the training file (and their
  // symmetry copies). Returns a kTrain* code. On kTrainNeedsTest the store
  // is unchanged; when memory runs out or the run is cancelled the store is
  // left empty, so nothing half-trained is ever used.
  int TrainNetwork(const std::string& trainingFile, const SymmetrySettings& symmetry,
                   EngineProgress* progress = nullptr);

  // Appends the vectors of the retraining file after the stored patterns.
  // Returns a kRetrain* code.
  int RetrainNetwork(const std::string& retrainingFile, const SymmetrySettings& symmetry,
                     EngineProgress* progress = nullptr);

  // The same two over a file's bytes held in memory (tests, fuzzers): the
  // test and the reading are those of the file versions.
  int TrainNetworkFromBytes(std::string_view training, const SymmetrySettings& symmetry,
                            EngineProgress* progress = nullptr);
  int RetrainNetworkFromBytes(std::string_view retraining, const SymmetrySettings& symmetry,
                              EngineProgress* progress = nullptr);

  // Completes the recognition vectors and writes the full report to
  // settings.recognitionOutputFile. Returns a kRecognition* code.
  int RecognizeWithDistribution(const RecognitionSettings& settings,
                                EngineProgress* progress = nullptr);
  // The same over the recognition and distribution files' bytes in memory;
  // the report is appended to `report`.
  int RecognizeWithDistributionFromBytes(std::string_view recognition,
                                         std::string_view distribution,
                                         const BreakerSettings& breakers, std::string* report,
                                         EngineProgress* progress = nullptr);

  // The best match only, appended to the report file opened by
  // OpenReportFile. Returns a kRecognition* code.
  int RecognizeBestMatch(const RecognitionSettings& settings, EngineProgress* progress = nullptr);

  // Opens (emptying) the file the listing recognition modes write into.
  // Returns false when it cannot be created.
  bool OpenReportFile(const std::string& name);
  bool reportFileOpen() const { return report_.isOpen(); }
  ReportOutput* reportFile() { return &report_; }

  // Lowers the chunk limit of the store's lists (tests of exhaustion).
  void SetStoreChunkLimit(size_t limit) { store_.SetChunkLimit(limit); }

 private:
  // Read a tested training or retraining file from its first byte into the
  // store. Return a kTrain* or kRetrain* code.
  int LoadTraining(CharReader& in, const SymmetrySettings& symmetry,
                   EngineProgress* progress);
  int LoadRetraining(CharReader& in, const SymmetrySettings& symmetry,
                     EngineProgress* progress);
  // Reads the vectors after the count and stores them with their copies.
  // Returns false when cancelled.
  bool StoreVectors(CharReader& in, const SymmetrySettings& symmetry,
                    EngineProgress* progress);

  uint32_t neuronCount_ = 0;
  int symmetryProblem_ = 0;
  PatternStore store_;
  RecognitionClass recognition_;
  ReportOutput report_;
};

}  // namespace foresta

#endif  // FORESTA_ENGINE_ENGINE_H_
