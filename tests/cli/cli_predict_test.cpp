#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "cli/cli_commands.h"
#include "support/cli_records.h"
#include "support/temp_dir.h"
#include "workbench/command_vocabulary.h"

namespace foresta {
namespace {

using testing::Cli;
using testing::CliRun;
using testing::Lines;
using testing::ReadFile;
using testing::ScopedTempDir;
using testing::WriteFile;

class CliPredictTest : public ::testing::Test {
 protected:
  CliPredictTest() {
    WriteFile("example2a.txt",
              ReadFile(std::string(FORESTA_DATA_DIR) + "/example2a.txt"));
  }
  ScopedTempDir dir_;
};

TEST_F(CliPredictTest, DoRunsThePredictionAndOpensTheReport) {
  CliRun r = Cli({"--json", "do", "555"});
  EXPECT_EQ(r.exit, 0);
  EXPECT_EQ(r.out,
            "{\"kind\":\"open\",\"code\":553,\"file\":\"example2b.txt\"}\n"
            "{\"kind\":\"status\",\"code\":553}\n");
  EXPECT_EQ(ReadFile("example2b.txt").rfind("Possibility ", 0), 0u);

  r = Cli({"--json", "--set", "trend=300", "do", "558"});
  EXPECT_EQ(r.out,
            "{\"kind\":\"information\",\"code\":555,\"caption\":\"Information\","
            "\"text\":\"Please Test Your Input File \\n Click: "
            "Initialization/Test Data File \"}\n"
            "{\"kind\":\"status\",\"code\":555}\n");
}

TEST_F(CliPredictTest, PredictPrintsTheReport) {
  CliRun r = Cli({"predict", "example2a.txt"});
  EXPECT_EQ(r.exit, 0);
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out, ReadFile("example2b.txt"));
  EXPECT_NE(r.out.find("Weighted Average\n"), std::string::npos);

  r = Cli({"predict", "--code", "1001", "--output", "ten.txt", "example2a.txt"});
  EXPECT_EQ(r.exit, 0);
  EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 10);
  EXPECT_EQ(r.out, ReadFile("ten.txt"));
}

TEST_F(CliPredictTest, PredictFailuresGoToStandardError) {
  WriteFile("short.txt", "*c*1\n1\n2\n");
  CliRun r = Cli({"predict", "--precision", "10", "--trend", "5", "short.txt"});
  EXPECT_EQ(r.exit, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "Please Test Your Input File \n Click: Initialization/Test Data File \n");

  r = Cli({"predict", "--code", "107", "example2a.txt"});
  EXPECT_EQ(r.exit, 1);
  EXPECT_NE(r.err.find("cannot be averaged"), std::string::npos);

  EXPECT_EQ(Cli({"predict"}).exit, kExitUsage);
  EXPECT_EQ(Cli({"predict", "--code", "x", "a"}).exit, kExitUsage);
  // Every subcommand checks the dialog texts it is given, as `do` does.
  for (const char* sub : {"predict", "batch", "test"}) {
    r = Cli({"--text", "link.nosuch=1", sub, "example2a.txt"});
    EXPECT_EQ(r.exit, kExitUsage) << sub;
    EXPECT_NE(r.err.find("--text"), std::string::npos) << sub;
  }
}

TEST_F(CliPredictTest, PredictOverADirectoryReportsEveryUsableFile) {
  std::filesystem::create_directory("series");
  WriteFile("series/b.txt", ReadFile("example2a.txt"));
  WriteFile("series/A.TXT", ReadFile("example2a.txt"));
  WriteFile("series/short.txt", "*c*1\n1\n");
  WriteFile("series/notes.dat", "*c*1\n1\n");
  CliRun r = Cli({"predict", "--code", "16", "series"});
  EXPECT_EQ(r.exit, 0);
  const std::string header = "\n" + std::string(44, '*') + "\nInput file: ";
  EXPECT_EQ(r.out.find(header + "series/A.TXT\n\nWeighted Average\n"), 0u);
  EXPECT_NE(r.out.find(header + "series/b.txt\n\n"), std::string::npos);
  EXPECT_EQ(r.out.find("short"), std::string::npos);
}

TEST_F(CliPredictTest, CommandsListsEveryMenuCommandWithItsLabelAndHint) {
  CliRun r = Cli({"commands", "--json"});
  EXPECT_EQ(r.exit, 0);
  EXPECT_EQ(r, Cli({"--json", "commands"}));
  EXPECT_NE(r.out.find("{\"id\":555,\"menu\":\"Real\",\"label\":\"+ Linear\",\"hint\":"
                       "\"Predict b of [a, b] and data is quantized by (b-a)/N \"}\n"),
            std::string::npos);
  EXPECT_NE(r.out.find("{\"id\":24334,\"menu\":\"File\",\"label\":\"Save As...\","),
            std::string::npos);
  EXPECT_NE(r.out.find("{\"id\":342,\"menu\":null,\"label\":\"\",\"hint\":\"Train KORVA\"}\n"),
            std::string::npos);
  std::size_t lines = std::count(r.out.begin(), r.out.end(), '\n');
  EXPECT_EQ(lines, AllCommands().size());
  for (const MenuDefinition& menu : MainMenuBar()) {
    for (int id : menu.ids) {
      if (id == 0) continue;
      EXPECT_NE(r.out.find("{\"id\":" + std::to_string(id) + ",\"menu\":\"" +
                           PlainLabel(menu.title) + "\""),
                std::string::npos)
          << id;
    }
  }
  EXPECT_EQ(Cli({"commands", "--all"}).exit, kExitUsage);
}

}  // namespace
}  // namespace foresta
