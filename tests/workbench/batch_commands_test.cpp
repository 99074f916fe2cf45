#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/temp_dir.h"
#include "state/recording_shell.h"
#include "workbench/workbench.h"

namespace foresta {
namespace {

using testing::ReadFile;
using testing::ScopedTempDir;
using testing::WriteFile;
using Kind = ShellEvent::Kind;

class BatchCommandTest : public ::testing::Test {
 protected:
  ScopedTempDir dir_;
  RecordingShell shell_;
  Workbench wb_{shell_};
};

TEST_F(BatchCommandTest, OpenWithoutBatchFileSaysSoAndOpensNothing) {
  wb_.Execute(565);
  ASSERT_EQ(shell_.events().size(), 1u);
  EXPECT_EQ(shell_.events()[0],
            (ShellEvent{Kind::kInformation, 565, "Information",
                        "Cannot find batch file: batch.txt! "}));
  WriteFile("batch.txt", "*x*");
  wb_.Execute(565);
  EXPECT_EQ(shell_.events().back(),
            (ShellEvent{Kind::kOpen, 566, "", "batch.txt"}));
}

TEST_F(BatchCommandTest, SaveReplacesTheFileAndOpensIt) {
  WriteFile("batch.txt", "an older batch file that is much longer than the "
                         "part of it that a new save would overwrite");
  wb_.state().runCode = 1012;
  wb_.Execute(566);
  EXPECT_EQ(shell_.events().back(),
            (ShellEvent{Kind::kOpen, 566, "", "batch.txt"}));
  std::string saved = ReadFile("batch.txt");
  EXPECT_TRUE(saved.starts_with("*\nFormat\n"));
  EXPECT_NE(saved.find("\t5\n\t1012\n\t1\n\texample2a.txt\n"),
            std::string::npos);
  EXPECT_EQ(wb_.state().statusCode, 566);
}

TEST_F(BatchCommandTest, SaveThatCannotWriteIsReported) {
  std::filesystem::create_directory("batch.txt");
  wb_.Execute(566);
  ASSERT_EQ(shell_.events().size(), 1u);
  EXPECT_EQ(shell_.events()[0],
            (ShellEvent{Kind::kInformation, 566, "Information",
                        "Cannot open batch file! "}));
}

}  // namespace
}  // namespace foresta
