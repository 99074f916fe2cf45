#include "workbench/written_files.h"

#include <filesystem>
#include <system_error>

#include "prediction/input_check.h"

namespace foresta {

std::optional<WrittenFile> WrittenFileThatIs(const WorkbenchState& state,
                                             const std::string& file) {
  const WrittenFile written[] = {
      {"echo file", kEchoFile},
      {"training file", state.trainingFile},
      {"retraining file", state.retrainingFile},
      {"recognition file", state.recognitionFile},
      {"user distribution file", state.userDistributionFile},
      {"recognition output file", state.recognitionOutputFile},
      {"prediction report", state.predictionOutputFile},
  };
  for (const WrittenFile& w : written) {
    std::error_code ec;
    if (std::filesystem::equivalent(file, w.name, ec)) return w;
  }
  return std::nullopt;
}

std::string OverwriteParticulars(const std::string& file, const WrittenFile& written) {
  return file + " is also the " + written.role + " " + written.name +
         " that the prediction writes";
}

}  // namespace foresta
