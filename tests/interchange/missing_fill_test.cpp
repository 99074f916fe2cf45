#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "interchange/missing_fill.h"

namespace foresta {
namespace {

// Interpolation holds back only the rows of the current run of missing
// values: over 100,000 rows with runs of at most four, never more than four
// rows wait, and every value lands on the line between its neighbours.
TEST(MissingValueFillerTest, InterpolationHoldsOnlyTheOpenRun) {
  std::vector<float> written;
  MissingValueFiller filler(MissingPolicy::kInterpolate, 2,
                            [&](std::string_view, const float* v) {
                              written.push_back(v[0]);
                              written.push_back(v[1]);
                            });
  std::size_t most = 0;
  for (int i = 0; i < 100000; ++i) {
    const float values[2] = {static_cast<float>(i), static_cast<float>(2 * i)};
    const bool missing[2] = {i % 7 >= 3, i % 5 == 4};  // runs of 4 and of 1
    filler.Add({"", values, missing});
    most = std::max(most, filler.held());
  }
  filler.Finish();
  EXPECT_LE(most, 4u);
  ASSERT_EQ(written.size(), 200000u);
  // The last two rows lie after column 0's last value (99,997) and carry
  // it forward.
  for (int i = 0; i < 99998; ++i) {
    ASSERT_EQ(written[2 * static_cast<std::size_t>(i)], static_cast<float>(i)) << i;
    ASSERT_EQ(written[2 * static_cast<std::size_t>(i) + 1], static_cast<float>(2 * i)) << i;
  }
  EXPECT_EQ(written[2 * 99998], 99997.0f);
  EXPECT_EQ(written[2 * 99999], 99997.0f);
  EXPECT_EQ(filler.skipped(), 0);
}

TEST(MissingValueFillerTest, PreviousAndSkipCountWhatTheyDo) {
  std::vector<float> written;
  auto collect = [&](std::string_view, const float* v) { written.push_back(v[0]); };
  const float values[] = {0, 1, 0, 3};
  const bool missing[] = {true, false, true, false};
  MissingValueFiller previous(MissingPolicy::kPrevious, 1, collect);
  for (int i = 0; i < 4; ++i) previous.Add({"", &values[i], &missing[i]});
  previous.Finish();
  EXPECT_EQ(written, (std::vector<float>{1, 1, 3}));
  EXPECT_EQ(previous.skipped(), 1);
  EXPECT_EQ(previous.filled(), 1);

  written.clear();
  MissingValueFiller skip(MissingPolicy::kSkip, 1, collect);
  for (int i = 0; i < 4; ++i) skip.Add({"", &values[i], &missing[i]});
  skip.Finish();
  EXPECT_EQ(written, (std::vector<float>{1, 3}));
  EXPECT_EQ(skip.skipped(), 2);
  EXPECT_EQ(ParseMissingPolicy("interpolate"), MissingPolicy::kInterpolate);
  EXPECT_FALSE(ParseMissingPolicy("Skip").has_value());
}

}  // namespace
}  // namespace foresta
