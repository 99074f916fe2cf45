// End-to-end runs of the engine commands through `foresta-cli do`.
#include <gtest/gtest.h>

#include <cstdio>
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

const char kRetrainFirst[] =
    "Test training file before retraining file,\\nYou have tested the training file?";
const char kRecognitionFirst[] =
    "Test training file before recognition file,\\nYou have tested the training file?";

class EngineCommandsTest : public ::testing::Test {
 protected:
  ScopedTempDir dir_;
};

std::string Ones(int n) { return std::string(static_cast<size_t>(n), '1'); }

TEST_F(EngineCommandsTest, TrainingFileTestShowsEveryCode) {
  const std::pair<std::string, std::string> cases[] = {
      {"*c* 20 " + Ones(20), "Training File is OK "},
      {"no comment", "Training File: Missing Comment Section *...* "},
      {"* open", "Training File: Comment Section is not Closed "},
      {"*c* 19 " + Ones(19), "Training File: Number of Neurons is out of Range "},
      {"*c* 20 ", "Training File: No data "},
      {"*c* 20 " + Ones(19) + "2", "Training File: Invalid Character (other than 0 and 1) "},
      {"*c* 20 " + Ones(41), "Training File: Last vector is not complete "},
  };
  const int codes[] = {100, 102, 103, 104, 106, 107, 108};
  for (size_t i = 0; i < std::size(cases); ++i) {
    WriteFile("example1.trn", cases[i].first);
    EXPECT_EQ(Do({"do", "351"}), Info(codes[i], cases[i].second) + Status(codes[i]));
  }
  EXPECT_EQ(Do({"--set", "trainingFile=none.trn", "do", "351"}),
            Info(101, "Unable to Open Training File ") + Status(101));
}

TEST_F(EngineCommandsTest, RetrainingAndRecognitionTestsAskFirst) {
  WriteFile("example1.trn", "*c* 20 " + Ones(20));
  WriteFile("example1.rtn", "*c* 30 " + Ones(30));
  EXPECT_EQ(Do({"do", "351", "352"}),
            Info(100, "Training File is OK ") + Status(100) + Message("Test", kRetrainFirst) +
                Info(115, "Retraining File: Not Consistent with Training File ") + Status(115));
  // A No leaves the previous status in place and tests nothing.
  EXPECT_EQ(Do({"--answer", "no", "do", "351", "352"}),
            Info(100, "Training File is OK ") + Status(100) + Message("Test", kRetrainFirst) +
                Status(100));
  WriteFile("example1.rec", "*c* " + Ones(16) + "xxxx");
  EXPECT_EQ(Do({"do", "353"}), Message("Test", kRecognitionFirst) +
                                   Info(125, "Recognition File: Please test Training file first ") +
                                   Status(125));
  EXPECT_EQ(Do({"do", "351", "353"}),
            Info(100, "Training File is OK ") + Status(100) + Message("Test", kRecognitionFirst) +
                Info(120, "Recognition File is OK ") + Status(120));
  WriteFile("example1.rec", "*c* x0x1" + Ones(16));
  EXPECT_EQ(Do({"do", "351", "353"}).find(Info(128, "Recognition File: Two Sections of x's in One Vector ")) !=
                std::string::npos,
            true);
}

// Every code of the retraining, recognition and distribution tests, after a
// training file of 20 neurons has been tested in the same run.
TEST_F(EngineCommandsTest, OtherFileTestsShowEveryCode) {
  WriteFile("example1.trn", "*c* 20 " + Ones(20));
  struct Case {
    const char* file;
    std::string content;
    int id;
    int code;
    std::string text;
  };
  const Case cases[] = {
      {"example1.rtn", "*c* 20 " + Ones(40), 352, 110, "Retraining File is OK "},
      {"none", "", 352, 111, "Unable to Open Retraining File "},
      {"example1.rtn", "20 " + Ones(20), 352, 112, "Retraining File: Missing Comment Section *...* "},
      {"example1.rtn", "*c 20 " + Ones(20), 352, 113, "Retraining File: Comment Section is not Closed "},
      {"example1.rtn", "*c* 1 1", 352, 114, "Retraining File: Number of Neurons is out of Range "},
      {"example1.rtn", "*c* 30 " + Ones(30), 352, 115, "Retraining File: Not Consistent with Training File "},
      {"example1.rtn", "*c* 20", 352, 116, "Retraining File: No data "},
      {"example1.rtn", "*c* 20 x", 352, 117, "Training File: Invalid Character (other than 0 and 1) "},
      {"example1.rtn", "*c* 20 1", 352, 118, "Training File: Last vector is not complete "},
      {"example1.rec", "*c* " + Ones(19) + "x", 353, 120, "Recognition File is OK "},
      {"none", "", 353, 121, "Unable to Open Recognition File "},
      {"example1.rec", "0", 353, 122, "Recognition File: Missing Comment Section *...* "},
      {"example1.rec", "*0", 353, 123, "Recognition File: Comment Section is not Closed "},
      {"example1.rec", "*c*", 353, 126, "Recognition File: No data "},
      {"example1.rec", "*c* 0a", 353, 127, "Recognition File: Invalid Character (other than 0 and 1) "},
      {"example1.rec", "*c* x1x" + Ones(17), 353, 128, "Recognition File: Two Sections of x's in One Vector "},
      {"example1.rec", "*c* x1", 353, 129, "Recognition File: Last vector is not complete "},
      {"example1.usd", "*c* 2 2 0110", 354, 130, "User Distribution File is OK "},
      {"none", "", 354, 131, "Unable to Open User Distribution File "},
      {"example1.usd", "2 2 0110", 354, 132, " User Distribution File: Missing Comment Section *...* "},
      {"example1.usd", "* 2 2 0110", 354, 133, " User Distribution File: Comment Section is not Closed "},
      {"example1.usd", "*c* 1 2 0110", 354, 134, " User Distribution File: Number of Neurons is out of Range "},
      {"example1.usd", "*c* 2 100001 0110", 354, 135, " User Distribution File: Number of patterns is out of Range ( <65,000) "},
      {"example1.usd", "*c* 2 2", 354, 136, " User Distribution File: No data "},
      {"example1.usd", "*c* 2 2 01x0", 354, 137, " User Distribution File: Invalid Character (other than 0 and 1) "},
      {"example1.usd", "*c* 2 2 011", 354, 138, " User Distribution File: not enough data "},
  };
  for (const Case& c : cases) {
    std::remove("example1.rtn");
    std::remove("example1.rec");
    std::remove("example1.usd");
    if (std::string(c.file) != "none") WriteFile(c.file, c.content);
    const std::string out = Do({"do", "351", std::to_string(c.id)});
    EXPECT_NE(out.find(Info(c.code, c.text) + Status(c.code)), std::string::npos)
        << c.code << "\n" << out;
  }
}

TEST_F(EngineCommandsTest, RecognitionNeuronRangeAndUntestedTraining) {
  WriteFile("example1.rec", "*c* 0xx1");
  WriteFile("example1.trn", "*c* 100001 " + Ones(20));
  EXPECT_NE(Do({"do", "351", "353"}).find(Info(124, "Recognition File: Number of Neurons is out of Range ")),
            std::string::npos);
  EXPECT_NE(Do({"do", "353"}).find(Info(125, "Recognition File: Please test Training file first ")),
            std::string::npos);
}

TEST_F(EngineCommandsTest, TrainRetrainAndRecognise) {
  EXPECT_EQ(Do({"do", "342"}),
            Info(33, "Please Test Training File \\n Click: Initialization/Test/Training Data File ") +
                Status(33));
  WriteFile("example1.trn", "*c* 20\n11000000000000001000\n10000000000000000100\n");
  WriteFile("example1.rtn", "*c* 20\n11000000000000000100\n");
  WriteFile("example1.rec", "*c*\n1100000000000000xxxx\n");
  WriteFile("example1.usd", "*c* 4 3\n1000 0100 0010\n");
  EXPECT_EQ(Do({"do", "343"}),
            Info(36, " Please Test Retraining File \\n Click: Initialization/Test/Retraining Data File ") +
                Status(36));
  EXPECT_EQ(Do({"do", "351", "343"}), Info(100, "Training File is OK ") + Status(100) +
                                          Question(343, " Retraining", "Retraining takes place after training ") +
                                          Status(343));
  EXPECT_EQ(Do({"do", "487"}),
            Info(39, " Please Test Recognition File \\n Click: Initialization/Test/Recognition Data File ") +
                Status(39));
  EXPECT_EQ(Do({"do", "351", "487"}), Info(100, "Training File is OK ") + Status(100) +
                                          Question(344, " Recognition", " The Neural Network is not trained ") +
                                          Status(344));
  EXPECT_EQ(Do({"do", "342", "343", "487"}), Info(32, "Training end! ") + Status(32) +
                                                  Info(35, "Retraining end! ") + Status(35) +
                                                  Info(38, "Recognition end! ") + Status(38));
  EXPECT_EQ(ReadFile("example1.dat"),
            "\n ---------------------------- \n"
            "1100000000000000xxxx\n"
            " User defined output neural patterns: \n"
            "1000     16\n"
            "0100     24\n"
            " End of the Distribution \n"
            "11000000000000000100  24  1\n\n"
            "\n");
  WriteFile("example1.usd", "*c* 4 3\n1000 0100");
  EXPECT_EQ(Do({"do", "342", "487"}),
            Info(32, "Training end! ") + Status(32) +
                Question(487, " Recognition",
                         " Please Test User Distribution File \\n Click: Initialization/Test/User Distribution File ") +
                Status(487));
}

TEST_F(EngineCommandsTest, BestMatchWritesIntoTheOpenedOutputFile) {
  WriteFile("example1.trn", "*c* 20\n11000000000000001000\n");
  WriteFile("example1.rec", "*c*\n1100000000000000xxxx\n");
  WriteFile("example1.usd", "*c* 4 3\n1000 0100 0010\n");
  EXPECT_EQ(Do({"do", "342", "488"}), Info(32, "Training end! ") + Status(32) +
                                          Question(345, " Recognition", " The Output File is not opened ") +
                                          Status(345));
  const std::string overwrite =
      Message("Warning", "This will overright the old output file,\\nWant to open anyway?");
  EXPECT_EQ(Do({"--set", "recognitionOutputFile=best.dat", "do", "233", "342", "488", "232"}),
            overwrite + Question(233, "Information", "New output file is ready!") + Status(233) +
                Info(32, "Training end! ") + Status(32) + Info(38, "Recognition end! ") + Status(38) +
                Info(232, "Output file closed.\\n To run again, open a new output file!") + Status(232));
  EXPECT_EQ(ReadFile("best.dat"),
            "\n ---------------------------- \n"
            "1100000000000000xxxx\n"
            "11000000000000001000  16  1\n\n"
            "\n");
  WriteFile("kept.dat", "kept");
  EXPECT_EQ(Do({"--answer", "no", "--set", "recognitionOutputFile=kept.dat", "do", "233"}),
            overwrite + Status(0));
  EXPECT_EQ(ReadFile("kept.dat"), "kept");
  // An output file that cannot be created shows nothing more.
  EXPECT_EQ(Do({"--set", "recognitionOutputFile=no/dir/x.dat", "do", "233"}), overwrite + Status(0));
}

TEST_F(EngineCommandsTest, DataFilesDialogOpensTheReportBestMatchWritesTo) {
  WriteFile("t.trn", "*c* 20\n11000000000000001000\n");
  WriteFile("t.rec", "*c*\n1100000000000000xxxx\n");
  WriteFile("t.usd", "*c* 4 3\n1000 0100 0010\n");
  const std::string out = Do({"--text", "files.training=t.trn", "--text", "files.recognition=t.rec",
                              "--text", "files.distribution=t.usd", "--text", "files.output=t.dat",
                              "do", "330", "342", "488"});
  EXPECT_NE(out.find(Info(38, "Recognition end! ")), std::string::npos) << out;
  EXPECT_EQ(ReadFile("t.dat"),
            "\n ---------------------------- \n"
            "1100000000000000xxxx\n"
            "11000000000000001000  16  1\n\n"
            "\n");
}

TEST_F(EngineCommandsTest, TooManyNeurons) {
  WriteFile("example1.trn", "*c* 100000 " + Ones(100000));
  EXPECT_EQ(Do({"do", "342"}), Info(30, "Too many Neurons ") + Status(30));
}

TEST_F(EngineCommandsTest, OpenersAndTheDistributionDescription) {
  EXPECT_EQ(Do({"do", "401", "402", "403", "404"}),
            "{\"kind\":\"open\",\"code\":401,\"file\":\"example1.trn\"}\n" + Status(401) +
                "{\"kind\":\"open\",\"code\":402,\"file\":\"example1.rtn\"}\n" + Status(402) +
                "{\"kind\":\"open\",\"code\":403,\"file\":\"example1.rec\"}\n" + Status(403) +
                "{\"kind\":\"open\",\"code\":404,\"file\":\"example1.dat\"}\n" + Status(404));
  EXPECT_EQ(Do({"do", "405"}),
            "{\"kind\":\"open\",\"code\":405,\"file\":\"example1.usd\"}\n" + Status(405));
  const std::string written = ReadFile("example1.usd");
  EXPECT_EQ(written.rfind("*\n\nUser Distribution Data File \nFormat:", 0), 0u);
  EXPECT_NE(written.find("data             \n" + std::string(41, ' ') + "\nExplanation:"),
            std::string::npos);
  EXPECT_NE(written.find("ignored      \n" + std::string(47, ' ') + "\nExample: 2N1C"),
            std::string::npos);
  // The description is a valid distribution file: its example passes.
  EXPECT_EQ(Do({"do", "354"}), Info(130, "User Distribution File is OK ") + Status(130));
  WriteFile("example1.usd", "mine");
  Do({"do", "405"});
  EXPECT_EQ(ReadFile("example1.usd"), "mine");
}

}  // namespace
}  // namespace foresta
