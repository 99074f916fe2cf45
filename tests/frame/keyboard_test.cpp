// The keys of the window: the usual desktop shortcuts beside the product's
// own accelerators, and one mnemonic per menu.
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include <gtest/gtest.h>
#include <QTest>

#include "frame/command_routing.h"
#include "frame/frame_fixture.h"

namespace foresta {
namespace {

using KeyboardTest = test::FrameWindowTest;

TEST_F(KeyboardTest, DesktopShortcutsReachTheirCommands) {
  std::vector<int> printed;
  window_->SetPrintHandler([&](int id, QWidget*) { printed.push_back(id); });

  QTest::keyClick(window_.get(), Qt::Key_N, Qt::ControlModifier);
  ASSERT_EQ(1, area().Documents().size());
  plume_edWindow* editor = &ActiveEditor();
  QTest::keyClicks(editor, QStringLiteral("abc"));
  QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
  EXPECT_TRUE(editor->Document().HasSelection());
  EXPECT_EQ(0u, editor->Document().SelStart.Column);
  EXPECT_EQ(3u, editor->Document().SelEnd.Column);

  QTest::keyClick(editor, Qt::Key_F, Qt::ControlModifier);
  ASSERT_NE(nullptr, editor->FindDialog());
  EXPECT_FALSE(editor->IsReplace());
  QTest::keyClick(editor, Qt::Key_H, Qt::ControlModifier);
  ASSERT_NE(nullptr, editor->FindDialog());
  EXPECT_TRUE(editor->IsReplace());

  QTest::keyClick(editor, Qt::Key_P, Qt::ControlModifier);
  EXPECT_EQ(std::vector<int>{kCmPrint}, printed);

  dir_.Write("notes.txt", "one\n");
  area().OpenFile("notes.txt");
  editor = &ActiveEditor();
  QTest::keyClicks(editor, QStringLiteral("x"));
  QTest::keyClick(editor, Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(QStringList({"Untitled*", "notes.txt"}), Titles());
  std::ifstream saved(dir_.Path("notes.txt"), std::ios::binary);
  EXPECT_EQ("xone\r\n", std::string(std::istreambuf_iterator<char>(saved), {}));

  // Ctrl+W closes the saved document; Ctrl+F4 the changed one, after one
  // question.
  yesNo_ = QMessageBox::No;
  QTest::keyClick(editor, Qt::Key_W, Qt::ControlModifier);
  EXPECT_EQ(QStringList{"Untitled*"}, Titles());
  QTest::keyClick(&ActiveEditor(), Qt::Key_F4, Qt::ControlModifier);
  EXPECT_TRUE(area().Documents().isEmpty());
  EXPECT_EQ(1u, boxes_.size());

  EXPECT_EQ(QKeySequence("Ctrl+O"), window_->Action(kCmFileOpen)->shortcut());
  window_->SetPrintHandler({});
}

TEST_F(KeyboardTest, NoKeyIsGivenToTwoCommands) {
  // Two actions sharing a key would both stay silent.
  std::set<std::string> keys;
  for (QAction* menuAction : window_->menuBar()->actions()) {
    for (QAction* a : menuAction->menu()->actions()) {
      for (const QKeySequence& key : a->shortcuts()) {
        EXPECT_TRUE(keys.insert(key.toString().toStdString()).second) << key.toString().toStdString();
      }
    }
  }
}

TEST_F(KeyboardTest, EachMenuHasItsOwnMnemonic) {
  std::set<QChar> mnemonics;
  for (QAction* a : window_->menuBar()->actions()) {
    const QString title = a->text();
    const qsizetype mark = title.indexOf(QLatin1Char('&'));
    ASSERT_GE(mark, 0) << title.toStdString();
    ASSERT_LT(mark + 1, title.size());
    EXPECT_TRUE(mnemonics.insert(title.at(mark + 1).toLower()).second) << title.toStdString();
  }
}

}  // namespace
}  // namespace foresta
