#include "frame/plume_ed_mdi_child.h"

#include <QCloseEvent>

#include "frame/drawn_icon.h"
#include "frame/plume_ed_window.h"

namespace foresta {

plume_edMDIChild::plume_edMDIChild(plume_edWindow* client) : client_(client) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowIcon(CommandIcon(kDocumentIconId));
  setWidget(client_);
  connect(client_, &TEditClient::CaptionChanged, this, &plume_edMDIChild::UpdateCaption);
  connect(client_, &plume_edWindow::ModifiedChanged, this, &QWidget::setWindowModified);
  UpdateCaption();
}

QString plume_edMDIChild::Caption() const {
  return QString::fromLocal8Bit(client_->Document().Caption().c_str());
}

void plume_edMDIChild::UpdateCaption() {
  // "[*]" marks where the title shows that the document has changes; a
  // "[*]" in the file name itself is doubled to stay as it is.
  QString title = Caption();
  title.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
  setWindowTitle(title + QStringLiteral("[*]"));
  setWindowModified(client_->Document().IsDirty);
}

void plume_edMDIChild::CloseWithoutAsking() {
  skipCloseQuery_ = true;
  close();
}

void plume_edMDIChild::closeEvent(QCloseEvent* event) {
  if (!skipCloseQuery_ && !client_->CanClose()) {
    event->ignore();
    return;
  }
  QMdiSubWindow::closeEvent(event);
}

}  // namespace foresta
