#include <gtest/gtest.h>

#include "state/message_texts.h"
#include "state/state_fields.h"
#include "state/workbench_state.h"

namespace foresta {
namespace {

std::string Info(int code) { return std::string(InformationText(code).value()); }

TEST(MessageTextsTest, SharedAndDistinctTexts) {
  EXPECT_EQ(Info(41), Info(44));
  EXPECT_EQ(Info(42), Info(45));
  EXPECT_EQ(Info(150), Info(160));
  EXPECT_EQ(Info(134), " User Distribution File: Number of Neurons is out of Range ");
  EXPECT_EQ(Info(135),
            " User Distribution File: Number of patterns is out of Range ( <65,000) ");
  EXPECT_EQ(Info(567), "Please click \"Data\\Link\"\n and select File or Directory input! ");
  EXPECT_FALSE(InformationText(105).has_value());
  EXPECT_FALSE(InformationText(5000).has_value());

  WorkbenchState state;
  auto question = QuestionText(233, state);
  ASSERT_TRUE(question);
  EXPECT_EQ(question->text, "New output file is ready!");
  EXPECT_NE(question->text, Info(233));
  EXPECT_EQ(QuestionText(344, state)->caption, " Recognition");
  EXPECT_FALSE(QuestionText(150, state).has_value());
}

TEST(MessageTextsTest, ComposedTextsRepeatWhatWasTyped) {
  WorkbenchState state;
  EXPECT_EQ(QuestionText(330, state)->text,
            "example1.trn \nexample1.rtn \nexample1.rec \nexample1.dat\nexample1.usd\n");
  EXPECT_EQ(QuestionText(330, state)->caption, "Data File Names");

  state.texts.line2 = "10";
  state.texts.line3 = "20";
  state.texts.line4 = "30";
  state.texts.line5 = "0040";
  EXPECT_EQ(QuestionText(360, state)->text,
            "Line Breaker: \n Line 2 starts at: 10\nLine 3 starts at: 20\n"
            "Line 4 Starts at: 30\nLine 5 Starts at: 0040\n");

  state.texts.shifterBits = "0012";
  EXPECT_EQ(QuestionText(386, state)->text,
            "0012- bit shifter: \n Number of training vector: 250\n"
            "Number of retraining vector:5\nNumber of patterns to be recognized:50\n");
  EXPECT_EQ(QuestionText(535, state)->text,
            "120- bit Counter:  120 + 40 Neurons.\nNumber of training vector: 250\n"
            "Number of retraining vector:5\nNumber of patterns to be recognized:50\n");
  EXPECT_EQ(QuestionText(535, state)->caption, "Segment Counter");

  state.linkSummary = "summary";
  EXPECT_EQ(QuestionText(551, state)->text, "summary");
  EXPECT_EQ(QuestionText(551, state)->caption, "Predict Data File/Data Range");
}

TEST(MessageTextsTest, LongComposedTextsAreNeverCut) {
  WorkbenchState state;
  std::string name(249, 'a');
  state.texts.training = state.texts.retraining = state.texts.recognition =
      state.texts.output = state.texts.distribution = name;
  EXPECT_EQ(QuestionText(330, state)->text.size(), 5 * 249 + 3 * 2 + 2);
}

TEST(WorkbenchStateTest, DefaultTextForms) {
  WorkbenchState state;
  EXPECT_EQ(state.texts.linkPrecision, "10");
  EXPECT_EQ(state.texts.linkTrend, "5");
  EXPECT_EQ(state.texts.line4, "-1");
  EXPECT_EQ(state.texts.symmetryY, "-2");
  EXPECT_EQ(state.texts.counterBits, "120");
  EXPECT_EQ(state.texts.training, "example1.trn");
  EXPECT_EQ(state.texts.linkInput, "example2a.txt");
  EXPECT_EQ(state.shifterNeurons, 2 * state.shifterBits + 3);
}

TEST(WorkbenchStateTest, DialogNumbersReadLikeTheDialogsDo) {
  EXPECT_EQ(ParseDialogInteger("  42abc"), 42);
  EXPECT_EQ(ParseDialogInteger("-7"), -7);
  EXPECT_EQ(ParseDialogInteger("+0012"), 12);
  EXPECT_EQ(ParseDialogInteger("abc"), 0);
  EXPECT_EQ(ParseDialogInteger(""), 0);
  EXPECT_EQ(ParseDialogInteger("99999999999999"), 2147483647);
  EXPECT_EQ(ParseDialogInteger("-99999999999999"), -2147483647 - 1);
}

TEST(StateFieldsTest, NumericFieldsRewriteTheirTextForms) {
  WorkbenchState state;
  EXPECT_EQ(SetStateField(state, "precision", "7"), "");
  EXPECT_EQ(state.precision, 7);
  EXPECT_EQ(state.texts.linkPrecision, "7");
  // The shifter and the segment counter share the vector counts.
  EXPECT_EQ(SetStateField(state, "trainingVectorCount", "100"), "");
  EXPECT_EQ(state.texts.shifterTraining, "100");
  EXPECT_EQ(state.texts.counterTraining, "100");
  EXPECT_EQ(SetStateField(state, "inputMode", "Directory"), "");
  EXPECT_EQ(state.inputMode, InputMode::kDirectory);

  EXPECT_NE(SetStateField(state, "precision", "7x"), "");
  EXPECT_NE(SetStateField(state, "inputMode", "Tape"), "");
  EXPECT_NE(SetStateField(state, "colour", "1"), "");
  EXPECT_NE(SetStateField(state, "trainingFile", std::string(250, 'a')), "");
  EXPECT_EQ(state.precision, 7);
}

TEST(StateFieldsTest, DialogTexts) {
  WorkbenchState state;
  EXPECT_EQ(SetDialogText(state, "symmetry.x", "0010"), "");
  EXPECT_EQ(state.texts.symmetryX, "0010");
  EXPECT_EQ(state.symmetryXDim, -2);  // integers change only on OK
  EXPECT_EQ(SetDialogText(state, "symmetry.zRotation", "1"), "");
  EXPECT_TRUE(state.texts.zRotation);
  EXPECT_EQ(SetDialogText(state, "link.mode", "Directory"), "");
  EXPECT_EQ(state.texts.linkMode, InputMode::kDirectory);
  EXPECT_NE(SetDialogText(state, "symmetry.zRotation", "yes"), "");
  EXPECT_NE(SetDialogText(state, "link.mode", "Batch"), "");
  EXPECT_NE(SetDialogText(state, "nope", "1"), "");
}

}  // namespace
}  // namespace foresta
