#ifndef FORESTA_FRAME_PLUME_ED_MDI_CLIENT_H_
#define FORESTA_FRAME_PLUME_ED_MDI_CLIENT_H_

#include <string>

#include <QMdiArea>

namespace foresta {

class EditPrompter;
class FrameStatusBar;
class plume_edMDIChild;

// The open-file dialog's record: the name last chosen or opened, the filter
// and the dialog's options.
struct OpenFileRecord {
  std::string fileName;
  std::string filter = "All Files (*.*)";
  bool fileMustExist = true;
};

// The area of the main window that holds the document windows.
class plume_edMDIClient : public QMdiArea {
  Q_OBJECT

 public:
  // The documents report into `status` and ask through `prompter`; both
  // outlive the area.
  plume_edMDIClient(FrameStatusBar& status, EditPrompter& prompter, QWidget* parent);

  // A new empty document, numbered by ChildCount.
  plume_edMDIChild* New();

  // Asks for a file with the open-file dialog and opens it. Returns the name
  // opened, or empty when the user cancelled.
  std::string Open();

  // Opens `file` (or, when empty, the name held in FileData) in a new
  // window. Every call makes a new window with its own copy of the text.
  plume_edMDIChild* OpenFile(const std::string& file = {});

  plume_edMDIChild* ActiveDocument() const;
  QList<plume_edMDIChild*> Documents() const;

  int ChildCount = 0;
  OpenFileRecord FileData;

 private:
  plume_edMDIChild* AddDocument(const std::string& file);

  FrameStatusBar& status_;
  EditPrompter& prompter_;
};

}  // namespace foresta

#endif  // FORESTA_FRAME_PLUME_ED_MDI_CLIENT_H_
