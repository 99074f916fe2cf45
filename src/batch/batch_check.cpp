#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "batch/batch_file.h"
#include "batch/batch_file_access.h"
#include "batch/batch_reader.h"
#include "batch/batch_run_code.h"
#include "state/readable_file.h"

namespace foresta {
namespace {

constexpr int kEof = std::char_traits<char>::eof();

// The items of the test. `output` receives the output name once it is
// accepted, `inputs` the input names as the loader will take them.
int TestBatchItems(BatchReader& reader, BatchFileAccess& access, std::string& output,
                   std::vector<std::string>& inputs) {
  if (!reader.SkipPast('*')) return kBatchNoComment;
  if (!reader.SkipPast('*')) return kBatchCommentNotClosed;

  std::string name;
  const bool haveOutput = reader.ReadWord(name);
  reader.Echo("\n" + name + "\n");
  if (!haveOutput || !access.PrepareOutput(BatchPathName(name))) {
    return kBatchBadOutputFile;
  }
  output = BatchPathName(name);
  reader.Echo("\n");

  // Each number is echoed before it is judged, so the echo shows the value
  // that failed.
  auto readEchoed = [&reader]() {
    int value = reader.ReadNumber();
    reader.Echo(value);
    reader.Echo("\n");
    return value;
  };
  const int precision = readEchoed();
  if (precision < kBatchMinPrecision || precision > kBatchMaxPrecision) {
    return kBatchBadPrecision;
  }
  const int trend = readEchoed();
  if (trend < kBatchMinTrend || trend > kBatchMaxTrend) return kBatchBadTrend;
  if (!IsValidBatchRunCode(readEchoed())) return kBatchBadRunCode;
  const int files = readEchoed();
  if (files < 1 || files > kMaxDirectoryEntries) return kBatchBadFileCount;

  if (files == 1) {
    std::string input;
    const bool haveInput = reader.ReadWord(input);
    reader.Echo(input + "\n");
    if (haveInput) inputs.push_back(BatchPathName(input));
    if (!haveInput || !access.CanRead(BatchPathName(input))) return kBatchBadInputFile;
    return kBatchOk;
  }
  const int first = reader.ReadFirstNonBlank();
  if (first == kEof) return kBatchNotEnoughFiles;
  std::vector<std::string> words;
  const int lines = reader.CountRemainingLines(first, &words, static_cast<std::size_t>(files));
  for (const std::string& word : words) inputs.push_back(BatchPathName(word));
  if (lines < files) return kBatchNotEnoughFiles;
  return kBatchOk;
}

int TestBatch(BatchReader& reader, BatchFileAccess& access) {
  std::string output;
  std::vector<std::string> inputs;
  const int code = TestBatchItems(reader, access, output, inputs);
  // What a read error left unread cannot be judged, and nothing is emptied.
  if (reader.failed()) return kBatchReadFailed;
  if (output.empty()) return code;
  // The output is emptied only now that the inputs are known: were it one
  // of them, the test itself would lose the data.
  for (const std::string& input : inputs) {
    if (access.SameFile(output, input)) return kBatchOutputIsInput;
  }
  access.EmptyOutput(output);
  return code;
}

}  // namespace

std::string BatchPathName(const std::string& word) {
  std::string name = word;
  for (char& c : name) {
    if (c == '\\') c = '/';
  }
  return name;
}

int TestBatchFile(const std::string& batchFile, const std::string& echoFile) {
  // A directory or a FIFO is no batch file; opening it would read nothing
  // (or wait for a writer) instead of failing.
  if (!IsReadableRegularFile(batchFile)) return kBatchCannotOpen;
  // Opening the echo empties it; were it the batch file, that would be lost.
  std::error_code ec;
  if (std::filesystem::equivalent(batchFile, echoFile, ec)) return kBatchIsEchoFile;
  BatchReader reader;
  if (!reader.Open(batchFile, echoFile)) return kBatchCannotOpen;
  DiskBatchFileAccess files(batchFile);
  return TestBatch(reader, files);
}

int TestBatchBytes(std::string_view bytes, BatchFileAccess& files,
                   std::ostream* echo) {
  BatchReader reader;
  reader.OpenBytes(bytes, echo);
  return TestBatch(reader, files);
}

}  // namespace foresta
