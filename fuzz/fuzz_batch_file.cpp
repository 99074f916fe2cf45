// The batch file: its test over bytes in memory with an echo, against a
// file system that is only pretended (no file is created or read), then,
// for a file that passes, the loader, which must store what the test
// accepted.
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>

#include "batch/batch_file.h"
#include "batch/batch_file_access.h"
#include "batch/batch_run_code.h"
#include "fuzz_check.h"
#include "state/workbench_state.h"

using foresta::fuzz::Require;

namespace foresta {
namespace {

// Names holding '?' cannot be written, names starting with '!' cannot be
// read; everything else can.
class PretendFiles : public BatchFileAccess {
 public:
  bool PrepareOutput(const std::string& name) override {
    return name.find('?') == std::string::npos;
  }
  bool CanRead(const std::string& name) override { return name.empty() || name[0] != '!'; }
};

}  // namespace
}  // namespace foresta

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace foresta;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  PretendFiles files;
  std::ostringstream echo;
  const int code = TestBatchBytes(bytes, files, &echo);
  // An output that names one of the inputs is refused before it is emptied.
  Require(code == kBatchOk || (code >= kBatchNoComment && code <= kBatchNotEnoughFiles) ||
              code == kBatchOutputIsInput,
          "a documented batch code other than cannot-open");
  if (code != kBatchOk) return 0;

  WorkbenchState state;
  const int runCode = LoadBatchBytes(bytes, state, files);
  Require(runCode != kBatchLoadFailed && IsValidBatchRunCode(runCode), "the tested code loads");
  Require(state.precision >= kBatchMinPrecision && state.precision <= kBatchMaxPrecision &&
              state.trend >= kBatchMinTrend && state.trend <= kBatchMaxTrend,
          "the tested precision and trend load");
  Require(files.PrepareOutput(state.predictionOutputFile), "the tested output loads");
  if (state.inputMode == InputMode::kFile) {
    Require(files.CanRead(state.predictionInputFile), "the tested input loads");
  } else {
    Require(state.inputMode == InputMode::kDirectory &&
                state.directoryCount == static_cast<int>(state.directoryList.size()) &&
                state.directoryCount <= kMaxDirectoryEntries,
            "a list of readable names loads");
    for (const std::string& name : state.directoryList) {
      Require(files.CanRead(name), "only readable names load");
    }
  }
  return 0;
}
