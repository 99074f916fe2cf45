#include "frame/shell_prompter.h"

namespace foresta {

EditPrompter::Answer ShellPrompter::Message(const std::string& caption, const std::string& text,
                                            Buttons buttons, Icon icon) {
  const MessageButtons shellButtons = buttons == Buttons::kOk      ? MessageButtons::kOk
                                      : buttons == Buttons::kYesNo ? MessageButtons::kYesNo
                                                                   : MessageButtons::kYesNoCancel;
  const MessageIcon shellIcon = icon == Icon::kStop          ? MessageIcon::kError
                                : icon == Icon::kExclamation ? MessageIcon::kWarning
                                                             : MessageIcon::kNone;
  switch (shell_.ShowMessage(caption, text, shellButtons, shellIcon)) {
    case MessageAnswer::kYes: return Answer::kYes;
    case MessageAnswer::kNo: return Answer::kNo;
    case MessageAnswer::kOk: return Answer::kOk;
    case MessageAnswer::kCancel: break;
  }
  return buttons == Buttons::kOk ? Answer::kOk : Answer::kCancel;
}

}  // namespace foresta
