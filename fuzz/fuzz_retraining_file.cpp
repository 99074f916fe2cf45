// The retraining file: its test over bytes in memory against a network
// trained on a small fixed set, then retraining from the same bytes, which
// must append exactly when the test passed and keep the store consistent.
#include <cstdint>
#include <string_view>

#include "engine/char_reader.h"
#include "engine/engine.h"
#include "engine/pattern_file_check.h"
#include "fuzz_check.h"
#include "pattern_store_check.h"

using foresta::fuzz::Require;

namespace {

constexpr uint32_t kNeurons = 24;
constexpr std::string_view kTraining =
    "fixed *training set*\n24\n"
    "110000000000000000000011\n"
    "000011110000000000001100\n"
    "101010101010101010101010\n";
constexpr int64_t kTrainedPatterns = 3;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace foresta;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  CharReader in;
  in.OpenBytes(bytes);
  const int code = TestRetrainingFile(in, kNeurons);
  Require(code == kFileOk || (code >= kFileMissingComment && code <= kFileIncompleteVector),
          "a documented retraining code other than cannot-open");

  static Engine engine;
  Require(engine.TrainNetworkFromBytes(kTraining, SymmetrySettings{}) == kTrainOk,
          "the fixed set trains");
  const int retrained = engine.RetrainNetworkFromBytes(bytes, SymmetrySettings{});
  if (code != kFileOk) {
    Require(retrained == kRetrainNeedsTest, "a refused file is not retrained");
    Require(engine.store().patternCount() == kTrainedPatterns, "a refused file adds nothing");
    return 0;
  }
  Require(retrained == kRetrainOk && engine.NeuronCount() == kNeurons, "a passing file retrains");
  Require(static_cast<uint64_t>(engine.store().patternCount() - kTrainedPatterns) * kNeurons <=
              size,
          "no more vectors than the file holds");
  fuzz::RequireConsistentStore(engine.store(), kNeurons);
  return 0;
}
