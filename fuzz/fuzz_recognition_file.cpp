// The recognition file: its test over bytes in memory against a network
// trained on a small fixed set, then recognition with a user distribution,
// which must run exactly when both files pass their tests. The last two
// bytes choose the report's line breaks; the third last whether the
// distribution is a fixed one or comes first in the input (up to a
// backslash and one more byte).
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/char_reader.h"
#include "engine/engine.h"
#include "engine/pattern_file_check.h"
#include "fuzz_check.h"

using foresta::fuzz::Require;

namespace {

constexpr uint32_t kNeurons = 24;
constexpr std::string_view kTraining =
    "fixed *training set*\n24\n"
    "110000000000000000000011\n"
    "000011110000000000001100\n"
    "101010101010101010101010\n"
    "111111111111000000000000\n";
constexpr std::string_view kDistribution =
    "fixed *distribution*\n4   4\n0000\n0011\n1100\n1111\n";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace foresta;
  static Engine* engine = [] {
    auto* trained = new Engine;
    Require(trained->TrainNetworkFromBytes(kTraining, SymmetrySettings{}) == kTrainOk,
            "the fixed set trains");
    return trained;
  }();
  FuzzedDataProvider provider(data, size);
  BreakerSettings breakers;
  breakers.breakerStep = provider.ConsumeIntegralInRange(-1, 30);
  breakers.line2Start = provider.ConsumeIntegralInRange(-1, 30);
  const std::string distribution =
      provider.ConsumeBool() ? provider.ConsumeRandomLengthString(512) : std::string(kDistribution);
  const std::string bytes = provider.ConsumeRemainingBytesAsString();

  CharReader in;
  in.OpenBytes(distribution);
  const bool distributionPasses = TestDistributionFile(in) == kFileOk;
  in.OpenBytes(bytes);
  const int code = TestRecognitionFile(in, kNeurons);
  Require(code == kFileOk || code == kFileMissingComment || code == kFileCommentNotClosed ||
              code == kFileNoData || code == kFileInvalidCharacter ||
              code == kFileTwoUnknownSections || code == kFileRecognitionIncomplete,
          "a documented recognition code for a tested network");

  std::string report;
  const int recognized =
      engine->RecognizeWithDistributionFromBytes(bytes, distribution, breakers, &report);
  if (!distributionPasses) {
    Require(recognized == kRecognitionNeedsDistribution && report.empty(),
            "a refused distribution stops the run");
    return 0;
  }
  if (code != kFileOk) {
    Require(recognized == kRecognitionNeedsTest && report.empty(), "a refused file is not read");
    return 0;
  }
  Require(recognized == kRecognitionOk, "a passing file is recognised");
  Require(report.rfind("\n ----", 0) == 0, "the report starts with its header");
  return 0;
}
