#include "editor/lines.h"

#include <algorithm>
#include <utility>

namespace foresta {

namespace {
constexpr std::size_t kMinGap = 1000;
}  // namespace

Lines::Lines() { storage_.emplace_back(); }

void Lines::MoveGap(std::size_t index, std::size_t need) {
  if (GapSize() < need) {
    // Grow geometrically so a long run of insertions stays linear overall.
    std::size_t used = storage_.size() - GapSize();
    std::size_t gap = std::max({need, kMinGap, used / 2});
    std::vector<std::string> grown;
    grown.reserve(used + gap);
    for (std::size_t i = 0; i < index; ++i) grown.push_back(std::move(storage_[Slot(static_cast<int>(i))]));
    grown.resize(index + gap);
    for (std::size_t i = index; i < used; ++i) grown.push_back(std::move(storage_[Slot(static_cast<int>(i))]));
    storage_ = std::move(grown);
    gapStart_ = index;
    gapEnd_ = index + gap;
    return;
  }
  if (index < gapStart_) {
    std::move_backward(storage_.begin() + static_cast<std::ptrdiff_t>(index),
                       storage_.begin() + static_cast<std::ptrdiff_t>(gapStart_),
                       storage_.begin() + static_cast<std::ptrdiff_t>(gapEnd_));
    std::size_t shift = gapStart_ - index;
    gapStart_ -= shift;
    gapEnd_ -= shift;
  } else if (index > gapStart_) {
    std::size_t shift = index - gapStart_;
    std::move(storage_.begin() + static_cast<std::ptrdiff_t>(gapEnd_),
              storage_.begin() + static_cast<std::ptrdiff_t>(gapEnd_ + shift),
              storage_.begin() + static_cast<std::ptrdiff_t>(gapStart_));
    gapStart_ += shift;
    gapEnd_ += shift;
  }
}

void Lines::Insert(int index, std::string text) {
  MoveGap(static_cast<std::size_t>(index), 1);
  storage_[gapStart_] = std::move(text);
  ++gapStart_;
}

void Lines::Erase(int index, int count) {
  if (count <= 0) return;
  MoveGap(static_cast<std::size_t>(index), 0);
  for (int i = 0; i < count; ++i) {
    std::string().swap(storage_[gapEnd_]);
    ++gapEnd_;
  }
  if (Count() == 0) Insert(0, std::string());
}

void Lines::Assign(std::vector<std::string> lines) {
  if (lines.empty()) lines.emplace_back();
  storage_ = std::move(lines);
  gapStart_ = storage_.size();
  // Leave a small gap for the first edits; reuse spare capacity if any.
  storage_.resize(gapStart_ + std::max(kMinGap, storage_.capacity() - gapStart_));
  gapEnd_ = storage_.size();
}

void Lines::Compact() {
  std::size_t used = storage_.size() - GapSize();
  MoveGap(used, 0);
  storage_.resize(used);
  storage_.shrink_to_fit();
  gapStart_ = gapEnd_ = used;
}

}  // namespace foresta
