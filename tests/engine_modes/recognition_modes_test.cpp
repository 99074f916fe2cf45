#include "engine/recognition_modes.h"

#include <functional>
#include <random>
#include <string>

#include "engine/engine.h"
#include "engine/test_files.h"
#include "state/random_stream.h"

namespace foresta {
namespace {

constexpr char kHeader[] = "\n ---------------------------- \n";
constexpr char kTieLines[] =
    " Patterns found with equal weight \n More training for this pattern is suggested\n\n";

// Three patterns of 20 neurons: {0, 1}, {0, 10}, {0, 11}. With N = 20 a
// pattern weighs 16, 8, 4, 2, 1 for d = 0 .. 4.
const std::string kTraining =
    "* three *\n20\n"
    "11000000000000000000\n"
    "10000000001000000000\n"
    "10000000000100000000\n";

// The recognition vector 1000000000 xxxx 000000: one 1-bit outside.
std::string Filled(const std::string& section) { return "1000000000" + section + "000000"; }

class ModesTest : public TempDirTest {
 protected:
  void Train(const std::string& text, const SymmetrySettings& symmetry = {}) {
    ASSERT_EQ(engine_.TrainNetwork(Write("t.trn", text), symmetry), kTrainOk);
  }
  // Runs one mode on the recognition vectors `vectors` and returns the report.
  std::string Report(const std::string& vectors,
                     const std::function<int(RecognitionModes&, const RecognitionSettings&)>& mode,
                     ScoringMethod method = ScoringMethod::kBitParallel) {
    settings_.recognitionFile = Write("t.rec", "* rec *\n" + vectors);
    EXPECT_TRUE(engine_.OpenReportFile(Path("t.dat")));
    RecognitionModes modes(engine_.store(), engine_.NeuronCount(), engine_.reportFile(), method);
    result_ = mode(modes, settings_);
    engine_.reportFile()->Close();
    return Read("t.dat");
  }

  Engine engine_;
  RecognitionSettings settings_;
  int result_ = -1;
};

TEST_F(ModesTest, SingleNeuronListingAndResult) {
  Train(kTraining);
  const std::string listed = Report("1000000000xxxx000000", [](auto& m, auto& s) {
    return m.RecognizeSingleNeuron(s, true);
  });
  EXPECT_EQ(result_, kRecognitionOk);
  EXPECT_EQ(listed, std::string(kHeader) + "1000000000xxxx000000\n" +
                        Filled("1000") + "\t16  *\n\n" + Filled("0100") + "\t16  *\n\n" +
                        Filled("1000") + "  16  2\n\n There are 2" + kTieLines + "\n");
  const std::string best = Report("1000000000xxxx000000", [](auto& m, auto& s) {
    return m.RecognizeSingleNeuron(s, false);
  });
  EXPECT_EQ(best, std::string(kHeader) + "1000000000xxxx000000\n" + Filled("1000") +
                      "  16  2\n\n There are 2" + kTieLines + "\n");
}

TEST_F(ModesTest, SingleNeuronListingMarksTheFirstListedPosition) {
  // {0, 12} weighs 16 at section position 2; {0, 1, 13} lacks nothing but
  // has one more bit than the vector can spare, so it is skipped; {0, 11}
  // and a second {0, 11} give position 1 twice 16.
  Train("*c* 20 10000000000010000000 10000000000100000000 10000000000100000000"
        " 11000000000001000000");
  const std::string listed = Report("1000000000xxxx000000", [](auto& m, auto& s) {
    return m.RecognizeSingleNeuron(s, true);
  });
  EXPECT_EQ(listed, std::string(kHeader) + "1000000000xxxx000000\n" + Filled("0100") +
                        "\t32  *\n\n" + Filled("0010") + "\t16\n\n" + Filled("0100") +
                        "  32  1\n\n\n");
}

TEST_F(ModesTest, GeneralModeBestAndListing) {
  Train(kTraining);
  const std::string best = Report("1000000000xxxx000000", [](auto& m, auto& s) {
    return m.RecognizeGeneral(s, 1, false);
  });
  // Candidates 1, 2 and 3 all score 16 (3: two patterns at d = 1).
  EXPECT_EQ(best, std::string(kHeader) + "1000000000xxxx000000\n" + Filled("1000") +
                      "  16  3\n\n There are 3" + kTieLines);
  const std::string listed = Report("1000000000xxxx000000", [](auto& m, auto& s) {
    return m.RecognizeGeneral(s, 1, true);
  });
  // Order i = 1 .. 14, bit j of i at section position j.
  EXPECT_EQ(listed, std::string(kHeader) + "1000000000xxxx000000\n" +
                        Filled("1000") + "\t16  *\n\n" + Filled("0100") + "\t16  *\n\n" +
                        Filled("1100") + "\t16  *\n\n" + Filled("1010") + "\t8\n\n" +
                        Filled("0110") + "\t8\n\n" + Filled("1110") + "\t8\n\n" +
                        Filled("1001") + "\t8\n\n" + Filled("0101") + "\t8\n\n" +
                        Filled("1101") + "\t8\n\n" + Filled("1011") + "\t4\n\n" +
                        Filled("0111") + "\t4\n\n");
}

TEST_F(ModesTest, GeneralModeWithOnePositionTriesNothing) {
  Train(kTraining);
  const std::string best = Report("10000000001x00000000", [](auto& m, auto& s) {
    return m.RecognizeGeneral(s, 1, false);
  });
  EXPECT_EQ(best, std::string(kHeader) + "10000000001x00000000\n pattern can not be classified \n");
}

TEST_F(ModesTest, FixedOnesOrderEndingsAndShortSections) {
  Train(kTraining);
  const std::string two = Report("1000000000xxxx000000", [](auto& m, auto& s) {
    return m.RecognizeFixedOnes(s, 2, false);
  });
  EXPECT_EQ(two, std::string(kHeader) + "1000000000xxxx000000\n" + Filled("1100") + "  16  1\n\n\n");
  const std::string listed = Report("1000000000xxxx000000", [](auto& m, auto& s) {
    return m.RecognizeFixedOnes(s, 2, true);
  });
  // Order (1,0), (2,0), (2,1), (3,0), (3,1), (3,2).
  EXPECT_EQ(listed, std::string(kHeader) + "1000000000xxxx000000\n" + Filled("1100") +
                        "\t16  *\n\n" + Filled("1010") + "\t8\n\n" + Filled("0110") + "\t8\n\n" +
                        Filled("1001") + "\t8\n\n" + Filled("0101") + "\t8\n\n");
  // Three 1-bits: (2,1,0) = 8 first, then (3,1,0) = 8 ties; four: one candidate.
  const std::string three = Report("1000000000xxxx000000", [](auto& m, auto& s) {
    return m.RecognizeFixedOnes(s, 3, false);
  });
  EXPECT_EQ(three, std::string(kHeader) + "1000000000xxxx000000\n" + Filled("1110") +
                       "  8  2\n\n There are 2" + kTieLines + "\n");
  const std::string four = Report("1000000000xxxx000000", [](auto& m, auto& s) {
    return m.RecognizeFixedOnes(s, 4, false);
  });
  EXPECT_EQ(four, std::string(kHeader) + "1000000000xxxx000000\n" + Filled("1111") + "  4  1\n\n");
  // A section shorter than k gets no candidates and no result.
  const std::string skipped = Report("1000000000xxx0000000", [](auto& m, auto& s) {
    return m.RecognizeFixedOnes(s, 4, false);
  });
  EXPECT_EQ(skipped, std::string(kHeader) + "1000000000xxx0000000\n");
}

TEST_F(ModesTest, UpToModesCountOnesFromTheSectionLength) {
  Train(kTraining);
  // m = 9 and divisor 10: nothing is tried.
  const std::string none = Report("1000000000xxxxxxxxx0", [](auto& m, auto& s) {
    return m.RecognizeGeneral(s, 10, false);
  });
  EXPECT_EQ(none, std::string(kHeader) + "1000000000xxxxxxxxx0\n pattern can not be classified \n");
  // m = 4, divisor 2: two 1-bits, then one; the listing ends every candidate
  // with a line break.
  const std::string listed = Report("1000000000xxxx000000", [](auto& m, auto& s) {
    return m.RecognizeGeneral(s, 2, true);
  });
  EXPECT_EQ(listed, std::string(kHeader) + "1000000000xxxx000000\n" + Filled("1100") +
                        "\t16  *\n\n\n" + Filled("1010") + "\t8\n\n\n" + Filled("0110") +
                        "\t8\n\n\n" + Filled("1001") + "\t8\n\n\n" + Filled("0101") + "\t8\n\n\n" +
                        "\n" + Filled("1000") + "\t16  *\n\n\n" + Filled("0100") + "\t16  *\n\n\n" +
                        "\n\n");
}

TEST_F(ModesTest, ImageRetrievalListsPositiveScoresOnly) {
  Train(kTraining);
  const std::string report = Report(
      "10000000001000000000 11000000001100000000 1000000000x000000000 00000000000000000000",
      [](auto& m, auto& s) { return m.RetrieveImages(s); });
  EXPECT_EQ(report, std::string(kHeader) + "10000000001000000000\t16\n\n" +
                        "11000000001100000000\t12\n\n");
}

TEST_F(ModesTest, RunModeTriesSinglePositions) {
  Train(kTraining);
  const std::string report = Report("1000000000xxxx000000", [](auto& m, auto& s) {
    return m.RecognizeRun(s);
  });
  EXPECT_EQ(report, std::string(kHeader) + "1000000000xxxx000000\n" + Filled("1000") +
                        "  16  2\n\n There are 2" + kTieLines + "\n");
}

TEST_F(ModesTest, VectorsWithoutSectionGetTheirEchoOnly) {
  Train(kTraining);
  for (int mode = 0; mode < 3; ++mode) {
    const std::string report = Report("10000000001000000000", [mode](auto& m, auto& s) {
      RandomStream random;
      return mode == 0 ? m.RecognizeSingleNeuron(s, true)
             : mode == 1 ? m.RecognizeGeneral(s, 1, false)
                         : m.RecognizeLocalMinimum(s, 5, random);
    });
    EXPECT_EQ(report, std::string(kHeader) + "10000000001000000000\n");
  }
}

TEST_F(ModesTest, LineBreakersShapeEchoAndResults) {
  Train(kTraining);
  settings_.breakers.breakerStep = 10;
  settings_.breakers.line2Start = 10;
  const std::string report = Report("1000000000xxxx000000", [](auto& m, auto& s) {
    return m.RecognizeFixedOnes(s, 2, false);
  });
  EXPECT_EQ(report, std::string(kHeader) + "1000000000\n\txxxx000000\n" +
                        "1000000000\n\t1100000000\n\t  16  1\n\n\n");
}

TEST_F(ModesTest, RefusalsComeBeforeAnythingIsRead) {
  RecognitionSettings settings;
  settings.recognitionFile = Path("missing.rec");
  RecognitionModes untrained(engine_.store(), engine_.NeuronCount(), engine_.reportFile());
  EXPECT_EQ(untrained.RecognizeGeneral(settings, 1, false), kRecognitionNeedsTest);
  Train(kTraining);
  settings.recognitionFile = Write("t.rec", "*r* 1000000000xxxx000000");
  // No report file open.
  RecognitionModes modes(engine_.store(), engine_.NeuronCount(), engine_.reportFile());
  EXPECT_EQ(modes.RecognizeGeneral(settings, 1, false), kRecognitionNoOutput);
  EXPECT_EQ(modes.RetrieveImages(settings), kRecognitionNoOutput);
  // A vector of the wrong length fails the file test.
  settings.recognitionFile = Write("bad.rec", "*r* 1000000000xxxx00000");
  EXPECT_EQ(modes.RecognizeRun(settings), kRecognitionNeedsTest);
}

TEST_F(ModesTest, RecognitionNeedsATrainedStore) {
  // A recognition file that passes its test against 20 neurons, with a
  // store that was never trained.
  Engine fresh;
  RecognitionSettings settings;
  settings.recognitionFile = Write("t.rec", "*r* 1000000000xxxx000000");
  ASSERT_TRUE(fresh.OpenReportFile(Path("t.dat")));
  RecognitionModes modes(fresh.store(), 20, fresh.reportFile());
  EXPECT_EQ(modes.RecognizeGeneral(settings, 1, false), kRecognitionNotTrained);
}

class CancelAfter : public EngineProgress {
 public:
  explicit CancelAfter(int calls) : left_(calls) {}
  bool Continue(uint64_t, uint64_t) override { return --left_ > 0; }

 private:
  int left_;
};

TEST_F(ModesTest, CancelledGeneralRunSaysSoInTheReport) {
  Train(kTraining);
  CancelAfter cancel(2);
  const std::string real = Report("1000xxxxxxxxxxxxxxxx", [&](auto& m, auto& s) {
    return m.RecognizeGeneral(s, 1, false, &cancel);
  });
  EXPECT_EQ(result_, kRecognitionCancelled);
  EXPECT_EQ(real, std::string(kHeader) + "1000xxxxxxxxxxxxxxxx\n" + kRecognitionCancelledText);
}

// Random stores: the bit-parallel scoring writes the same reports, byte for
// byte, as scoring every candidate by walking the stored positions.
class RandomStoreTest : public ModesTest, public ::testing::WithParamInterface<int> {};

std::string RandomVectors(std::mt19937& rng, int n, int count, double ones) {
  std::string text;
  std::bernoulli_distribution bit(ones);
  for (int v = 0; v < count; ++v) {
    for (int i = 0; i < n; ++i) text.push_back(bit(rng) ? '1' : '0');
    text.push_back('\n');
  }
  return text;
}

// Whether a report lists or classifies anything with a positive score.
bool HasScore(const std::string& report) {
  for (size_t at = 0; (at = report.find_first_of("\t ", at)) != std::string::npos; ++at) {
    if (at + 1 < report.size() && report[at + 1] >= '1' && report[at + 1] <= '9') return true;
  }
  return false;
}

TEST_P(RandomStoreTest, BitParallelReportsEqualDirectOnes) {
  std::mt19937 rng(static_cast<unsigned>(GetParam()));
  const int n = GetParam() % 2 == 0 ? 30 : 150;  // bit rows and position walks
  // Complete vectors; the patterns are large subsets of them, so that many
  // fit a candidate with few 1-bits to spare, plus some random noise.
  const std::string images = RandomVectors(rng, n, 6, 0.3);
  std::string training = "*r* " + std::to_string(n) + "\n";
  std::bernoulli_distribution keep(0.85);
  for (int p = 0; p < 300; ++p) {
    const size_t from = static_cast<size_t>(rng() % 6) * static_cast<size_t>(n + 1);
    for (int i = 0; i < n; ++i) {
      training.push_back(images[from + static_cast<size_t>(i)] == '1' && keep(rng) ? '1' : '0');
    }
    training.push_back('\n');
  }
  Train(training + RandomVectors(rng, n, 50, 0.2));
  std::string rec;
  for (int v = 0; v < 4; ++v) {
    std::string vec = images.substr(static_cast<size_t>(v) * static_cast<size_t>(n + 1),
                                    static_cast<size_t>(n + 1));
    const int m = 3 + v * 2;
    const int s = static_cast<int>(rng() % static_cast<unsigned>(n - m));
    vec.replace(static_cast<size_t>(s), static_cast<size_t>(m), static_cast<size_t>(m), 'x');
    rec += vec;
  }
  rec += images.substr(4 * static_cast<size_t>(n + 1));  // complete images
  using Run = std::function<int(RecognitionModes&, const RecognitionSettings&)>;
  const std::vector<Run> runs = {
      [](auto& m, auto& s) { return m.RecognizeSingleNeuron(s, true); },
      [](auto& m, auto& s) { return m.RecognizeFixedOnes(s, 2, true); },
      [](auto& m, auto& s) { return m.RecognizeFixedOnes(s, 3, false); },
      [](auto& m, auto& s) { return m.RecognizeFixedOnes(s, 4, true); },
      [](auto& m, auto& s) { return m.RecognizeGeneral(s, 1, true); },
      [](auto& m, auto& s) { return m.RecognizeGeneral(s, 1, false); },
      [](auto& m, auto& s) { return m.RecognizeGeneral(s, 3, true); },
      [](auto& m, auto& s) { return m.RetrieveImages(s); },
      [](auto& m, auto& s) { return m.RecognizeRun(s); },
      [](auto& m, auto& s) {
        RandomStream random;
        return m.RecognizeLocalMinimum(s, 5, random);
      },
  };
  for (size_t r = 0; r < runs.size(); ++r) {
    const std::string fast = Report(rec, runs[r], ScoringMethod::kBitParallel);
    ASSERT_EQ(result_, kRecognitionOk);
    const std::string direct = Report(rec, runs[r], ScoringMethod::kDirect);
    EXPECT_EQ(fast, direct) << "mode " << r;
    // Something was classified or listed with a score.
    EXPECT_TRUE(HasScore(fast)) << "mode " << r;
  }
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomStoreTest, ::testing::Values(1, 2, 3, 4));

TEST_F(ModesTest, WideSectionsScoreAlikeBothWays) {
  // Sections wider than one machine word take the other bit-parallel path.
  std::mt19937 rng(9);
  const int n = 200;
  std::string image = RandomVectors(rng, n, 1, 0.25);
  image.pop_back();
  std::string training = "*r* 200\n";
  std::bernoulli_distribution keep(0.9);
  for (int p = 0; p < 200; ++p) {
    // Outside the section a large subset of the image; inside, 0 to 2 bits.
    std::string pattern;
    for (char c : image) pattern.push_back(c == '1' && keep(rng) ? '1' : '0');
    pattern.replace(100, 70, 70, '0');
    for (unsigned b = rng() % 3; b > 0; --b) pattern[100 + rng() % 70] = '1';
    training += pattern + "\n";
  }
  Train(training + RandomVectors(rng, n, 20, 0.2));
  std::string rec = image;
  rec.replace(100, 70, 70, 'x');
  using Run = std::function<int(RecognitionModes&, const RecognitionSettings&)>;
  const std::vector<Run> runs = {
      [](auto& m, auto& s) { return m.RecognizeSingleNeuron(s, true); },
      [](auto& m, auto& s) { return m.RecognizeFixedOnes(s, 2, true); },
      [](auto& m, auto& s) { return m.RecognizeGeneral(s, 35, true); },
      [](auto& m, auto& s) { return m.RecognizeRun(s); },
      [](auto& m, auto& s) {
        RandomStream random;
        return m.RecognizeLocalMinimum(s, 3, random);
      },
  };
  for (size_t r = 0; r < runs.size(); ++r) {
    const std::string fast = Report(rec, runs[r], ScoringMethod::kBitParallel);
    ASSERT_EQ(result_, kRecognitionOk);
    EXPECT_EQ(fast, Report(rec, runs[r], ScoringMethod::kDirect)) << "mode " << r;
    EXPECT_TRUE(HasScore(fast)) << "mode " << r;
  }
}

TEST_F(ModesTest, LocalMinimumIsReproducibleAndEnds) {
  Train(kTraining);
  auto run = [](RandomStream& random) {
    return [&random](RecognitionModes& m, const RecognitionSettings& s) {
      return m.RecognizeLocalMinimum(s, 5, random);
    };
  };
  RandomStream first, second;
  const std::string a = Report("1000000000xxxx000000", run(first));
  const std::string b = Report("1000000000xxxx000000", run(second));
  EXPECT_EQ(a, b);
  EXPECT_EQ(first.state(), second.state());
  // Five lines, each a local optimum: the section holds one of the voted
  // bits and the score of a 2-bit vector with one fitting pattern, 16.
  size_t lines = 0;
  for (size_t at = a.find("  16\n"); at != std::string::npos; at = a.find("  16\n", at + 1)) ++lines;
  EXPECT_EQ(lines, 5u);
  // The stream moved on: a third search starts elsewhere.
  RandomStream fresh;
  for (int i = 0; i < 5 * 104; ++i) fresh.Next();
  EXPECT_EQ(fresh.state(), first.state());
}

TEST_F(ModesTest, LongLocalSearchesSuggestRetrainingAndStopAtTheLimit) {
  // A 600-position section needs more than 400 steps for one quiet pass;
  // the step counter ends it after 500.
  std::string training = "*c* 620\n" + std::string(620, '0') + "\n";
  Train(training);
  std::string vec = std::string(10, '1') + std::string(600, 'x') + std::string(10, '0');
  RandomStream random;
  const std::string report = Report(vec, [&](auto& m, auto& s) {
    return m.RecognizeLocalMinimum(s, 1, random);
  });
  EXPECT_EQ(result_, kRecognitionOk);
  EXPECT_NE(report.find("retraining pattern is suggested\n"), std::string::npos);
}

}  // namespace
}  // namespace foresta
