#include "prediction/directory_scan.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_dir.h"

namespace foresta {
namespace {

using testing::ScopedTempDir;
using testing::WriteFile;

TEST(DirectoryScanTest, KeepsPassingTextFilesInByteOrder) {
  ScopedTempDir dir;
  const std::string good = "*c*1\n1 2 3 4 5\n";
  WriteFile("b.txt", good);
  WriteFile("A.TXT", good);
  WriteFile("a.txt", good);
  WriteFile("c.Txt", "*c*1\n1 2\n");  // too few rows
  WriteFile("d.dat", good);
  WriteFile("txt", good);
  std::filesystem::create_directory("sub.txt");

  WorkbenchState state;
  state.directoryList = {"stale.txt"};
  PredictionState prediction;
  EXPECT_EQ(ScanInputDirectory(state, prediction, "dialog input"), 3);
  EXPECT_EQ(state.directoryList, (std::vector<std::string>{"A.TXT", "a.txt", "b.txt"}));
  EXPECT_EQ(state.directoryCount, 3);
  EXPECT_EQ(state.predictionInputFile, "dialog input");
}

TEST(DirectoryScanTest, EmptyDirectoryGivesAnEmptyList) {
  ScopedTempDir dir;
  WorkbenchState state;
  PredictionState prediction;
  EXPECT_EQ(ScanInputDirectory(state, prediction, "x"), 0);
  EXPECT_TRUE(state.directoryList.empty());
  EXPECT_EQ(state.directoryCount, 0);
}

TEST(DirectoryScanTest, TakesAtMostTwoThousandFiles) {
  ScopedTempDir dir;
  for (int i = 0; i < 2005; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "f%05d.txt", i);
    WriteFile(name, "*c*1\n1 2 3 4 5\n");
  }
  WorkbenchState state;
  PredictionState prediction;
  EXPECT_EQ(ScanInputDirectory(state, prediction, "x"), 2000);
  EXPECT_EQ(state.directoryList.back(), "f01999.txt");
}

}  // namespace
}  // namespace foresta
