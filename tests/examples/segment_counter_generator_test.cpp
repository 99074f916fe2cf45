#include "examples/segment_counter_generator.h"

#include <gtest/gtest.h>

#include "examples/example_file.h"
#include "examples/pattern_file.h"
#include "state/random_stream.h"
#include "state/workbench_state.h"

namespace foresta {
namespace {

using testing::ReadPatternFile;

int RunsOfOnes(const std::string& pixels) {
  int runs = 0;
  for (std::size_t i = 0; i < pixels.size(); ++i)
    if (pixels[i] == '1' && (i == 0 || pixels[i - 1] != '1')) ++runs;
  return runs;
}

class CounterTest : public ::testing::Test {
 protected:
  testing::ScopedTempDir dir_;
  WorkbenchState state_;
  RandomStream random_;
};

TEST_F(CounterTest, ClassIsTheNumberOfSegments) {
  ASSERT_EQ(WriteCounterTraining(state_, random_), kExampleWritten);
  EXPECT_EQ(state_.line2Start, 40);
  EXPECT_EQ(state_.breakerStep, 40);
  auto file = ReadPatternFile(state_.trainingFile, 1);
  ASSERT_EQ(file.header[0], 160);
  auto vectors = file.Vectors(160);
  ASSERT_EQ(vectors.size(), 250u);
  int first = 0, last = 0;
  for (std::size_t n = 0; n < vectors.size(); ++n) {
    const std::string& v = vectors[n];
    const std::string cls = v.substr(0, 40);
    ASSERT_EQ(std::count(cls.begin(), cls.end(), '1'), 1) << v;
    const int runs = RunsOfOnes(v.substr(40));
    EXPECT_EQ(static_cast<int>(cls.find('1')), std::min(runs, 39)) << v;
    // Every segment starts after a gap of at least five pixels.
    EXPECT_EQ(v.substr(40, 5), "00000");
    if (n < 25) first += runs;
    if (n >= 225) last += runs;
  }
  // The segments shrink over the file, so the last vectors hold more.
  EXPECT_GT(last, first);
}

TEST_F(CounterTest, ManySegmentsStopAtClass39) {
  state_.counterBits = 2000;
  state_.trainingVectorCount = 40;
  ASSERT_EQ(WriteCounterTraining(state_, random_), kExampleWritten);
  auto file = ReadPatternFile(state_.trainingFile, 1);
  bool capped = false;
  for (const std::string& v : file.Vectors(2040)) {
    const std::size_t cls = v.find('1');
    ASSERT_LE(cls, 39u);
    if (RunsOfOnes(v.substr(40)) > 39) {
      EXPECT_EQ(cls, 39u);
      capped = true;
    }
  }
  EXPECT_TRUE(capped);
}

TEST_F(CounterTest, RecognitionHidesTheClass) {
  ASSERT_EQ(WriteCounterRecognition(state_, random_), kExampleWritten);
  EXPECT_EQ(state_.line2Start, 40);
  EXPECT_EQ(state_.breakerStep, 40);
  auto file = ReadPatternFile(state_.recognitionFile, 0);
  auto vectors = file.Vectors(160);
  ASSERT_EQ(vectors.size(), 50u);
  for (const std::string& v : vectors) {
    EXPECT_EQ(v.substr(0, 40), std::string(40, 'x'));
    EXPECT_EQ(v.find('x', 40), std::string::npos);
  }
  ASSERT_EQ(WriteCounterRetraining(state_, random_), kExampleWritten);
  file = ReadPatternFile(state_.retrainingFile, 1);
  EXPECT_EQ(file.Vectors(160).size(), 5u);
}

TEST_F(CounterTest, RefusesBitsThatBreakTheVector) {
  for (int bits : {4, 0, -3, 99960}) {
    state_.counterBits = bits;
    EXPECT_EQ(WriteCounterTraining(state_, random_), kExampleSettingsOutOfRange)
        << bits;
  }
  state_.counterBits = 5;
  state_.trainingVectorCount = 3;
  EXPECT_EQ(WriteCounterTraining(state_, random_), kExampleWritten);
}

}  // namespace
}  // namespace foresta
