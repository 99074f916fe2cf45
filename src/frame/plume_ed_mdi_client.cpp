#include "frame/plume_ed_mdi_client.h"

#include <algorithm>

#include <QFileDialog>
#include <QFileInfo>
#include <QStyle>

#include "frame/plume_ed_mdi_child.h"
#include "frame/plume_ed_window.h"

namespace foresta {
namespace {

constexpr const char* kReloadQuestion =
    "This file is open already and has unsaved changes.\n"
    "Reload it from the disk and lose the changes? No keeps the open text.";

// Whether two names, each relative to the working directory or absolute,
// name the same file.
bool SameFile(const QString& a, const QString& b) {
  const QFileInfo first(a);
  const QFileInfo second(b);
  if (first.exists() && second.exists()) return first.canonicalFilePath() == second.canonicalFilePath();
  return first.absoluteFilePath() == second.absoluteFilePath();
}

}  // namespace

QPoint CascadePlace(QSize area, QSize window, int step, const QList<QPoint>& taken, int count) {
  step = std::max(1, step);
  const int across = std::max(0, area.width() - window.width()) / step;
  const int down = std::max(0, area.height() - window.height()) / step;
  const int places = std::min(across, down) + 1;
  for (int i = 0; i < places; ++i) {
    const QPoint place(i * step, i * step);
    if (!taken.contains(place)) return place;
  }
  const int i = std::max(0, count) % places;
  return {i * step, i * step};
}

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
  if (plume_edMDIChild* open = DocumentOf(FileData.fileName)) {
    // One window per file: the open one comes to the front and shows the
    // file as it is now, unless the user keeps the changes made in it.
    setActiveSubWindow(open);
    if (open->isMinimized()) open->showNormal();
    open->Client()->Reload(kReloadQuestion);
    open->Client()->setFocus();
    return open;
  }
  return AddDocument(FileData.fileName);
}

plume_edMDIChild* plume_edMDIClient::DocumentOf(const std::string& file) const {
  if (file.empty()) return nullptr;
  const QString name = QString::fromLocal8Bit(file.c_str());
  for (plume_edMDIChild* child : Documents()) {
    const std::string& open = child->Client()->Document().FileName;
    if (!open.empty() && SameFile(name, QString::fromLocal8Bit(open.c_str()))) return child;
  }
  return nullptr;
}

plume_edMDIChild* plume_edMDIClient::AddDocument(const std::string& file) {
  const plume_edMDIChild* active = ActiveDocument();
  const bool maximized = active != nullptr && active->isMaximized();
  auto* child = new plume_edMDIChild(new plume_edWindow(file, status_, prompter_));
  addSubWindow(child);
  connect(child->Client(), &plume_edWindow::CommandChosen, this,
          [this, child](int id) { emit CommandChosen(child, id); });
  if (maximized) {
    child->showMaximized();
  } else {
    Place(child);
    child->show();
  }
  setActiveSubWindow(child);
  child->Client()->setFocus();
  return child;
}

void plume_edMDIClient::Place(plume_edMDIChild* child) {
  const QSize area = viewport()->size();
  const QSize size(std::min(area.width(), std::max(420, area.width() * 3 / 5)),
                   std::min(area.height(), std::max(300, area.height() * 3 / 5)));
  child->resize(size.expandedTo(child->minimumSizeHint()));
  // Each window's title bar stays visible below the one before.
  const int step = std::max(16, child->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, child));
  QList<QPoint> taken;
  int count = 0;
  for (plume_edMDIChild* other : Documents()) {
    if (other == child || other->isMinimized() || other->isMaximized()) continue;
    taken << other->pos();
    ++count;
  }
  child->move(CascadePlace(area, child->size(), step, taken, count));
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
