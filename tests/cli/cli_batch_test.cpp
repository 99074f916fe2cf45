#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli_commands.h"
#include "support/temp_dir.h"

namespace foresta {
namespace {

using testing::ReadFile;
using testing::ScopedTempDir;
using testing::WriteFile;

struct BatchRun {
  int exit;
  std::string out;
  std::string err;
};

BatchRun Batch(std::vector<std::string> args) {
  std::ostringstream out, err;
  args.insert(args.begin(), "batch");
  int exit = RunCommandLine(args, {out, err});
  return {exit, out.str(), err.str()};
}

class CliBatchTest : public ::testing::Test {
 protected:
  ScopedTempDir dir_;
};

TEST_F(CliBatchTest, FailingTestExitsWithTheMessage) {
  BatchRun r = Batch({});
  EXPECT_EQ(r.exit, kExitFailure);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "Unable to Open Batch File \n");

  WriteFile("mine.txt", "*c*\nout.txt 10 5 607 1 x.txt\n");
  r = Batch({"mine.txt"});
  EXPECT_EQ(r.exit, kExitFailure);
  EXPECT_EQ(r.err, "Batch: run code error \n");

  EXPECT_EQ(Batch({"a.txt", "b.txt"}).exit, kExitUsage);
}

TEST_F(CliBatchTest, PrintsTheReportOfTheRun) {
  WriteFile("series.txt", ReadFile(FORESTA_DATA_DIR "/example2a.txt"));
  WriteFile("batch.txt", "*c*\nreport.txt 10 3 10 1 series.txt");
  BatchRun r = Batch({});
  EXPECT_EQ(r.exit, kExitOk) << r.err;
  EXPECT_FALSE(r.out.empty());
  EXPECT_EQ(r.out, ReadFile("report.txt"));

  // A list of which no file opens predicts nothing and prints nothing, and
  // says so through the exit code only if a prediction failed.
  WriteFile("batch.txt", "*c*\nreport.txt 10 3 10 2\nnone1.txt\nnone2.txt\n");
  r = Batch({"batch.txt"});
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(ReadFile("report.txt"), "");
}

}  // namespace
}  // namespace foresta
