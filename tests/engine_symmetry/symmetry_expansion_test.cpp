#include "engine/symmetry_expansion.h"

#include <algorithm>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "engine/symmetry_transforms.h"
#include "engine/test_files.h"

namespace foresta {
namespace {

std::vector<std::string> Copies(const std::string& vector, const SymmetryGeometry& g) {
  std::vector<std::string> out;
  const int64_t made = ExpandSymmetry(vector, g, [&](const std::string& c) { out.push_back(c); });
  EXPECT_EQ(made, static_cast<int64_t>(out.size()));
  return out;
}

int64_t Ones(const std::string& v) { return std::count(v.begin(), v.end(), '1'); }

// A 10 x 10 region at positions 3 .. 102 of a 110-neuron vector, with the
// given pixels set and the outside bits at 0, 1 and 105 set.
std::string Image(std::initializer_list<std::pair<int, int>> pixels) {
  std::string v(110, '0');
  v[0] = v[1] = v[105] = '1';
  for (auto [x, y] : pixels) v[static_cast<size_t>(3 + x + 10 * y)] = '1';
  return v;
}
SymmetryGeometry Square(int kind) { return {kind, 3, 102, 10, 10}; }

void ExpectOutsideKept(const std::vector<std::string>& copies, const std::string& vector,
                       size_t from, size_t to) {
  for (const auto& c : copies) {
    ASSERT_EQ(c.size(), vector.size());
    EXPECT_EQ(c.substr(0, from), vector.substr(0, from));
    EXPECT_EQ(c.substr(to), vector.substr(to));
  }
}

TEST(SymmetryTransforms, OneDimensionalTranslationPlacesTheObjectAtEveryOffset) {
  // A 3-character object "101" in the 10 positions 5 .. 14 of 20.
  const std::string v = "11000" "0010100000" "00001";
  for (int kind : {1, 2}) {
    const auto copies = Copies(v, {kind, 5, 14, 10, -2});
    ASSERT_EQ(copies.size(), 8u);
    for (size_t o = 0; o < copies.size(); ++o) {
      std::string region(10, '0');
      region.replace(o, 3, "101");
      EXPECT_EQ(copies[o], "11000" + region + "00001") << o;
    }
    EXPECT_EQ(copies[2], v);  // the vector's own place, stored a second time
  }
}

TEST(SymmetryTransforms, EmptyRegionGivesOneCopyOnlyInTranslationFamilies) {
  std::string empty1D(12, '0');
  empty1D.front() = empty1D.back() = '1';
  EXPECT_EQ(Copies(empty1D, {1, 1, 10, 10, -2}), std::vector<std::string>{empty1D});
  EXPECT_TRUE(Copies(empty1D, {3, 1, 10, 10, -2}).empty());
  const std::string empty2D = Image({});
  for (int kind : {11, 12, 13}) {
    EXPECT_EQ(Copies(empty2D, Square(kind)), std::vector<std::string>{empty2D}) << kind;
  }
  for (int kind : {21, 22, 23, 31, 32, 33, 34}) {
    EXPECT_TRUE(Copies(empty2D, Square(kind)).empty()) << kind;
  }
}

TEST(SymmetryTransforms, NoCopiesForKindZeroAndUnknownKinds) {
  const std::string v = Image({{2, 2}});
  for (int kind : {0, 5, 10, 14, 24, 30, 35, -1}) {
    EXPECT_TRUE(Copies(v, Square(kind)).empty()) << kind;
    EXPECT_EQ(CheckSymmetryRegion({kind, -2, -2, -2, -2}, 110), kSymmetryRegionFits);
  }
}

TEST(SymmetryTransforms, TwoDimensionalTranslationCountsAndKeepsTheOtherAxis) {
  const std::string v = Image({{3, 4}, {4, 4}, {3, 5}, {4, 5}});
  const auto alongX = Copies(v, Square(11));
  ASSERT_EQ(alongX.size(), 9u);
  EXPECT_EQ(alongX[0], Image({{0, 4}, {1, 4}, {0, 5}, {1, 5}}));
  EXPECT_EQ(alongX[8], Image({{8, 4}, {9, 4}, {8, 5}, {9, 5}}));
  const auto alongY = Copies(v, Square(12));
  ASSERT_EQ(alongY.size(), 9u);
  EXPECT_EQ(alongY[8], Image({{3, 8}, {4, 8}, {3, 9}, {4, 9}}));
  const auto both = Copies(v, Square(13));
  ASSERT_EQ(both.size(), 81u);
  EXPECT_EQ(both[1], Image({{0, 1}, {1, 1}, {0, 2}, {1, 2}}));  // x outer, y inner
  EXPECT_EQ(both[80], Image({{8, 8}, {9, 8}, {8, 9}, {9, 9}}));
  for (const auto& c : both) EXPECT_EQ(Ones(c), Ones(v));
  ExpectOutsideKept(both, v, 3, 103);
}

TEST(SymmetryTransforms, OneDimensionalScalingDropsCopiesThatFillHalfTheRegion) {
  // Object "11" in a 10-position region: halved to the base "1"; lengths
  // 1, 5 and 9 (step max(1, 2 * 2)); lengths 5 and 9 fill half the region.
  const std::string v = "0011000000" "00";
  const auto copies = Copies(v, {3, 0, 9, 10, -2});
  ASSERT_EQ(copies.size(), 10u);
  for (size_t o = 0; o < copies.size(); ++o) {
    std::string expected(12, '0');
    expected[o] = '1';
    EXPECT_EQ(copies[o], expected);
  }
  // Bits outside the region count toward the density: 1 + 4 reaches 10 / 2.
  EXPECT_TRUE(Copies("0011000000" "11" "11", {3, 0, 9, 10, -2}).empty());
}

TEST(SymmetryTransforms, OneDimensionalScalingStretchesRunsOfTheBase) {
  // Base "101" (no run shorter than one): lengths 3, 5, ..., 19 in a
  // 20-position region; the step is max(20 / 10, 2) = 2, the offset step 1.
  const std::string v = "101" + std::string(17, '0');
  const auto copies = Copies(v, {4, 0, 19, 20, -2});
  // Lengths 3 .. 13 give 18, 16, .., 8 offsets with 2 * trunc(t / 3) ones;
  // from length 15 on the copies hold 10 ones, half the region.
  ASSERT_EQ(copies.size(), 18u + 16u + 14u + 12u + 10u + 8u);
  EXPECT_EQ(copies[0], v);
  // Factor 5/3: runs at 0 (length 1) and 2 (length 1) become 0..0 and 3..3.
  EXPECT_EQ(copies[18], "1001" + std::string(16, '0'));
  // Factor 3: 0..2 and 6..8.
  EXPECT_EQ(copies[18 + 16 + 14 + 1], "0" "111000111" + std::string(10, '0'));
}

TEST(SymmetryTransforms, TwoDimensionalScalingGrowsTheObjectToEverySize) {
  // A 2 x 2 block: the vector again, the base, then sizes 2 .. 7 at every
  // offset (11 - size)^2; sizes 8 and 9 fill half the region or more.
  const std::string v(100, '0');
  std::string block = v;
  for (int p : {55, 56, 65, 66}) block[static_cast<size_t>(p)] = '1';
  const auto copies = Copies(block, {21, 0, 99, 10, 10});
  ASSERT_EQ(copies.size(), 2u + 81 + 64 + 49 + 36 + 25 + 16);
  EXPECT_EQ(copies[0], block);
  std::string base = v;
  for (int p : {0, 1, 10, 11}) base[static_cast<size_t>(p)] = '1';
  EXPECT_EQ(copies[1], base);
  EXPECT_EQ(copies[2], base);  // size 2 at offset (0, 0)
  const std::string& last = copies.back();  // size 7 at offset (3, 3)
  EXPECT_EQ(Ones(last), 49);
  EXPECT_EQ(last[33], '1');
  EXPECT_EQ(last[99], '1');
  EXPECT_EQ(last[32], '0');
  for (const auto& c : copies) EXPECT_LT(Ones(c), 50);
}

TEST(SymmetryTransforms, TwoDimensionalScalingReducesWideObjects) {
  // A 12-column bar is reduced by 2 along x before it is grown again.
  std::string v(20 * 4, '0');
  for (int x = 2; x < 14; ++x) v[static_cast<size_t>(20 + x)] = '1';
  const auto copies = Copies(v, {23, 0, 79, 20, 4});
  ASSERT_GE(copies.size(), 2u);
  EXPECT_EQ(copies[0], v);
  // fx = 2, fy = 1: a 6 x 1 base whose pixels see 2 ones, more than 1.
  EXPECT_EQ(copies[1], std::string(6, '1') + std::string(74, '0'));
  for (const auto& c : copies) EXPECT_LT(Ones(c), 40);
}

TEST(SymmetryTransforms, RotationOfOnePixelGivesEveryPlaceAtEveryAngle) {
  std::string v(5 * 5 + 2, '0');
  v[1 + 0 + 5 * 4] = '1';  // corner pixel of a 5 x 5 region at 1 .. 25
  v[26] = '1';
  const auto copies = Copies(v, {31, 1, 25, 5, 5});
  ASSERT_EQ(copies.size(), 1u + 36u * 25u);
  EXPECT_EQ(copies[0], v);
  for (const auto& c : copies) EXPECT_EQ(Ones(c), 2);
  ExpectOutsideKept(copies, v, 1, 26);
}

TEST(SymmetryTransforms, RotationTurnsAnObjectAndDropsDenseCopies) {
  // A vertical bar of 5 in a 9 x 9 region turns into a horizontal one at
  // 90 degrees; no copy reaches 81 / 2 ones.
  std::string v(81, '0');
  for (int y = 2; y < 7; ++y) v[static_cast<size_t>(4 + 9 * y)] = '1';
  const auto copies = Copies(v, {31, 0, 80, 9, 9});
  auto isHorizontalBar = [](const std::string& c) {
    for (int y = 0; y < 9; ++y) {
      if (c.substr(static_cast<size_t>(9 * y), 9).find("11111") != std::string::npos) return true;
    }
    return false;
  };
  EXPECT_TRUE(std::any_of(copies.begin(), copies.end(), isHorizontalBar));
  for (const auto& c : copies) EXPECT_LT(Ones(c), 40);
  // A region already half full makes no copy at all.
  std::string full(81, '1');
  EXPECT_TRUE(Copies(full, {31, 0, 80, 9, 9}).empty());
  EXPECT_TRUE(Copies(full, {34, 0, 80, 9, 9}).empty());
}

TEST(SymmetryTransforms, RotationWithScalingStoresTurnedAndScaledCopies) {
  std::string v(100, '0');
  v[44] = v[45] = '1';
  const auto copies = Copies(v, {32, 0, 99, 10, 10});
  ASSERT_GT(copies.size(), 36u * 2u);
  EXPECT_EQ(copies[0], v);
  for (const auto& c : copies) EXPECT_LT(Ones(c), 50);
}

TEST(SymmetryTransforms, RegionsThatDoNotFitTheVectorAreRefused) {
  EXPECT_EQ(CheckSymmetryRegion({1, -2, -2, -2, -2}, 20), kSymmetryRegionUnset);
  EXPECT_EQ(CheckSymmetryRegion({13, 0, 99, 10, -2}, 200), kSymmetryRegionUnset);
  EXPECT_EQ(CheckSymmetryRegion({31, 0, 99, 0, 10}, 200), kSymmetryRegionUnset);
  EXPECT_EQ(CheckSymmetryRegion({1, 15, 24, 10, -2}, 20), kSymmetryRegionPastVector);
  EXPECT_EQ(CheckSymmetryRegion({13, 1, 100, 10, 10}, 100), kSymmetryRegionPastVector);
  EXPECT_EQ(CheckSymmetryRegion({13, 0, 98, 10, 10}, 200), kSymmetryRegionInconsistent);
  EXPECT_EQ(CheckSymmetryRegion({13, 0, 99, 10, 10}, 100), kSymmetryRegionFits);
  // Huge dimensions must not overflow into a region that seems to fit.
  EXPECT_EQ(CheckSymmetryRegion({13, 0, 99, 65536, 65536}, 100), kSymmetryRegionInconsistent);
  EXPECT_TRUE(Copies(std::string(20, '1'), {1, 15, 24, 10, -2}).empty());
  EXPECT_FALSE(SymmetryRegionProblem(kSymmetryRegionPastVector).empty());
}

class SymmetryTrainingTest : public TempDirTest {};

std::vector<int32_t> Sizes(const Engine& e) {
  std::vector<int32_t> out;
  const DCharList& list = e.store().PatternSizes();
  for (int64_t i = 0; i <= list.last(); ++i) out.push_back(list.at(i));
  return out;
}

TEST_F(SymmetryTrainingTest, CopiesFollowTheirVectorInTrainingAndRetraining) {
  Engine engine;
  SymmetrySettings s;
  s.symmetryKind = 1;
  s.symmetryStart = 0;
  s.symmetryEnd = 9;
  s.symmetryXDim = 10;
  ASSERT_EQ(engine.TrainNetwork(Write("a.trn", "*c* 20 1110000000 1100000000  00000000010000000000"), s), kTrainOk);
  EXPECT_EQ(engine.symmetryProblem(), kSymmetryRegionFits);
  // 3-bit object: vector + 8 copies of 5 bits; 1-bit object: vector + 10 of 1.
  std::vector<int32_t> expected{5, 5, 5, 5, 5, 5, 5, 5, 5, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,
                                PatternStore::kEndMark};
  EXPECT_EQ(Sizes(engine), expected);
  // The first copies of the first vector: the object at offsets 0 and 1,
  // the bits outside the region kept.
  const DCharList& positions = engine.store().PatternPositions();
  EXPECT_EQ(positions.at(5), 0);
  EXPECT_EQ(positions.at(10), 1);
  EXPECT_EQ(positions.at(14), 11);
  ASSERT_EQ(engine.RetrainNetwork(Write("a.rtn", "*c* 20 00000000000000000000"), s), kRetrainOk);
  expected.pop_back();
  expected.insert(expected.end(), {0, 0, PatternStore::kEndMark});
  EXPECT_EQ(Sizes(engine), expected);
}

TEST_F(SymmetryTrainingTest, RegionThatDoesNotFitStoresTheVectorsAloneAndSaysWhy) {
  Engine engine;
  SymmetrySettings unset;
  unset.symmetryKind = 13;
  ASSERT_EQ(engine.TrainNetwork(Write("a.trn", "*c* 20 11000000000000000000 00000000000000000011"), unset), kTrainOk);
  EXPECT_EQ(engine.symmetryProblem(), kSymmetryRegionUnset);
  EXPECT_EQ(Sizes(engine), (std::vector<int32_t>{2, 2, PatternStore::kEndMark}));
  SymmetrySettings past{1, 12, 21, 10, -2};
  ASSERT_EQ(engine.TrainNetwork(Write("a.trn", "*c* 20 11000000000000000000 00000000000000000011"), past), kTrainOk);
  EXPECT_EQ(engine.symmetryProblem(), kSymmetryRegionPastVector);
  ASSERT_EQ(engine.TrainNetwork(Write("a.trn", "*c* 20 11000000000000000000 00000000000000000011"), {}), kTrainOk);
  EXPECT_EQ(engine.symmetryProblem(), kSymmetryRegionFits);
}

}  // namespace
}  // namespace foresta
