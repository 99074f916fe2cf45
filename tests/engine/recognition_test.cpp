#include <random>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "engine/pattern_file_check.h"
#include "support/recognition_reference.h"
#include "engine/test_files.h"

namespace foresta {
namespace {

class RecognitionTest : public TempDirTest {
 protected:
  RecognitionSettings Files() {
    RecognitionSettings s;
    s.recognitionFile = Path("r.rec");
    s.recognitionOutputFile = Path("r.dat");
    s.userDistributionFile = Path("r.usd");
    return s;
  }
  void TrainOn(const std::string& text) {
    ASSERT_EQ(engine_.TrainNetwork(Write("t.trn", text), {}), kTrainOk);
  }
  Engine engine_;
};

// Five stored patterns of 20 neurons whose section is the last four.
const char kTraining[] =
    "* votes *\n20\n"
    "11000000000000001000\n"   // outside {0,1}, section 1000
    "10000000000000000100\n"   // outside {0},   section 0100
    "00100000000000001000\n"   // outside {2},   section 1000
    "11000000000000000100\n"   // outside {0,1}, section 0100
    "10000000000000001000\n";  // outside {0},   section 1000
const char kRecognition[] =
    "* vectors *\n"
    "1100000000000000xxxx\n"   // two rows tie at 24
    "00000000000000000000\n"   // nothing to complete
    "0100000000000000xxxx\n"   // no pattern fits
    "0010000000000000xxxx\n"   // one pattern, one row
    "00100000000000000xx0\n";  // section shorter than the rows
// The fourth row repeats the first and must never be voted for.
const char kDistribution[] = "* rows *\n4 4\n1000 0100 0010 1000\n";

const char kFullReport[] =
    "\n ---------------------------- \n"
    "1100000000000000xxxx\n"
    " User defined output neural patterns: \n"
    "1000     24\n"
    "0100     24\n"
    " End of the Distribution \n"
    "11000000000000001000  24  2\n\n"
    " There are 2 Patterns found with equal weight \n"
    " More training for this pattern is suggested\n\n"
    "\n"
    "00000000000000000000\n"
    "\n"
    "0100000000000000xxxx\n"
    " User defined output neural patterns: \n"
    " End of the Distribution \n"
    " pattern can not be classified \n"
    "\n"
    "0010000000000000xxxx\n"
    " User defined output neural patterns: \n"
    "1000     16\n"
    " End of the Distribution \n"
    "00100000000000001000  16  1\n\n"
    "\n"
    "00100000000000000xx0\n"
    " Recognition data does not match user distribution data \n"
    " pattern can not be classified \n"
    "\n";

const char kBestReport[] =
    "\n ---------------------------- \n"
    "1100000000000000xxxx\n"
    "11000000000000001000  24  2\n\n"
    " There are 2 Patterns found with equal weight \n"
    " More training for this pattern is suggested\n\n"
    "\n"
    "00000000000000000000\n"
    "\n"
    "0100000000000000xxxx\n"
    " pattern can not be classified \n"
    "\n"
    "0010000000000000xxxx\n"
    "00100000000000001000  16  1\n\n"
    "\n"
    "00100000000000000xx0\n"
    " Recognition data does not match user distribution data \n"
    " pattern can not be classified \n"
    "\n";

TEST_F(RecognitionTest, ReportOfVotesTiesAndFailures) {
  TrainOn(kTraining);
  Write("r.rec", kRecognition);
  Write("r.usd", kDistribution);
  ASSERT_EQ(engine_.RecognizeWithDistribution(Files()), kRecognitionOk);
  EXPECT_EQ(Read("r.dat"), kFullReport);
}

TEST_F(RecognitionTest, BestMatchAppendsToTheOpenReport) {
  TrainOn(kTraining);
  Write("r.rec", kRecognition);
  Write("r.usd", kDistribution);
  EXPECT_EQ(engine_.RecognizeBestMatch(Files()), kRecognitionNoOutput);
  ASSERT_TRUE(engine_.OpenReportFile(Path("open.dat")));
  ASSERT_EQ(engine_.RecognizeBestMatch(Files()), kRecognitionOk);
  EXPECT_EQ(Read("open.dat"), kBestReport);
  ASSERT_EQ(engine_.RecognizeBestMatch(Files()), kRecognitionOk);
  EXPECT_EQ(Read("open.dat"), std::string(kBestReport) + kBestReport);
}

TEST_F(RecognitionTest, LineBreakersShapeEchoAndCompletedVector) {
  TrainOn(kTraining);
  Write("r.rec", "*c*\n0010000000000000xxxx");
  Write("r.usd", kDistribution);
  RecognitionSettings s = Files();
  s.breakers.breakerStep = 10;
  s.breakers.line2Start = 10;
  ASSERT_EQ(engine_.RecognizeWithDistribution(s), kRecognitionOk);
  EXPECT_EQ(Read("r.dat"),
            "\n ---------------------------- \n"
            "0010000000\n\t000000xxxx\n"
            " User defined output neural patterns: \n"
            "1000     16\n"
            " End of the Distribution \n"
            "0010000000\n\t0000001000\n\t  16  1\n\n"
            "\n");
  s.breakers = BreakerSettings{};
  s.breakers.line3Start = 3;
  s.breakers.line5Start = 17;
  ASSERT_EQ(engine_.RecognizeWithDistribution(s), kRecognitionOk);
  EXPECT_NE(Read("r.dat").find("001\n\t0000000000000x\n\txxx\n"), std::string::npos);
  EXPECT_NE(Read("r.dat").find("001\n\t00000000000001\n\t000  16  1\n\n"), std::string::npos);
}

TEST_F(RecognitionTest, TotalsStopAtTheCap) {
  // Two patterns of the top band each weigh 2,048,000,000 at d = 0.
  const std::string zeros(69999, '0');
  TrainOn("*c* 70001\n" + zeros + "01\n" + zeros + "01\n");
  Write("r.rec", "*c*\n" + zeros + "xx");
  Write("r.usd", "*c* 2 1 01");
  ASSERT_EQ(engine_.RecognizeWithDistribution(Files()), kRecognitionOk);
  const std::string report = Read("r.dat");
  EXPECT_NE(report.find("\n01     2100000000\n"), std::string::npos);
  EXPECT_NE(report.find(zeros + "01  2100000000  1\n\n"), std::string::npos);
}

TEST_F(RecognitionTest, RefusalsInOrder) {
  Write("r.rec", kRecognition);
  Write("r.usd", "*c* 4 4 0101");
  Write("r.dat", "old report");
  EXPECT_EQ(engine_.RecognizeWithDistribution(Files()), kRecognitionNeedsDistribution);
  Write("r.usd", kDistribution);
  EXPECT_EQ(engine_.RecognizeWithDistribution(Files()), kRecognitionNeedsTest);  // N is 0
  EXPECT_EQ(Read("r.dat"), "old report");
  ASSERT_EQ(engine_.TestTrainingFile(Write("t.trn", kTraining)), kFileOk);
  EXPECT_EQ(engine_.RecognizeWithDistribution(Files()), kRecognitionNotTrained);
  RecognitionSettings s = Files();
  s.recognitionOutputFile = Path("no/such/dir/r.dat");
  TrainOn(kTraining);
  EXPECT_EQ(engine_.RecognizeWithDistribution(s), kRecognitionNeedsTest);
}

TEST_F(RecognitionTest, TextBeforeTheFirstVectorIsSkippedAsTheTestSkipsIt) {
  TrainOn(kTraining);
  Write("r.rec", "*c*\nN is twenty:\n0010000000000000xxxx");
  Write("r.usd", kDistribution);
  ASSERT_EQ(engine_.RecognizeWithDistribution(Files()), kRecognitionOk);
  EXPECT_NE(Read("r.dat").find("00100000000000001000  16  1\n"), std::string::npos);
}

// Random stores, vectors and distributions: the engine's report must equal
// the plain rendering's byte for byte.
class OracleTest : public RecognitionTest {
 protected:
  struct Shape {
    int n;
    double density;   // of the patterns' 1-bits outside the section
    int patterns;
  };

  void Compare(const Shape& shape, unsigned seed) {
    std::mt19937 rng(seed);
    auto coin = [&](double p) { return std::uniform_real_distribution<double>(0, 1)(rng) < p; };
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    const int n = shape.n;
    const int m = pick(2, std::min(12, n - 1));
    const int s = pick(0, n - m);

    std::vector<std::string> rows;
    const int p = pick(1, 40);
    for (int r = 0; r < p; ++r) {
      std::string row(static_cast<size_t>(m), '0');
      for (char& c : row) c = coin(0.3) ? '1' : '0';
      if (r > 0 && coin(0.2)) row = rows[static_cast<size_t>(pick(0, r - 1))];
      rows.push_back(row);
    }
    std::string usd = "* random rows *\n" + std::to_string(m) + " " + std::to_string(p) + "\n";
    for (const auto& row : rows) usd += row + " ";
    if (coin(0.3)) usd += "0110";  // surplus characters are ignored
    Write("r.usd", usd);

    // Patterns are subsets of a few base vectors, so many of them fit.
    std::vector<std::string> bases;
    for (int b = 0; b < 3; ++b) {
      std::string base(static_cast<size_t>(n), '0');
      for (char& c : base) c = coin(0.6) ? '1' : '0';
      bases.push_back(base);
    }
    auto makePattern = [&]() {
      std::string v = bases[static_cast<size_t>(pick(0, 2))];
      for (char& c : v) {
        if (c == '1' && !coin(shape.density)) c = '0';
      }
      if (coin(0.1)) v[static_cast<size_t>(pick(0, n - 1))] = '1';
      const std::string& row = rows[static_cast<size_t>(pick(0, p - 1))];
      for (int j = 0; j < m; ++j) v[static_cast<size_t>(s + j)] = coin(0.8) ? row[j] : (coin(0.5) ? '1' : '0');
      return v;
    };
    std::string trn = "* random *\n" + std::to_string(n) + "\n";
    for (int i = 0; i < shape.patterns; ++i) trn += makePattern() + "\n";
    ASSERT_EQ(engine_.TrainNetwork(Write("t.trn", trn), {}), kTrainOk);
    if (coin(0.5)) {
      std::string rtn = "* more *\n" + std::to_string(n) + "\n";
      for (int i = 0; i < 5; ++i) rtn += makePattern();
      ASSERT_EQ(engine_.RetrainNetwork(Write("t.rtn", rtn), {}), kRetrainOk);
    }

    std::string rec = "* random vectors *\n";
    for (int v = 0; v < 6; ++v) {
      std::string vec = bases[static_cast<size_t>(pick(0, 2))];
      for (char& c : vec) {
        if (coin(0.05)) c = c == '1' ? '0' : '1';
      }
      const int mv = coin(0.15) ? pick(1, n - 1) : (coin(0.1) ? 0 : m);
      const int sv = mv == m ? s : pick(0, n - mv);
      for (int j = 0; j < mv; ++j) vec[static_cast<size_t>(sv + j)] = 'x';
      rec += vec + "\n";
    }
    Write("r.rec", rec);

    RecognitionSettings settings = Files();
    if (coin(0.5)) {
      settings.breakers.breakerStep = coin(0.5) ? pick(1, n) : -1;
      settings.breakers.line2Start = pick(-1, n);
      settings.breakers.line3Start = pick(-1, n);
      settings.breakers.line4Start = pick(-1, n);
      settings.breakers.line5Start = pick(-1, n);
    }
    ASSERT_EQ(engine_.RecognizeWithDistribution(settings), kRecognitionOk);
    RecognitionSettings reference = settings;
    reference.recognitionOutputFile = Path("oracle.dat");
    ASSERT_EQ(RecognizeWithDistributionReference(engine_.store(), engine_.NeuronCount(),
                                                 reference, true),
              kRecognitionOk);
    ASSERT_EQ(Read("r.dat"), Read("oracle.dat")) << "seed " << seed;

    ASSERT_TRUE(engine_.OpenReportFile(Path("best.dat")));
    ASSERT_EQ(engine_.RecognizeBestMatch(settings), kRecognitionOk);
    ASSERT_EQ(RecognizeWithDistributionReference(engine_.store(), engine_.NeuronCount(),
                                                 reference, false),
              kRecognitionOk);
    ASSERT_EQ(Read("best.dat"), Read("oracle.dat")) << "seed " << seed;
  }
};

TEST_F(OracleTest, DenseStoresCheckedAsBitRows) {
  for (unsigned seed = 1; seed <= 40; ++seed) {
    Compare({20 + static_cast<int>(seed % 5) * 23, 0.7, 200}, seed);
    ASSERT_TRUE(engine_.store().hasBitRows());
  }
}

TEST_F(OracleTest, SparseStoresWalkedByPosition) {
  for (unsigned seed = 100; seed <= 115; ++seed) {
    Compare({300, 0.02, 150}, seed);
    ASSERT_FALSE(engine_.store().hasBitRows());
  }
}

TEST_F(OracleTest, LongVectors) {
  for (unsigned seed = 200; seed <= 203; ++seed) Compare({1500, 0.5, 60}, seed);
  EXPECT_FALSE(engine_.store().hasBitRows());
  for (unsigned seed = 300; seed <= 303; ++seed) Compare({1000, 0.5, 60}, seed);
  EXPECT_TRUE(engine_.store().hasBitRows());
}

}  // namespace
}  // namespace foresta
