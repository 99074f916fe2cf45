// Where document windows open, one window per file, and the Window menu's
// list of the open windows.
#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>
#include <QTest>

#include "frame/command_routing.h"
#include "frame/frame_fixture.h"

namespace foresta {
namespace {

using DocumentAreaTest = test::FrameWindowTest;

const QString kReload = QStringLiteral(
    "This file is open already and has unsaved changes.\n"
    "Reload it from the disk and lose the changes? No keeps the open text.");

TEST(CascadePlaceTest, StepsDownTheFreePlacesAndStaysInsideTheArea) {
  const QSize area(500, 400);
  const QSize window(300, 240);
  EXPECT_EQ(QPoint(0, 0), CascadePlace(area, window, 25, {}, 0));
  EXPECT_EQ(QPoint(25, 25), CascadePlace(area, window, 25, {QPoint(0, 0)}, 1));
  // A closed window leaves its place free for the next one.
  EXPECT_EQ(QPoint(25, 25), CascadePlace(area, window, 25, {QPoint(0, 0), QPoint(50, 50)}, 2));
  // Room for places 0 to 6 (160 / 25 down); then the cascade starts again.
  QList<QPoint> taken;
  for (int i = 0; i <= 6; ++i) taken << QPoint(25 * i, 25 * i);
  EXPECT_EQ(QPoint(0, 0), CascadePlace(area, window, 25, taken, 7));
  EXPECT_EQ(QPoint(25, 25), CascadePlace(area, window, 25, taken, 8));
  // A window larger than the area, or a nonsense step, still gets a place.
  EXPECT_EQ(QPoint(0, 0), CascadePlace(QSize(100, 100), window, 25, {QPoint(0, 0)}, 1));
  EXPECT_EQ(QPoint(0, 0), CascadePlace(area, window, 0, {}, 0));
}

TEST_F(DocumentAreaTest, NewWindowsCascadeInsideTheVisibleArea) {
  window_->resize(760, 560);
  ASSERT_TRUE(test::WaitFor([&] { return window_->width() == 760; }));
  QList<QPoint> places;
  for (int i = 0; i < 12; ++i) {
    window_->Action(kCmFileNew)->trigger();
    const QRect frame = area().ActiveDocument()->geometry();
    EXPECT_TRUE(area().viewport()->rect().contains(frame))
        << i << ": " << frame.x() << "," << frame.y() << " " << frame.width() << "x"
        << frame.height() << " in " << area().viewport()->width() << "x"
        << area().viewport()->height();
    places << frame.topLeft();
  }
  // Each of the first windows below and right of the one before, its title
  // bar still showing.
  EXPECT_EQ(QPoint(0, 0), places[0]);
  EXPECT_GT(places[1].x(), places[0].x());
  EXPECT_GT(places[1].y(), places[0].y());
  EXPECT_EQ(places[2] - places[1], places[1] - places[0]);
}

TEST_F(DocumentAreaTest, OpeningAnOpenUnchangedFileReloadsItsWindow) {
  dir_.Write("notes.txt", "one\ntwo\n");
  dir_.Write("other.txt", "x\n");
  area().OpenFile("notes.txt");
  plume_edMDIChild* notes = area().ActiveDocument();
  area().OpenFile("other.txt");
  dir_.Write("notes.txt", "three\n");
  // Named another way, it is still the same file.
  area().OpenFile(dir_.Path("notes.txt"));
  EXPECT_EQ((QStringList{"notes.txt", "other.txt"}), Titles());
  EXPECT_EQ(notes, area().ActiveDocument());
  EXPECT_EQ("three", notes->Client()->Document().Text()[0]);
  EXPECT_TRUE(boxes_.empty());
}

TEST_F(DocumentAreaTest, OpeningAnOpenChangedFileAsksWhetherToReload) {
  dir_.Write("notes.txt", "one\n");
  area().OpenFile("notes.txt");
  plume_edWindow& editor = ActiveEditor();
  QTest::keyClicks(&editor, QStringLiteral("x"));
  window_->Action(kCmFileNew)->trigger();

  yesNo_ = QMessageBox::No;
  area().OpenFile("notes.txt");
  ASSERT_EQ(1, BoxesSaying(kReload));
  EXPECT_EQ("notes.txt", boxes_.back().caption);
  EXPECT_EQ(&editor, &ActiveEditor());
  EXPECT_EQ("xone", editor.Document().Text()[0]);
  EXPECT_EQ((QStringList{"notes.txt*", "Untitled"}), Titles());

  yesNo_ = QMessageBox::Yes;
  area().OpenFile("notes.txt");
  EXPECT_EQ(2, BoxesSaying(kReload));
  EXPECT_EQ("one", editor.Document().Text()[0]);
  EXPECT_EQ((QStringList{"notes.txt", "Untitled"}), Titles());
}

TEST_F(DocumentAreaTest, RepeatedPredictionsShowTheirReportInOneWindow) {
  std::ifstream input(FORESTA_DATA_DIR "/example2a.txt", std::ios::binary);
  dir_.Write("example2a.txt", std::string(std::istreambuf_iterator<char>(input), {}));
  window_->Action(555)->trigger();
  window_->Action(557)->trigger();
  window_->Action(555)->trigger();
  EXPECT_EQ(QStringList{"example2b.txt"}, Titles());
}

TEST_F(DocumentAreaTest, WindowMenuListsTheOpenWindowsWithTheActiveOneChecked) {
  for (const char* name : {"a.txt", "b&c.txt", "d.txt"}) {
    dir_.Write(name, "1\n");
    area().OpenFile(name);
  }
  QMenu* menu = Menu("&Window");
  ASSERT_NE(nullptr, menu);
  auto listed = [&] {
    QStringList items;
    for (QAction* a : menu->actions()) {
      if (a->isSeparator()) {
        items << "|";
      } else if (a->data().toInt() == 0) {
        items << a->text() + (a->isChecked() ? "+" : "");
      }
    }
    return items;
  };
  emit menu->aboutToShow();
  EXPECT_EQ((QStringList{"|", "&1 a.txt", "&2 b&&c.txt", "&3 d.txt+"}), listed());
  // Choosing an entry brings its window to the front.
  for (QAction* a : menu->actions()) {
    if (a->text() == "&1 a.txt") a->trigger();
  }
  EXPECT_EQ("a.txt", area().ActiveDocument()->Caption());
  emit menu->aboutToShow();
  EXPECT_EQ((QStringList{"|", "&1 a.txt+", "&2 b&&c.txt", "&3 d.txt"}), listed());
  // The list follows the windows that are open, and the commands stay.
  window_->Action(kCmCloseAll)->trigger();
  emit menu->aboutToShow();
  EXPECT_TRUE(listed().isEmpty());
  EXPECT_EQ(4, menu->actions().size());
}

}  // namespace
}  // namespace foresta
