#include "engine/engine.h"

#include <algorithm>
#include <new>
#include <vector>

#include "engine/char_reader.h"
#include "engine/pattern_file_check.h"
#include "engine/symmetry_expansion.h"

namespace foresta {

namespace {
// Vectors between two polls of the progress hook.
constexpr uint64_t kPollEvery = 4096;
}  // namespace

int Engine::TestTrainingFile(const std::string& trainingFile) {
  return foresta::TestTrainingFile(trainingFile, &neuronCount_);
}

int Engine::TestRetrainingFile(const std::string& retrainingFile) const {
  return foresta::TestRetrainingFile(retrainingFile, neuronCount_);
}

int Engine::TestRecognitionFile(const std::string& recognitionFile) const {
  return foresta::TestRecognitionFile(recognitionFile, neuronCount_);
}

int Engine::TestDistributionFile(const std::string& userDistributionFile) const {
  return foresta::TestDistributionFile(userDistributionFile);
}

bool Engine::StoreVectors(CharReader& in, const SymmetrySettings& symmetry,
                          EngineProgress* progress) {
  SymmetryExpansion expansion(symmetry);
  const uint32_t n = neuronCount_;
  // A region that does not fit the vectors is never indexed: the vectors are
  // stored alone and the caller can tell the user why.
  symmetryProblem_ = expansion.RegionProblem(n);
  std::vector<char> vector(n);
  uint64_t stored = 0;
  for (;;) {
    const size_t read = in.ReadNonSpace(vector.data(), n);
    if (read == 0) break;
    // The file was tested whole; a shorter vector means it changed since.
    std::fill(vector.begin() + static_cast<std::ptrdiff_t>(read), vector.end(), '0');
    store_.StorePattern(vector.data());
    // Every transformed copy of a vector is made here, right behind it.
    expansion.StoreCopies(vector.data(), &store_);
    if (progress != nullptr && ++stored % kPollEvery == 0 &&
        !progress->Continue(in.consumed(), in.fileSize())) {
      return false;
    }
  }
  return true;
}

int Engine::TrainNetwork(const std::string& trainingFile, const SymmetrySettings& symmetry,
                         EngineProgress* progress) {
  symmetryProblem_ = 0;
  if (TestTrainingFile(trainingFile) != kFileOk) return kTrainNeedsTest;
  CharReader in;
  if (!in.Open(trainingFile)) return kTrainNeedsTest;
  return LoadTraining(in, symmetry, progress);
}

int Engine::TrainNetworkFromBytes(std::string_view training, const SymmetrySettings& symmetry,
                                  EngineProgress* progress) {
  symmetryProblem_ = 0;
  CharReader in;
  in.OpenBytes(training);
  if (foresta::TestTrainingFile(in, &neuronCount_) != kFileOk) return kTrainNeedsTest;
  in.OpenBytes(training);
  return LoadTraining(in, symmetry, progress);
}

int Engine::LoadTraining(CharReader& in, const SymmetrySettings& symmetry,
                         EngineProgress* progress) {
  store_.Clear();
  SkipCommentSection(in);
  int64_t n = 0;
  ReadDecimal(in, &n);
  neuronCount_ = static_cast<uint32_t>(n);
  try {
    if (n >= kMaxNeurons) {
      store_.AppendEndMark();
      return kTrainTooManyNeurons;
    }
    // Every vector takes at least n characters of the file.
    store_.BeginTraining(neuronCount_,
                         neuronCount_ > 0 ? static_cast<int64_t>(in.fileSize() / neuronCount_) : 0);
    if (!StoreVectors(in, symmetry, progress)) {
      store_.Clear();
      return kTrainCancelled;
    }
    store_.AppendEndMark();
  } catch (const std::bad_alloc&) {
    store_.Clear();
    return kTrainOutOfMemory;
  }
  return kTrainOk;
}

int Engine::RetrainNetwork(const std::string& retrainingFile, const SymmetrySettings& symmetry,
                           EngineProgress* progress) {
  symmetryProblem_ = 0;
  if (TestRetrainingFile(retrainingFile) != kFileOk) return kRetrainNeedsTest;
  if (!store_.trained()) return kRetrainNotTrained;
  CharReader in;
  if (!in.Open(retrainingFile)) return kRetrainNeedsTest;
  return LoadRetraining(in, symmetry, progress);
}

int Engine::RetrainNetworkFromBytes(std::string_view retraining,
                                    const SymmetrySettings& symmetry,
                                    EngineProgress* progress) {
  symmetryProblem_ = 0;
  CharReader in;
  in.OpenBytes(retraining);
  if (foresta::TestRetrainingFile(in, neuronCount_) != kFileOk) return kRetrainNeedsTest;
  if (!store_.trained()) return kRetrainNotTrained;
  in.OpenBytes(retraining);
  return LoadRetraining(in, symmetry, progress);
}

int Engine::LoadRetraining(CharReader& in, const SymmetrySettings& symmetry,
                           EngineProgress* progress) {
  try {
    store_.BeginRetraining(neuronCount_);
    SkipCommentSection(in);
    const uint32_t remembered = neuronCount_;
    int64_t n = 0;
    ReadDecimal(in, &n);
    neuronCount_ = static_cast<uint32_t>(n);
    if (neuronCount_ != remembered) {
      store_.AppendEndMark();
      return kRetrainNeuronMismatch;
    }
    // A vector of this length could hold as many 1-bits as the end mark's
    // value, which would cut the store short.
    if (n >= kMaxNeurons) {
      store_.AppendEndMark();
      return kRetrainTooManyNeurons;
    }
    if (!StoreVectors(in, symmetry, progress)) {
      store_.Clear();
      return kRetrainCancelled;
    }
    store_.AppendEndMark();
  } catch (const std::bad_alloc&) {
    store_.Clear();
    return kRetrainOutOfMemory;
  }
  return kRetrainOk;
}

int Engine::RecognizeWithDistribution(const RecognitionSettings& settings,
                                      EngineProgress* progress) {
  return recognition_.RecognizeWithDistribution(store_, neuronCount_, settings, progress);
}

int Engine::RecognizeWithDistributionFromBytes(std::string_view recognition,
                                               std::string_view distribution,
                                               const BreakerSettings& breakers,
                                               std::string* report, EngineProgress* progress) {
  return recognition_.RecognizeWithDistributionFromBytes(store_, neuronCount_, recognition,
                                                         distribution, breakers, report,
                                                         progress);
}

int Engine::RecognizeBestMatch(const RecognitionSettings& settings, EngineProgress* progress) {
  return recognition_.RecognizeBestMatch(store_, neuronCount_, settings, &report_, progress);
}

bool Engine::OpenReportFile(const std::string& name) { return report_.Open(name); }

}  // namespace foresta
