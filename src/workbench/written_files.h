#ifndef FORESTA_WORKBENCH_WRITTEN_FILES_H_
#define FORESTA_WORKBENCH_WRITTEN_FILES_H_

#include <optional>
#include <string>

#include "state/workbench_state.h"

namespace foresta {

// A file a prediction run writes, and what it is to the run.
struct WrittenFile {
  std::string role;  // "echo file", "training file", ... "prediction report"
  std::string name;
};

// The file among those a prediction run writes (the echo of the input test,
// the four pattern files, the engine's report and the prediction report)
// that `file` is, compared by identity: "./a", another spelling or a
// symbolic link of one of them counts. Nothing when `file` is none of them
// or does not exist.
std::optional<WrittenFile> WrittenFileThatIs(const WorkbenchState& state,
                                             const std::string& file);

// "<file> is also the <role> <name> that the prediction writes"
std::string OverwriteParticulars(const std::string& file, const WrittenFile& written);

}  // namespace foresta

#endif  // FORESTA_WORKBENCH_WRITTEN_FILES_H_
