#include <gtest/gtest.h>

#include <filesystem>
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

constexpr const char* kHead = "Batch *of the week*\n";

// A batch file with the given data section after the comment section.
std::string Batch(const std::string& data) { return kHead + data; }

class BatchFileTest : public ::testing::Test {
 protected:
  ScopedTempDir dir_;
};

TEST(BatchRunCode, RuleOnKindAndAverages) {
  for (int code : {1, 27, 101, 113, 127, 301, 312, 604, 1004, 1012, 9901,
                   9912}) {
    EXPECT_TRUE(IsValidBatchRunCode(code)) << code;
  }
  // Kinds outside 1..27, averages of kinds that have no averaged form,
  // more than 99 averages, negative codes.
  for (int code : {0, 28, 99, 100, 128, 207, 607, 613, 627, 1007, 9913, 10001,
                   -1, -301}) {
    EXPECT_FALSE(IsValidBatchRunCode(code)) << code;
  }
}

TEST_F(BatchFileTest, EachStepFailsWithItsOwnCode) {
  WriteFile("in.txt", "data *x* 1 1 2 3\n");
  std::filesystem::create_directory("folder");
  struct Case {
    const char* what;
    std::string content;
    int code;
  };
  const Case cases[] = {
      {"no comment mark", "no comment section at all\n", kBatchNoComment},
      {"comment not closed", "open *comment without end\n",
       kBatchCommentNotClosed},
      {"output name missing", Batch(""), kBatchBadOutputFile},
      {"output is a directory", Batch("folder 10 5 1 1 in.txt\n"),
       kBatchBadOutputFile},
      {"output in a missing folder", Batch("nofolder/out.txt 10 5 1 1 in.txt\n"),
       kBatchBadOutputFile},
      {"precision 1", Batch("out.txt 1 5 1 1 in.txt\n"), kBatchBadPrecision},
      {"precision 10001", Batch("out.txt 10001 5 1 1 in.txt\n"),
       kBatchBadPrecision},
      {"precision not a number", Batch("out.txt ten 5 1 1 in.txt\n"),
       kBatchBadPrecision},
      {"precision overflows", Batch("out.txt 4294967306 5 1 1 in.txt\n"),
       kBatchBadPrecision},
      {"precision missing", Batch("out.txt"), kBatchBadPrecision},
      {"trend 1", Batch("out.txt 10 1 1 1 in.txt\n"), kBatchBadTrend},
      {"trend 1001", Batch("out.txt 10 1001 1 1 in.txt\n"), kBatchBadTrend},
      {"run code 607", Batch("out.txt 10 5 607 1 in.txt\n"), kBatchBadRunCode},
      {"run code 99", Batch("out.txt 10 5 99 1 in.txt\n"), kBatchBadRunCode},
      {"run code missing", Batch("out.txt 10 5\n"), kBatchBadRunCode},
      {"no files", Batch("out.txt 10 5 1 0 in.txt\n"), kBatchBadFileCount},
      {"2001 files", Batch("out.txt 10 5 1 2001 in.txt\n"), kBatchBadFileCount},
      {"file count missing", Batch("out.txt 10 5 1\n"), kBatchBadFileCount},
      {"single input missing", Batch("out.txt 10 5 1 1 absent.txt\n"),
       kBatchBadInputFile},
      {"single input name missing", Batch("out.txt 10 5 1 1\n"),
       kBatchBadInputFile},
      {"no names after count", Batch("out.txt 10 5 1 3\n  \n"),
       kBatchNotEnoughFiles},
      {"too few lines", Batch("out.txt 10 5 1 3\nin.txt\n\n  \t\nin.txt\n"),
       kBatchNotEnoughFiles},
  };
  for (const Case& c : cases) {
    WriteFile("batch.txt", c.content);
    EXPECT_EQ(TestBatchFile("batch.txt"), c.code) << c.what;
  }
  std::filesystem::remove("batch.txt");
  EXPECT_EQ(TestBatchFile("batch.txt"), kBatchCannotOpen);
}

TEST_F(BatchFileTest, PassingFilesAndTheOutputFileIsEmptied) {
  WriteFile("in.txt", "data *x* 1 1 2 3\n");
  WriteFile("out.txt", "an old report");
  WriteFile("batch.txt", Batch("out.txt 10 5 604 1 in.txt\n"));
  EXPECT_EQ(TestBatchFile("batch.txt"), kBatchOk);
  EXPECT_EQ(ReadFile("out.txt"), "");

  // Names are not opened when there are several; trailing text counts as
  // lines, so two names and a remark line pass for three files.
  WriteFile("batch.txt",
            Batch("out.txt\r\n10\r\n5\r\n127\r\n3\r\na.txt\r\nb.txt\r\n"
                  "Remark after the names\r\n"));
  EXPECT_EQ(TestBatchFile("batch.txt"), kBatchOk);
}

TEST_F(BatchFileTest, FinalItemEndingAtEndOfFileIsRead) {
  WriteFile("in.txt", "data *x* 1 1 2 3\n");
  WriteFile("batch.txt", Batch("out.txt 10 5 1 1 in.txt"));
  EXPECT_EQ(TestBatchFile("batch.txt"), kBatchOk);
  WriteFile("batch.txt", Batch("out.txt 10 5 1 2\na.txt\nb.txt"));
  EXPECT_EQ(TestBatchFile("batch.txt"), kBatchOk);
  // A count at end of file is read; what is missing is the names.
  WriteFile("batch.txt", Batch("out.txt 10 5 1 1"));
  EXPECT_EQ(TestBatchFile("batch.txt"), kBatchBadInputFile);
  WriteFile("batch.txt", Batch("out.txt 10 5 1 2"));
  EXPECT_EQ(TestBatchFile("batch.txt"), kBatchNotEnoughFiles);
}

TEST_F(BatchFileTest, EchoShowsWhatWasRead) {
  WriteFile("in.txt", "data *x* 1\n");
  WriteFile("batch.txt", "remark *comment*\nout.txt\n10\n5\n1\n1\nin.txt\n");
  ASSERT_EQ(TestBatchFile("batch.txt"), kBatchOk);
  EXPECT_EQ(ReadFile("error.tmp"),
            "remark *comment*\nout.txt\n\n10\n5\n1\n1\nin.txt\n");

  WriteFile("batch.txt", "*c*\r\nout.txt 10 5 1 2\r\n  a.txt\r\n\r\nb.txt");
  ASSERT_EQ(TestBatchFile("batch.txt"), kBatchOk);
  EXPECT_EQ(ReadFile("error.tmp"),
            "*c*\nout.txt\n\n10\n5\n1\n2\na.txt\r\nfiles:1\n\r\nb.txt"
            "2files\nfiles:2\n");

  // The failing value is echoed before the test stops.
  WriteFile("batch.txt", "*c*\nout.txt 10 1200 1 2\n");
  ASSERT_EQ(TestBatchFile("batch.txt"), kBatchBadTrend);
  EXPECT_EQ(ReadFile("error.tmp"), "*c*\nout.txt\n\n10\n1200\n");

  WriteFile("batch.txt", "no star here");
  ASSERT_EQ(TestBatchFile("batch.txt"), kBatchNoComment);
  EXPECT_EQ(ReadFile("error.tmp"), "no star here");
}

TEST_F(BatchFileTest, OutputNamingTheBatchFileIsRefused) {
  WriteFile("in.txt", "data *x* 1\n");
  const std::string content = Batch("batch.txt 10 5 1 1 in.txt\n");
  WriteFile("batch.txt", content);
  EXPECT_EQ(TestBatchFile("batch.txt"), kBatchBadOutputFile);
  EXPECT_EQ(ReadFile("batch.txt"), content);
}

TEST_F(BatchFileTest, LoadSingleFile) {
  std::filesystem::create_directory("sub");
  WriteFile("sub/in.txt", "data *x* 1\n");
  WriteFile("batch.txt", Batch("reports\\out.txt 12 7 1004 1 sub\\in.txt\n"));
  std::filesystem::create_directory("reports");
  ASSERT_EQ(TestBatchFile("batch.txt"), kBatchOk);
  EXPECT_TRUE(std::filesystem::exists("reports/out.txt"));

  WorkbenchState state;
  state.inputMode = InputMode::kDirectory;
  state.texts.linkMode = InputMode::kDirectory;
  ASSERT_EQ(LoadBatchFile(state), 1004);
  EXPECT_EQ(state.predictionOutputFile, "reports/out.txt");
  EXPECT_EQ(state.predictionInputFile, "sub/in.txt");
  EXPECT_EQ(state.precision, 12);
  EXPECT_EQ(state.trend, 7);
  EXPECT_EQ(state.inputMode, InputMode::kFile);
  // The Link dialog shows the batch file's settings afterwards.
  EXPECT_EQ(state.texts.linkOutput, "reports/out.txt");
  EXPECT_EQ(state.texts.linkInput, "sub/in.txt");
  EXPECT_EQ(state.texts.linkPrecision, "12");
  EXPECT_EQ(state.texts.linkTrend, "7");
  EXPECT_EQ(state.texts.linkMode, InputMode::kFile);
}

TEST_F(BatchFileTest, LoadListKeepsOnlyFilesThatOpenInOrder) {
  for (const char* name : {"c.txt", "a.txt", "Remark"}) {
    WriteFile(name, "data *x* 1\n");
  }
  // Seven names, two missing; then trailing text.
  WriteFile("batch.txt",
            Batch("out.txt 10 5 10 7\nc.txt\nmissing1.txt\na.txt\nc.txt\n"
                  "missing2.txt\na.txt\nRemark line after the names\n"));
  ASSERT_EQ(TestBatchFile("batch.txt"), kBatchOk);
  WorkbenchState state;
  state.directoryList = {"stale.txt"};
  ASSERT_EQ(LoadBatchFile(state), 10);
  EXPECT_EQ(state.directoryList,
            (std::vector<std::string>{"c.txt", "a.txt", "c.txt", "a.txt",
                                      "Remark"}));
  EXPECT_EQ(state.directoryCount, 5);
  EXPECT_EQ(state.inputMode, InputMode::kDirectory);
  EXPECT_EQ(state.texts.linkMode, InputMode::kDirectory);
  EXPECT_EQ(state.predictionInputFile, "example2a.txt");
  EXPECT_TRUE(ReadFile("error.tmp").ends_with("5   files"));

  // The first word of a remark line is taken as a name and dropped when it
  // cannot be opened.
  WriteFile("batch.txt", Batch("out.txt 10 5 1 3\na.txt\nc.txt\nNo such\n"));
  ASSERT_EQ(TestBatchFile("batch.txt"), kBatchOk);
  ASSERT_EQ(LoadBatchFile(state), 1);
  EXPECT_EQ(state.directoryList,
            (std::vector<std::string>{"a.txt", "c.txt"}));
}

TEST_F(BatchFileTest, LongNamesAreReadInFull) {
  const std::string longName = std::string(150, 'n') + ".txt";
  const std::string longOutput = std::string(120, 'o') + ".txt";
  WriteFile(longName, "data *x* 1\n");
  WriteFile("batch.txt", Batch(longOutput + " 10 5 1 1 " + longName));
  ASSERT_EQ(TestBatchFile("batch.txt"), kBatchOk);
  EXPECT_TRUE(std::filesystem::exists(longOutput));
  WorkbenchState state;
  ASSERT_EQ(LoadBatchFile(state), 1);
  EXPECT_EQ(state.predictionInputFile, longName);
  EXPECT_EQ(state.predictionOutputFile, longOutput);

  WriteFile("batch.txt", Batch("out.txt 10 5 1 2\n" + longName + "\n" +
                               longName + "\n"));
  ASSERT_EQ(TestBatchFile("batch.txt"), kBatchOk);
  ASSERT_EQ(LoadBatchFile(state), 1);
  EXPECT_EQ(state.directoryList,
            (std::vector<std::string>{longName, longName}));
}

TEST_F(BatchFileTest, LoadOfVanishedFileLeavesSettings) {
  WorkbenchState state;
  state.batchFile = "gone.txt";
  EXPECT_EQ(LoadBatchFile(state), kBatchLoadFailed);
  EXPECT_EQ(state.predictionOutputFile, "example2b.txt");
  EXPECT_EQ(state.precision, 10);
}

}  // namespace
}  // namespace foresta
