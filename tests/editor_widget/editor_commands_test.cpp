#include <QCheckBox>
#include <QCursor>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <string>

#include "edit_client_fixture.h"

namespace foresta {
namespace {

TEST_F(EditClientTest, CtrlYAndCtrlShiftZRedoWhatCtrlZUndid) {
  QTest::keyClicks(editor.get(), "abc");
  QTest::keyClick(editor.get(), Qt::Key_Z, Qt::ControlModifier);
  QTest::keyClick(editor.get(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(Text(), "a");
  QTest::keyClick(editor.get(), Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(Text(), "ab");
  QTest::keyClick(editor.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(Text(), "abc");
  QTest::keyClick(editor.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(Text(), "abc");  // nothing left to redo, and never an Undo
}

TEST_F(EditClientTest, TheCommandStateIsReportedWhenItChanges) {
  QSignalSpy spy(editor.get(), &TEditClient::CommandStateChanged);
  QTest::keyClicks(editor.get(), "a");  // something to undo, and changed
  EXPECT_EQ(spy.count(), 1);
  QTest::keyClicks(editor.get(), "bc");  // nothing new
  EXPECT_EQ(spy.count(), 1);
  QTest::keyClick(editor.get(), Qt::Key_Left, Qt::ShiftModifier);  // a selection
  EXPECT_EQ(spy.count(), 2);
  QTest::keyClick(editor.get(), Qt::Key_Left, Qt::ShiftModifier);  // a longer one
  EXPECT_EQ(spy.count(), 2);
  editor->Undo();  // the selection went, and there is something to redo
  EXPECT_EQ(spy.count(), 3);
  editor->Find();  // Next becomes possible
  EXPECT_EQ(spy.count(), 4);
  editor->FindDialog()->close();
  QApplication::processEvents();
  EXPECT_EQ(spy.count(), 5);
}

TEST_F(EditClientTest, TheSearchDialogTakesTheKeyboardReturnFindsAndEscapeCloses) {
  QTest::keyClicks(editor.get(), "one cat\rtwo cats");
  QTest::keyClick(editor.get(), Qt::Key_Home, Qt::ControlModifier);
  editor->Find();
  FindReplaceDialog* find = editor->FindDialog();
  ASSERT_NE(find, nullptr);
  // The dialog is activated as it opens (the platform does it a moment later).
  ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == find; }));
  EXPECT_EQ(QApplication::focusWidget(), find->FindEdit());
  QTest::keyClicks(QApplication::focusWidget(), "cat");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_EQ(Text(), "one cat\ntwo cats");  // Return went to the dialog
  EXPECT_TRUE(Doc().SelStart == Doc().Pos(0, 4));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_TRUE(Doc().SelStart == Doc().Pos(1, 4));

  // Back in the document, Find again gives the keyboard to the search
  // field, its text selected for typing over.
  find->WholeWordBox()->setFocus();
  editor->activateWindow();
  ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == editor.get(); }));
  editor->Find();
  ASSERT_EQ(editor->FindDialog(), find);
  ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == find; }));
  EXPECT_EQ(QApplication::focusWidget(), find->FindEdit());
  EXPECT_EQ(find->FindEdit()->selectedText(), "cat");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  QApplication::processEvents();
  EXPECT_EQ(editor->FindDialog(), nullptr);
  EXPECT_EQ(Text(), "one cat\ntwo cats");
}

TEST_F(EditClientTest, SearchOutcomesGoToTheStatusBar) {
  QTest::keyClicks(editor.get(), "cat dog");
  QSignalSpy spy(editor.get(), &TEditClient::StatusMessage);
  editor->Find();
  FindReplaceDialog* find = editor->FindDialog();
  find->FindEdit()->setText("cat");
  ASSERT_TRUE(find->WrapAroundBox()->isChecked());
  QTest::mouseClick(find->FindNextButton(), Qt::LeftButton);
  ASSERT_EQ(spy.count(), 1);
  EXPECT_EQ(spy.at(0).at(0).toString(), "Search wrapped");
  find->FindEdit()->setText("cow");
  QTest::mouseClick(find->FindNextButton(), Qt::LeftButton);
  EXPECT_EQ(spy.at(1).at(0).toString(), "Not found: cow");
}

TEST_F(EditClientTest, TabStopsFollowTheFont) {
  const int before = editor->TabStop();
  QFont large = editor->font();
  large.setPixelSize(40);
  editor->setFont(large);
  EXPECT_EQ(editor->TabStop(), 4 * editor->CharWidth());
  EXPECT_GT(editor->TabStop(), before);
  EXPECT_EQ(editor->TextWidth("\t"), editor->TabStop());
}

TEST_F(EditClientTest, ALongReplaceAllChangesTheWindowOnceAndUndoesWholeUnderABusyCursor) {
  std::string text;
  for (int i = 0; i < 2000; ++i) text += "the value " + std::to_string(i) + " and the rest\n";
  Doc().InsertText(text, false);
  Doc().CollapseTo(Doc().Start());
  const std::string before = Text();
  QSignalSpy changes(editor.get(), &TEditClient::TextChanged);
  editor->Replace();
  FindReplaceDialog* replace = editor->FindDialog();
  replace->FindEdit()->setText("the");
  replace->ReplaceEdit()->setText("a");
  QTest::mouseClick(replace->ReplaceAllButton(), Qt::LeftButton);
  EXPECT_EQ(Text().find("the"), std::string::npos);
  // Every line saved with two bytes of line end; 4000 words two shorter.
  EXPECT_EQ(Doc().SavedSize(), static_cast<long long>(before.size()) + 2001 + 1 - 2 * 4000);
  EXPECT_EQ(changes.count(), 1);  // not one report per replacement
  ASSERT_EQ(Doc().Journal().size(), 1u);

  Qt::CursorShape during = Qt::ArrowCursor;
  QObject::connect(editor.get(), &TEditClient::TextChanged, editor.get(), [&] {
    if (QApplication::overrideCursor() != nullptr) during = QApplication::overrideCursor()->shape();
  });
  QTest::keyClick(editor.get(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(Text(), before);
  EXPECT_EQ(during, Qt::WaitCursor);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);  // restored afterwards
  QTest::keyClick(editor.get(), Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(Text().find("the"), std::string::npos);
}

}  // namespace
}  // namespace foresta
