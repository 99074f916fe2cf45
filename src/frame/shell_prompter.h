#ifndef FORESTA_FRAME_SHELL_PROMPTER_H_
#define FORESTA_FRAME_SHELL_PROMPTER_H_

#include "editor/widget/message_box_prompter.h"
#include "state/shell.h"

namespace foresta {

// The editors' questions go through the window's Shell like every other
// message box of the application; the save dialog is the editor's own.
class ShellPrompter : public MessageBoxPrompter {
 public:
  ShellPrompter(Shell& shell, QWidget* parent) : MessageBoxPrompter(parent), shell_(shell) {}

  Answer Message(const std::string& caption, const std::string& text, Buttons buttons,
                 Icon icon) override;

 private:
  Shell& shell_;
};

}  // namespace foresta

#endif  // FORESTA_FRAME_SHELL_PROMPTER_H_
