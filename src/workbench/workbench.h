#ifndef FORESTA_WORKBENCH_WORKBENCH_H_
#define FORESTA_WORKBENCH_WORKBENCH_H_

#include <functional>
#include <string>
#include <utility>

#include "engine/engine.h"
#include "foresta/version.h"
#include "prediction/prediction_state.h"
#include "workbench/command_table.h"
#include "state/random_stream.h"
#include "state/shell.h"
#include "state/workbench_state.h"

namespace foresta {

// The application-level owner of the settings and of every component's
// state. The window and the command line drive it through Execute().
class Workbench;

// Opens recognitionOutputFile for writing as the engine's report file
// (emptying it); true when it could be opened.
using EngineOutputOpener = std::function<bool(Workbench&)>;

class Workbench {
 public:
  explicit Workbench(Shell& shell);
  Workbench(const Workbench&) = delete;
  Workbench& operator=(const Workbench&) = delete;

  // Runs the handler of a command identifier; identifiers without a handler
  // do nothing. Running out of memory or a programming error inside a
  // handler becomes a message box instead of ending the program.
  void Execute(int id);
  bool HasCommand(int id) const { return commands_.Find(id) != nullptr; }

  // Presenters: each records `code` in statusCode first.
  void Inform(int code);   // information box with the text of `code`
  bool Ask(int code);      // question box with the text of `code`
  void Open(int code);     // document opener: the file that `code` names

  // The file the document opener shows for `code`, or empty when none.
  std::string DocumentFor(int code) const;

  // The engine installs the opener that keeps its report stream; until one
  // is installed the file is only created or emptied, proving it writable.
  void SetEngineOutputOpener(EngineOutputOpener opener) {
    engineOutputOpener_ = std::move(opener);
  }
  bool OpenEngineOutput();

  WorkbenchState& state() { return state_; }
  const WorkbenchState& state() const { return state_; }
  PredictionState& prediction() { return prediction_; }
  Engine& engine() { return engine_; }
  RandomStream& random() { return random_; }
  Shell& shell() { return shell_; }

 private:
  Shell& shell_;
  WorkbenchState state_;
  PredictionState prediction_;
  Engine engine_;
  RandomStream random_;
  CommandTable commands_;
  EngineOutputOpener engineOutputOpener_;
};

// Texts of the About box (captioned kProductTitle) and of the close
// question.
std::string AboutText();
inline constexpr const char* kCloseQuestion = "Want to close this application?";

}  // namespace foresta

#endif  // FORESTA_WORKBENCH_WORKBENCH_H_
