#include <gtest/gtest.h>

#include <set>
#include <span>

#include "support/temp_dir.h"
#include "state/recording_shell.h"
#include "workbench/workbench.h"

namespace foresta {
namespace {

using Kind = ShellEvent::Kind;
using testing::ScopedTempDir;
using testing::WriteFile;

class RoutingTest : public ::testing::Test {
 protected:
  ScopedTempDir dir_;
  RecordingShell shell_;
  Workbench wb_{shell_};
};

TEST_F(RoutingTest, UnknownIdentifiersAndHowToUseDoNothing) {
  wb_.state().statusCode = 77;
  for (int id : {0, -1, 1, 323, 999, 24331, 65535}) wb_.Execute(id);
  EXPECT_TRUE(shell_.events().empty());
  EXPECT_EQ(wb_.state().statusCode, 77);
  EXPECT_TRUE(wb_.HasCommand(323));
  EXPECT_FALSE(wb_.HasCommand(999));
}

TEST_F(RoutingTest, DataInputAndOutputOpenTheLinkedFiles) {
  wb_.Execute(552);
  wb_.Execute(553);
  wb_.state().predictionInputFile = "mine.txt";
  wb_.Execute(552);
  ASSERT_EQ(shell_.events().size(), 3u);
  EXPECT_EQ(shell_.events()[0], (ShellEvent{Kind::kOpen, 552, "", "example2a.txt"}));
  EXPECT_EQ(shell_.events()[1], (ShellEvent{Kind::kOpen, 553, "", "example2b.txt"}));
  EXPECT_EQ(shell_.events()[2].text, "mine.txt");
  EXPECT_EQ(wb_.state().statusCode, 552);
}

TEST_F(RoutingTest, DocumentOpenerTable) {
  wb_.Execute(321);
  wb_.Execute(324);
  ASSERT_EQ(shell_.events().size(), 2u);
  EXPECT_EQ(shell_.events()[0].text, "example.txt");
  EXPECT_EQ(shell_.events()[1].text, "manual.txt");
  EXPECT_EQ(wb_.DocumentFor(323), "help.txt");
  EXPECT_EQ(wb_.DocumentFor(554), "error.tmp");
  EXPECT_EQ(wb_.DocumentFor(566), "batch.txt");
  EXPECT_EQ(wb_.DocumentFor(405), "example1.usd");
  EXPECT_EQ(wb_.DocumentFor(12), "");
  // A name far longer than a window title is handed over in full.
  std::string longName(200, 'n');
  wb_.state().predictionOutputFile = longName;
  EXPECT_EQ(wb_.DocumentFor(553), longName);
}

TEST_F(RoutingTest, DataTestShowsTheVerdictAndOpensTheEchoOnBadCharacters) {
  WriteFile("example2a.txt", "*c*1\n1 2 3 4 5\n");
  wb_.Execute(554);
  ASSERT_EQ(shell_.events().size(), 1u);
  EXPECT_EQ(shell_.events()[0],
            (ShellEvent{Kind::kInformation, 150, "Information", "Input File is OK "}));
  EXPECT_EQ(wb_.prediction().VariableCount, 1u);

  shell_.ClearEvents();
  WriteFile("example2a.txt", "*c*1\n1 2 x\n");
  wb_.Execute(554);
  ASSERT_EQ(shell_.events().size(), 2u);
  EXPECT_EQ(shell_.events()[0].code, 157);
  EXPECT_EQ(shell_.events()[1], (ShellEvent{Kind::kOpen, 554, "", "error.tmp"}));

  shell_.ClearEvents();
  WriteFile("example2a.txt", "*c*1\n1 2\n");
  wb_.Execute(554);
  ASSERT_EQ(shell_.events().size(), 1u);  // only a bad character opens the echo
  EXPECT_EQ(shell_.events()[0].code, 159);
}

TEST_F(RoutingTest, AboutAndHelp) {
  wb_.Execute(325);
  ASSERT_EQ(shell_.events().size(), 1u);
  EXPECT_EQ(shell_.events()[0].kind, Kind::kMessage);
  EXPECT_EQ(shell_.events()[0].caption, "Foresta 2.8");
  const std::string& about = shell_.events()[0].text;
  EXPECT_EQ(about.rfind("Foresta 2.8\n", 0), 0u) << about;
  // It points to the bundled manual and the licence, and to no address.
  EXPECT_NE(about.find("manual.txt"), std::string::npos);
  EXPECT_NE(about.find("LICENSE"), std::string::npos);
  EXPECT_NE(about.find("GPL-3.0-or-later"), std::string::npos);
  EXPECT_EQ(about.find('@'), std::string::npos);
  EXPECT_EQ(about.find("www."), std::string::npos);

  wb_.Execute(2001);
  EXPECT_FALSE(wb_.state().helpUsed);
  shell_.helpAvailable = true;
  wb_.Execute(2002);
  EXPECT_TRUE(wb_.state().helpUsed);
  EXPECT_EQ(shell_.events().back().code,
            static_cast<int>(HelpRequest::Kind::kUsingHelp));
}

TEST(CommandVocabularyTest, EachIdentifierHasOneRowAndEveryMenuItemALabelAndHint) {
  std::span<const CommandRow> rows = AllCommands();
  for (std::size_t i = 1; i < rows.size(); ++i) {
    EXPECT_LT(rows[i - 1].id, rows[i].id) << "two rows or out of order at " << rows[i].id;
  }
  EXPECT_EQ(FindCommand(2), nullptr);
  std::set<int> inMenus;
  for (const MenuDefinition& menu : MainMenuBar()) {
    for (int id : menu.ids) {
      if (id == 0) continue;
      EXPECT_TRUE(inMenus.insert(id).second) << id << " stands in two menus";
      const CommandRow* row = FindCommand(id);
      ASSERT_NE(row, nullptr) << id;
      EXPECT_FALSE(row->label.empty()) << id;
      EXPECT_FALSE(row->hint.empty()) << id;
      EXPECT_EQ(MenuOf(id), PlainLabel(menu.title)) << id;
    }
  }
  // A label is what a menu shows: a command that no menu shows has none.
  // The window's own commands, and only they, have no handler: the
  // specified ones from 20000 up, Import CSV, the View menu and the
  // editor's additions at 760 to 779.
  std::set<int> windowIds;
  for (const CommandRow& row : WindowCommandRows()) {
    windowIds.insert(row.id);
    EXPECT_TRUE(row.id >= kCmFont || row.id == kCmImportCsv ||
                (row.id >= kCmViewFirst && row.id <= kCmViewLast) ||
                (row.id >= 760 && row.id <= 779))
        << row.id;
  }
  for (const CommandRow& row : rows) {
    EXPECT_EQ(!row.label.empty(), inMenus.count(row.id) == 1) << row.id;
    EXPECT_EQ(row.handler == nullptr, windowIds.count(row.id) == 1) << row.id;
  }
  EXPECT_EQ(MenuOf(kCmEditRedo), "Edit");
  EXPECT_EQ(MenuOf(kCmRealPlusLinear), "Real");
  EXPECT_EQ(MenuOf(kCmViewChart), "View");
  EXPECT_EQ(MenuOf(kCmTrain), "");
  EXPECT_EQ(PlainLabel("Save &As..."), "Save As...");
  EXPECT_EQ(PlainLabel("Fish && &Chips"), "Fish & Chips");
}

}  // namespace
}  // namespace foresta
