#include "examples/example_data.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "support/temp_dir.h"

namespace foresta {
namespace {

namespace fs = std::filesystem;
using testing::ReadFile;
using testing::ScopedTempDir;
using testing::WriteFile;

// A scratch bundle and an empty current folder beside it.
class ExampleDataTest : public ::testing::Test {
 protected:
  ExampleDataTest() : bundle_((dir_.path() / "bundle").string()) {
    fs::create_directories(dir_.path() / "bundle/cash3");
    fs::create_directories(dir_.path() / "here");
    for (const char* name : {"a.txt", "b.trn", "b.rtn", "b.rec", "cash3/x.txt"})
      WriteFile(bundle_ + "/" + name, name);
    fs::current_path(dir_.path() / "here");
  }
  ScopedTempDir dir_;
  std::string bundle_;
};

TEST_F(ExampleDataTest, SaysWhatWasCopied) {
  ExampleDataNotice notice = ProvideExampleData(bundle_, {"a.txt"});
  EXPECT_EQ(notice.code, kMsgExampleDataCopied);
  EXPECT_EQ(notice.text, "Copied the example data file a.txt into the current folder.");
  EXPECT_EQ(ProvideExampleData(bundle_, {"a.txt"}).code, 0);  // there now: nothing to say

  notice = ProvideExampleData(bundle_, {"b.trn", "b.rtn", "b.rec"});
  EXPECT_EQ(notice.text,
            "Copied the example data files b.trn, b.rtn and b.rec into the current folder.");
  fs::remove("b.rtn");
  EXPECT_EQ(ProvideExampleData(bundle_, {"b.trn", "b.rtn", "b.rec"}).text,
            "Copied the example data file b.rtn into the current folder.");

  notice = ProvideExampleData(bundle_, {"cash3"});
  EXPECT_EQ(notice.text, "Copied the example data folder cash3 into the current folder.");
  EXPECT_EQ(ReadFile("cash3/x.txt"), "cash3/x.txt");
}

TEST_F(ExampleDataTest, LeavesMissingDataToFailWhereItIsRead) {
  EXPECT_EQ(ProvideExampleData(bundle_, {"unknown.txt"}).code, 0);
  EXPECT_EQ(ProvideExampleData("", {"a.txt"}).code, 0);
  EXPECT_FALSE(fs::exists("a.txt"));
}

TEST_F(ExampleDataTest, AFailedCopyIsReported) {
  fs::create_symlink(dir_.path() / "nowhere", bundle_ + "/broken.txt");
  ExampleDataNotice notice = ProvideExampleData(bundle_, {"a.txt", "broken.txt"});
  EXPECT_EQ(notice.code, kMsgExampleDataNotCopied);
  EXPECT_EQ(notice.text,
            "The example data file broken.txt could not be copied into the current folder.");
}

// The program beside the bundled files (bin/ of the build tree), run in an
// empty folder as after an installation.
std::string RunCli(const std::string& arguments) {
  std::string command = std::string(FORESTA_BIN_DIR) + "/foresta-cli " + arguments + " 2>&1";
  std::string output;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, n);
    pclose(pipe);
  }
  return output;
}

TEST(ExampleDataFromAnEmptyFolder, TheExampleMenuCopiesItsDataOnce) {
  ScopedTempDir dir;
  EXPECT_EQ(RunCli("--json do 571"),
            "{\"kind\":\"information\",\"code\":880,\"caption\":\"Information\","
            "\"text\":\"Copied the example data file D_math2a.txt into the current folder.\"}\n"
            "{\"kind\":\"open\",\"code\":552,\"file\":\"D_math2a.txt\"}\n"
            "{\"kind\":\"status\",\"code\":552}\n");
  EXPECT_EQ(ReadFile("D_math2a.txt"), ReadFile(FORESTA_DATA_DIR "/D_math2a.txt"));
  // Found now: linked as it is, without a word.
  EXPECT_EQ(RunCli("--json do 571"),
            "{\"kind\":\"open\",\"code\":552,\"file\":\"D_math2a.txt\"}\n"
            "{\"kind\":\"status\",\"code\":552}\n");
  // The user's own file of that name is never replaced.
  WriteFile("D_ch3X.txt", "1\n2\n");
  EXPECT_EQ(RunCli("--json do 572").find("\"code\":880"), std::string::npos);
  EXPECT_EQ(ReadFile("D_ch3X.txt"), "1\n2\n");

  // The linked example predicts.
  std::string report = RunCli("--json do 571 555");
  EXPECT_NE(report.find("{\"kind\":\"status\",\"code\":553}"), std::string::npos) << report;
  EXPECT_NE(ReadFile("example2b.txt").find("Highest Probability"), std::string::npos);
}

TEST(ExampleDataFromAnEmptyFolder, BatchAndImageExamplesCopyTheirFiles) {
  ScopedTempDir dir;
  std::string out = RunCli("--json do 575 567");
  EXPECT_NE(out.find("Copied the example data folder cash3 into the current folder."),
            std::string::npos) << out;
  for (const auto& entry : fs::directory_iterator(FORESTA_DATA_DIR "/cash3"))
    EXPECT_TRUE(fs::exists(fs::path("cash3") / entry.path().filename())) << entry.path();
  // The batch runs on the copied folder: every file is predicted.
  EXPECT_EQ(out.find("\"kind\":\"message\""), std::string::npos) << out;
  EXPECT_NE(ReadFile("example2b.txt").find("Input file:"), std::string::npos);

  out = RunCli("--json do 578");
  EXPECT_NE(out.find("folder dj30"), std::string::npos) << out;
  EXPECT_EQ(std::distance(fs::directory_iterator("dj30"), fs::directory_iterator()), 30);

  out = RunCli("--json do 426");
  EXPECT_NE(out.find("\"text\":\"Copied the example data files img50x50.trn, img50x50.rtn and "
                     "img50x50.rec into the current folder.\""),
            std::string::npos) << out;
  EXPECT_EQ(ReadFile("img50x50.rec"), ReadFile(FORESTA_DATA_DIR "/img50x50.rec"));
}

}  // namespace
}  // namespace foresta
