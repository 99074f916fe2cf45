#include <gtest/gtest.h>

#include "examples/airplane_generator.h"
#include "examples/character_generator.h"
#include "examples/example_file.h"
#include "examples/pattern_file.h"
#include "examples/stroke_generator.h"
#include "state/random_stream.h"
#include "state/workbench_state.h"

namespace foresta {
namespace {

using testing::ReadPatternFile;

class ImageExamplesTest : public ::testing::Test {
 protected:
  testing::ScopedTempDir dir_;
  WorkbenchState state_;
  RandomStream random_;
};

int Ones(const std::string& s) {
  return static_cast<int>(std::count(s.begin(), s.end(), '1'));
}

TEST_F(ImageExamplesTest, CharacterSetsHaveTheirCountsAndOneClassEach) {
  struct Case {
    int (*writer)(const WorkbenchState&);
    const std::string* file;
    int header;
    int vectors;
    bool classFirst;
    bool known;
  };
  const Case cases[] = {
      {WriteCharacters5x7Training, &state_.trainingFile, 1, 54, true, true},
      {WriteCharacters5x7Retraining, &state_.retrainingFile, 1, 3, true, true},
      {WriteCharacters5x7Recognition, &state_.recognitionFile, 0, 10, true, false},
      {WriteCharacters8x8Training, &state_.trainingFile, 1, 59, false, true},
      {WriteCharacters8x8Retraining, &state_.retrainingFile, 1, 3, false, true},
      {WriteCharacters8x8Recognition, &state_.recognitionFile, 0, 13, false, false},
  };
  for (const Case& c : cases) {
    ASSERT_EQ(c.writer(state_), kExampleWritten);
    auto file = ReadPatternFile(*c.file, c.header);
    const int n = c.classFirst ? 46 : 74;
    if (c.header) {
      EXPECT_EQ(file.header[0], n);
    }
    auto vectors = file.Vectors(n);
    ASSERT_EQ(vectors.size(), static_cast<std::size_t>(c.vectors)) << *c.file;
    EXPECT_EQ(file.characters.size() % n, 0u);
    for (const std::string& v : vectors) {
      const std::string cls = c.classFirst ? v.substr(0, 11) : v.substr(64);
      const std::string pixels = c.classFirst ? v.substr(11) : v.substr(0, 64);
      if (c.known) {
        EXPECT_EQ(Ones(cls), 1) << v;
      } else {
        EXPECT_EQ(cls, std::string(cls.size(), 'x'));
      }
      EXPECT_GE(Ones(pixels), 8) << v;
    }
  }
}

TEST_F(ImageExamplesTest, GlyphsAreDistinct) {
  for (int a = 0; a < 11; ++a)
    for (int b = a + 1; b < 11; ++b) EXPECT_NE(SmallGlyph(a), SmallGlyph(b));
}

TEST_F(ImageExamplesTest, StrokeSubsetsAreEnumeratedInCodeOrder) {
  ASSERT_EQ(WriteStrokeTraining(state_, random_, StrokeSet::k19x19Classes1023),
            kExampleWritten);
  auto file = ReadPatternFile(state_.trainingFile, 1);
  ASSERT_EQ(file.header[0], 1387);
  auto vectors = file.Vectors(1387);
  ASSERT_EQ(vectors.size(), 1023u);
  for (int code = 1; code <= 1023; code += 97) {
    const std::string& v = vectors[code - 1];
    EXPECT_EQ(v.find('1'), static_cast<std::size_t>(code));
    EXPECT_EQ(Ones(v.substr(0, 1026)), 1);
    EXPECT_EQ(v.substr(1026), StrokeImage(StrokeSet::k19x19Classes1023, code));
  }
  // Every stroke has nine pixels and the strokes differ.
  for (int i = 0; i < 12; ++i) {
    const std::string s = StrokeImage(StrokeSet::k19x19Classes4095, 1 << i);
    EXPECT_EQ(Ones(s), 9) << i;
    for (int j = 0; j < i; ++j)
      EXPECT_NE(s, StrokeImage(StrokeSet::k19x19Classes4095, 1 << j));
  }
  const std::string text = testing::ReadFile(state_.trainingFile);
  EXPECT_NE(text.find("line 2 starts at 19"), std::string::npos);
  EXPECT_NE(text.find("Symmetry ends at 1386"), std::string::npos);
}

TEST_F(ImageExamplesTest, StrokeRecognitionHidesClassesAndAddsNoise) {
  for (StrokeSet set : {StrokeSet::k19x19Classes1023, StrokeSet::k32x32Classes127,
                        StrokeSet::k32x32Retrieval}) {
    ASSERT_EQ(WriteStrokeRecognition(state_, random_, set), kExampleWritten);
    const int n = StrokeNeuronCount(set);
    auto file = ReadPatternFile(state_.recognitionFile, 0);
    EXPECT_EQ(file.characters.size() % n, 0u);
    const std::size_t classes = static_cast<std::size_t>(n) - (n > 1100 && n < 1200 ? 1024 : n == 1024 ? 1024 : 361);
    for (const std::string& v : file.Vectors(n)) {
      EXPECT_EQ(v.substr(0, classes), std::string(classes, 'x'));
      EXPECT_EQ(v.find('x', classes), std::string::npos);
    }
  }
  EXPECT_EQ(StrokeNeuronCount(StrokeSet::k19x19Classes4095), 4465);
  EXPECT_EQ(StrokeNeuronCount(StrokeSet::k32x32Classes127), 1152);
  EXPECT_EQ(StrokeNeuronCount(StrokeSet::k32x32Retrieval), 1024);
}

TEST_F(ImageExamplesTest, RetrievalFilesHoldDrawnPictures) {
  ASSERT_EQ(WriteStrokeTraining(state_, random_, StrokeSet::k32x32Retrieval),
            kExampleWritten);
  auto file = ReadPatternFile(state_.trainingFile, 1);
  EXPECT_EQ(file.header[0], 1024);
  const auto vectors = file.Vectors(1024);
  EXPECT_GT(vectors.size(), 40u);
  EXPECT_LT(vectors.size(), 200u);
}

TEST_F(ImageExamplesTest, AirplanesAreDistinctAndTransformed) {
  for (int k = 0; k < kAirplaneKinds; ++k) {
    const std::string full = AirplaneImage(k, 1.0, 0);
    const std::string small = AirplaneImage(k, 0.6, 0);
    EXPECT_GT(Ones(full), 150) << k;
    EXPECT_LT(Ones(small), Ones(full));
    const std::string turned = AirplaneImage(k, 1.0, 1);
    EXPECT_NE(turned, full);
    EXPECT_NEAR(Ones(turned), Ones(full), Ones(full) / 10);
    EXPECT_EQ(AirplaneImage(k, 1.0, 4), full);
    for (int j = 0; j < k; ++j) EXPECT_NE(full, AirplaneImage(j, 1.0, 0));
  }
  ASSERT_EQ(WriteAirplaneTraining(state_, AirplaneView::kRotationAndScaling),
            kExampleWritten);
  auto training = ReadPatternFile(state_.trainingFile, 1);
  EXPECT_EQ(training.header[0], 1640);
  EXPECT_EQ(training.Vectors(1640).size(), 8u);
  ASSERT_EQ(WriteAirplaneRecognition(state_, AirplaneView::kRotation),
            kExampleWritten);
  auto rec = ReadPatternFile(state_.recognitionFile, 0);
  for (const std::string& v : rec.Vectors(1640))
    EXPECT_EQ(v.find_last_of('x'), 39u);
}

}  // namespace
}  // namespace foresta
