#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "batch/batch_file.h"
#include "batch/batch_run_code.h"

namespace foresta {
namespace {

constexpr const char* kFormatDescription =
    "*\n"
    "Format\n"
    "\t Section 1: Remark section.\n"
    "\t Section 2: Data section:\n"
    "\t\t Output File Name\n"
    "\t\t Precision\n"
    "\t\t Trend\n"
    "\t\t Batch Run Code\n"
    "\t\t Number of Files\n"
    "\t\t file1.txt\n"
    "\t\t fileN.txt\n"
    "\t\t ...\n"
    "\t\t fileN.txt\n"
    "*\n\n";

void AppendLines(std::string& out, int first, int last) {
  for (int code = first; code <= last; ++code) out += RunCodeLine(code);
}

std::string RunCodeDescription() {
  std::string out =
      "\n\n\n\n Batch Run Code, 4 digits:\n"
      "\t Meaning of the last two digits:\n"
      "\t Real\n";
  AppendLines(out, 1, 9);
  out += "\t Integer\n";
  AppendLines(out, 10, 15);
  out += "\t AvgMax\n";
  AppendLines(out, 16, 27);
  out += "\n\t Meaning of the first two digits: mutiple prediction\n";
  for (int averages : {3, 10}) {
    out += averages == 3 ? "\t 3-Average\n" : "\t 10-Average\n";
    AppendLines(out, averages * 100 + 1, averages * 100 + 6);
    AppendLines(out, averages * 100 + 10, averages * 100 + 12);
  }
  return out;
}

// The prefix of the first Directory save: the current directory with a
// trailing separator ("/" alone at the root). Empty when it cannot be read.
std::string CurrentDirectoryPrefix() {
  std::error_code ec;
  std::string dir = std::filesystem::current_path(ec).string();
  if (ec || dir.empty()) return {};
  if (dir.back() != '/') dir += '/';
  return dir;
}

}  // namespace

void WriteBatchFile(const WorkbenchState& state,
                    const std::string& directoryPrefix, std::string& out) {
  out += kFormatDescription;
  out += "\t" + state.predictionOutputFile + "\n";
  out += "\t" + std::to_string(state.precision) + "\n";
  out += "\t" + std::to_string(state.trend) + "\n";
  out += "\t" + std::to_string(state.runCode) + "\n";
  if (state.inputMode == InputMode::kDirectory) {
    out += "\t" + std::to_string(state.directoryCount) + "\n";
    const std::size_t count =
        std::min(state.directoryList.size(),
                 static_cast<std::size_t>(std::max(state.directoryCount, 0)));
    for (std::size_t i = 0; i < count; ++i) {
      const std::string& name = state.directoryList[i];
      if (directoryPrefix.empty()) {
        out += "\t" + name + "\n";
      } else if (!name.empty() && name.front() == '/') {
        out += "\t\t" + name + "\n";
      } else {
        out += "\t\t" + directoryPrefix + name + "\n";
      }
    }
  } else {
    out += "\t1\n\t" + state.predictionInputFile + "\n";
  }
  out += RunCodeDescription();
}

int SaveBatchFile(WorkbenchState& state) {
  std::ofstream file(state.batchFile, std::ios::binary | std::ios::trunc);
  if (!file) return kBatchSaveCannotOpen;
  const bool fullPaths =
      state.inputMode == InputMode::kDirectory && state.firstDirectorySave;
  const std::string prefix = fullPaths ? CurrentDirectoryPrefix() : "";
  std::string text;
  WriteBatchFile(state, prefix, text);
  file.write(text.data(), static_cast<std::streamsize>(text.size()));
  file.close();
  if (file.fail()) return kBatchSaveWriteFailed;
  if (!prefix.empty()) state.firstDirectorySave = false;
  return kBatchSaved;
}

}  // namespace foresta
