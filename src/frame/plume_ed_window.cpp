#include "frame/plume_ed_window.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QFontDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMimeData>

#include "frame/command_routing.h"
#include "frame/frame_status_bar.h"

namespace foresta {
namespace {

constexpr int kDisplayFontPixels = 14;
constexpr int kFontDialogPoints = 14;

constexpr const char* kRevertQuestion =
    "Revert to the saved file? The changes made since it was saved will be lost.";

}  // namespace

plume_edWindow::plume_edWindow(const std::string& file, FrameStatusBar& status,
                               EditPrompter& prompter)
    : TEditClient(nullptr, QString::fromLocal8Bit(file.c_str()), &prompter),
      status_(status),
      prompter_(prompter) {
  Font = QFont(QStringLiteral("Arial"));
  Font.setPixelSize(kDisplayFontPixels);
  Font.setWeight(QFont::Normal);
  SelectFont();
  connect(this, &TEditClient::CaretPositionChanged, this, [this] { ReportCaret(); });
  connect(this, &TEditClient::TextChanged, this, [this] {
    ReportSize();
    NoteModified();
  });
  connect(this, &TEditClient::OverwriteChanged, this, [this](bool on) {
    if (IsActive()) status_.ShowOverwrite(on);
  });
  connect(this, &TEditClient::StatusMessage, this, [this](const QString& text) {
    if (IsActive()) status_.ShowMessage(text.toLocal8Bit().toStdString());
  });
}

void plume_edWindow::SelectFont() { setFont(Font); }

bool plume_edWindow::IsActive() const {
  if (hasFocus()) return true;
  auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget());
  return frame != nullptr && frame->mdiArea() != nullptr &&
         frame->mdiArea()->currentSubWindow() == frame;
}

void plume_edWindow::ReportCaret() {
  if (!IsActive()) return;
  const TEditPos& caret = Document().Caret;
  status_.ShowCaretPosition(caret.Line + 1, static_cast<int>(caret.EffectiveColumn()) + 1);
}

void plume_edWindow::ReportSize() {
  // The document keeps its size up to date: reading it costs nothing, so a
  // long run of changes stays linear.
  if (IsActive()) status_.ShowDocumentSize(Document().SavedSize());
}

void plume_edWindow::NoteModified() {
  if (modified_ == Document().IsDirty) return;
  modified_ = Document().IsDirty;
  emit ModifiedChanged(modified_);
}

void plume_edWindow::RefreshStatus() {
  const TEditPos& caret = Document().Caret;
  status_.ShowCaretPosition(caret.Line + 1, static_cast<int>(caret.EffectiveColumn()) + 1);
  status_.ShowDocumentSize(Document().SavedSize());
  status_.ShowOverwrite(Document().Overwrite);
}

void plume_edWindow::Command(int id) {
  switch (id) {
    case kCmFileClose:
      // The document window runs the close query once, as its close box does.
      if (QWidget* frame = parentWidget()) frame->close();
      break;
    case kCmFileSave: Save(); break;
    case kCmFileSaveAs: SaveAs(); break;
    case kCmFileRevert: Reload(kRevertQuestion); break;
    case kCmEditUndo: Undo(); break;
    case kCmEditRedo: Redo(); break;
    case kCmEditCut: Cut(); break;
    case kCmEditCopy: Copy(); break;
    case kCmEditPaste: Paste(); break;
    case kCmEditDelete: DeleteSelection(); break;
    case kCmEditClear: ClearAll(); break;
    case kCmEditSelectAll: SelectAll(); break;
    case kCmEditFind: Find(); break;
    case kCmEditReplace: Replace(); break;
    case kCmEditFindNext: Next(); break;
    case kCmFont: ChooseFont(); break;
    default: break;
  }
  NoteModified();
}

bool plume_edWindow::CommandEnabled(int id) const {
  switch (id) {
    case kCmEditUndo: return Document().CanUndo();
    case kCmEditRedo: return Document().CanRedo();
    // An unchanged document is saved already; an untitled one with text
    // goes to Save As.
    case kCmFileSave: return Document().IsDirty;
    case kCmEditCut:
    case kCmEditCopy:
    case kCmEditDelete: return Document().HasSelection();
    case kCmEditPaste: {
      const QMimeData* data = QApplication::clipboard()->mimeData();
      return data != nullptr && data->hasText();
    }
    case kCmEditFind: return FindDialog() == nullptr || IsReplace();
    case kCmEditReplace: return FindDialog() == nullptr || !IsReplace();
    case kCmEditFindNext: return FindDialog() != nullptr;
    case kCmFileRevert: return !Document().FileName.empty();
    default: return true;
  }
}

bool plume_edWindow::Reload(const std::string& question) {
  if (Document().FileName.empty()) return false;
  if (Document().IsDirty &&
      prompter_.Message(Document().Caption(), question, EditPrompter::Buttons::kYesNo,
                        EditPrompter::Icon::kExclamation) != EditPrompter::Answer::kYes) {
    return false;
  }
  Revert();
  NoteModified();
  return true;
}

void plume_edWindow::ChooseFont() {
  // The dialog always opens at 14 points, whatever size is in use.
  QFont initial = Font;
  initial.setPointSize(kFontDialogPoints);
  bool ok = false;
  const QFont chosen = QFontDialog::getFont(&ok, initial, this, QStringLiteral("Font"));
  if (!ok) return;
  Font = chosen;
  SelectFont();
}

void plume_edWindow::closeEvent(QCloseEvent* event) { event->accept(); }

void plume_edWindow::contextMenuEvent(QContextMenuEvent* event) {
  struct Item {
    int id;
    const char* label;
  };
  static constexpr Item kItems[] = {
      {kCmFileSave, "Save"},       {kCmFileSaveAs, "Save As..."}, {0, nullptr},
      {kCmEditUndo, "Undo"},       {kCmEditCut, "Cut"},           {kCmEditCopy, "Copy"},
      {kCmEditPaste, "Paste"},     {kCmEditDelete, "Delete"},     {kCmEditClear, "Clear All"},
      {0, nullptr},                {kCmEditFind, "Find..."},      {kCmEditReplace, "Replace..."},
      {kCmEditFindNext, "Next"},
  };
  QMenu menu(this);
  for (const Item& item : kItems) {
    if (item.id == 0) {
      menu.addSeparator();
      continue;
    }
    QAction* action = menu.addAction(QString::fromLatin1(item.label));
    action->setData(item.id);
    action->setEnabled(CommandEnabled(item.id));
  }
  // The choice goes the way of the menu bar's commands, which wait while a
  // command runs (a Save could write a file the command is reading).
  if (QAction* chosen = menu.exec(event->globalPos())) emit CommandChosen(chosen->data().toInt());
}

}  // namespace foresta
