#include "frame/plume_ed_mdi_child.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenu>

#include "frame/drawn_icon.h"
#include "frame/plume_ed_mdi_client.h"
#include "frame/plume_ed_window.h"

namespace foresta {

plume_edMDIChild::plume_edMDIChild(plume_edWindow* client) : client_(client) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowIcon(CommandIcon(kDocumentIconId));
  setWidget(client_);
  // The close keys belong to the File menu's Close, which waits while a
  // command runs; the window's own menu would claim them too and leave
  // both silent.
  if (QMenu* menu = systemMenu()) {
    const QList<QKeySequence> closeKeys = {QKeySequence(Qt::CTRL | Qt::Key_W),
                                           QKeySequence(Qt::CTRL | Qt::Key_F4)};
    for (QAction* action : menu->actions()) {
      QList<QKeySequence> keys = action->shortcuts();
      keys.removeIf([&](const QKeySequence& key) { return closeKeys.contains(key); });
      if (keys.size() != action->shortcuts().size()) action->setShortcuts(keys);
    }
  }
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
  const auto* area = qobject_cast<const plume_edMDIClient*>(mdiArea());
  if (area != nullptr && area->Busy()) {
    QApplication::beep();
    event->ignore();
    return;
  }
  if (!skipCloseQuery_ && !client_->CanClose()) {
    event->ignore();
    return;
  }
  QMdiSubWindow::closeEvent(event);
}

}  // namespace foresta
