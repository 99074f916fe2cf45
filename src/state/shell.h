#ifndef FORESTA_STATE_SHELL_H_
#define FORESTA_STATE_SHELL_H_

#include <string>

namespace foresta {

struct WorkbenchState;

enum class MessageButtons { kOk, kYesNo, kYesNoCancel, kOkCancel };
enum class MessageIcon { kNone, kInformation, kQuestion, kWarning, kError };
enum class MessageAnswer { kOk, kYes, kNo, kCancel };

// The parameter dialogs a command can open. Each edits the text forms of
// WorkbenchState (DialogTexts) for its own fields.
enum class DialogKind {
  kDataFiles,       // 330
  kLink,            // 551
  kLineBreaker,     // 361
  kShifter,         // 386
  kSegmentCounter,  // 535
  kSymmetry,        // 363
  kBacktest,        // Tools/Backtest...
};

// What the help window should show.
struct HelpRequest {
  enum class Kind { kContents, kUsingHelp, kCommand, kClose } kind;
  int commandId = 0;  // for kCommand
};

// Everything the core shows or asks goes through this port; the window and
// the command line implement it, and tests record it. The core never shows
// anything itself.
class Shell {
 public:
  virtual ~Shell() = default;

  // Modal box captioned "Information" with the information icon and OK.
  virtual void ShowInformation(int code, const std::string& text) = 0;

  // Modal Yes/No box with the question icon; true on Yes.
  virtual bool ShowQuestion(int code, const std::string& caption,
                            const std::string& text) = 0;

  // Any other message box.
  virtual MessageAnswer ShowMessage(const std::string& caption,
                                    const std::string& text,
                                    MessageButtons buttons,
                                    MessageIcon icon) = 0;

  // Shows the named file in a new document window.
  virtual void OpenDocument(int code, const std::string& file) = 0;

  // Runs a modal parameter dialog over the text forms of `state`. On OK the
  // edited texts are in `state.texts` and true is returned; on Cancel the
  // texts are left exactly as they were.
  virtual bool RunDialog(DialogKind kind, WorkbenchState& state) = 0;

  // Opens the help system; true when it accepted the request.
  virtual bool ShowHelp(const HelpRequest& request) = 0;

  virtual void Beep() = 0;

  // Long runs report how far they are (0..1) and poll for cancellation.
  virtual void ReportProgress(const std::string& /*what*/, double /*done*/) {}
  virtual bool CancelRequested() { return false; }
};

}  // namespace foresta

#endif  // FORESTA_STATE_SHELL_H_
