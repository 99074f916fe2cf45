#include <filesystem>
#include <system_error>
#include <vector>

#include "batch/batch_file.h"
#include "batch/batch_file_access.h"
#include "batch/batch_reader.h"
#include "state/readable_file.h"

namespace foresta {
namespace {

int LoadBatch(BatchReader& reader, WorkbenchState& state, BatchFileAccess& access) {
  if (!reader.SkipPast('*') || !reader.SkipPast('*')) return kBatchLoadFailed;

  // Everything is read before anything is stored, so a file that changed
  // since its test cannot leave the settings half loaded.
  std::string output;
  if (!reader.ReadWord(output)) return kBatchLoadFailed;
  reader.Echo(output + "\n");
  int numbers[4];  // precision, trend, run code, number of files
  for (int& value : numbers) {
    value = reader.ReadNumber();
    reader.Echo(value);
    reader.Echo("\n");
  }
  const int precision = numbers[0], trend = numbers[1], runCode = numbers[2],
            files = numbers[3];

  std::string single;
  std::vector<std::string> list;
  if (files == 1) {
    if (!reader.ReadWord(single)) return kBatchLoadFailed;
    reader.Echo(single + "\n");
    single = BatchPathName(single);
  } else {
    std::string word;
    for (int i = 0; i < files && reader.ReadWord(word); ++i) {
      std::string name = BatchPathName(word);
      // Files that cannot be opened are left out of the run silently, and
      // so are directories and FIFOs, which are no input files.
      if (access.CanRead(name)) list.push_back(name);
    }
    reader.Echo(static_cast<int>(list.size()));
    reader.Echo("   files");
  }
  reader.Close();
  if (reader.failed()) return kBatchLoadFailed;

  state.predictionOutputFile = BatchPathName(output);
  state.texts.linkOutput = state.predictionOutputFile;
  state.precision = precision;
  state.texts.linkPrecision = IntegerText(precision);
  state.trend = trend;
  state.texts.linkTrend = IntegerText(trend);
  if (files == 1) {
    state.predictionInputFile = single;
    state.texts.linkInput = single;
    state.inputMode = InputMode::kFile;
  } else {
    state.directoryList = std::move(list);
    state.directoryCount = static_cast<int>(state.directoryList.size());
    state.inputMode = InputMode::kDirectory;
  }
  state.texts.linkMode = state.inputMode;
  return runCode;
}

}  // namespace

int LoadBatchFile(WorkbenchState& state, const std::string& echoFile) {
  std::error_code ec;
  if (std::filesystem::equivalent(state.batchFile, echoFile, ec)) return kBatchLoadFailed;
  BatchReader reader;
  if (!reader.Open(state.batchFile, echoFile)) return kBatchLoadFailed;
  DiskBatchFileAccess access(state.batchFile);
  return LoadBatch(reader, state, access);
}

int LoadBatchBytes(std::string_view bytes, WorkbenchState& state,
                   BatchFileAccess& access, std::ostream* echo) {
  BatchReader reader;
  reader.OpenBytes(bytes, echo);
  return LoadBatch(reader, state, access);
}

}  // namespace foresta
