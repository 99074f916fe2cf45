// End-to-end runs of the recognition-mode, Run and image commands through
// `foresta-cli do`.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_commands.h"
#include "support/cli_records.h"
#include "support/temp_dir.h"

namespace foresta {
namespace {

using testing::ReadFile;
using testing::ScopedTempDir;
using testing::WriteFile;
using testing::Do;
using testing::Info;
using testing::Message;
using testing::Question;
using testing::Status;

const std::string kOverwrite =
    Message("Warning", "This will overright the old output file,\\nWant to open anyway?");
const std::string kReady = Question(233, "Information", "New output file is ready!") + Status(233);
const std::string kTrained = Info(32, "Training end! ") + Status(32);
const std::string kEnd = Info(38, "Recognition end! ") + Status(38);
const std::string kNotOpen =
    Question(345, " Recognition", " The Output File is not opened ") + Status(345);
const char kHeader[] = "\n ---------------------------- \n";

class EngineModeCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Patterns {0, 1}, {0, 10}, {0, 11} of 20 neurons.
    WriteFile("example1.trn",
              "*c* 20\n11000000000000000000\n10000000001000000000\n10000000000100000000\n");
    WriteFile("example1.rec", "*c*\n1000000000xxxx000000\n");
  }
  ScopedTempDir dir_;
};

TEST_F(EngineModeCommandsTest, EveryModeWritesIntoTheOpenedReport) {
  // One session: the modes append one after another to the same report.
  EXPECT_EQ(Do({"do", "233", "342", "345", "482", "346", "491"}),
            kOverwrite + kReady + kTrained + kEnd + kEnd + kEnd + kEnd);
  const std::string echo = std::string(kHeader) + "1000000000xxxx000000\n";
  EXPECT_EQ(ReadFile("example1.dat"),
            echo + "10000000001000000000  16  2\n\n There are 2 Patterns found with equal weight \n"
                   " More training for this pattern is suggested\n\n\n" +
                echo + "10000000001100000000  16  1\n\n\n" +
                echo + "10000000001000000000  16  3\n\n There are 3 Patterns found with equal weight \n"
                       " More training for this pattern is suggested\n\n" +
                echo + " pattern can not be classified \n");
}

TEST_F(EngineModeCommandsTest, EveryRecognitionIdentifierMapsItsRefusals) {
  const std::vector<int> ids = {344, 345, 346, 347, 348, 481, 482, 483, 484, 485, 486,
                                491, 492, 493, 494, 495, 496, 511, 512, 513, 523};
  for (int id : ids) {
    const std::string sid = std::to_string(id);
    // Not trained: the recognition file test itself refuses (no NeuronCount).
    EXPECT_EQ(Do({"do", sid}),
              Info(39, " Please Test Recognition File \\n Click: Initialization/Test/Recognition Data File ") +
                  Status(39))
        << id;
    EXPECT_EQ(Do({"do", "342", sid}), kTrained + kNotOpen) << id;
    EXPECT_EQ(Do({"do", "233", "342", sid}), kOverwrite + kReady + kTrained + kEnd) << id;
  }
}

TEST_F(EngineModeCommandsTest, RunTrainsThenRecognises) {
  EXPECT_EQ(Do({"do", "233", "341"}), kOverwrite + kReady + Info(37, "Run end! ") + Status(37));
  EXPECT_EQ(ReadFile("example1.dat"),
            std::string(kHeader) + "1000000000xxxx000000\n" +
                "10000000001000000000  16  2\n\n There are 2 Patterns found with equal weight \n"
                " More training for this pattern is suggested\n\n\n");
  // Without an open report: one question box and nothing else.
  EXPECT_EQ(Do({"do", "341"}), kNotOpen);
  // A training file that fails its test: information 33 only.
  WriteFile("example1.trn", "*c* 20 0101");
  EXPECT_EQ(Do({"do", "233", "341"}),
            kOverwrite + kReady +
                Info(33, "Please Test Training File \\n Click: Initialization/Test/Training Data File ") +
                Status(33));
}

TEST_F(EngineModeCommandsTest, ImageCommandsTrainRetrainAndRetrieve) {
  WriteFile("example1.rtn", "*c* 20\n11000000001100000000\n");
  WriteFile("example1.rec", "*c*\n10000000001000000000\n11000000001100000000\n");
  EXPECT_EQ(Do({"do", "233", "521", "522", "523"}),
            kOverwrite + kReady + kTrained + Info(35, "Retraining end! ") + Status(35) + kEnd);
  // The retrained image {0, 1, 10, 11} adds 16 to the second vector's 12.
  EXPECT_EQ(ReadFile("example1.dat"), std::string(kHeader) + "10000000001000000000\t16\n\n" +
                                          "11000000001100000000\t28\n\n");
}

TEST_F(EngineModeCommandsTest, ReservedIdentifiersDoNothing) {
  EXPECT_EQ(Do({"do", "500", "501", "502"}), Status(0) + Status(0) + Status(0));
}

TEST_F(EngineModeCommandsTest, DataFilesDialogReopensTheReportEvenWhenCancelled) {
  WriteFile("example1.dat", "old");
  EXPECT_EQ(Do({"--dialogs", "cancel", "do", "330"}), kReady);
  EXPECT_EQ(ReadFile("example1.dat"), "");
  const std::string confirmed = Do({"--text", "files.output=mine.dat", "do", "330", "342", "345"});
  EXPECT_NE(confirmed.find("\"code\":330"), std::string::npos);
  EXPECT_NE(confirmed.find(kReady + kTrained + kEnd), std::string::npos);
  EXPECT_EQ(ReadFile("mine.dat").substr(0, 32), kHeader);
}

TEST_F(EngineModeCommandsTest, TrainingTellsWhyNoSymmetryCopiesWereMade) {
  const std::string why =
      Message(" Symmetry Parameters",
              "The symmetry region is not set; please set the symmetry again.\\n"
              "The patterns were stored without symmetry copies.");
  EXPECT_EQ(Do({"--set", "symmetryKind=13", "do", "342"}), Info(32, "Training end! ") + why + Status(32));
  EXPECT_EQ(Do({"--set", "symmetryKind=1", "--set", "symmetryStart=15", "--set", "symmetryEnd=24",
                "--set", "symmetryXDim=10", "do", "342"}),
            Info(32, "Training end! ") +
                Message(" Symmetry Parameters",
                        "The symmetry region runs past the end of the training vectors.\\n"
                        "The patterns were stored without symmetry copies.") +
                Status(32));
  // A region that fits makes copies and says nothing more.
  EXPECT_EQ(Do({"--set", "symmetryKind=1", "--set", "symmetryStart=10", "--set", "symmetryEnd=19",
                "--set", "symmetryXDim=10", "do", "342"}),
            kTrained);
}

}  // namespace
}  // namespace foresta
