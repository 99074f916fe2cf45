#include "frame/plume_ed_mdi_client.h"

#include <algorithm>

#include <QFileDialog>

#include "frame/plume_ed_mdi_child.h"

namespace foresta {

plume_edMDIClient::plume_edMDIClient(DocumentClientFactory factory,
                                     DocumentStatus& status, EditPrompter& prompter,
                                     QWidget* parent)
    : QMdiArea(parent), factory_(std::move(factory)), status_(status), prompter_(prompter) {
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setBackground(QColor(0xd9, 0xde, 0xe5));
}

plume_edMDIChild* plume_edMDIClient::New() {
  const QString title = QStringLiteral("Document - %1").arg(ChildCount);
  ++ChildCount;
  return AddDocument(title, {});
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
  return AddDocument(QString::fromLocal8Bit(FileData.fileName.c_str()),
                     FileData.fileName);
}

plume_edMDIChild* plume_edMDIClient::AddDocument(const QString& title,
                                                 const std::string& file) {
  const plume_edMDIChild* active = ActiveDocument();
  const bool maximized = active != nullptr && active->isMaximized();
  auto* child = new plume_edMDIChild(title);
  addSubWindow(child);
  child->SetClient(factory_(file, status_, prompter_, [this, child] {
    child->UpdateCaption();
    emit DocumentCaptionChanged();
  }));
  if (maximized) {
    child->showMaximized();
  } else {
    child->resize(std::max(420, width() * 3 / 5), std::max(300, height() * 3 / 5));
    child->show();
  }
  setActiveSubWindow(child);
  child->Client()->Widget()->setFocus();
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
