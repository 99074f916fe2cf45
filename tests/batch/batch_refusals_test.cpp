// Batch files that would lose data or end the program: a read error, a
// batch file that is the echo, an output that names an input.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "batch/batch_file.h"
#include "batch/batch_file_access.h"
#include "support/temp_dir.h"

namespace foresta {
namespace {

namespace fs = std::filesystem;
using testing::ReadFile;
using testing::ScopedTempDir;
using testing::WriteFile;

constexpr const char* kData = "*c*\n1\n1 2 3 4 5 6 7 8 9 10\n";

class BatchRefusalsTest : public ::testing::Test {
 protected:
  ScopedTempDir dir_;
};

// Reading /proc/self/mem from its start fails with an I/O error, though the
// name is a readable regular file: a read error in the middle of reading.
TEST_F(BatchRefusalsTest, AReadErrorIsAFailureNotAnException) {
  if (!fs::exists("/proc/self/mem")) GTEST_SKIP() << "no /proc/self/mem";
  EXPECT_EQ(TestBatchFile("/proc/self/mem"), kBatchReadFailed);
  EXPECT_EQ(kMsgBatchTestBase + kBatchReadFailed, kMsgBatchReadFailed);
  WorkbenchState state;
  state.batchFile = "/proc/self/mem";
  const WorkbenchState before = state;
  EXPECT_EQ(LoadBatchFile(state), kBatchLoadFailed);
  EXPECT_EQ(state.predictionOutputFile, before.predictionOutputFile);
}

TEST_F(BatchRefusalsTest, ABatchFileThatIsTheEchoIsRefusedAndKept) {
  const std::string batch = "*\nb\n*\nout.txt\n10\n4\n1\n1\nin.txt\n";
  WriteFile("in.txt", kData);
  WriteFile("error.tmp", batch);
  fs::create_symlink("error.tmp", "link.txt");
  for (const char* name : {"error.tmp", "./error.tmp", "link.txt"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(TestBatchFile(name), kBatchIsEchoFile);
    WorkbenchState state;
    state.batchFile = name;
    EXPECT_EQ(LoadBatchFile(state), kBatchLoadFailed);
    EXPECT_EQ(ReadFile("error.tmp"), batch);
  }
  EXPECT_FALSE(fs::exists("out.txt"));
}

TEST_F(BatchRefusalsTest, AnOutputThatNamesAnInputIsRefusedBeforeItIsEmptied) {
  WriteFile("in.txt", kData);
  WriteFile("other.txt", kData);
  // One input, spelt differently; and the last of a list of three.
  WriteFile("one.bat", "*\nb\n*\n./in.txt\n10\n4\n1\n1\nin.txt\n");
  WriteFile("list.bat", "*\nb\n*\nin.txt\n10\n4\n1\n3\nother.txt\nmissing.txt\nsub\\..\\in.txt\n");
  fs::create_directory("sub");
  for (const char* batch : {"one.bat", "list.bat"}) {
    SCOPED_TRACE(batch);
    EXPECT_EQ(TestBatchFile(batch), kBatchOutputIsInput);
    EXPECT_EQ(ReadFile("in.txt"), kData);
  }
  // A list names only its first `files` words: a fourth name is no input.
  WriteFile("four.bat", "*\nb\n*\nin.txt\n10\n4\n1\n2\nother.txt missing.txt\nin.txt\n");
  EXPECT_EQ(TestBatchFile("four.bat"), kBatchOk);
  EXPECT_EQ(ReadFile("in.txt"), "");
}

TEST_F(BatchRefusalsTest, TheOutputIsStillEmptiedWhenItIsNoInput) {
  WriteFile("in.txt", kData);
  WriteFile("out.txt", "old report");
  WriteFile("batch.txt", "*\nb\n*\nout.txt\n10\n4\n1\n1\nin.txt\n");
  EXPECT_EQ(TestBatchFile("batch.txt"), kBatchOk);
  EXPECT_EQ(ReadFile("out.txt"), "");
  // A later item that fails leaves the output emptied as before.
  WriteFile("out.txt", "old report");
  WriteFile("batch.txt", "*\nb\n*\nout.txt\n1\n4\n1\n1\nin.txt\n");
  EXPECT_EQ(TestBatchFile("batch.txt"), kBatchBadPrecision);
  EXPECT_EQ(ReadFile("out.txt"), "");
  // A missing output is created.
  WriteFile("batch.txt", "*\nb\n*\nnew.txt\n10\n4\n1\n1\nin.txt\n");
  EXPECT_EQ(TestBatchFile("batch.txt"), kBatchOk);
  EXPECT_TRUE(fs::exists("new.txt"));
}

// In memory, names are one file when they are spelt alike.
TEST(BatchBytesRefusals, OutputNamedAsAnInputIsRefused) {
  class Files : public BatchFileAccess {
   public:
    bool PrepareOutput(const std::string&) override { return true; }
    bool CanRead(const std::string&) override { return true; }
    void EmptyOutput(const std::string& name) override { emptied += name; }
    std::string emptied;
  } files;
  EXPECT_EQ(TestBatchBytes("*b*\na.txt 10 4 1 1 a.txt", files), kBatchOutputIsInput);
  EXPECT_EQ(files.emptied, "");
  EXPECT_EQ(TestBatchBytes("*b*\na.txt 10 4 1 2 b.txt\n a.txt\n", files), kBatchOutputIsInput);
  EXPECT_EQ(TestBatchBytes("*b*\na.txt 10 4 1 1 b.txt", files), kBatchOk);
  EXPECT_EQ(files.emptied, "a.txt");
}

}  // namespace
}  // namespace foresta
