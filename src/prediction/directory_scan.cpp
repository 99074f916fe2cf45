#include "prediction/directory_scan.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

#include "prediction/input_check.h"

namespace foresta {
namespace {

bool EndsWithTxt(const std::string& name) {
  if (name.size() < 4) return false;
  std::string tail = name.substr(name.size() - 4);
  std::transform(tail.begin(), tail.end(), tail.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return tail == ".txt";
}

}  // namespace

std::vector<std::string> ListTextFiles(const std::string& directory) {
  std::vector<std::string> names;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(directory, ec), end;
       !ec && it != end; it.increment(ec)) {
    std::string name = it->path().filename().string();
    if (EndsWithTxt(name)) names.push_back(std::move(name));
  }
  std::sort(names.begin(), names.end());
  return names;
}

int ScanInputDirectory(WorkbenchState& state, PredictionState& prediction,
                       const std::string& dialogInput) {
  state.directoryList.clear();
  for (const std::string& name : ListTextFiles(".")) {
    if (static_cast<int>(state.directoryList.size()) >= kMaxDirectoryEntries) {
      break;
    }
    int rowCount = -1;
    InputTestRequest request{name, state.precision, state.trend};
    if (TestInputFile(request, prediction, rowCount) == kInputOk) {
      state.directoryList.push_back(name);
    }
  }
  state.directoryCount = static_cast<int>(state.directoryList.size());
  state.predictionInputFile = dialogInput;
  return state.directoryCount;
}

}  // namespace foresta
