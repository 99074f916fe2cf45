#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "batch/batch_file.h"
#include "batch/batch_run_code.h"
#include "support/temp_dir.h"
#include "state/workbench_state.h"

namespace foresta {
namespace {

using testing::ReadFile;
using testing::ScopedTempDir;
using testing::WriteFile;

constexpr const char* kFormat =
    "*\nFormat\n\t Section 1: Remark section.\n\t Section 2: Data section:\n"
    "\t\t Output File Name\n\t\t Precision\n\t\t Trend\n\t\t Batch Run Code\n"
    "\t\t Number of Files\n\t\t file1.txt\n\t\t fileN.txt\n\t\t ...\n"
    "\t\t fileN.txt\n*\n\n";

std::string DescriptionOf(const std::string& saved) {
  auto at = saved.find("\n\n\n\n Batch Run Code, 4 digits:\n");
  return at == std::string::npos ? std::string() : saved.substr(at);
}

class BatchWriterTest : public ::testing::Test {
 protected:
  ScopedTempDir dir_;
};

TEST_F(BatchWriterTest, SaveRightAfterStart) {
  WorkbenchState state;
  ASSERT_EQ(SaveBatchFile(state), kBatchSaved);
  const std::string saved = ReadFile("batch.txt");
  EXPECT_TRUE(saved.starts_with(
      std::string(kFormat) +
      "\texample2b.txt\n\t10\n\t5\n\t1\n\t1\n\texample2a.txt\n"
      "\n\n\n\n Batch Run Code, 4 digits:\n\t Meaning of the last two digits:\n"
      "\t Real\n\t\t + Linear\t\t1\n\t\t - Linear \t\t2\n"))
      << saved;
  EXPECT_TRUE(saved.ends_with(
      "\t\t 0 Real Exponential\t1006\n\t\t + Integer Linear\t\t1010\n"
      "\t\t - Integer Linear \t1011\n\t\t 0 Integer Linear\t\t1012\n"));
}

TEST_F(BatchWriterTest, RunCodeDescriptionListsEveryMenuCodeOnce) {
  WorkbenchState state;
  std::string saved;
  WriteBatchFile(state, "", saved);
  const std::string description = DescriptionOf(saved);
  ASSERT_FALSE(description.empty());
  // The group titles sit between the right codes.
  for (const char* seam :
       {"\t\t 0 Linear Enumerative\t\t9\n\t Integer\n",
        "\t\t 0 Linear Enumerative\t\t15\n\t AvgMax\n",
        "\t\t 0 Integer Enumerative\t\t27\n\n\t Meaning of the first two "
        "digits: mutiple prediction\n\t 3-Average\n",
        "\t\t 0 Integer Linear\t\t312\n\t 10-Average\n"}) {
    EXPECT_NE(description.find(seam), std::string::npos) << seam;
  }
  int lines = 0;
  for (char c : description) lines += c == '\n';
  // 4 blank lines, 2 headings, 4 group titles, a blank line, the averages
  // heading, 2 average titles, 27 single and 18 averaged codes.
  EXPECT_EQ(lines, 4 + 1 + 1 + 3 + 1 + 1 + 2 + 27 + 18);
  EXPECT_EQ(RunCodeLine(607), "");
  EXPECT_EQ(RunCodeLine(28), "");
}

TEST_F(BatchWriterTest, SavedFileRunsWithTheSettingsItWasSavedFrom) {
  WriteFile("series.txt", "data *x* 1\n");
  WorkbenchState saved;
  saved.predictionOutputFile = "report.txt";
  saved.predictionInputFile = "series.txt";
  saved.precision = 17;
  saved.trend = 4;
  saved.runCode = 1004;
  ASSERT_EQ(SaveBatchFile(saved), kBatchSaved);
  ASSERT_EQ(TestBatchFile("batch.txt"), kBatchOk);
  WorkbenchState loaded;
  loaded.inputMode = InputMode::kDirectory;
  EXPECT_EQ(LoadBatchFile(loaded), 1004);
  EXPECT_EQ(loaded.predictionOutputFile, "report.txt");
  EXPECT_EQ(loaded.predictionInputFile, "series.txt");
  EXPECT_EQ(loaded.precision, 17);
  EXPECT_EQ(loaded.trend, 4);
  EXPECT_EQ(loaded.inputMode, InputMode::kFile);
}

TEST_F(BatchWriterTest, FirstDirectorySaveWritesFullPathsLaterOnesBareNames) {
  const std::string here = std::filesystem::current_path().string();
  for (const char* name : {"a.txt", "b.txt"}) WriteFile(name, "d *x* 1\n");
  WorkbenchState state;
  state.inputMode = InputMode::kDirectory;
  state.directoryList = {"b.txt", "a.txt"};
  state.directoryCount = 2;
  state.runCode = 604;
  ASSERT_EQ(SaveBatchFile(state), kBatchSaved);
  EXPECT_FALSE(state.firstDirectorySave);
  std::string first = ReadFile("batch.txt");
  EXPECT_NE(first.find("\t604\n\t2\n\t\t" + here + "/b.txt\n\t\t" + here +
                       "/a.txt\n\n\n\n\n"),
            std::string::npos)
      << first;

  // The saved file reproduces the list, as full paths.
  ASSERT_EQ(TestBatchFile("batch.txt"), kBatchOk);
  WorkbenchState loaded;
  ASSERT_EQ(LoadBatchFile(loaded), 604);
  EXPECT_EQ(loaded.directoryList,
            (std::vector<std::string>{here + "/b.txt", here + "/a.txt"}));
  EXPECT_EQ(loaded.inputMode, InputMode::kDirectory);

  ASSERT_EQ(SaveBatchFile(state), kBatchSaved);
  EXPECT_NE(ReadFile("batch.txt").find("\t604\n\t2\n\tb.txt\n\ta.txt\n\n"),
            std::string::npos);

  // A list that already holds full paths is not prefixed a second time.
  std::string text;
  WriteBatchFile(loaded, here + "/", text);
  EXPECT_NE(text.find("\t\t" + here + "/b.txt\n"), std::string::npos);
}

TEST_F(BatchWriterTest, UnwritableBatchFileIsReported) {
  std::filesystem::create_directory("batch.txt");
  WorkbenchState state;
  state.inputMode = InputMode::kDirectory;
  EXPECT_EQ(SaveBatchFile(state), kBatchSaveCannotOpen);
  EXPECT_TRUE(state.firstDirectorySave);
}

}  // namespace
}  // namespace foresta
