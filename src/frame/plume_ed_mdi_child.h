#ifndef FORESTA_FRAME_PLUME_ED_MDI_CHILD_H_
#define FORESTA_FRAME_PLUME_ED_MDI_CHILD_H_

#include <QMdiSubWindow>

namespace foresta {

class plume_edWindow;

// One document window of the document area. It owns the editor that shows
// its document (a Qt child), and the editor dies with it.
class plume_edMDIChild : public QMdiSubWindow {
  Q_OBJECT

 public:
  // Takes `client` as the window's widget; the title is the client's caption.
  explicit plume_edMDIChild(plume_edWindow* client);

  plume_edWindow* Client() const { return client_; }

  // The document's name: its file name, or "Untitled".
  QString Caption() const;

  // Takes the caption from the client; the title marks unsaved changes.
  void UpdateCaption();

  // Closes without asking (the application is ending and has asked).
  void CloseWithoutAsking();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  plume_edWindow* client_;
  bool skipCloseQuery_ = false;
};

}  // namespace foresta

#endif  // FORESTA_FRAME_PLUME_ED_MDI_CHILD_H_
