#ifndef FORESTA_WORKBENCH_ENGINE_INPUTS_H_
#define FORESTA_WORKBENCH_ENGINE_INPUTS_H_

#include <cstdint>
#include <string>
#include <utility>

#include "engine/engine_settings.h"
#include "state/shell.h"
#include "state/workbench_state.h"

namespace foresta {

// Relays a long engine run's progress to the shell and the user's cancel
// request back to the engine.
class ShellProgress : public EngineProgress {
 public:
  ShellProgress(Shell& shell, std::string what) : shell_(shell), what_(std::move(what)) {}
  bool Continue(std::uint64_t done, std::uint64_t total) override {
    shell_.ReportProgress(what_, total == 0 ? 0.0
                                            : static_cast<double>(done) /
                                                  static_cast<double>(total));
    return !shell_.CancelRequested();
  }

 private:
  Shell& shell_;
  std::string what_;
};

// The symmetry that training and retraining apply, from the settings.
inline SymmetrySettings SymmetryOf(const WorkbenchState& s) {
  return {s.symmetryKind, s.symmetryStart, s.symmetryEnd, s.symmetryXDim, s.symmetryYDim};
}

// The files and line breakers a recognition uses, from the settings.
inline RecognitionSettings RecognitionOf(const WorkbenchState& s) {
  RecognitionSettings r;
  r.recognitionFile = s.recognitionFile;
  r.recognitionOutputFile = s.recognitionOutputFile;
  r.userDistributionFile = s.userDistributionFile;
  r.breakers = {s.breakerStep, s.line2Start, s.line3Start, s.line4Start, s.line5Start};
  return r;
}

}  // namespace foresta

#endif  // FORESTA_WORKBENCH_ENGINE_INPUTS_H_
