#ifndef FORESTA_FRAME_GUI_SHELL_H_
#define FORESTA_FRAME_GUI_SHELL_H_

#include <functional>
#include <string>

#include "state/shell.h"

class QMessageBox;
class QDialog;
class QWidget;

namespace foresta {

// The Shell of the window: modal message boxes, the parameter dialogs, the
// document opener and the help window. Runs on the user-interface thread
// only (MarshallingShell brings the worker's calls here).
class GuiShell : public Shell {
 public:
  using OpenHandler = std::function<void(const std::string& file)>;
  using HelpHandler = std::function<bool(const HelpRequest& request)>;
  // Shows a modal box or dialog and returns its result; replaceable so that
  // tests can answer without a person.
  using ModalRunner = std::function<int(QDialog& dialog)>;

  GuiShell(QWidget* window, std::string applicationTitle, OpenHandler open,
           HelpHandler help);

  void ShowInformation(int code, const std::string& text) override;
  bool ShowQuestion(int code, const std::string& caption,
                    const std::string& text) override;
  MessageAnswer ShowMessage(const std::string& caption, const std::string& text,
                            MessageButtons buttons, MessageIcon icon) override;
  void OpenDocument(int code, const std::string& file) override;
  bool RunDialog(DialogKind kind, WorkbenchState& state) override;
  bool ShowHelp(const HelpRequest& request) override;
  void Beep() override;

  void SetModalRunner(ModalRunner runner) { modal_ = std::move(runner); }
  // Shows a dialog of the window's own modally, through the modal runner.
  int RunModal(QDialog& dialog) { return Exec(dialog); }

  // Where the bundled documents are; by default BundledFilesDirectory().
  void SetBundleDirectory(std::string directory) { bundle_ = std::move(directory); }
  // `file` as found in the working directory, or else in the bundle.
  std::string ResolveBundled(const std::string& file) const;

 private:
  int Exec(QDialog& dialog);

  QWidget* window_;
  std::string applicationTitle_;
  OpenHandler open_;
  HelpHandler help_;
  ModalRunner modal_;
  std::string bundle_;
};

}  // namespace foresta

#endif  // FORESTA_FRAME_GUI_SHELL_H_
