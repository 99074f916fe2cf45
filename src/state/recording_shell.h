#ifndef FORESTA_STATE_RECORDING_SHELL_H_
#define FORESTA_STATE_RECORDING_SHELL_H_

#include <string>
#include <vector>

#include "state/shell.h"

namespace foresta {

// One presenter call as a Shell saw it.
struct ShellEvent {
  enum class Kind { kInformation, kQuestion, kMessage, kOpen, kDialog, kHelp, kBeep };
  Kind kind;
  int code = 0;  // message code, document code, dialog kind or help kind
  std::string caption;
  std::string text;  // message text, or the file name of kOpen

  bool operator==(const ShellEvent&) const = default;
};

// A Shell that records every call and answers from fixed settings. Used by
// tests and by the command line, which prints the records.
class RecordingShell : public Shell {
 public:
  bool answerYes = true;      // question and Yes/No message boxes
  bool confirmDialogs = true;  // parameter dialogs: OK or Cancel
  bool helpAvailable = false;

  void ShowInformation(int code, const std::string& text) override;
  bool ShowQuestion(int code, const std::string& caption,
                    const std::string& text) override;
  MessageAnswer ShowMessage(const std::string& caption, const std::string& text,
                            MessageButtons buttons, MessageIcon icon) override;
  void OpenDocument(int code, const std::string& file) override;
  bool RunDialog(DialogKind kind, WorkbenchState& state) override;
  bool ShowHelp(const HelpRequest& request) override;
  void Beep() override;

  const std::vector<ShellEvent>& events() const { return events_; }
  void ClearEvents() { events_.clear(); }

 protected:
  // Called after each recorded event; the command line prints it here.
  virtual void OnEvent(const ShellEvent& /*event*/) {}

 private:
  void Record(ShellEvent event);
  std::vector<ShellEvent> events_;
};

}  // namespace foresta

#endif  // FORESTA_STATE_RECORDING_SHELL_H_
