// Careless input through foresta-cli: every refusal says what is wrong,
// exits non-zero and loses nothing.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_commands.h"
#include "state/message_codes.h"
#include "support/cli_process.h"
#include "support/temp_dir.h"

namespace foresta {
namespace {

namespace fs = std::filesystem;
using testing::ReadFile;
using testing::RunCliProcess;
using testing::ScopedTempDir;
using testing::WriteFile;

struct CliRun {
  int exit;
  std::string out;
  std::string err;
};

CliRun Cli(std::vector<std::string> args) {
  std::ostringstream out, err;
  int exit = RunCommandLine(args, {out, err});
  return {exit, out.str(), err.str()};
}

bool Has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

constexpr const char* kSeries =
    "*c*\n1\n1 2 3 4 5 6 7 8 9 10 9 8 7 6 5 4 3 2 1 2 3 4 5 6\n";

class CarelessInputCliTest : public ::testing::Test {
 protected:
  ScopedTempDir dir_;
};

// A read error used to escape as an exception and abort the program.
TEST_F(CarelessInputCliTest, ReadErrorsFailClearly) {
  if (!fs::exists("/proc/self/mem")) GTEST_SKIP() << "no /proc/self/mem";
  const std::string cli = std::string(FORESTA_BIN_DIR) + "/foresta-cli";
  const int status = std::system((cli + " batch /proc/self/mem 2> err.txt").c_str());
  ASSERT_TRUE(WIFEXITED(status)) << "the program did not end on its own";
  EXPECT_EQ(WEXITSTATUS(status), 1);
  EXPECT_TRUE(Has(ReadFile("err.txt"), "Batch File: a read error stopped the reading"))
      << ReadFile("err.txt");
  CliRun test = Cli({"test", "/proc/self/mem"});
  EXPECT_EQ(test.exit, 1);
  EXPECT_TRUE(Has(test.err, "a read error stopped the reading")) << test.err;
}

TEST_F(CarelessInputCliTest, ValuesBeyondSinglePrecisionAreRefusedNotPredicted) {
  WriteFile("big.txt", "*c*\n1\n1 2 3 4 5 6 7 8 9 10000000000000000000000000000000000000000 3 2\n");
  CliRun test = Cli({"test", "big.txt"});
  EXPECT_EQ(test.exit, 1);
  EXPECT_TRUE(Has(test.err, "big.txt: row 10, variable 1: the value 1" + std::string(40, '0')))
      << test.err;
  CliRun predict = Cli({"predict", "big.txt"});
  EXPECT_EQ(predict.exit, 1);
  EXPECT_EQ(predict.out, "");
  EXPECT_TRUE(Has(predict.err, "row 10, variable 1")) << predict.err;
  EXPECT_FALSE(fs::exists("example2b.txt"));
}

TEST_F(CarelessInputCliTest, FilesTheRunWritesAreNeverItsInput) {
  for (const char* name : {"error.tmp", "example1.trn", "example1.usd"}) {
    SCOPED_TRACE(name);
    WriteFile(name, kSeries);
    EXPECT_EQ(Cli({"predict", name}).exit, 1);
    EXPECT_EQ(ReadFile(name), kSeries);
    fs::remove(name);
  }
  WriteFile("error.tmp", kSeries);
  CliRun test = Cli({"test", "./error.tmp"});
  EXPECT_EQ(test.exit, 1);
  EXPECT_EQ(ReadFile("error.tmp"), kSeries);

  WriteFile("same.txt", kSeries);
  CliRun same = Cli({"predict", "--output", "same.txt", "same.txt"});
  EXPECT_EQ(same.exit, 1);
  EXPECT_TRUE(Has(same.err, "same.txt is also the prediction report")) << same.err;
  EXPECT_EQ(ReadFile("same.txt"), kSeries);

  WriteFile("batch.txt", "*\nb\n*\nsame.txt\n10\n4\n1\n1\n./same.txt\n");
  EXPECT_EQ(Cli({"batch"}).exit, 1);
  EXPECT_EQ(ReadFile("same.txt"), kSeries);
}

TEST_F(CarelessInputCliTest, ADirectoryWithNothingToPredictFails) {
  fs::create_directory("empty");
  WriteFile("empty/notes.txt", "no comment section");
  CliRun r = Cli({"predict", "empty"});
  EXPECT_EQ(r.exit, 1);
  EXPECT_TRUE(Has(r.err, "No file could be predicted")) << r.err;
  EXPECT_FALSE(fs::exists("example2b.txt"));
}

TEST_F(CarelessInputCliTest, StandardOutputThatCannotBeWrittenFails) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  WriteFile("in.txt", kSeries);
  const std::string cli = std::string(FORESTA_BIN_DIR) + "/foresta-cli";
  const int status = std::system((cli + " predict in.txt > /dev/full 2> err.txt").c_str());
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 1);
  EXPECT_TRUE(Has(ReadFile("err.txt"), "cannot write standard output"));
}

TEST_F(CarelessInputCliTest, TooManyRowsNamesTheLimitAndLastUsesTheNewestRows) {
  std::string data = "*long*\n1\n";
  for (int r = 0; r < 100002; ++r) data += std::to_string(r % 13) + ".5\n";
  WriteFile("long.txt", data);
  CliRun r = Cli({"predict", "long.txt"});
  EXPECT_EQ(r.exit, 1);
  EXPECT_TRUE(Has(r.err, "long.txt has 100002 rows; this code can use at most 100000"))
      << r.err;
  EXPECT_TRUE(Has(r.err, "--last 100000 predicts from the newest 100000 rows")) << r.err;
  EXPECT_FALSE(fs::exists("example1.trn"));
  // The growth code uses one row more.
  r = Cli({"predict", "--code", "4", "long.txt"});
  EXPECT_TRUE(Has(r.err, "--last 100001")) << r.err;

  // --last predicts exactly what a file of the newest rows predicts.
  std::string newest = "*long*\n1\n";
  for (int r = 100002 - 30; r < 100002; ++r) newest += std::to_string(r % 13) + ".5\n";
  WriteFile("newest.txt", newest);
  CliRun expected = Cli({"predict", "newest.txt"});
  ASSERT_EQ(expected.exit, 0) << expected.err;
  CliRun last = Cli({"predict", "--last", "30", "long.txt"});
  EXPECT_EQ(last.exit, 0) << last.err;
  EXPECT_EQ(last.out, expected.out);
  EXPECT_EQ(ReadFile("long.txt"), data);

  EXPECT_EQ(Cli({"predict", "--last", "0", "long.txt"}).exit, kExitUsage);
  EXPECT_EQ(Cli({"predict", "--last", "x", "long.txt"}).exit, kExitUsage);
  EXPECT_EQ(Cli({"predict", "--trend", "5", "--last", "4", "long.txt"}).exit, kExitUsage);
}

TEST_F(CarelessInputCliTest, MessagesSayWhatIsWrong) {
  // A directory cannot be opened, whatever it holds.
  fs::create_directory("dir");
  CliRun dir = Cli({"test", "dir"});
  EXPECT_EQ(dir.exit, 1);
  EXPECT_EQ(dir.err, "Unable to Open Input File \n");

  // The echo that could not be written is named.
  WriteFile("in.txt", kSeries);
  fs::create_directory("error.tmp");
  CliRun echo = Cli({"test", "in.txt"});
  EXPECT_EQ(echo.exit, 1);
  EXPECT_TRUE(Has(echo.err, "in.txt: the echo file error.tmp could not be written")) << echo.err;
  echo = Cli({"predict", "in.txt"});
  EXPECT_EQ(echo.exit, 1);
  EXPECT_TRUE(Has(echo.err, "the echo file error.tmp could not be written")) << echo.err;
  fs::remove("error.tmp");
  fs::create_directory("example1.rec");
  CliRun pattern = Cli({"predict", "in.txt"});
  EXPECT_EQ(pattern.exit, 1);
  EXPECT_TRUE(Has(pattern.err, "the pattern file example1.rec could not be written"))
      << pattern.err;
  fs::remove("example1.rec");

  // The neuron limits say which values broke them.
  CliRun limits = Cli({"predict", "--precision", "2", "--trend", "2", "in.txt"});
  EXPECT_EQ(limits.exit, 1);
  EXPECT_TRUE(Has(limits.err, "N x T x P = 1 x 2 x 2 = 4")) << limits.err;

  // An unknown command identifier is a usage error, and nothing runs.
  fs::remove("error.tmp");
  CliRun unknown = Cli({"do", "554", "999999"});
  EXPECT_EQ(unknown.exit, kExitUsage);
  EXPECT_EQ(unknown.out, "");
  EXPECT_TRUE(Has(unknown.err, "unknown command identifier: 999999")) << unknown.err;
  EXPECT_FALSE(fs::exists("error.tmp"));
}

TEST_F(CarelessInputCliTest, TestRefusesAFifoWithoutWaiting) {
  ASSERT_EQ(mkfifo("fifo.txt", 0600), 0);
  testing::CliRun r = RunCliProcess({"test", "fifo.txt"});
  EXPECT_EQ(r.exitStatus, 1);
}

}  // namespace
}  // namespace foresta
