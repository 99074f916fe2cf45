#include "frame/plume_ed_mdi_client.h"

#include <algorithm>

#include <QFileDialog>

#include "frame/plume_ed_mdi_child.h"
#include "frame/plume_ed_window.h"

namespace foresta {

plume_edMDIClient::plume_edMDIClient(FrameStatusBar& status, EditPrompter& prompter,
                                     QWidget* parent)
    : QMdiArea(parent), status_(status), prompter_(prompter) {
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setBackground(QColor(0xd9, 0xde, 0xe5));
}

plume_edMDIChild* plume_edMDIClient::New() {
  // The number only grows; the editor names its new document "Untitled".
  ++ChildCount;
  return AddDocument({});
}

std::string plume_edMDIClient::Open() {
  FileData.fileName.clear();
  const QString name = QFileDialog::getOpenFileName(
      this, QStringLiteral("Open"), QString(),
      QString::fromStdString(FileData.filter + ";;All Files (*)"));
  if (name.isEmpty()) return {};
  FileData.fileName = name.toLocal8Bit().toStdString();
  OpenFile();
  return FileData.fileName;
}

plume_edMDIChild* plume_edMDIClient::OpenFile(const std::string& file) {
  if (!file.empty()) FileData.fileName = file;
  return AddDocument(FileData.fileName);
}

plume_edMDIChild* plume_edMDIClient::AddDocument(const std::string& file) {
  const plume_edMDIChild* active = ActiveDocument();
  const bool maximized = active != nullptr && active->isMaximized();
  auto* child = new plume_edMDIChild(new plume_edWindow(file, status_, prompter_));
  addSubWindow(child);
  if (maximized) {
    child->showMaximized();
  } else {
    child->resize(std::max(420, width() * 3 / 5), std::max(300, height() * 3 / 5));
    child->show();
  }
  setActiveSubWindow(child);
  child->Client()->setFocus();
  return child;
}

plume_edMDIChild* plume_edMDIClient::ActiveDocument() const {
  return qobject_cast<plume_edMDIChild*>(currentSubWindow());
}

QList<plume_edMDIChild*> plume_edMDIClient::Documents() const {
  QList<plume_edMDIChild*> documents;
  for (QMdiSubWindow* window : subWindowList(QMdiArea::CreationOrder)) {
    if (auto* child = qobject_cast<plume_edMDIChild*>(window)) documents.push_back(child);
  }
  return documents;
}

}  // namespace foresta
