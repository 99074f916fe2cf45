// The pattern-file tests and readers over bytes in memory must be the file
// versions without the files: same codes, the same store, the same report.
#include <string>
#include <vector>

#include "engine/char_reader.h"
#include "engine/engine.h"
#include "engine/pattern_file_check.h"
#include "engine/test_files.h"

namespace foresta {
namespace {

class BytesReadersTest : public TempDirTest {};

std::vector<int32_t> Values(const DCharList& list) {
  std::vector<int32_t> values;
  for (int64_t i = 0; i < list.size(); ++i) values.push_back(list.at(i));
  return values;
}

void ExpectSameStore(const Engine& a, const Engine& b) {
  EXPECT_EQ(a.NeuronCount(), b.NeuronCount());
  EXPECT_EQ(a.store().patternCount(), b.store().patternCount());
  EXPECT_EQ(Values(a.store().PatternSizes()), Values(b.store().PatternSizes()));
  EXPECT_EQ(Values(a.store().PatternPositions()), Values(b.store().PatternPositions()));
}

const char kTraining[] =
    "* set *\r\n24\r\n"
    "110000000000000000000011 000011110000000000001100\n"
    "101010101010101010101010\n";

TEST_F(BytesReadersTest, TheFourTestsGiveTheFileCodes) {
  const std::string contents[] = {
      "none", "*open", "*c* 19\n", "*c* 24\n", "*c* 24\n0101 2", "*c* 24\n" + std::string(30, '1'),
      kTraining, "*c*\n0000xxxx00000000000000001x11\n000xx000000000000000000x",
      "*c* 4 3\n0000 0011 1111", "*c* 4 4\n0000 0011 1111", "*c* 4 -1\n"};
  for (const std::string& text : contents) {
    SCOPED_TRACE(text);
    const std::string name = Write("f.txt", text);
    CharReader in;
    uint32_t fileCount = 7;
    uint32_t bytesCount = 7;
    const int training = TestTrainingFile(name, &fileCount);
    in.OpenBytes(text);
    EXPECT_EQ(TestTrainingFile(in, &bytesCount), training);
    EXPECT_EQ(bytesCount, fileCount);
    in.OpenBytes(text);
    EXPECT_EQ(TestRetrainingFile(in, 24), TestRetrainingFile(name, 24));
    in.OpenBytes(text);
    EXPECT_EQ(TestRecognitionFile(in, 24), TestRecognitionFile(name, 24));
    in.OpenBytes(text);
    EXPECT_EQ(TestDistributionFile(in), TestDistributionFile(name));
  }
}

TEST_F(BytesReadersTest, TrainingAndRetrainingFillTheSameStore) {
  const SymmetrySettings translation{1, 4, 13, 10, -2};
  Engine fromFile;
  Engine fromBytes;
  ASSERT_EQ(fromFile.TrainNetwork(Write("t.trn", kTraining), translation), kTrainOk);
  ASSERT_EQ(fromBytes.TrainNetworkFromBytes(kTraining, translation), kTrainOk);
  ExpectSameStore(fromFile, fromBytes);

  const std::string retraining = "* more *\n24\n111100000000000000000000\n";
  ASSERT_EQ(fromFile.RetrainNetwork(Write("t.rtn", retraining), {}), kRetrainOk);
  ASSERT_EQ(fromBytes.RetrainNetworkFromBytes(retraining, {}), kRetrainOk);
  ExpectSameStore(fromFile, fromBytes);

  EXPECT_EQ(fromBytes.RetrainNetworkFromBytes("* other *\n20\n", {}), kRetrainNeedsTest);
  EXPECT_EQ(fromBytes.TrainNetworkFromBytes("* short *\n24\n0101\n", {}), kTrainNeedsTest);
}

TEST_F(BytesReadersTest, RecognitionWritesTheSameReport) {
  Engine engine;
  ASSERT_EQ(engine.TrainNetworkFromBytes(kTraining, {}), kTrainOk);
  const std::string recognition = "* vectors *\n11000000000000000000xxxx\n0000111100000000xxxx1100\n";
  const std::string distribution = "* rows *\n4 3\n0011 1100 0011\n";
  RecognitionSettings files;
  files.recognitionFile = Write("r.rec", recognition);
  files.userDistributionFile = Write("r.usd", distribution);
  files.recognitionOutputFile = Path("r.dat");
  files.breakers.breakerStep = 8;
  files.breakers.line2Start = 8;
  ASSERT_EQ(engine.RecognizeWithDistribution(files), kRecognitionOk);

  std::string report;
  ASSERT_EQ(engine.RecognizeWithDistributionFromBytes(recognition, distribution, files.breakers,
                                                      &report),
            kRecognitionOk);
  EXPECT_EQ(report, Read("r.dat"));
  report.clear();
  EXPECT_EQ(engine.RecognizeWithDistributionFromBytes(recognition, "* bad *\n4 3\n0011\n",
                                                      files.breakers, &report),
            kRecognitionNeedsDistribution);
  EXPECT_EQ(engine.RecognizeWithDistributionFromBytes("* none *\n", distribution, files.breakers,
                                                      &report),
            kRecognitionNeedsTest);
  EXPECT_TRUE(report.empty());
}

}  // namespace
}  // namespace foresta
