#include "engine/engine.h"

#include <random>
#include <string>
#include <vector>

#include "engine/pattern_file_check.h"
#include "engine/test_files.h"

namespace foresta {
namespace {

std::vector<int32_t> Entries(const DCharList& list) {
  std::vector<int32_t> out;
  for (int64_t i = 0; i <= list.last(); ++i) out.push_back(list.at(i));
  return out;
}

std::vector<int32_t> Sizes(const Engine& e) { return Entries(e.store().PatternSizes()); }
std::vector<int32_t> Positions(const Engine& e) { return Entries(e.store().PatternPositions()); }

class EngineTest : public TempDirTest {
 protected:
  int Train(const std::string& text) { return engine_.TrainNetwork(Write("t.trn", text), {}); }
  int Retrain(const std::string& text) {
    return engine_.RetrainNetwork(Write("t.rtn", text), {});
  }
  Engine engine_;
};

const std::string kThree =
    "* three vectors *\n20\n"
    "10000000000000000001\n"
    "0000 0000 0000 0000 0000\n"
    "01100000000000000010\n";

TEST_F(EngineTest, TrainingStoresSizesPositionsAndOneEndMark) {
  ASSERT_EQ(Train(kThree), kTrainOk);
  EXPECT_EQ(engine_.NeuronCount(), 20u);
  EXPECT_EQ(Sizes(engine_), (std::vector<int32_t>{2, 0, 3, PatternStore::kEndMark}));
  EXPECT_EQ(Positions(engine_), (std::vector<int32_t>{0, 19, 1, 2, 18}));
  EXPECT_TRUE(engine_.store().trained());
}

TEST_F(EngineTest, TrainingReplacesTheStore) {
  ASSERT_EQ(Train(kThree), kTrainOk);
  ASSERT_EQ(Train("*c* 20 11111111111111111111"), kTrainOk);
  EXPECT_EQ(Sizes(engine_), (std::vector<int32_t>{20, PatternStore::kEndMark}));
  EXPECT_EQ(engine_.store().PatternPositions().size(), 20);
}

TEST_F(EngineTest, RefusedTrainingFileKeepsTheStore) {
  ASSERT_EQ(Train(kThree), kTrainOk);
  EXPECT_EQ(Train("*c* 20 0101"), kTrainNeedsTest);
  EXPECT_EQ(Sizes(engine_).size(), 4u);
  EXPECT_EQ(engine_.TrainNetwork(Path("missing.trn"), {}), kTrainNeedsTest);
  EXPECT_EQ(Sizes(engine_).size(), 4u);
}

TEST_F(EngineTest, TooManyNeuronsLeavesAnEmptyTrainedStore) {
  ASSERT_EQ(Train("*c* 100000 " + std::string(100000, '1')), kTrainTooManyNeurons);
  EXPECT_EQ(engine_.NeuronCount(), 100000u);
  EXPECT_EQ(Sizes(engine_), (std::vector<int32_t>{PatternStore::kEndMark}));
  EXPECT_TRUE(engine_.store().trained());
  // Vectors of that length could hold the end mark's value as a count:
  // retraining refuses them instead of storing them.
  EXPECT_EQ(Retrain("*c* 100000 " + std::string(100000, '1')), kRetrainTooManyNeurons);
  EXPECT_EQ(Sizes(engine_), (std::vector<int32_t>{PatternStore::kEndMark}));
}

TEST_F(EngineTest, RetrainingAppendsAfterTheStoredPatterns) {
  ASSERT_EQ(engine_.TestTrainingFile(Write("t.trn", kThree)), kFileOk);
  EXPECT_EQ(Retrain("*c* 20 " + std::string(20, '1')), kRetrainNotTrained);
  EXPECT_FALSE(engine_.store().trained());
  ASSERT_EQ(Train(kThree), kTrainOk);
  ASSERT_EQ(Retrain("*c* 20 00000000000000000011 00000000000000000000"), kRetrainOk);
  EXPECT_EQ(Sizes(engine_), (std::vector<int32_t>{2, 0, 3, 2, 0, PatternStore::kEndMark}));
  EXPECT_EQ(Positions(engine_), (std::vector<int32_t>{0, 19, 1, 2, 18, 18, 19}));
  ASSERT_EQ(Retrain("*c* 20 10000000000000000000"), kRetrainOk);
  EXPECT_EQ(Sizes(engine_), (std::vector<int32_t>{2, 0, 3, 2, 0, 1, PatternStore::kEndMark}));
  EXPECT_EQ(Positions(engine_).back(), 0);
}

TEST_F(EngineTest, RetrainingRefusals) {
  ASSERT_EQ(Train(kThree), kTrainOk);
  EXPECT_EQ(Retrain("*c* 30 " + std::string(30, '1')), kRetrainNeedsTest);
  EXPECT_EQ(Retrain("*c* 1 1"), kRetrainNeedsTest);
  EXPECT_EQ(Sizes(engine_).size(), 4u);
}

TEST_F(EngineTest, TestsShareTheNeuronCount) {
  EXPECT_EQ(engine_.TestRecognitionFile(Write("r.rec", "*c* 0xx1")), kFileTrainingNotTested);
  EXPECT_EQ(engine_.TestTrainingFile(Write("t.trn", "*c* 4 0110")), kFileNeuronsOutOfRange);
  EXPECT_EQ(engine_.NeuronCount(), 4u);
  EXPECT_EQ(engine_.TestRecognitionFile(Path("r.rec")), kFileOk);
  EXPECT_EQ(engine_.TestRetrainingFile(Write("t.rtn", "*c* 4 0110")), kFileOk);
}

TEST_F(EngineTest, StoreSpanningChunksIsReadBackWhole) {
  std::string text = "*c* 20\n";
  for (int v = 0; v < 2000; ++v) text += std::string(10, '1') + std::string(10, v % 2 ? '1' : '0');
  ASSERT_EQ(Train(text), kTrainOk);
  const DCharList& positions = engine_.store().PatternPositions();
  EXPECT_EQ(positions.size(), 1000 * 10 + 1000 * 20);
  // Index 15000 is the first entry of the second chunk: pattern 1000 of
  // 2000 alternating sizes 10 and 20 starts at 15000.
  EXPECT_EQ(positions.at(DCharList::kChunkSize), 0);
  EXPECT_EQ(positions.at(DCharList::kChunkSize - 1), 19);
}

// Vectors longer than a 64-bit word, spread over lines and groups in any
// way: every 1-bit is stored as a position and in its pattern's bit row.
TEST_F(EngineTest, LongVectorsAreStoredBitForBit) {
  constexpr int kN = 150;
  std::mt19937 rng(5);
  std::vector<std::string> vectors;
  std::string text = "*long*\n150\n";
  for (int v = 0; v < 300; ++v) {
    std::string bits;
    for (int p = 0; p < kN; ++p) bits += rng() % 2 ? '1' : '0';
    vectors.push_back(bits);
    for (int p = 0; p < kN; ++p) text += std::string(rng() % 7 == 0 ? " \n\t" : "") + bits[p];
    text += '\n';
  }
  ASSERT_EQ(Train(text), kTrainOk);
  const PatternStore& store = engine_.store();
  ASSERT_TRUE(store.hasBitRows());
  ASSERT_EQ(store.wordsPerPattern(), 3);
  std::vector<int32_t> sizes, positions;
  for (std::size_t v = 0; v < vectors.size(); ++v) {
    uint64_t row[3] = {0, 0, 0};
    int32_t count = 0;
    for (int p = 0; p < kN; ++p) {
      if (vectors[v][p] != '1') continue;
      positions.push_back(p);
      row[p / 64] |= uint64_t{1} << (p % 64);
      ++count;
    }
    sizes.push_back(count);
    for (int w = 0; w < 3; ++w) ASSERT_EQ(store.BitRow(static_cast<int64_t>(v))[w], row[w]) << v;
  }
  sizes.push_back(PatternStore::kEndMark);
  EXPECT_EQ(Sizes(engine_), sizes);
  EXPECT_EQ(Positions(engine_), positions);
}

TEST_F(EngineTest, ExhaustedMemoryLeavesAnUntrainedStoreAndTheProgramRunning) {
  ASSERT_EQ(Train(kThree), kTrainOk);
  engine_.SetStoreChunkLimit(1);
  std::string big = "*c* 20\n";
  for (int v = 0; v < 1000; ++v) big += std::string(20, '1');
  EXPECT_EQ(Train(big), kTrainOutOfMemory);
  EXPECT_FALSE(engine_.store().trained());
  EXPECT_EQ(engine_.store().MemoryBytes(), 0u);

  engine_.SetStoreChunkLimit(DCharList::kMaxChunks);
  ASSERT_EQ(Train(kThree), kTrainOk);
  engine_.SetStoreChunkLimit(1);
  EXPECT_EQ(Retrain(big), kRetrainOutOfMemory);
  EXPECT_FALSE(engine_.store().trained());
  EXPECT_EQ(Retrain(kThree), kRetrainNotTrained);
}

class CancelAfter : public EngineProgress {
 public:
  explicit CancelAfter(int calls) : left_(calls) {}
  bool Continue(uint64_t, uint64_t) override { return left_-- > 0; }

 private:
  int left_;
};

TEST_F(EngineTest, CancelledTrainingLeavesAnUntrainedStore) {
  std::string text = "*c* 20\n";
  for (int v = 0; v < 20000; ++v) text += "01010101010101010101\n";
  CancelAfter cancel(1);
  EXPECT_EQ(engine_.TrainNetwork(Write("t.trn", text), {}, &cancel), kTrainCancelled);
  EXPECT_FALSE(engine_.store().trained());
  CancelAfter never(1000000);
  EXPECT_EQ(engine_.TrainNetwork(Path("t.trn"), {}, &never), kTrainOk);
  EXPECT_EQ(engine_.store().patternCount(), 20000);
}

}  // namespace
}  // namespace foresta
