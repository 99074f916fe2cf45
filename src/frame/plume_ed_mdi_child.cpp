#include "frame/plume_ed_mdi_child.h"

#include <QCloseEvent>

#include "frame/drawn_icon.h"

namespace foresta {

plume_edMDIChild::plume_edMDIChild(const QString& title) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(title);
  setWindowIcon(CommandIcon(kDocumentIconId));
}

plume_edMDIChild::~plume_edMDIChild() {
  // The widget belongs to the client; take it back before Qt deletes it.
  if (client_ && widget() != nullptr) {
    QWidget* w = widget();
    setWidget(nullptr);
    w->setParent(nullptr);
  }
  client_.reset();
}

void plume_edMDIChild::SetClient(std::unique_ptr<DocumentClient> client) {
  client_ = std::move(client);
  setWidget(client_->Widget());
  UpdateCaption();
}

void plume_edMDIChild::UpdateCaption() {
  if (client_) setWindowTitle(QString::fromLocal8Bit(client_->Caption().c_str()));
}

void plume_edMDIChild::CloseWithoutAsking() {
  skipCloseQuery_ = true;
  close();
}

void plume_edMDIChild::closeEvent(QCloseEvent* event) {
  if (!skipCloseQuery_ && client_ && !client_->CanClose()) {
    event->ignore();
    return;
  }
  QMdiSubWindow::closeEvent(event);
}

}  // namespace foresta
