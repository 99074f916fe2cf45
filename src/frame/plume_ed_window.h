#ifndef FORESTA_FRAME_PLUME_ED_WINDOW_H_
#define FORESTA_FRAME_PLUME_ED_WINDOW_H_

#include <functional>
#include <string>

#include <QFont>

#include "editor/widget/edit_client.h"
#include "frame/document_client.h"

namespace foresta {

// The editor of a document window: the text editor with the window's own
// display font (Arial, 14 pixels high), the Font command, the status-bar
// reports and the right-button menu.
class plume_edWindow : public TEditClient, public DocumentClient {
  Q_OBJECT

 public:
  // Reads `file` at once when it is not empty.
  plume_edWindow(const std::string& file, DocumentStatus& status, EditPrompter& prompter,
                 std::function<void()> captionChanged);

  // The display font; SelectFont() puts it into use.
  QFont Font;
  void SelectFont();

  // DocumentClient.
  QWidget* Widget() override { return this; }
  std::string Caption() const override { return Document().Caption(); }
  void Command(int id) override;
  bool CommandEnabled(int id) const override;
  bool CanClose() override { return TEditClient::CanClose(); }
  void RefreshStatus() override;

  // Shows the font dialog at 14 points; OK puts the chosen font into use.
  void ChooseFont();

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  // Only the document in front reports into the status bar.
  bool IsActive() const;
  void ReportCaret();
  void ReportSize();

  DocumentStatus& status_;
  std::function<void()> captionChanged_;
};

}  // namespace foresta

#endif  // FORESTA_FRAME_PLUME_ED_WINDOW_H_
