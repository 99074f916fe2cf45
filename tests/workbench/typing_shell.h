#ifndef FORESTA_TESTS_WORKBENCH_TYPING_SHELL_H_
#define FORESTA_TESTS_WORKBENCH_TYPING_SHELL_H_

#include <functional>
#include <utility>

#include "state/recording_shell.h"
#include "state/workbench_state.h"

namespace foresta::testing {

// A recording shell whose dialogs let a test type into the text forms while
// the dialog is open, the way a user edits them after the dialog has filled
// its fields.
class TypingShell : public RecordingShell {
 public:
  using Typing = std::function<void(DialogKind, DialogTexts&)>;

  void TypeInto(Typing typing) { typing_ = std::move(typing); }

  bool RunDialog(DialogKind kind, WorkbenchState& state) override {
    bool ok = RecordingShell::RunDialog(kind, state);
    if (ok && typing_) typing_(kind, state.texts);
    return ok;
  }

 private:
  Typing typing_;
};

}  // namespace foresta::testing

#endif  // FORESTA_TESTS_WORKBENCH_TYPING_SHELL_H_
