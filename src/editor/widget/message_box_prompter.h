#ifndef FORESTA_EDITOR_WIDGET_MESSAGE_BOX_PROMPTER_H_
#define FORESTA_EDITOR_WIDGET_MESSAGE_BOX_PROMPTER_H_

#include <string>

#include "editor/edit_prompter.h"

class QWidget;

namespace foresta {

// The file types offered by the save dialog, as label|pattern pairs.
inline constexpr const char* kEditorFileFilter =
    "All Files (*.*)|*.*|Text Files (*.txt)|*.txt|train file(*.trn)|*.trn|"
    "retrain file(*.rtn)|*.rtn|recognition file(*.rec)|*.rec|output file(*.dat)|*.dat|"
    "user file(*.usd)|*.usd|input file(*.inp)|*.inp|output file(*.oup)|*.oup|";

// The editor's questions as modal message boxes and its save dialog as the
// platform's file dialog.
class MessageBoxPrompter : public EditPrompter {
 public:
  explicit MessageBoxPrompter(QWidget* parent) : parent_(parent) {}

  Answer Message(const std::string& caption, const std::string& text, Buttons buttons, Icon icon) override;
  bool AskSaveFileName(std::string* name) override;

 private:
  QWidget* parent_;
};

}  // namespace foresta

#endif  // FORESTA_EDITOR_WIDGET_MESSAGE_BOX_PROMPTER_H_
