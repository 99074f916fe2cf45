#include <gtest/gtest.h>

#include "examples/example_file.h"
#include "examples/pattern_file.h"
#include "examples/sequence_generators.h"
#include "examples/xor_generator.h"
#include "state/random_stream.h"
#include "state/workbench_state.h"

namespace foresta {
namespace {

using testing::ReadPatternFile;

class ExampleFilesTest : public ::testing::Test {
 protected:
  testing::ScopedTempDir dir_;
  WorkbenchState state_;
  RandomStream random_;
};

int PairValue(const std::string& pair) { return pair == "10" ? 1 : 0; }

TEST_F(ExampleFilesTest, XorPatternsAreParityAndRecognitionMatchesThem) {
  for (int inputs : {2, 3}) {
    const int n = XorNeuronCount(inputs);
    ASSERT_GE(n, 20);
    ASSERT_EQ(WriteXorTraining(state_, inputs), kExampleWritten);
    auto training = ReadPatternFile(state_.trainingFile, 1);
    EXPECT_EQ(training.header[0], n);
    auto patterns = training.Vectors(n);
    ASSERT_EQ(patterns.size(), 1u << inputs);
    for (const std::string& p : patterns) {
      int parity = 0;
      for (int i = 0; i < inputs; ++i)
        parity ^= PairValue(p.substr(kXorLeadNeurons + 2 * i, 2));
      EXPECT_EQ(PairValue(p.substr(kXorLeadNeurons + 2 * inputs, 2)), parity) << p;
      for (int i = kXorLeadNeurons; i < n; i += 2)
        EXPECT_NE(p[i], p[i + 1]) << p;
    }
    ASSERT_EQ(WriteXorRecognition(state_, inputs), kExampleWritten);
    auto recognition = ReadPatternFile(state_.recognitionFile, 0);
    auto vectors = recognition.Vectors(n);
    ASSERT_EQ(vectors.size(), 2u * (1u << inputs) * (inputs + 1));
    for (const std::string& v : vectors) {
      // One pair unknown, and exactly one training pattern completes it.
      const std::size_t x = v.find('x');
      ASSERT_NE(x, std::string::npos);
      EXPECT_EQ(v.substr(x, 2), "xx");
      EXPECT_EQ(std::count(v.begin(), v.end(), 'x'), 2);
      int matches = 0;
      for (const std::string& p : patterns) {
        bool agree = true;
        for (int i = 0; i < n; ++i)
          if (v[i] != 'x' && v[i] != p[i]) agree = false;
        matches += agree;
      }
      EXPECT_EQ(matches, 1) << v;
    }
    ASSERT_EQ(WriteXorRetraining(state_, inputs), kExampleWritten);
    auto retraining = ReadPatternFile(state_.retrainingFile, 1);
    EXPECT_EQ(retraining.header[0], n);
    EXPECT_EQ(retraining.characters, std::string(n, '0'));
  }
  EXPECT_EQ(WriteXorTraining(state_, 4), kExampleSettingsOutOfRange);
}

TEST_F(ExampleFilesTest, DynamicSystemFollowsItsRule) {
  auto states = DynamicSystemStates(70);
  ASSERT_EQ(states.size(), 70u);
  EXPECT_EQ(states[0], (std::array<int, 3>{1, 0, 0}));
  EXPECT_EQ(states[1], (std::array<int, 3>{1, 1, 0}));
  EXPECT_EQ(states[2], (std::array<int, 3>{2, 1, 1}));
  ASSERT_EQ(WriteDynamicSystemTraining(state_), kExampleWritten);
  auto training = ReadPatternFile(state_.trainingFile, 1);
  EXPECT_EQ(training.header[0], 210);
  auto vectors = training.Vectors(210);
  ASSERT_EQ(vectors.size(), 60u);
  std::string expected;
  for (int i = 59; i < 69; ++i)
    for (int v : states[i]) expected += ValueCode(v);
  EXPECT_EQ(vectors.back(), expected);

  ASSERT_EQ(WriteDynamicSystemDistribution(state_), kExampleWritten);
  auto usd = ReadPatternFile(state_.userDistributionFile, 2);
  EXPECT_EQ(usd.header, (std::vector<long long>{21, 343}));
  EXPECT_EQ(usd.characters.size(), 21u * 343u);
  EXPECT_EQ(usd.characters.substr(21, 21), "100000010000000000001");  // 0 0 1

  ASSERT_EQ(WriteDynamicSystemRecognition(state_), kExampleWritten);
  auto rec = ReadPatternFile(state_.recognitionFile, 0);
  for (const std::string& v : rec.Vectors(210))
    EXPECT_EQ(v.substr(189), std::string(21, 'x'));
}

TEST_F(ExampleFilesTest, ValueCodeIsUnary) {
  EXPECT_EQ(ValueCode(0), "1000000");
  EXPECT_EQ(ValueCode(1), "0000001");
  EXPECT_EQ(ValueCode(4), "0001111");
  EXPECT_EQ(ValueCode(6), "0111111");
}

TEST_F(ExampleFilesTest, MarkovChainTakesTwoDrawsPerStepAfterTheSecond) {
  RandomStream a;
  auto states = MarkovStates(a, 20000);
  RandomStream b;
  for (int i = 0; i < 2 * 19998; ++i) b.Next();
  EXPECT_EQ(a.state(), b.state());
  EXPECT_EQ(states[1], (std::array<int, 5>{1, 1, 0, 1, 0}));
  for (std::size_t n = 1; n < states.size(); ++n) {
    const auto& p = states[n - 1];
    const auto& s = states[n];
    ASSERT_EQ(s[0], (p[0] + p[1] + p[2]) % 7);
    ASSERT_EQ(s[1], p[0]);
    ASSERT_TRUE(s[2] == p[1] % 5 || s[2] == (p[1] + 1) % 5);
    ASSERT_TRUE(s[3] == (p[3] + 1) % 5 || s[3] == (p[3] + 2) % 5);
    ASSERT_EQ(s[4], p[3] % 3);
  }
}

TEST_F(ExampleFilesTest, MarkovFilesHaveTheirShapes) {
  ASSERT_EQ(WriteMarkovTraining(state_, random_), kExampleWritten);
  EXPECT_EQ(state_.line2Start, 35);
  EXPECT_EQ(state_.line5Start, 140);
  EXPECT_EQ(state_.breakerStep, 35);
  EXPECT_EQ(state_.symmetryStart, -1);
  EXPECT_EQ(state_.symmetryYDim, -1);
  auto training = ReadPatternFile(state_.trainingFile, 1);
  EXPECT_EQ(training.header[0], 175);
  EXPECT_EQ(training.characters.size(), 19995u * 175u);
  const std::string text = testing::ReadFile(state_.trainingFile);
  EXPECT_LT(text.size(), 5'000'000u);
  EXPECT_NE(text.find("\n 19999:"), std::string::npos);

  ASSERT_EQ(WriteMarkovDistribution(state_), kExampleWritten);
  auto usd = ReadPatternFile(state_.userDistributionFile, 2);
  EXPECT_EQ(usd.header, (std::vector<long long>{35, 3675}));
  EXPECT_EQ(usd.characters.size(), 35u * 3675u);

  const std::uint32_t before = random_.state();
  ASSERT_EQ(WriteMarkovRecognition(state_), kExampleWritten);
  EXPECT_EQ(random_.state(), before);
  auto rec = ReadPatternFile(state_.recognitionFile, 0);
  auto vectors = rec.Vectors(175);
  ASSERT_EQ(vectors.size(), 5u);
  for (const std::string& v : vectors)
    EXPECT_EQ(v.find('x'), 140u);
}

}  // namespace
}  // namespace foresta
