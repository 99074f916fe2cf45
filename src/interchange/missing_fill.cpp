#include "interchange/missing_fill.h"

#include <utility>

namespace foresta {

std::optional<MissingPolicy> ParseMissingPolicy(std::string_view name) {
  if (name == "fail") return MissingPolicy::kFail;
  if (name == "skip") return MissingPolicy::kSkip;
  if (name == "previous") return MissingPolicy::kPrevious;
  if (name == "interpolate") return MissingPolicy::kInterpolate;
  return std::nullopt;
}

const char* MissingPolicyName(MissingPolicy policy) {
  switch (policy) {
    case MissingPolicy::kFail: return "fail";
    case MissingPolicy::kSkip: return "skip";
    case MissingPolicy::kPrevious: return "previous";
    case MissingPolicy::kInterpolate: return "interpolate";
  }
  return "fail";
}

MissingValueFiller::MissingValueFiller(MissingPolicy policy, std::size_t columns,
                                       FilledRowHandler handler)
    : policy_(policy),
      n_(columns),
      handler_(std::move(handler)),
      seen_(columns, false),
      last_(columns, 0.0f),
      lastPosition_(columns, 0),
      gapOpen_(columns, false),
      scratch_(columns, 0.0f) {}

bool MissingValueFiller::AnyMissing(const FillRow& row) const {
  for (std::size_t j = 0; j < n_; ++j) {
    if (row.missing[j]) return true;
  }
  return false;
}

// Notes which columns have had a value so far, this row included, and
// tells whether the row lacks a value its column has never had.
bool MissingValueFiller::BeforeFirstValue(const FillRow& row) {
  for (std::size_t j = 0; j < n_; ++j) {
    if (!row.missing[j]) seen_[j] = true;
  }
  for (std::size_t j = 0; j < n_; ++j) {
    if (row.missing[j] && !seen_[j]) return true;
  }
  return false;
}

void MissingValueFiller::Emit(std::string_view date, const float* values, bool filled) {
  if (filled) ++filled_;
  handler_(date, values);
}

void MissingValueFiller::Add(const FillRow& row) {
  switch (policy_) {
    case MissingPolicy::kFail:
      Emit(row.date, row.values, false);
      break;
    case MissingPolicy::kSkip:
      if (AnyMissing(row)) {
        ++skipped_;
      } else {
        Emit(row.date, row.values, false);
      }
      break;
    case MissingPolicy::kPrevious: AddPrevious(row); break;
    case MissingPolicy::kInterpolate: AddInterpolated(row); break;
  }
  ++position_;
}

void MissingValueFiller::AddPrevious(const FillRow& row) {
  for (std::size_t j = 0; j < n_; ++j) {
    if (!row.missing[j]) last_[j] = row.values[j];
  }
  if (BeforeFirstValue(row)) {
    ++skipped_;
    return;
  }
  bool filled = false;
  for (std::size_t j = 0; j < n_; ++j) {
    scratch_[j] = row.missing[j] ? last_[j] : row.values[j];
    filled = filled || row.missing[j];
  }
  Emit(row.date, scratch_.data(), filled);
}

void MissingValueFiller::AddInterpolated(const FillRow& row) {
  if (BeforeFirstValue(row)) {
    // No row is held yet: rows are held only once every column has a value.
    for (std::size_t j = 0; j < n_; ++j) {
      if (!row.missing[j]) {
        last_[j] = row.values[j];
        lastPosition_[j] = position_;
      }
    }
    ++skipped_;
    return;
  }
  if (heldDates_.empty() && !AnyMissing(row)) {
    for (std::size_t j = 0; j < n_; ++j) {
      last_[j] = row.values[j];
      lastPosition_[j] = position_;
    }
    Emit(row.date, row.values, false);
    return;
  }
  if (heldDates_.empty()) heldFirst_ = position_;
  heldDates_.emplace_back(row.date);
  int pending = 0;
  for (std::size_t j = 0; j < n_; ++j) {
    heldValues_.push_back(row.missing[j] ? 0.0f : row.values[j]);
    heldMissing_.push_back(row.missing[j]);
    if (row.missing[j]) ++pending;
  }
  heldPending_.push_back(pending);
  heldFilled_.push_back(false);
  for (std::size_t j = 0; j < n_; ++j) {
    if (row.missing[j]) {
      gapOpen_[j] = true;
      continue;
    }
    if (gapOpen_[j]) ResolveGap(j, row.values[j], position_);
    last_[j] = row.values[j];
    lastPosition_[j] = position_;
  }
  EmitReady();
}

// Fills column j of the held rows between its latest value and `value` at
// `position` on the straight line through both. Rows of the run that were
// dropped (before another column's first value) are not held and keep
// their place in the spacing.
void MissingValueFiller::ResolveGap(std::size_t j, float value, std::int64_t position) {
  const double from = last_[j];
  const std::int64_t start = lastPosition_[j];
  const double span = static_cast<double>(position - start);
  for (std::int64_t q = start + 1; q < position; ++q) {
    const std::int64_t index = q - heldFirst_;
    if (index < 0) continue;
    const std::size_t cell = static_cast<std::size_t>(index) * n_ + j;
    if (!heldMissing_[cell]) continue;
    const double t = static_cast<double>(q - start) / span;
    heldValues_[cell] = static_cast<float>(from + (value - from) * t);
    heldMissing_[cell] = false;
    --heldPending_[static_cast<std::size_t>(index)];
    heldFilled_[static_cast<std::size_t>(index)] = true;
  }
  gapOpen_[j] = false;
}

void MissingValueFiller::EmitReady() {
  while (!heldDates_.empty() && heldPending_.front() == 0) {
    for (std::size_t j = 0; j < n_; ++j) scratch_[j] = heldValues_[j];
    Emit(heldDates_.front(), scratch_.data(), heldFilled_.front());
    heldDates_.pop_front();
    heldValues_.erase(heldValues_.begin(), heldValues_.begin() + static_cast<long>(n_));
    heldMissing_.erase(heldMissing_.begin(), heldMissing_.begin() + static_cast<long>(n_));
    heldPending_.pop_front();
    heldFilled_.pop_front();
    ++heldFirst_;
  }
}

void MissingValueFiller::Finish() {
  for (std::size_t j = 0; j < n_; ++j) {
    if (!gapOpen_[j]) continue;
    // Nothing follows the column's last value: carry it forward.
    for (std::size_t index = 0; index < heldDates_.size(); ++index) {
      const std::size_t cell = index * n_ + j;
      if (!heldMissing_[cell]) continue;
      heldValues_[cell] = last_[j];
      heldMissing_[cell] = false;
      --heldPending_[index];
      heldFilled_[index] = true;
    }
    gapOpen_[j] = false;
  }
  EmitReady();
}

}  // namespace foresta
