#include "engine/distribution_scorer.h"

#include <algorithm>
#include <bit>

#include "engine/dchar_list.h"
#include "engine/distribution_table.h"
#include "engine/pattern_store.h"
#include "engine/pattern_weight.h"
#include "engine/recognition_class.h"

namespace foresta {

namespace {

// Bits first .. first+count-1 of a bit row, packed from bit 0 of out.
void ExtractBits(const uint64_t* row, int64_t rowWords, int64_t first, int64_t count,
                 uint64_t* out) {
  const int64_t outWords = (count + 63) / 64;
  for (int64_t j = 0; j < outWords; ++j) {
    const int64_t bit = first + 64 * j;
    const int64_t w = bit / 64;
    const int shift = static_cast<int>(bit % 64);
    uint64_t v = row[w] >> shift;
    if (shift != 0 && w + 1 < rowWords) v |= row[w + 1] << (64 - shift);
    out[j] = v;
  }
  const int rest = static_cast<int>(count % 64);
  if (rest != 0) out[outWords - 1] &= (uint64_t{1} << rest) - 1;
}

void AddCapped(uint32_t* total, uint32_t weight) {
  const uint64_t sum = uint64_t{*total} + weight;
  *total = sum > kTotalCap ? kTotalCap : static_cast<uint32_t>(sum);
}

}  // namespace

void DistributionScorer::Score(const PatternStore& store, const DistributionTable& table,
                               const std::string& vec, uint32_t n, int64_t s, int64_t m,
                               std::vector<uint32_t>* totals) {
  if (weightsFor_ != n || weights_.empty()) {
    weights_ = PatternWeightTable(n);
    weightsFor_ = n;
  }
  totals->assign(static_cast<size_t>(table.rowCount()), 0);
  int64_t onesOutside = 0;
  for (uint32_t i = 0; i < n; ++i) onesOutside += vec[i] == '1';
  const int64_t canHold = onesOutside + m;
  const int64_t keyWords = table.wordsPerRow();
  key_.assign(static_cast<size_t>(keyWords), 0);

  auto vote = [&](int64_t k, int64_t inside) {
    // d: the 1-bits outside the section that the pattern lacks.
    const int64_t d = onesOutside - (k - inside);
    const uint32_t w = weights_[static_cast<size_t>(d)];
    if (w == 0) return;
    const int64_t row = table.Find(key_.data());
    if (row >= 0) AddCapped(&(*totals)[static_cast<size_t>(row)], w);
  };

  DCharList::Reader sizes(store.PatternSizes(), 0);
  if (store.hasBitRows()) {
    const int64_t words = store.wordsPerPattern();
    forbidden_.assign(static_cast<size_t>(words), 0);
    section_.assign(static_cast<size_t>(words), 0);
    for (uint32_t i = 0; i < n; ++i) {
      const bool inSection = i >= s && i < s + m;
      uint64_t bit = uint64_t{1} << (i % 64);
      if (inSection) section_[i / 64] |= bit;
      else if (vec[i] != '1') forbidden_[i / 64] |= bit;
    }
    const int64_t patterns = store.patternCount();
    for (int64_t p = 0; p < patterns; ++p) {
      const int64_t k = sizes.Next();
      if (k > canHold) continue;
      const uint64_t* row = store.BitRow(p);
      bool consistent = true;
      int64_t inside = 0;
      for (int64_t w = 0; w < words; ++w) {
        if (row[w] & forbidden_[w]) {
          consistent = false;
          break;
        }
        inside += std::popcount(row[w] & section_[w]);
      }
      if (!consistent) continue;
      ExtractBits(row, words, s, m, key_.data());
      vote(k, inside);
    }
    return;
  }

  DCharList::Reader positions(store.PatternPositions(), 0);
  for (int64_t k = sizes.Next(); k != PatternStore::kEndMark; k = sizes.Next()) {
    if (k > canHold) {
      positions.Skip(k);
      continue;
    }
    std::fill(key_.begin(), key_.end(), 0);
    bool consistent = true;
    int64_t inside = 0;
    for (int64_t j = 0; j < k; ++j) {
      const int64_t at = positions.Next();
      if (at >= s && at < s + m) {
        key_[static_cast<size_t>((at - s) / 64)] |= uint64_t{1} << ((at - s) % 64);
        ++inside;
      } else if (vec[static_cast<size_t>(at)] != '1') {
        positions.Skip(k - j - 1);
        consistent = false;
        break;
      }
    }
    if (consistent) vote(k, inside);
  }
}

}  // namespace foresta
