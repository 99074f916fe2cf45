#ifndef FORESTA_FRAME_PLUME_ED_MDI_CHILD_H_
#define FORESTA_FRAME_PLUME_ED_MDI_CHILD_H_

#include <memory>

#include <QMdiSubWindow>

#include "frame/document_client.h"

namespace foresta {

// One document window of the document area; it owns the editor that shows
// its document, and the editor dies with it.
class plume_edMDIChild : public QMdiSubWindow {
  Q_OBJECT

 public:
  // `title` is the window's first title; the client's caption replaces it
  // once the client is set.
  explicit plume_edMDIChild(const QString& title);
  ~plume_edMDIChild() override;

  void SetClient(std::unique_ptr<DocumentClient> client);
  DocumentClient* Client() const { return client_.get(); }

  // Takes the caption from the client.
  void UpdateCaption();

  // Closes without asking (the application is ending and has asked).
  void CloseWithoutAsking();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  std::unique_ptr<DocumentClient> client_;
  bool skipCloseQuery_ = false;
};

}  // namespace foresta

#endif  // FORESTA_FRAME_PLUME_ED_MDI_CHILD_H_
