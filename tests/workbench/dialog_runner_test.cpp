#include "workbench/dialog_runner.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/temp_dir.h"
#include "workbench/typing_shell.h"
#include "workbench/workbench.h"

namespace foresta {
namespace {

using testing::ReadFile;
using testing::ScopedTempDir;
using testing::TypingShell;
using testing::WriteFile;
using Kind = ShellEvent::Kind;

class DialogTest : public ::testing::Test {
 protected:
  // Runs a dialog selector the way the commands and example presets do.
  void RunSelector(int selector) {
    wb_.state().dialogSelector = selector;
    RunDialog(wb_);
  }
  const ShellEvent& LastEvent() const { return shell_.events().back(); }

  ScopedTempDir dir_;
  TypingShell shell_;
  Workbench wb_{shell_};
};

TEST_F(DialogTest, LinkRaisesPrecisionAndTrendToTwo) {
  shell_.TypeInto([](DialogKind, DialogTexts& t) {
    t.linkPrecision = "1";
    t.linkTrend = "abc";
    t.linkOutput = "out.txt";
  });
  wb_.Execute(551);
  const WorkbenchState& s = wb_.state();
  EXPECT_EQ(s.precision, 2);
  EXPECT_EQ(s.trend, 2);
  EXPECT_EQ(s.texts.linkPrecision, "2");
  EXPECT_EQ(s.texts.linkTrend, "2");
  EXPECT_EQ(s.predictionOutputFile, "out.txt");
  EXPECT_EQ(s.statusCode, 551);
  ASSERT_EQ(shell_.events().size(), 2u);
  EXPECT_EQ(shell_.events()[0].kind, Kind::kDialog);
  EXPECT_EQ(LastEvent(),
            (ShellEvent{Kind::kQuestion, 551, "Predict Data File/Data Range",
                        "example2a.txt \nout.txt \n Precision = 2 \n Tread =  "
                        "2  \n File Input  \n"}));
}

TEST_F(DialogTest, LinkSummaryRepeatsWhatWasTypedAndReopensWithTheInputName) {
  shell_.TypeInto([](DialogKind, DialogTexts& t) {
    t.linkInput = "series.txt";
    t.linkPrecision = "0012";
    t.linkTrend = " 7 days";
  });
  wb_.Execute(551);
  EXPECT_EQ(wb_.state().predictionInputFile, "series.txt");
  EXPECT_EQ(wb_.state().precision, 12);
  EXPECT_EQ(wb_.state().trend, 7);
  EXPECT_EQ(LastEvent().text,
            "series.txt \nexample2b.txt \n Precision = 0012 \n Tread =   7 "
            "days  \n File Input  \n");

  // Another command changed the input name: the dialog shows it, while the
  // other texts keep what was last confirmed.
  wb_.state().predictionInputFile = "other.txt";
  shell_.TypeInto(nullptr);
  wb_.Execute(551);
  EXPECT_EQ(wb_.state().texts.linkInput, "other.txt");
  EXPECT_EQ(wb_.state().texts.linkPrecision, "0012");
}

TEST_F(DialogTest, CancelledDialogsChangeAndShowNothing) {
  shell_.confirmDialogs = false;
  shell_.TypeInto([](DialogKind, DialogTexts& t) {
    t.linkPrecision = "50";
    t.line2 = "7";
  });
  const WorkbenchState before = wb_.state();
  for (int id : {551, 360, 363}) wb_.Execute(id);
  for (int selector : {330, 386, 535}) RunSelector(selector);
  for (const ShellEvent& e : shell_.events()) EXPECT_EQ(e.kind, Kind::kDialog);
  EXPECT_EQ(shell_.events().size(), 6u);
  const WorkbenchState& after = wb_.state();
  EXPECT_EQ(after.precision, before.precision);
  EXPECT_EQ(after.texts.linkPrecision, before.texts.linkPrecision);
  EXPECT_EQ(after.line2Start, before.line2Start);
  EXPECT_EQ(after.trainingFile, before.trainingFile);
  EXPECT_EQ(after.shifterBits, before.shifterBits);
  EXPECT_EQ(after.symmetryKind, before.symmetryKind);
}

TEST_F(DialogTest, LinkInDirectoryModeScansTheCurrentDirectory) {
  std::string usable = ReadFile(FORESTA_DATA_DIR "/example2a.txt");
  ASSERT_FALSE(usable.empty());
  WriteFile("b.txt", usable);
  WriteFile("C.TXT", usable);
  WriteFile("a.txt", "no comment section");
  WriteFile("d.dat", usable);
  shell_.TypeInto(
      [](DialogKind, DialogTexts& t) { t.linkMode = InputMode::kDirectory; });
  wb_.Execute(551);

  std::string here = std::filesystem::current_path().string().substr(1);
  const WorkbenchState& s = wb_.state();
  EXPECT_EQ(s.inputMode, InputMode::kDirectory);
  EXPECT_EQ(s.directoryList, (std::vector<std::string>{"C.TXT", "b.txt"}));
  EXPECT_EQ(s.directoryCount, 2);
  EXPECT_EQ(s.texts.linkInput, here);
  EXPECT_EQ(s.predictionInputFile, here);
  EXPECT_EQ(LastEvent().text,
            here + " \nexample2b.txt \n Precision = 10 \n Tread =  5  \n "
                   "Directory Input  \n2 files (*.txt only) C.TXT ...  \n");
}

TEST_F(DialogTest, LinkInDirectoryWithoutTextFiles) {
  wb_.state().directoryList = {"stale.txt"};
  wb_.state().directoryCount = 1;
  shell_.TypeInto(
      [](DialogKind, DialogTexts& t) { t.linkMode = InputMode::kDirectory; });
  wb_.Execute(551);
  EXPECT_EQ(wb_.state().directoryCount, 0);
  EXPECT_TRUE(wb_.state().directoryList.empty());
  EXPECT_TRUE(LastEvent().text.ends_with(
      " \n Directory Input  \n0 files (*.txt only)   \n"));
}

TEST_F(DialogTest, BreakerStepFollowsEvenSpacing) {
  auto type = [this](const char* l2, const char* l3, const char* l4,
                     const char* l5) {
    shell_.TypeInto([=](DialogKind, DialogTexts& t) {
      t.line2 = l2, t.line3 = l3, t.line4 = l4, t.line5 = l5;
    });
    wb_.Execute(360);
  };
  type("10", "20", "30", "40");
  EXPECT_EQ(wb_.state().breakerStep, 10);
  EXPECT_EQ(LastEvent(),
            (ShellEvent{Kind::kQuestion, 360, "Line breaker",
                        "Line Breaker: \n Line 2 starts at: 10\nLine 3 starts "
                        "at: 20\nLine 4 Starts at: 30\nLine 5 Starts at: 40\n"}));
  type("10", "20", "30", "45");
  EXPECT_EQ(wb_.state().breakerStep, 10);
  EXPECT_EQ(wb_.state().line5Start, 45);
  // Differences that only agree after wrapping around are not equal.
  type("0", "-1", "2147483647", "-1");
  EXPECT_EQ(wb_.state().breakerStep, 10);
  EXPECT_EQ(wb_.state().line4Start, 2147483647);

  type("-3", "20", "30", "40");
  const WorkbenchState& s = wb_.state();
  EXPECT_EQ(s.breakerStep, -1);
  EXPECT_EQ(s.line2Start, -1);
  EXPECT_EQ(s.line3Start, -1);
  EXPECT_EQ(s.line5Start, -1);
  EXPECT_EQ(LastEvent(), (ShellEvent{Kind::kQuestion, 361, "Line breaker",
                                     "No Line Breaker! \n "}));
}

TEST_F(DialogTest, DataFilesStoresTheFiveNames) {
  shell_.TypeInto([](DialogKind kind, DialogTexts& t) {
    ASSERT_EQ(kind, DialogKind::kDataFiles);
    t.training = "t.trn", t.retraining = "r.rtn", t.recognition = "c.rec";
    t.output = "o.dat", t.distribution = "u.usd";
  });
  RunSelector(kDataFilesDialog);
  const WorkbenchState& s = wb_.state();
  EXPECT_EQ(s.trainingFile, "t.trn");
  EXPECT_EQ(s.retrainingFile, "r.rtn");
  EXPECT_EQ(s.recognitionFile, "c.rec");
  EXPECT_EQ(s.recognitionOutputFile, "o.dat");
  EXPECT_EQ(s.userDistributionFile, "u.usd");
  EXPECT_EQ(LastEvent(), (ShellEvent{Kind::kQuestion, 330, "Data File Names",
                                     "t.trn \nr.rtn \nc.rec \no.dat\nu.usd\n"}));
}

TEST_F(DialogTest, ShifterAndCounterShareTheVectorCounts) {
  shell_.TypeInto([](DialogKind, DialogTexts& t) {
    t.shifterBits = "20";
    t.shifterTraining = "300";
    t.shifterRetraining = "6";
    t.shifterRecognition = "70";
  });
  RunSelector(kShifterDialog);
  const WorkbenchState& s = wb_.state();
  EXPECT_EQ(s.shifterBits, 20);
  EXPECT_EQ(s.shifterNeurons, 43);
  EXPECT_EQ(s.trainingVectorCount, 300);
  EXPECT_EQ(s.retrainingVectorCount, 6);
  EXPECT_EQ(s.recognitionPatternCount, 70);
  EXPECT_EQ(LastEvent().code, 386);
  EXPECT_EQ(LastEvent().text,
            "20- bit shifter: \n Number of training vector: 300\nNumber of "
            "retraining vector:6\nNumber of patterns to be recognized:70\n");

  shell_.TypeInto([](DialogKind, DialogTexts& t) {
    t.counterBits = "64";
    t.counterTraining = "100";
  });
  RunSelector(kSegmentCounterDialog);
  EXPECT_EQ(s.counterBits, 64);
  EXPECT_EQ(s.counterClassNeurons, 40);
  EXPECT_EQ(s.trainingVectorCount, 100);
  EXPECT_EQ(s.retrainingVectorCount, 5);  // the counter's own text: default
  EXPECT_EQ(s.shifterNeurons, 43);
  EXPECT_EQ(LastEvent().caption, "Segment Counter");
}

TEST_F(DialogTest, PresetsRewriteTextsFromTheSettingsAndSetTheBoxes) {
  struct Row {
    int selector;
    bool xt, yt, xs, ys, zr;
  };
  const Row rows[] = {
      {kShifterPreset, 1, 0, 0, 0, 0},     {kCharacterPreset, 1, 1, 0, 0, 0},
      {kImagePreset, 1, 1, 1, 1, 0},       {kImageRotationPreset, 1, 1, 1, 1, 1},
      {kTranslationRotationPreset, 1, 1, 0, 0, 1},
      {kNoSymmetryPreset, 0, 0, 0, 0, 0},  {kCounterPreset, 1, 0, 1, 0, 0},
  };
  WorkbenchState& s = wb_.state();
  for (const Row& row : rows) {
    s.texts = DialogTexts{};
    s.line2Start = 8, s.line3Start = 16, s.line4Start = 24, s.line5Start = 32;
    s.symmetryStart = 0, s.symmetryEnd = row.selector;
    s.symmetryXDim = 8, s.symmetryYDim = -1;
    RunSelector(row.selector);
    EXPECT_EQ(s.texts.line2, "8");
    EXPECT_EQ(s.texts.line5, "32");
    EXPECT_EQ(s.texts.symmetryStart, "0");
    EXPECT_EQ(s.texts.symmetryEnd, std::to_string(row.selector));
    EXPECT_EQ(s.texts.symmetryX, "8");
    EXPECT_EQ(s.texts.symmetryY, "-1");
    EXPECT_EQ(s.texts.xTranslation, row.xt) << row.selector;
    EXPECT_EQ(s.texts.yTranslation, row.yt) << row.selector;
    EXPECT_EQ(s.texts.xScaling, row.xs) << row.selector;
    EXPECT_EQ(s.texts.yScaling, row.ys) << row.selector;
    EXPECT_EQ(s.texts.zRotation, row.zr) << row.selector;
  }
  EXPECT_TRUE(shell_.events().empty());  // presets open no window
}

TEST_F(DialogTest, ResetPresetRestoresEngineFilesAndOpensTheOutput) {
  WorkbenchState& s = wb_.state();
  s.trainingFile = "big.trn";
  s.texts.output = "typed.dat";
  s.recognitionOutputFile = "big.dat";
  s.line3Start = 40;
  s.breakerStep = 20;
  s.symmetryStart = 3;
  s.symmetryKind = 13;
  s.texts.zRotation = true;
  WriteFile("example1.dat", "old report");
  RunSelector(kResetPreset);
  EXPECT_EQ(s.trainingFile, "example1.trn");
  EXPECT_EQ(s.recognitionOutputFile, "example1.dat");
  EXPECT_EQ(s.texts.output, "example1.dat");
  EXPECT_EQ(s.texts.training, "example1.trn");
  EXPECT_EQ(s.breakerStep, -1);
  EXPECT_EQ(s.line3Start, -1);
  EXPECT_EQ(s.symmetryStart, -2);
  EXPECT_EQ(s.symmetryKind, 0);
  EXPECT_EQ(s.texts.line3, "-1");
  EXPECT_EQ(s.texts.symmetryStart, "-2");
  EXPECT_FALSE(s.texts.zRotation);
  EXPECT_EQ(ReadFile("example1.dat"), "");  // reopened as the engine output
  ASSERT_EQ(shell_.events().size(), 1u);
  EXPECT_EQ(LastEvent(), (ShellEvent{Kind::kQuestion, 233, "Information",
                                     "New output file is ready!"}));
}

TEST_F(DialogTest, ResetPresetReopensTheEngineReportAndGoesOnWhenItFails) {
  // A directory where the report file should be cannot be opened for writing.
  std::filesystem::create_directory("example1.dat");
  wb_.state().recognitionOutputFile = "elsewhere.dat";
  wb_.state().symmetryKind = 31;
  RunSelector(kResetPreset);
  EXPECT_EQ(wb_.state().recognitionOutputFile, "example1.dat");
  EXPECT_FALSE(wb_.engine().reportFileOpen());
  EXPECT_TRUE(shell_.events().empty());
  EXPECT_EQ(wb_.state().symmetryKind, 0);
  EXPECT_TRUE(std::filesystem::is_directory("example1.dat"));
  EXPECT_FALSE(std::filesystem::exists("elsewhere.dat"));
}

TEST_F(DialogTest, UnknownSelectorDoesNothing) {
  const WorkbenchState before = wb_.state();
  for (int selector : {0, 363, 360, 412, 999}) RunSelector(selector);
  EXPECT_TRUE(shell_.events().empty());
  EXPECT_EQ(wb_.state().texts.line2, before.texts.line2);
}

}  // namespace
}  // namespace foresta
