// The editing commands as the main window offers them: their enable states
// in the menus and on the tool bar, Redo, Save, search reports in the status
// bar, Replace All with the size indicator, and the Font command's tab stops.
#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QFontDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include "editor/widget/edit_client.h"
#include "frame/frame_status_bar.h"
#include "frame/plume_ed_app.h"
#include "frame/plume_ed_mdi_child.h"
#include "frame/plume_ed_mdi_client.h"
#include "frame/plume_ed_window.h"
#include "frame/qt_environment.h"

namespace foresta {
namespace {

using test::WaitFor;
using test::WorkingDirectory;

class DocumentEditingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window_ = std::make_unique<plume_edApp>();
    window_->guiShell().SetModalRunner([](QDialog& dialog) {
      return qobject_cast<QMessageBox*>(&dialog) != nullptr ? static_cast<int>(QMessageBox::No)
                                                            : static_cast<int>(QDialog::Rejected);
    });
    window_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
  }
  void TearDown() override {
    for (plume_edMDIChild* child : window_->documentArea().Documents()) child->CloseWithoutAsking();
    window_.reset();
  }
  TEditClient* Open(const std::string& name, const std::string& content) {
    dir_.Write(name, content);
    window_->documentArea().OpenFile(name);
    return Editor();
  }
  TEditClient* Editor() {
    plume_edMDIChild* active = window_->documentArea().ActiveDocument();
    return active != nullptr ? active->Client() : nullptr;
  }
  bool Enabled(int id) { return window_->Action(id)->isEnabled(); }
  // The tool button of `id`: it shows the action's state.
  QWidget* Button(int id) {
    auto* bar = window_->findChild<QToolBar*>(QStringLiteral("toolBar"));
    return bar->widgetForAction(window_->Action(id));
  }
  std::string Bytes(const std::string& name) {
    std::ifstream in(dir_.Path(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  FrameStatusBar& Status() { return window_->frameStatusBar(); }

  WorkingDirectory dir_;
  std::unique_ptr<plume_edApp> window_;
};

TEST_F(DocumentEditingTest, ToolBarAndMenuFollowSelectionJournalAndChanges) {
  TEditClient* editor = Open("notes.txt", "one\ntwo\n");
  ASSERT_NE(editor, nullptr);
  // Nothing selected, nothing to undo, nothing changed: all grey, with no
  // menu opened to refresh them.
  for (int id : {kCmEditCut, kCmEditCopy, kCmEditUndo, kCmEditRedo, kCmFileSave}) {
    EXPECT_FALSE(Enabled(id)) << id;
    EXPECT_FALSE(Button(id)->isEnabled()) << id;
  }
  QTest::keyClick(editor, Qt::Key_Right, Qt::ShiftModifier);
  EXPECT_TRUE(Enabled(kCmEditCut));
  EXPECT_TRUE(Button(kCmEditCopy)->isEnabled());
  EXPECT_FALSE(Enabled(kCmEditUndo));
  QTest::keyClicks(editor, "O");
  EXPECT_FALSE(Button(kCmEditCut)->isEnabled());
  EXPECT_TRUE(Button(kCmEditUndo)->isEnabled());
  EXPECT_TRUE(Button(kCmFileSave)->isEnabled());
  window_->Dispatch(kCmEditUndo);
  EXPECT_FALSE(Button(kCmEditUndo)->isEnabled());
  EXPECT_TRUE(Button(kCmEditRedo)->isEnabled());
  EXPECT_FALSE(Button(kCmFileSave)->isEnabled());  // back to the text on disk
  window_->Dispatch(kCmEditRedo);
  EXPECT_FALSE(Button(kCmEditRedo)->isEnabled());
  EXPECT_TRUE(Button(kCmFileSave)->isEnabled());
  window_->Dispatch(kCmFileSave);
  EXPECT_FALSE(Button(kCmFileSave)->isEnabled());
  EXPECT_FALSE(Button(kCmEditUndo)->isEnabled());
  EXPECT_EQ(Bytes("notes.txt"), "One\r\ntwo\r\n");

  // Paste follows the clipboard.
  QApplication::clipboard()->clear();
  EXPECT_FALSE(Enabled(kCmEditPaste));
  QApplication::clipboard()->setText("x");
  EXPECT_TRUE(Enabled(kCmEditPaste));
}

TEST_F(DocumentEditingTest, SaveOfAnUnchangedDocumentWritesNothing) {
  Open("data.txt", "1 2\n3 4\n");
  window_->Dispatch(kCmFileSave);  // as its key would, though the item is grey
  EXPECT_EQ(Bytes("data.txt"), "1 2\n3 4\n");
}

TEST_F(DocumentEditingTest, RedoStandsAfterUndoAndANewChangeEndsIt) {
  TEditClient* editor = Open("r.txt", "");
  QTest::keyClicks(editor, "abc");
  QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
  QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
  QTest::keyClick(editor, Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(editor->Document().Text()[0], "ab");
  QTest::keyClicks(editor, "!");
  EXPECT_FALSE(Enabled(kCmEditRedo));
  window_->Dispatch(kCmEditRedo);
  EXPECT_EQ(editor->Document().Text()[0], "ab!");
}

TEST_F(DocumentEditingTest, SearchOutcomesShowInTheStatusBar) {
  TEditClient* editor = Open("s.txt", "alpha beta\ngamma\n");
  editor->Document().CollapseTo(editor->Document().Pos(1, 0));
  window_->Dispatch(kCmEditFind);
  FindReplaceDialog* find = editor->FindDialog();
  ASSERT_NE(find, nullptr);
  EXPECT_TRUE(Enabled(kCmEditFindNext));
  find->FindEdit()->setText("beta");
  QTest::mouseClick(find->FindNextButton(), Qt::LeftButton);
  EXPECT_EQ(Status().currentMessage(), "Search wrapped");
  EXPECT_EQ(Status().PositionText(), "1:7");
  find->FindEdit()->setText("delta");
  QTest::mouseClick(find->FindNextButton(), Qt::LeftButton);
  EXPECT_EQ(Status().currentMessage(), "Not found: delta");
}

TEST_F(DocumentEditingTest, ReplaceAllKeepsTheSizeIndicatorRightThroughUndoAndRedo) {
  std::string text;
  for (int i = 0; i < 5000; ++i) text += "value " + std::to_string(i) + " of the value\n";
  TEditClient* editor = Open("big.txt", text);
  const QString before = Status().SizeText();
  EXPECT_EQ(before, QString::number(text.size() + 5000));  // "\r\n" line ends
  window_->Dispatch(kCmEditReplace);
  FindReplaceDialog* replace = editor->FindDialog();
  ASSERT_NE(replace, nullptr);
  replace->FindEdit()->setText("value");
  replace->ReplaceEdit()->setText("amount");
  QTest::mouseClick(replace->ReplaceAllButton(), Qt::LeftButton);
  EXPECT_EQ(Status().SizeText(), QString::number(text.size() + 5000 + 10000));
  EXPECT_EQ(Status().currentMessage(), "Replaced 10000 occurrences");
  EXPECT_EQ(editor->Document().Text()[4999], "amount 4999 of the amount");
  window_->Dispatch(kCmEditUndo);
  EXPECT_EQ(Status().SizeText(), before);
  EXPECT_EQ(editor->Document().Text()[4999], "value 4999 of the value");
  EXPECT_FALSE(Enabled(kCmFileSave));
  window_->Dispatch(kCmEditRedo);
  EXPECT_EQ(Status().SizeText(), QString::number(text.size() + 5000 + 10000));
}

TEST_F(DocumentEditingTest, TheFontCommandMovesTheTabStopsWithTheFont) {
  TEditClient* editor = Open("t.txt", "a\tb\n");
  const int before = editor->TabStop();
  QTimer::singleShot(0, [] {
    QFontDialog* dialog = nullptr;
    WaitFor([&] {
      for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* d = qobject_cast<QFontDialog*>(w); d != nullptr && d->isVisible()) dialog = d;
      }
      return dialog != nullptr;
    });
    if (dialog == nullptr) return;
    QFont font = dialog->currentFont();
    font.setPointSize(36);
    dialog->setCurrentFont(font);
    dialog->accept();
  });
  window_->Dispatch(kCmFont);
  EXPECT_EQ(editor->TabStop(), 4 * editor->CharWidth());
  EXPECT_GT(editor->TabStop(), before);
}

}  // namespace
}  // namespace foresta
