#include "examples/shifter_generator.h"

#include <gtest/gtest.h>

#include "examples/example_file.h"
#include "examples/pattern_file.h"
#include "state/random_stream.h"
#include "state/workbench_state.h"

namespace foresta {
namespace {

using testing::ReadPatternFile;

// Checks a complete shifter vector: one class neuron per group, and every
// output block the input moved as its group says.
void ExpectConsistent(const std::string& v, int bits, int groups) {
  ASSERT_EQ(v.size(), static_cast<std::size_t>(ShifterNeuronCount(bits, groups)));
  const std::string input = v.substr(3 * groups, bits);
  for (int g = 0; g < groups; ++g) {
    const std::string cls = v.substr(3 * g, 3);
    ASSERT_EQ(std::count(cls.begin(), cls.end(), '1'), 1) << v;
    std::string expected = input;
    if (cls == "100") expected = input.substr(1) + input[0];          // left
    else if (cls == "001") expected = input.back() + input.substr(0, bits - 1);  // right
    EXPECT_EQ(v.substr(3 * groups + bits * (g + 1), bits), expected)
        << "group " << g << " class " << cls;
  }
}

class ShifterTest : public ::testing::Test {
 protected:
  testing::ScopedTempDir dir_;
  WorkbenchState state_;
  RandomStream random_;
};

TEST_F(ShifterTest, DefaultTrainingFileHoldsRotatedCopies) {
  ASSERT_EQ(WriteShifterTraining(state_, random_, 1), kExampleWritten);
  auto file = ReadPatternFile(state_.trainingFile, 1);
  ASSERT_TRUE(file.commentClosed);
  EXPECT_EQ(file.header[0], 33);
  EXPECT_EQ(file.characters.size(), 250u * 33u);
  int kinds[3] = {0, 0, 0};
  for (const std::string& v : file.Vectors(33)) {
    ExpectConsistent(v, 15, 1);
    ++kinds[v.find('1')];
  }
  // All three transformations occur.
  EXPECT_GT(kinds[0], 0);
  EXPECT_GT(kinds[1], 0);
  EXPECT_GT(kinds[2], 0);
  EXPECT_EQ(state_.line2Start, 3);
  EXPECT_EQ(state_.line3Start, 18);
}

TEST_F(ShifterTest, TheStreamContinuesBetweenFiles) {
  ASSERT_EQ(WriteShifterTraining(state_, random_, 1), kExampleWritten);
  const std::string first = testing::ReadFile(state_.trainingFile);
  ASSERT_EQ(WriteShifterTraining(state_, random_, 1), kExampleWritten);
  EXPECT_NE(testing::ReadFile(state_.trainingFile), first);

  // A fresh stream repeats the first file byte for byte.
  RandomStream fresh;
  ASSERT_EQ(WriteShifterTraining(state_, fresh, 1), kExampleWritten);
  EXPECT_EQ(testing::ReadFile(state_.trainingFile), first);
}

TEST_F(ShifterTest, EveryGroupCountWritesConsistentVectors) {
  state_.shifterBits = 7;
  for (int groups = 1; groups <= 4; ++groups) {
    ASSERT_EQ(WriteShifterRetraining(state_, random_, groups), kExampleWritten);
    auto file = ReadPatternFile(state_.retrainingFile, 1);
    const int n = ShifterNeuronCount(7, groups);
    EXPECT_EQ(file.header[0], n);
    ASSERT_EQ(file.characters.size(), 5u * n) << groups;
    for (const std::string& v : file.Vectors(n)) ExpectConsistent(v, 7, groups);
  }
}

TEST_F(ShifterTest, RecognitionKindsHideTheRightNeurons) {
  for (int groups = 1; groups <= 4; ++groups) {
    const int n = ShifterNeuronCount(15, groups);
    ASSERT_EQ(WriteShifterRecognition(state_, random_, groups,
                                      ShifterRecognitionKind::kOneNeuronOneClass),
              kExampleWritten);
    auto file = ReadPatternFile(state_.recognitionFile, 0);
    ASSERT_EQ(file.characters.size(), 50u * n);
    for (const std::string& v : file.Vectors(n)) {
      EXPECT_EQ(v.substr(0, 3 * groups), std::string(3 * groups, 'x'));
      EXPECT_EQ(std::count(v.begin(), v.end(), 'x'), 3 * groups);
    }
    ASSERT_EQ(WriteShifterRecognition(state_, random_, groups,
                                      ShifterRecognitionKind::kEnumerative),
              kExampleWritten);
    file = ReadPatternFile(state_.recognitionFile, 0);
    const std::size_t run = groups == 1 ? 3 + 15 : 3 * groups;
    for (const std::string& v : file.Vectors(n)) {
      EXPECT_EQ(v.find('x'), run) << groups;
      EXPECT_EQ(v.substr(run, 10), std::string(10, 'x'));
      EXPECT_EQ(std::count(v.begin(), v.end(), 'x'), 10);
    }
  }
}

TEST_F(ShifterTest, ShortInputHidesOnlyWhatExists) {
  state_.shifterBits = 4;
  ASSERT_EQ(WriteShifterRecognition(state_, random_, 1,
                                    ShifterRecognitionKind::kEnumerative),
            kExampleWritten);
  auto file = ReadPatternFile(state_.recognitionFile, 0);
  for (const std::string& v : file.Vectors(11))
    EXPECT_EQ(v.substr(7), "xxxx");
}

TEST_F(ShifterTest, DistributionListsEveryConfigurationFirstGroupSlowest) {
  for (int groups = 2; groups <= 4; ++groups) {
    ASSERT_EQ(WriteShifterDistribution(state_, groups), kExampleWritten);
    const std::string text = testing::ReadFile(state_.userDistributionFile);
    EXPECT_EQ(text.find("*\n\nUser Distribution Data File \n"), 0u);
    EXPECT_NE(text.find("\n" + std::string(41, ' ') + "\nExplanation:"),
              std::string::npos);
    EXPECT_NE(text.find("Example: " + std::to_string(groups) + "N1C Shifter"),
              std::string::npos);
    auto file = ReadPatternFile(state_.userDistributionFile, 2);
    int rows = groups == 2 ? 9 : groups == 3 ? 27 : 81;
    EXPECT_EQ(file.header[0], 3 * groups);
    EXPECT_EQ(file.header[1], rows);
    auto vectors = file.Vectors(3 * groups);
    ASSERT_EQ(vectors.size(), static_cast<std::size_t>(rows));
    std::sort(vectors.begin(), vectors.end(), std::greater<>());
    EXPECT_EQ(std::unique(vectors.begin(), vectors.end()), vectors.end());
    EXPECT_EQ(file.Vectors(3 * groups), vectors) << "not in counting order";
  }
  ASSERT_EQ(WriteShifterDistribution(state_, 2), kExampleWritten);
  auto file = ReadPatternFile(state_.userDistributionFile, 2);
  EXPECT_EQ(file.characters.substr(0, 24), "100100100010100001010100");
}

TEST_F(ShifterTest, OutOfRangeSettingsWriteNothing) {
  testing::WriteFile(state_.trainingFile, "keep");
  state_.shifterBits = 19998;  // 5N + 12 would reach 100,002 neurons
  EXPECT_EQ(WriteShifterTraining(state_, random_, 4), kExampleSettingsOutOfRange);
  state_.shifterBits = 0;
  EXPECT_EQ(WriteShifterTraining(state_, random_, 1), kExampleSettingsOutOfRange);
  state_.shifterBits = 15;
  state_.trainingVectorCount = -1;
  EXPECT_EQ(WriteShifterTraining(state_, random_, 1), kExampleSettingsOutOfRange);
  EXPECT_EQ(testing::ReadFile(state_.trainingFile), "keep");
  EXPECT_EQ(random_.state(), 1u);

  state_.trainingVectorCount = 1;
  state_.shifterBits = 19997;
  ASSERT_EQ(WriteShifterTraining(state_, random_, 4), kExampleWritten);
  auto file = ReadPatternFile(state_.trainingFile, 1);
  EXPECT_EQ(file.header[0], 99997);
  EXPECT_EQ(file.characters.size(), 99997u);
}

TEST_F(ShifterTest, UnwritableFileReportsOne) {
  state_.trainingFile = "no-such-dir/t.trn";
  EXPECT_EQ(WriteShifterTraining(state_, random_, 1), kExampleCannotCreate);
}

}  // namespace
}  // namespace foresta
