#include <fstream>

#include <gtest/gtest.h>
#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QFontDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPrinter>
#include <QContextMenuEvent>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>
#include <QUrl>

#include "frame/command_routing.h"
#include "frame/frame_status_bar.h"
#include "frame/help_window.h"
#include "frame/plume_ed_app.h"
#include "frame/plume_ed_mdi_child.h"
#include "frame/plume_ed_mdi_client.h"
#include "frame/plume_ed_window.h"
#include "print/document_printer.h"
#include "frame/print_commands.h"
#include "frame/frame_fixture.h"
#include "frame/qt_environment.h"

namespace foresta {
namespace {

using test::WaitFor;
using test::WorkingDirectory;

using test::FrameWindowTest;

TEST_F(FrameWindowTest, StartsWithTheTitleAndNoDocument) {
  EXPECT_EQ("Foresta 2.8", window_->windowTitle());
  EXPECT_TRUE(area().Documents().isEmpty());
  EXPECT_EQ(0, area().ChildCount);
  EXPECT_TRUE(boxes_.empty());
  // Editing commands wait for a document.
  EXPECT_FALSE(window_->Action(kCmEditCut)->isEnabled());
  EXPECT_TRUE(window_->Action(kCmFileNew)->isEnabled());
}

TEST_F(FrameWindowTest, MenuBarHoldsEveryCommandInOrderWithHints) {
  QStringList titles;
  for (QAction* a : window_->menuBar()->actions()) titles << a->text();
  // Each menu its own mnemonic: F E D L I X 3 1 B M V T W H.
  EXPECT_EQ((QStringList{"&File", "&Edit", "&Data", "Rea&l", "&Integer", "AvgMa&x",
                         "&3-Average", "&10-Average", "&Batch", "Exa&mple", "&View", "&Tools",
                         "&Window", "&Help"}),
            titles);

  // Every item carries its identifier, a label and a status-bar hint.
  int items = 0;
  for (QAction* menuAction : window_->menuBar()->actions()) {
    for (QAction* a : menuAction->menu()->actions()) {
      if (a->isSeparator()) continue;
      ++items;
      EXPECT_GT(a->data().toInt(), 0) << a->text().toStdString();
      EXPECT_FALSE(a->property("label").toString().isEmpty());
      EXPECT_FALSE(a->statusTip().isEmpty()) << a->text().toStdString();
    }
  }
  EXPECT_EQ(11 + 12 + 4 + 9 + 6 + 12 + 9 + 9 + 3 + 15 + 1 + 3 + 4 + 4, items);

  // The File menu in order, bars included, with the keys shown.
  QStringList file;
  for (QAction* a : Menu("&File")->actions()) file << (a->isSeparator() ? "|" : a->text());
  EXPECT_EQ((QStringList{"&New", "&Open...", "&Import CSV...", "&Close", "|", "&Save",
                         "Save &As...",
                         "R&evert to Saved", "|", "Print Pre&view...", "&Print...",
                         "P&rint Setup...", "|", "E&xit\tAlt+F4"}),
            file);
  EXPECT_EQ("Cu&t\tShift+Del", window_->Action(kCmEditCut)->text());
  EXPECT_EQ("&Undo\tAlt+BkSp", window_->Action(kCmEditUndo)->text());

  // The Edit menu in order: Redo stands right after Undo.
  QStringList edit;
  for (QAction* a : Menu("&Edit")->actions()) edit << (a->isSeparator() ? "|" : a->text());
  EXPECT_EQ((QStringList{"&Undo\tAlt+BkSp", "&Redo\tCtrl+Y", "|", "Cu&t\tShift+Del",
                         "&Copy\tCtrl+Ins", "&Paste\tShift+Ins", "|", "Clear &All\tCtrl+Del",
                         "&Select All", "&Delete\tDel", "|", "&Find...", "&Replace...",
                         "&Next\tF3", "|", "&Font..."}),
            edit);
  EXPECT_EQ("Redo the last undone change", window_->Action(kCmEditRedo)->statusTip());

  // The hints are the product's texts, blanks included.
  EXPECT_EQ("Specify the input, trend and precision", window_->Action(551)->statusTip());
  EXPECT_EQ("Predict the canter of [a, b] and data is quantized by (b-a)/N ",
            window_->Action(557)->statusTip());
  EXPECT_EQ("Print 3 weighted-averages for Integer/-- Linear",
            window_->Action(617)->statusTip());
  EXPECT_EQ("Print 10 weighted-averages for Real/0 Exponential",
            window_->Action(625)->statusTip());
  EXPECT_EQ("Quorlith About", window_->Action(325)->statusTip());
  EXPECT_EQ(QVariant(586), window_->Action(586)->data());
  EXPECT_EQ("a.txt", window_->Action(586)->text());
}

TEST_F(FrameWindowTest, AcceleratorsAndToolBarOrder) {
  EXPECT_EQ((QList<QKeySequence>{QKeySequence("Shift+Del"), QKeySequence("Ctrl+X")}),
            window_->Action(kCmEditCut)->shortcuts());
  EXPECT_EQ((QList<QKeySequence>{QKeySequence("Alt+Backspace"), QKeySequence("Ctrl+Z")}),
            window_->Action(kCmEditUndo)->shortcuts());
  EXPECT_EQ(QKeySequence("F3"), window_->Action(kCmEditFindNext)->shortcut());
  EXPECT_EQ((QList<QKeySequence>{QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")}),
            window_->Action(kCmEditRedo)->shortcuts());

  auto* bar = window_->findChild<QToolBar*>(QStringLiteral("toolBar"));
  ASSERT_NE(nullptr, bar);
  QList<int> ids;
  for (QAction* a : bar->actions()) ids << (a->isSeparator() ? 0 : a->data().toInt());
  EXPECT_EQ((QList<int>{24331, 24332, 24333, 0, 551, 552, 553, 0, 555, 557, 556, 0, 558, 560,
                        559, 0, 24322, 24323, 24324, 0, 24321, 760, 24337, 24340, 2001}),
            ids);
  for (QAction* a : bar->actions()) {
    if (!a->isSeparator()) {
      EXPECT_FALSE(a->icon().isNull()) << a->data().toInt();
    }
  }
}

TEST_F(FrameWindowTest, MenuHintShowsInTheStatusBar) {
  // A highlighted menu item reports to the menu bar that opened its menu.
  window_->Action(553)->showStatusText(window_->menuBar());
  EXPECT_EQ("Open the results of the last prediction", window_->statusBar()->currentMessage());
}

TEST_F(FrameWindowTest, PredictionCommandFromTheMenuOpensTheReportInANewWindow) {
  // Real/+ Linear runs on the default input.
  std::ifstream input(FORESTA_DATA_DIR "/example2a.txt", std::ios::binary);
  std::string data((std::istreambuf_iterator<char>(input)), std::istreambuf_iterator<char>());
  dir_.Write("example2a.txt", data);
  window_->Action(555)->trigger();
  ASSERT_EQ(QStringList{"example2b.txt"}, Titles());
  // Opening the report is the run's last step.
  EXPECT_EQ(553, window_->workbench().state().statusCode);
  std::ifstream report(dir_.Path("example2b.txt"), std::ios::binary);
  std::string text((std::istreambuf_iterator<char>(report)), std::istreambuf_iterator<char>());
  EXPECT_NE(std::string::npos, text.find("Weighted Average")) << text;
  EXPECT_FALSE(window_->runner().Busy());
}

TEST_F(FrameWindowTest, NewShowsUntitledAndNumbersDocuments) {
  window_->Action(kCmFileNew)->trigger();
  window_->Action(kCmFileNew)->trigger();
  EXPECT_EQ((QStringList{"Untitled", "Untitled"}), Titles());
  EXPECT_EQ(2, area().ChildCount);
  EXPECT_TRUE(window_->Action(kCmEditSelectAll)->isEnabled());
  EXPECT_EQ("1:1", window_->frameStatusBar().PositionText());
  EXPECT_EQ("2", window_->frameStatusBar().SizeText());
}

TEST_F(FrameWindowTest, PrintCommandsNeedADocumentAndAPrinter) {
  const int ids[] = {kCmPrint, kCmPrintPreview, kCmPrintSetup};
  for (int id : ids) EXPECT_FALSE(window_->Action(id)->isEnabled()) << id;
  DocumentPrinter printer;
  InstallPrinting(*window_, printer);
  for (int id : ids) EXPECT_FALSE(window_->Action(id)->isEnabled()) << id;
  window_->Action(kCmFileNew)->trigger();
  const bool usable = printer.Printer().isValid();
  for (int id : ids) EXPECT_EQ(usable, window_->Action(id)->isEnabled()) << id;
  window_->Action(kCmCloseAll)->trigger();
  for (int id : ids) EXPECT_FALSE(window_->Action(id)->isEnabled()) << id;
  window_->SetPrintHandler({});
}

TEST_F(FrameWindowTest, TypingReportsSizeAndCaretPosition) {
  window_->Action(kCmFileNew)->trigger();
  QWidget* editor = area().ActiveDocument()->Client();
  QTest::keyClicks(editor, QStringLiteral("abc"));
  EXPECT_EQ("5", window_->frameStatusBar().SizeText());
  EXPECT_EQ("1:4", window_->frameStatusBar().PositionText());
}

TEST_F(FrameWindowTest, AMaximisedActiveWindowMakesTheNextOneMaximised) {
  for (const char* name : {"a.txt", "b.txt", "c.txt"}) dir_.Write(name, "1\n");
  area().OpenFile("a.txt");
  EXPECT_FALSE(area().ActiveDocument()->isMaximized());
  area().OpenFile("b.txt");
  EXPECT_FALSE(area().ActiveDocument()->isMaximized());
  area().ActiveDocument()->showMaximized();
  window_->Action(kCmFileNew)->trigger();
  EXPECT_TRUE(area().ActiveDocument()->isMaximized());
  area().OpenFile("c.txt");
  EXPECT_TRUE(area().ActiveDocument()->isMaximized());
}

TEST_F(FrameWindowTest, HelpModeShowsTheCommandsPageInsteadOfRunningIt) {
  QTest::keyClick(window_.get(), Qt::Key_F1, Qt::ShiftModifier);
  ASSERT_TRUE(window_->InHelpMode());
  window_->Action(552)->trigger();
  EXPECT_FALSE(window_->InHelpMode());
  EXPECT_TRUE(area().Documents().isEmpty());  // Data/Input did not run
  ASSERT_NE(nullptr, window_->helpWindow());
  EXPECT_TRUE(window_->helpWindow()->isVisible());
  EXPECT_EQ("552", window_->helpWindow()->CurrentKey());
  EXPECT_TRUE(window_->workbench().state().helpUsed);

  // Escape leaves help mode; the next choice runs again.
  QTest::keyClick(window_.get(), Qt::Key_F1, Qt::ShiftModifier);
  ASSERT_TRUE(window_->InHelpMode());
  QTest::keyClick(window_.get(), Qt::Key_Escape);
  EXPECT_FALSE(window_->InHelpMode());
  dir_.Write("example2a.txt", "x *  * 1 1 2 3\n");
  window_->Action(552)->trigger();
  EXPECT_EQ(QStringList{"example2a.txt"}, Titles());
}

TEST_F(FrameWindowTest, F1OpensTheHelpContents) {
  QTest::keyClick(window_.get(), Qt::Key_F1);
  ASSERT_TRUE(WaitFor([&] { return window_->helpWindow() != nullptr; }));
  EXPECT_EQ("contents", window_->helpWindow()->CurrentKey());
  EXPECT_TRUE(window_->workbench().state().helpUsed);
  EXPECT_TRUE(window_->helpWindow()->Browser()->toPlainText().contains("Foresta Help"));
}

TEST_F(FrameWindowTest, ClosingAsksFirstAndNoKeepsTheApplication) {
  yesNo_ = QMessageBox::No;
  EXPECT_FALSE(window_->close());
  ASSERT_EQ(1u, boxes_.size());
  EXPECT_EQ("Foresta 2.8", boxes_[0].caption);
  EXPECT_EQ("Want to close this application?", boxes_[0].text);
  EXPECT_TRUE(window_->isVisible());

  window_->Action(kCmHelpContents)->trigger();
  ASSERT_TRUE(window_->helpWindow()->isVisible());
  yesNo_ = QMessageBox::Yes;
  EXPECT_TRUE(window_->close());
  EXPECT_FALSE(window_->helpWindow()->isVisible());  // help is let go as well
}

TEST_F(FrameWindowTest, ClosingOffersChangedDocumentsForSavingAndCancelKeepsAll) {
  window_->Action(kCmFileNew)->trigger();
  QTest::keyClicks(area().ActiveDocument()->Client(), QStringLiteral("unsaved"));
  int asked = 0;
  window_->guiShell().SetModalRunner([&](QDialog& dialog) {
    auto* box = qobject_cast<QMessageBox*>(&dialog);
    if (box == nullptr) return static_cast<int>(QDialog::Rejected);
    ++asked;
    // First the application question, then the document's own.
    return static_cast<int>(asked == 1 ? QMessageBox::Yes : QMessageBox::Cancel);
  });
  EXPECT_FALSE(window_->close());
  EXPECT_EQ(2, asked);
  EXPECT_EQ(1, area().Documents().size());
}

TEST_F(FrameWindowTest, DroppedFilesOpenInDropOrder) {
  for (const char* name : {"c.txt", "a.txt", "b.txt"}) dir_.Write(name, name);
  QMimeData mime;
  mime.setUrls({QUrl::fromLocalFile(QString::fromStdString(dir_.Path("c.txt"))),
                QUrl::fromLocalFile(QString::fromStdString(dir_.Path("a.txt"))),
                QUrl::fromLocalFile(QString::fromStdString(dir_.Path("b.txt")))});
  QDragEnterEvent enter(QPoint(50, 80), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(window_.get(), &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(50, 80), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(window_.get(), &drop);
  EXPECT_TRUE(drop.isAccepted());
  const QStringList titles = Titles();
  ASSERT_EQ(3, titles.size());
  EXPECT_TRUE(titles[0].endsWith("c.txt"));
  EXPECT_TRUE(titles[1].endsWith("a.txt"));
  EXPECT_TRUE(titles[2].endsWith("b.txt"));
}

// Answers the open-file dialog once it is up: choose `name`, or cancel.
void AnswerFileDialog(const QString& name) {
  QTimer::singleShot(0, [name] {
    WaitFor([] { return qobject_cast<QFileDialog*>(QApplication::activeModalWidget()) != nullptr; });
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr) return;
    if (name.isEmpty()) {
      dialog->reject();
    } else {
      dialog->selectFile(name);
      static_cast<QDialog*>(dialog)->accept();
    }
  });
}

TEST_F(FrameWindowTest, OpenMakesTheFileTheInputAndCancelChangesNothing) {
  dir_.Write("sales.txt", "s *  * 1 1 2 3 4 5 6\n");
  AnswerFileDialog(QString());
  window_->Action(kCmFileOpen)->trigger();
  EXPECT_EQ("example2a.txt", window_->workbench().state().predictionInputFile);
  EXPECT_TRUE(area().Documents().isEmpty());

  AnswerFileDialog(QString::fromStdString(dir_.Path("sales.txt")));
  window_->Action(kCmFileOpen)->trigger();
  ASSERT_EQ(1, area().Documents().size());
  EXPECT_EQ("sales.txt", window_->workbench().state().predictionInputFile);
}

TEST_F(FrameWindowTest, ParameterDialogFromTheMenuRunsOverTheWorkerAndCancelKeepsTexts) {
  const DialogTexts before = window_->workbench().state().texts;
  window_->Action(551)->trigger();  // the test's runner answers Cancel
  EXPECT_EQ(before.linkInput, window_->workbench().state().texts.linkInput);
  EXPECT_EQ(before.linkPrecision, window_->workbench().state().texts.linkPrecision);
  EXPECT_EQ(10, window_->workbench().state().precision);
}

}  // namespace
}  // namespace foresta

namespace foresta {
namespace {

// Finds the visible top-level widget of type T, waiting for it to appear.
template <typename T>
T* WaitForTopLevel() {
  T* found = nullptr;
  test::WaitFor([&] {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (auto* t = qobject_cast<T*>(w); t != nullptr && t->isVisible()) found = t;
    }
    return found != nullptr;
  });
  return found;
}

TEST_F(FrameWindowTest, DocumentsUseTheDisplayFontAndTheFontDialogOpensAt14Points) {
  window_->Action(kCmFileNew)->trigger();
  QWidget* editor = area().ActiveDocument()->Client();
  EXPECT_EQ(14, editor->font().pixelSize());
  int dialogPoints = 0;
  QTimer::singleShot(0, [&] {
    if (auto* dialog = WaitForTopLevel<QFontDialog>()) {
      dialogPoints = dialog->currentFont().pointSize();
      dialog->reject();
    }
  });
  window_->Action(kCmFont)->trigger();
  EXPECT_EQ(14, dialogPoints);
  EXPECT_EQ(14, editor->font().pixelSize());  // Cancel changes nothing
}

TEST_F(FrameWindowTest, RightButtonMenuOffersTheEditingCommands) {
  window_->Action(kCmFileNew)->trigger();
  QWidget* editor = area().ActiveDocument()->Client();
  QStringList items;
  QTimer::singleShot(0, [&] {
    if (auto* menu = WaitForTopLevel<QMenu>()) {
      for (QAction* a : menu->actions()) items << (a->isSeparator() ? "|" : a->text());
      menu->close();
    }
  });
  // A right click reaches a scrolling editor through its viewport.
  QWidget* viewport = qobject_cast<QAbstractScrollArea*>(editor)->viewport();
  QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(20, 20),
                          viewport->mapToGlobal(QPoint(20, 20)));
  QApplication::sendEvent(viewport, &event);
  EXPECT_EQ((QStringList{"Save", "Save As...", "|", "Undo", "Cut", "Copy", "Paste", "Delete",
                         "Clear All", "|", "Find...", "Replace...", "Next"}),
            items);
}

}  // namespace
}  // namespace foresta
