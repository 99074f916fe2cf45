#ifndef FORESTA_FRAME_PLUME_ED_WINDOW_H_
#define FORESTA_FRAME_PLUME_ED_WINDOW_H_

#include <string>

#include <QFont>

#include "editor/widget/edit_client.h"

namespace foresta {

class FrameStatusBar;

// The editor of a document window: the text editor with the window's own
// display font (Arial, 14 pixels high), the Font command, the status-bar
// reports and the right-button menu.
class plume_edWindow : public TEditClient {
  Q_OBJECT

 public:
  // Reads `file` at once when it is not empty. The editor reports into
  // `status` and asks its questions through `prompter`; both outlive it.
  plume_edWindow(const std::string& file, FrameStatusBar& status, EditPrompter& prompter);

  // The display font; SelectFont() puts it into use.
  QFont Font;
  void SelectFont();

  // Performs an editing or file command of the editor.
  void Command(int id);
  bool CommandEnabled(int id) const;
  // Reports caret, size and overwrite mode afresh (the window became active).
  void RefreshStatus();

  // Shows the font dialog at 14 points; OK puts the chosen font into use.
  void ChooseFont();

  // Reads the file again. When the document has unsaved changes it first
  // asks `question` (the caption is the file name) and reloads only on Yes.
  // Returns false when there is no file or the user kept the open text.
  bool Reload(const std::string& question);

 signals:
  // The document became changed, or unchanged again (saved, reverted, or
  // undone back to where it was saved).
  void ModifiedChanged(bool modified);
  // A command was chosen from the right-button menu; its window performs
  // it as if it came from the menu bar.
  void CommandChosen(int id);

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;
  // The document window has asked its close query already when it closes
  // its editor; the editor does not ask a second time.
  void closeEvent(QCloseEvent* event) override;

 private:
  // Only the document in front reports into the status bar.
  bool IsActive() const;
  void ReportCaret();
  void ReportSize();
  void NoteModified();

  FrameStatusBar& status_;
  EditPrompter& prompter_;
  bool modified_ = false;
};

}  // namespace foresta

#endif  // FORESTA_FRAME_PLUME_ED_WINDOW_H_
