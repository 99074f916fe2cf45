#ifndef FORESTA_EDITOR_EDIT_PROMPTER_H_
#define FORESTA_EDITOR_EDIT_PROMPTER_H_

#include <string>

namespace foresta {

// The questions and messages the editor itself puts to the user, and its
// save-file dialog. The widget supplies message boxes; tests record.
class EditPrompter {
 public:
  enum class Buttons { kOk, kYesNo, kYesNoCancel };
  enum class Icon { kNone, kStop, kExclamation };
  enum class Answer { kOk, kYes, kNo, kCancel };

  virtual ~EditPrompter() = default;

  virtual Answer Message(const std::string& caption, const std::string& text,
                         Buttons buttons, Icon icon) = 0;
  // Asks for the name to save under; false when the user cancels.
  virtual bool AskSaveFileName(std::string* name) = 0;
};

}  // namespace foresta

#endif  // FORESTA_EDITOR_EDIT_PROMPTER_H_
