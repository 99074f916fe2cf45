#include <string>

#include "batch/batch_file.h"
#include "batch/batch_file_access.h"
#include "batch/batch_reader.h"
#include "batch/batch_run_code.h"
#include "state/readable_file.h"

namespace foresta {
namespace {

constexpr int kEof = std::char_traits<char>::eof();

int TestBatch(BatchReader& reader, BatchFileAccess& access) {
  if (!reader.SkipPast('*')) return kBatchNoComment;
  if (!reader.SkipPast('*')) return kBatchCommentNotClosed;

  std::string output;
  const bool haveOutput = reader.ReadWord(output);
  reader.Echo("\n" + output + "\n");
  if (!haveOutput || !access.PrepareOutput(BatchPathName(output))) {
    return kBatchBadOutputFile;
  }
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
    if (!haveInput || !access.CanRead(BatchPathName(input))) return kBatchBadInputFile;
    return kBatchOk;
  }
  const int first = reader.ReadFirstNonBlank();
  if (first == kEof) return kBatchNotEnoughFiles;
  if (reader.CountRemainingLines(first) < files) return kBatchNotEnoughFiles;
  return kBatchOk;
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
