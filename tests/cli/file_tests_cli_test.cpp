// The file tests through the built foresta-cli: a name that is not a
// readable regular file cannot be opened, whatever else it is.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/cli_process.h"
#include "support/temp_dir.h"

namespace foresta {
namespace {

namespace fs = std::filesystem;
using testing::RunCliProcess;
using testing::ScopedTempDir;
using testing::WriteFile;

// One file test: the command that runs it on its default file, and the
// information it shows when that file cannot be opened.
struct FileTest {
  const char* file;
  const char* command;
  int code;
  const char* text;
};

constexpr FileTest kFileTests[] = {
    {"example1.trn", "351", 101, "Unable to Open Training File "},
    {"example1.rtn", "352", 111, "Unable to Open Retraining File "},
    {"example1.rec", "353", 121, "Unable to Open Recognition File "},
    {"example1.usd", "354", 131, "Unable to Open User Distribution File "},
    {"example2a.txt", "554", 151, "Unable to Open Input File "},
    {"batch.txt", "567", 161, "Unable to Open Batch File "},
};

std::string InfoAndStatus(int code, const std::string& text) {
  const std::string n = std::to_string(code);
  return "{\"kind\":\"information\",\"code\":" + n +
         ",\"caption\":\"Information\",\"text\":\"" + text + "\"}\n" +
         "{\"kind\":\"status\",\"code\":" + n + "}\n";
}

// Runs one command and expects it to end with the information `code`.
void ExpectShows(const std::string& command, int code, const std::string& text) {
  const testing::CliRun run = RunCliProcess({"do", command});
  EXPECT_EQ(run.exitStatus, 0) << "the run did not end on its own";
  EXPECT_TRUE(run.out.ends_with(InfoAndStatus(code, text))) << run.out;
}

class FileTestsCliTest : public ::testing::Test {
 protected:
  ScopedTempDir dir_;
};

TEST_F(FileTestsCliTest, NamesThatAreNoReadableRegularFileCannotBeOpened) {
  fs::create_directory("somewhere");
  // Each kind of name is made for every test's file in turn.
  const std::vector<std::pair<const char*, void (*)(const char*)>> kinds = {
      {"directory", [](const char* f) { fs::create_directory(f); }},
      {"FIFO", [](const char* f) { ASSERT_EQ(mkfifo(f, 0600), 0); }},
      {"link to a directory", [](const char* f) { fs::create_directory_symlink("somewhere", f); }},
      {"dangling link", [](const char* f) { fs::create_symlink("nowhere", f); }},
      {"missing", [](const char*) {}},
  };
  for (const auto& [kind, make] : kinds) {
    for (const FileTest& test : kFileTests) {
      SCOPED_TRACE(std::string(kind) + " " + test.file);
      make(test.file);
      ExpectShows(test.command, test.code, test.text);
      fs::remove(test.file);
    }
  }
}

TEST_F(FileTestsCliTest, LinksToRegularFilesAreTested) {
  WriteFile("real.trn", "*c* 20 " + std::string(20, '1'));
  fs::create_symlink("real.trn", "example1.trn");
  ExpectShows("351", 100, "Training File is OK ");
  WriteFile("real.usd", "*c* 2 2 10 01");
  fs::create_symlink("real.usd", "example1.usd");
  ExpectShows("354", 130, "User Distribution File is OK ");
}

TEST_F(FileTestsCliTest, BatchInputThatIsADirectoryCannotBeOpened) {
  fs::create_directory("input.txt");
  WriteFile("batch.txt", "*\nbatch\n*\nout.txt\n10\n4\n1\n1\ninput.txt\n");
  ExpectShows("567", 169, "Batch: cannot open input file ");
}

TEST_F(FileTestsCliTest, BatchRunLeavesOutNamesThatAreNoFiles) {
  ASSERT_EQ(mkfifo("fifo.txt", 0600), 0);
  fs::create_directory("dir.txt");
  WriteFile("data.txt", "*c*\n1\n1 2 3 4 5 6 7 8 9 10 9 8 7 6 5 4 3 2 1 2 3\n");
  WriteFile("batch.txt", "*\nbatch\n*\nout.txt\n10\n4\n1\n3\nfifo.txt\ndir.txt\ndata.txt\n");
  const testing::CliRun run = RunCliProcess({"do", "567"});
  EXPECT_EQ(run.exitStatus, 0) << "the run did not end on its own";
  EXPECT_EQ(run.out,
            "{\"kind\":\"open\",\"code\":553,\"file\":\"out.txt\"}\n"
            "{\"kind\":\"status\",\"code\":553}\n");
  const std::string report = testing::ReadFile("out.txt");
  EXPECT_NE(report.find("Input file: data.txt\n"), std::string::npos) << report;
  EXPECT_EQ(report.find("Input file: fifo.txt"), std::string::npos) << report;
  EXPECT_EQ(report.find("Input file: dir.txt"), std::string::npos) << report;
}

}  // namespace
}  // namespace foresta
