#ifndef FORESTA_WORKBENCH_WORKBENCH_H_
#define FORESTA_WORKBENCH_WORKBENCH_H_

#include <string>

#include "engine/engine.h"
#include "foresta/version.h"
#include "prediction/prediction_state.h"
#include "prediction/report_listener.h"
#include "workbench/backtest_advice.h"
#include "workbench/command_vocabulary.h"
#include "state/random_stream.h"
#include "state/shell.h"
#include "state/workbench_state.h"

namespace foresta {

// The application-level owner of the settings and of every component's
// state. The window and the command line drive it through Execute().
class Workbench {
 public:
  explicit Workbench(Shell& shell);
  Workbench(const Workbench&) = delete;
  Workbench& operator=(const Workbench&) = delete;

  // Runs the handler of a command identifier; identifiers without a handler
  // do nothing. Running out of memory or a programming error inside a
  // handler becomes a message box instead of ending the program.
  void Execute(int id);
  static bool HasCommand(int id);

  // Presenters: each records `code` in statusCode first.
  void Inform(int code);   // information box with the text of `code`
  // Information box with the text of `code` followed, on its own line, by
  // `particulars` (which file, which row); records them in
  // statusParticulars too.
  void InformWith(int code, const std::string& particulars);
  bool Ask(int code);      // question box with the text of `code`
  void Open(int code);     // document opener: the file that `code` names

  // The file the document opener shows for `code`, or empty when none.
  std::string DocumentFor(int code) const;

  // Opens (emptying) recognitionOutputFile as the engine's report file, which
  // the listing recognitions append to; false when it cannot be created.
  bool OpenEngineOutput();

  // Every prediction report tells `listener` its numbers from now on (the
  // command line's export); nullptr stops that. Not owned.
  void SetReportListener(ReportListener* listener) { reportListener_ = listener; }
  ReportListener* reportListener() const { return reportListener_; }

  WorkbenchState& state() { return state_; }
  const WorkbenchState& state() const { return state_; }
  PredictionState& prediction() { return prediction_; }
  Engine& engine() { return engine_; }
  RandomStream& random() { return random_; }
  Shell& shell() { return shell_; }
  // The advice of the last Tools/Backtest.
  BacktestAdvice& advice() { return advice_; }

 private:
  Shell& shell_;
  WorkbenchState state_;
  PredictionState prediction_;
  Engine engine_;
  RandomStream random_;
  ReportListener* reportListener_ = nullptr;
  BacktestAdvice advice_;
};

// Texts of the About box (captioned kProductTitle) and of the close
// question.
std::string AboutText();
inline constexpr const char* kCloseQuestion = "Want to close this application?";

}  // namespace foresta

#endif  // FORESTA_WORKBENCH_WORKBENCH_H_
