#ifndef FORESTA_FRAME_PLUME_ED_MDI_CLIENT_H_
#define FORESTA_FRAME_PLUME_ED_MDI_CLIENT_H_

#include <functional>
#include <string>

#include <QList>
#include <QMdiArea>
#include <QPoint>
#include <QSize>

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

// Where a new document window of `window` size goes in an area of `area`
// size: the first free place of a cascade that steps `step` pixels right
// and down and stays inside the area; `taken` are the places of the open
// windows. When every place is taken the cascade starts again at `count`
// modulo the number of places.
QPoint CascadePlace(QSize area, QSize window, int step, const QList<QPoint>& taken, int count);

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
  // window. When a window already shows that file it is activated instead
  // and reads the file again; if its document has unsaved changes, the
  // user chooses between reloading and keeping the open text.
  plume_edMDIChild* OpenFile(const std::string& file = {});

  plume_edMDIChild* ActiveDocument() const;
  QList<plume_edMDIChild*> Documents() const;

  // Whether a command is running; while one is, no document window
  // closes (its close question could save a file the command uses).
  void SetBusyCheck(std::function<bool()> busy) { busy_ = std::move(busy); }
  bool Busy() const { return busy_ && busy_(); }

  int ChildCount = 0;
  OpenFileRecord FileData;

 signals:
  // A document's right-button menu chose command `id` for `child`.
  void CommandChosen(plume_edMDIChild* child, int id);

 private:
  // The window whose document is the file `file`, or nullptr.
  plume_edMDIChild* DocumentOf(const std::string& file) const;
  plume_edMDIChild* AddDocument(const std::string& file);
  // Sizes a new window and puts it in the cascade, inside the visible area.
  void Place(plume_edMDIChild* child);

  FrameStatusBar& status_;
  EditPrompter& prompter_;
  std::function<bool()> busy_;
};

}  // namespace foresta

#endif  // FORESTA_FRAME_PLUME_ED_MDI_CLIENT_H_
