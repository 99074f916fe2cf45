// A whole prediction run on a fuzzed input file: test, encode, train,
// recognise and report, as the Predict commands run them, in a private
// temporary directory (the components hand their data over in files; give
// libFuzzer an absolute -artifact_prefix, as scripts/fuzz.sh does). The
// last bytes choose the run code, the precision and the trend. A run that
// says it predicted must leave a report.
#include <fuzzer/FuzzedDataProvider.h>

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "fuzz_check.h"
#include "state/recording_shell.h"
#include "workbench/prediction_run.h"
#include "workbench/workbench.h"

using foresta::fuzz::Require;

namespace {

// Inputs beyond this size only slow the run down without reaching new code.
constexpr std::size_t kMaxInputBytes = 4096;

// The directory every run works in, removed when the fuzzer exits. The run
// is made in it (the workbench names its files relative to the current
// directory) and the previous directory comes back after each run, so
// libFuzzer's own relative paths keep their meaning.
class RunDirectory {
 public:
  RunDirectory() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "foresta-fuzz-XXXXXX").string();
    Require(mkdtemp(pattern.data()) != nullptr, "a temporary directory");
    path_ = pattern;
  }
  ~RunDirectory() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

class InDirectory {
 public:
  explicit InDirectory(const std::filesystem::path& path)
      : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(path);
  }
  ~InDirectory() { std::filesystem::current_path(previous_); }

 private:
  std::filesystem::path previous_;
};

void ResetPredictionState(foresta::PredictionState& prediction) {
  prediction.VariableCount = 0;
  std::fill(prediction.ValueMaxima.begin(), prediction.ValueMaxima.end(), 0.0f);
  std::fill(prediction.ValueMinima.begin(), prediction.ValueMinima.end(), 0.0f);
  std::fill(prediction.LastRowsTable.begin(), prediction.LastRowsTable.end(), 0.0f);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace foresta;
  static RunDirectory directory;
  if (size > kMaxInputBytes) return 0;
  FuzzedDataProvider provider(data, size);
  int code = provider.ConsumeIntegralInRange(1, 27);
  // Now and then an average of two or three steps.
  if (provider.ConsumeIntegralInRange(0, 7) == 0) code += provider.ConsumeIntegralInRange(2, 3) * 100;
  const int precision = provider.ConsumeIntegralInRange(1, 12);
  const int trend = provider.ConsumeIntegralInRange(1, 6);
  const std::string input = provider.ConsumeRemainingBytesAsString();
  InDirectory inside(directory.path());
  {
    std::ofstream out("input.txt", std::ios::binary | std::ios::trunc);
    out << input;
  }
  std::filesystem::remove("report.txt");

  // One workbench for the whole fuzzing run, as in the application, brought
  // back to its defaults before each run: a fresh one would spend most of
  // the run clearing its half megabyte of prediction state.
  static RecordingShell shell;
  static Workbench workbench(shell);
  shell.ClearEvents();
  workbench.state() = WorkbenchState();
  ResetPredictionState(workbench.prediction());
  WorkbenchState& state = workbench.state();
  state.predictionInputFile = "input.txt";
  state.predictionOutputFile = "report.txt";
  state.precision = precision;
  state.trend = trend;
  if (RunAnyPredictionCode(workbench, code)) {
    std::error_code ec;
    Require(std::filesystem::file_size("report.txt", ec) > 0 && !ec, "a prediction leaves a report");
  }
  return 0;
}
