#include "engine/vector_scorer.h"

#include <algorithm>
#include <bit>
#include <unordered_map>

#include "engine/dchar_list.h"
#include "engine/pattern_store.h"
#include "engine/pattern_weight.h"
#include "engine/recognition_class.h"

namespace foresta {

namespace {

void AddCapped(uint32_t* total, uint64_t weight) {
  const uint64_t sum = uint64_t{*total} + weight;
  *total = sum > kTotalCap ? kTotalCap : static_cast<uint32_t>(sum);
}

struct MaskKey {
  uint64_t mask;
  int32_t size;
  bool operator==(const MaskKey&) const = default;
};
struct MaskKeyHash {
  size_t operator()(const MaskKey& k) const {
    return std::hash<uint64_t>()(k.mask * 0x9e3779b97f4a7c15ull ^ static_cast<uint64_t>(k.size));
  }
};

}  // namespace

VectorScorer::VectorScorer(const PatternStore& store, uint32_t neuronCount, ScoringMethod method)
    : store_(store), n_(neuronCount), method_(method), weights_(PatternWeightTable(neuronCount)) {}

void VectorScorer::Prepare(const std::string& vec, int64_t s, int64_t m, int64_t reach,
                           int64_t maxOnes) {
  vec_ = vec;
  s_ = s;
  m_ = m;
  reach_ = std::clamp<int64_t>(reach, 0, m);
  std::fill(vec_.begin() + s, vec_.begin() + s + m, '0');
  onesOutside_ = std::count(vec_.begin(), vec_.end(), '1');
  kept_.clear();
  offsets_.clear();
  if (method_ == ScoringMethod::kBitParallel) PrepareBitParallel(std::min(maxOnes, reach_));
}

void VectorScorer::PrepareBitParallel(int64_t maxOnes) {
  const int64_t canHold = onesOutside_ + maxOnes;
  const bool masks = reach_ <= 64;
  std::unordered_map<MaskKey, size_t, MaskKeyHash> folded;
  std::vector<int32_t> inside;

  auto keep = [&](int32_t k) {
    const int32_t count = static_cast<int32_t>(inside.size());
    if (count > maxOnes) return;
    if (masks) {
      uint64_t mask = 0;
      for (int32_t off : inside) mask |= uint64_t{1} << off;
      auto [it, added] = folded.try_emplace(MaskKey{mask, k}, kept_.size());
      if (!added) {
        ++kept_[it->second].copies;
        return;
      }
      kept_.push_back(Kept{mask, 0, count, k, 1});
      return;
    }
    kept_.push_back(Kept{0, static_cast<int64_t>(offsets_.size()), count, k, 1});
    offsets_.insert(offsets_.end(), inside.begin(), inside.end());
  };

  DCharList::Reader sizes(store_.PatternSizes(), 0);
  const int64_t reachEnd = s_ + reach_;
  if (store_.hasBitRows()) {
    // Positions that no candidate sets: zeros outside the section and the
    // section beyond the reach. One AND per word rejects a pattern.
    const int64_t words = store_.wordsPerPattern();
    std::vector<uint64_t> forbidden(static_cast<size_t>(words), 0);
    for (uint32_t i = 0; i < n_; ++i) {
      const bool open = (i >= s_ && i < reachEnd) || vec_[i] == '1';
      if (!open) forbidden[i / 64] |= uint64_t{1} << (i % 64);
    }
    const int64_t patterns = store_.patternCount();
    for (int64_t p = 0; p < patterns; ++p) {
      const int32_t k = sizes.Next();
      if (k > canHold) continue;
      const uint64_t* row = store_.BitRow(p);
      bool consistent = true;
      for (int64_t w = 0; w < words && consistent; ++w) consistent = (row[w] & forbidden[w]) == 0;
      if (!consistent) continue;
      inside.clear();
      for (int64_t j = 0; j < reach_; ++j) {
        const int64_t at = s_ + j;
        if ((row[at / 64] >> (at % 64)) & 1) inside.push_back(static_cast<int32_t>(j));
      }
      keep(k);
    }
    return;
  }

  DCharList::Reader positions(store_.PatternPositions(), 0);
  for (int32_t k = sizes.Next(); k != PatternStore::kEndMark; k = sizes.Next()) {
    if (k > canHold) {
      positions.Skip(k);
      continue;
    }
    inside.clear();
    bool consistent = true;
    for (int32_t j = 0; j < k; ++j) {
      const int64_t at = positions.Next();
      if (at >= s_ && at < reachEnd) {
        inside.push_back(static_cast<int32_t>(at - s_));
      } else if (vec_[static_cast<size_t>(at)] != '1') {
        positions.Skip(k - j - 1);
        consistent = false;
        break;
      }
    }
    if (consistent) keep(k);
  }
}

uint64_t VectorScorer::ScoreMask(uint64_t section) {
  if (method_ == ScoringMethod::kDirect) {
    scratch_.assign(1, section);
    return DirectScore(scratch_, std::popcount(section));
  }
  const int64_t ones = onesOutside_ + std::popcount(section);
  const uint32_t* w = weights_.data() + ones;
  uint64_t total = 0;
  for (const Kept& p : kept_) {
    if ((p.mask & ~section) == 0) total += uint64_t{p.copies} * w[-p.size];
  }
  return total;
}

uint64_t VectorScorer::ScoreWords(const std::vector<uint64_t>& section, int64_t ones) {
  if (method_ == ScoringMethod::kDirect) return DirectScore(section, ones);
  if (reach_ <= 64) return ScoreMask(section.empty() ? 0 : section[0]);
  const uint32_t* w = weights_.data() + onesOutside_ + ones;
  uint64_t total = 0;
  for (const Kept& p : kept_) {
    const int32_t* off = offsets_.data() + p.first;
    bool fits = true;
    for (int32_t j = 0; j < p.count && fits; ++j) {
      fits = (section[static_cast<size_t>(off[j] / 64)] >> (off[j] % 64)) & 1;
    }
    if (fits) total += uint64_t{p.copies} * w[-p.size];
  }
  return total;
}

uint64_t VectorScorer::DirectScore(const std::vector<uint64_t>& section, int64_t ones) {
  std::string candidate = vec_;
  for (int64_t j = 0; j < m_; ++j) {
    const size_t word = static_cast<size_t>(j / 64);
    if (word < section.size() && ((section[word] >> (j % 64)) & 1)) {
      candidate[static_cast<size_t>(s_ + j)] = '1';
    }
  }
  const int64_t n1 = onesOutside_ + ones;
  uint64_t total = 0;
  DCharList::Reader sizes(store_.PatternSizes(), 0);
  DCharList::Reader positions(store_.PatternPositions(), 0);
  for (int32_t k = sizes.Next(); k != PatternStore::kEndMark; k = sizes.Next()) {
    if (k > n1) {
      positions.Skip(k);
      continue;
    }
    bool fits = true;
    for (int32_t j = 0; j < k; ++j) {
      if (candidate[static_cast<size_t>(positions.Next())] != '1') {
        positions.Skip(k - j - 1);
        fits = false;
        break;
      }
    }
    if (fits) total += weights_[static_cast<size_t>(n1 - k)];
  }
  return total;
}

std::vector<uint32_t> VectorScorer::SinglePositionVotes() const {
  std::vector<uint32_t> votes(static_cast<size_t>(m_), 0);
  const int64_t a = onesOutside_ + 1;
  if (method_ == ScoringMethod::kBitParallel) {
    for (const Kept& p : kept_) {
      if (p.count != 1) continue;
      const int64_t at = reach_ <= 64 ? std::countr_zero(p.mask) : offsets_[static_cast<size_t>(p.first)];
      AddCapped(&votes[static_cast<size_t>(at)], uint64_t{p.copies} * weights_[static_cast<size_t>(a - p.size)]);
    }
    return votes;
  }
  DCharList::Reader sizes(store_.PatternSizes(), 0);
  DCharList::Reader positions(store_.PatternPositions(), 0);
  for (int32_t k = sizes.Next(); k != PatternStore::kEndMark; k = sizes.Next()) {
    if (k > a) {
      positions.Skip(k);
      continue;
    }
    int64_t inside = 0, first = -1;
    bool consistent = true;
    for (int32_t j = 0; j < k; ++j) {
      const int64_t at = positions.Next();
      if (at >= s_ && at < s_ + m_) {
        if (first < 0) first = at - s_;
        ++inside;
      } else if (vec_[static_cast<size_t>(at)] != '1') {
        positions.Skip(k - j - 1);
        consistent = false;
        break;
      }
    }
    if (consistent && inside == 1) {
      AddCapped(&votes[static_cast<size_t>(first)], weights_[static_cast<size_t>(a - k)]);
    }
  }
  return votes;
}

}  // namespace foresta
