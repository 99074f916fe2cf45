#include "engine/recognition_modes.h"

#include <algorithm>
#include <bit>

#include "engine/char_reader.h"
#include "engine/pattern_file_check.h"
#include "engine/pattern_store.h"
#include "engine/report_output.h"
#include "state/random_stream.h"

namespace foresta {

namespace {

constexpr char kReportHeader[] = "\n ---------------------------- \n";
constexpr char kNotClassified[] = " pattern can not be classified \n";
constexpr char kRetrainingSuggested[] = "retraining pattern is suggested\n";

// The general mode never tries more than 2^30 - 1 candidates per vector.
constexpr int64_t kGeneralMaxBits = 30;
// The most 1-bits the up-to-N/divisor modes put into a section.
constexpr int64_t kUpToMaxOnes = 4;
// Draws thrown away before each local search.
constexpr int kDiscardedDraws = 100;
// The local search ends at the latest when its step counter passes this.
constexpr int64_t kLocalStepLimit = 1000;
// A search that needed more steps than this suggests retraining.
constexpr int64_t kLocalStepsSuggestRetraining = 800;
// Candidates between two polls of the progress hook.
constexpr uint64_t kPollEvery = 4096;

}  // namespace

RecognitionModes::RecognitionModes(const PatternStore& store, uint32_t neuronCount,
                                   ReportOutput* report, ScoringMethod method)
    : store_(store), n_(neuronCount), report_(report), scorer_(store, neuronCount, method) {}

int RecognitionModes::RecognizeSingleNeuron(const RecognitionSettings& settings, bool listAll,
                                            EngineProgress* progress) {
  return Frame(settings, Job{Mode::kSingle, listAll}, progress);
}

int RecognitionModes::RecognizeFixedOnes(const RecognitionSettings& settings, int k, bool listAll,
                                         EngineProgress* progress) {
  return Frame(settings, Job{Mode::kFixed, listAll, std::clamp(k, 1, 4)}, progress);
}

int RecognitionModes::RecognizeGeneral(const RecognitionSettings& settings, int divisor,
                                       bool listAll, EngineProgress* progress) {
  return Frame(settings, Job{Mode::kGeneral, listAll, std::max(divisor, 1)}, progress);
}

int RecognitionModes::RecognizeLocalMinimum(const RecognitionSettings& settings, int runs,
                                            RandomStream& random, EngineProgress* progress) {
  Job job{Mode::kLocal};
  job.runs = runs;
  job.random = &random;
  return Frame(settings, job, progress);
}

int RecognitionModes::RetrieveImages(const RecognitionSettings& settings,
                                     EngineProgress* progress) {
  return Frame(settings, Job{Mode::kImages}, progress);
}

int RecognitionModes::RecognizeRun(const RecognitionSettings& settings, EngineProgress* progress) {
  return Frame(settings, Job{Mode::kRun}, progress);
}

int RecognitionModes::Frame(const RecognitionSettings& settings, const Job& job,
                            EngineProgress* progress) {
  // The Run command recognises right after training; its file is tested
  // all the same, so an untested file can never be read past its vectors.
  if (TestRecognitionFile(settings.recognitionFile, n_) != kFileOk) return kRecognitionNeedsTest;
  CharReader in;
  if (!in.Open(settings.recognitionFile)) return kRecognitionNeedsTest;
  if (!store_.trained()) return kRecognitionNotTrained;
  if (report_ == nullptr || !report_->isOpen()) return kRecognitionNoOutput;
  report_->Write(kReportHeader);
  if (!report_->Flush()) return kRecognitionNoOutput;

  breakBefore_.assign(static_cast<size_t>(n_) + 1, false);
  for (uint32_t i = 0; i <= n_; ++i) breakBefore_[i] = settings.breakers.BreakBefore(i);
  cancelled_ = false;
  const bool echo = job.mode != Mode::kImages;

  SkipCommentSection(in);
  int c;
  do {
    c = in.Get();
  } while (c != CharReader::kEof && c != '0' && c != '1' && c != 'x');

  vec_.assign(n_, '0');
  while (c != CharReader::kEof && !cancelled_) {
    int64_t s = -1;
    int64_t m = 0;
    uint32_t i = 0;
    for (; i < n_; ++i) {
      if (i > 0) {
        c = in.GetNonSpace();
        if (c == CharReader::kEof) break;
        if (echo && breakBefore_[i]) report_->Write("\n\t");
      }
      if (echo) report_->Write(static_cast<char>(c));
      vec_[i] = static_cast<char>(c);
      if (c == 'x') {
        if (s < 0) s = i;
        ++m;
      }
    }
    if (i < n_) break;  // the file changed since its test
    if (echo) report_->Write('\n');
    if (m > 0 || job.mode == Mode::kImages) {
      if (!Vector(job, s < 0 ? 0 : s, m, progress)) break;
    }
    if (!Poll(progress, in.consumed(), in.fileSize())) break;
    c = in.GetNonSpace();
  }

  if (!report_->Flush()) return kRecognitionWriteFailed;
  return cancelled_ ? kRecognitionCancelled : kRecognitionOk;
}

bool RecognitionModes::Poll(EngineProgress* progress, uint64_t done, uint64_t total) {
  if (progress == nullptr || cancelled_) return !cancelled_;
  if (!progress->Continue(done, total)) {
    cancelled_ = true;
    report_->Write(kRecognitionCancelledText);
  }
  return !cancelled_;
}

bool RecognitionModes::Vector(const Job& job, int64_t s, int64_t m, EngineProgress* progress) {
  switch (job.mode) {
    case Mode::kSingle:
      return Single(job.listAll, s, m);
    case Mode::kFixed:
    case Mode::kGeneral:
    case Mode::kRun:
      return Enumerate(job, s, m, progress);
    case Mode::kLocal:
      return LocalMinimum(job.runs, *job.random, s, m, progress);
    case Mode::kImages:
      Image();
      return true;
  }
  return true;
}

void RecognitionModes::SetSection(const std::vector<int64_t>& ones, int64_t s, int64_t m) {
  std::fill(candidate_.begin() + s, candidate_.begin() + s + m, '0');
  for (int64_t j : ones) candidate_[static_cast<size_t>(s + j)] = '1';
}

bool RecognitionModes::Single(bool listAll, int64_t s, int64_t m) {
  scorer_.Prepare(vec_, s, m, m, 1);
  const std::vector<uint32_t> votes = scorer_.SinglePositionVotes();
  candidate_ = vec_;
  if (listAll) {
    uint64_t running = votes[0];
    for (int64_t p = 0; p < m; ++p) {
      const uint32_t total = votes[static_cast<size_t>(p)];
      if (total == 0) continue;
      SetSection({p}, s, m);
      WriteListingLine(candidate_, total, running);
      running = std::max<uint64_t>(running, total);
    }
  }
  const auto top = std::max_element(votes.begin(), votes.end());  // the first greatest
  const uint64_t ties = static_cast<uint64_t>(std::count(votes.begin(), votes.end(), *top));
  SetSection({top - votes.begin()}, s, m);
  WriteResult(candidate_, *top, ties);
  report_->Write('\n');
  return true;
}

void RecognitionModes::Consider(uint64_t score, bool listAll, bool newlineAfter) {
  if (score == bestScore_) {
    ++ties_;
  } else if (score > bestScore_) {
    best_ = candidate_;
    bestScore_ = score;
    ties_ = 1;
  }
  if (listAll && score > 0) WriteListingLine(candidate_, score, bestScore_);
  if (listAll && newlineAfter) report_->Write('\n');
}

bool RecognitionModes::Enumerate(const Job& job, int64_t s, int64_t m, EngineProgress* progress) {
  int64_t reach = m;
  int64_t maxOnes = m;
  std::vector<int64_t> counts;  // numbers of 1-bits, in candidate order
  const bool general = job.mode == Mode::kGeneral && job.k == 1;
  if (job.mode == Mode::kFixed) {
    if (m < job.k) return true;  // too short for k 1-bits: no candidates, no result
    counts = {job.k};
  } else if (job.mode == Mode::kRun) {
    counts = {1};
  } else if (general) {
    reach = std::min(m, kGeneralMaxBits);
  } else {
    for (int64_t c = std::min(m / job.k, kUpToMaxOnes); c >= 1; --c) counts.push_back(c);
  }
  if (!counts.empty()) maxOnes = counts.front();
  scorer_.Prepare(vec_, s, m, reach, maxOnes);

  candidate_ = vec_;
  std::fill(candidate_.begin() + s, candidate_.begin() + s + m, '0');
  best_ = vec_;
  bestScore_ = 0;
  ties_ = 0;
  const bool listAll = job.listAll && job.mode != Mode::kRun;
  const bool newlineAfter = job.mode == Mode::kGeneral && !general;
  uint64_t tried = 0;
  bool going = true;

  if (general) {
    // Candidate i: bit j of i sets section position s + j.
    const uint64_t last = m <= kGeneralMaxBits ? (uint64_t{1} << m) - 1 : uint64_t{1} << kGeneralMaxBits;
    std::vector<int64_t> ones;
    for (uint64_t i = 1; i < last && going; ++i) {
      const uint64_t score = scorer_.ScoreMask(i);
      // The candidate text is needed only when it is listed or becomes best.
      if (score > bestScore_ || (listAll && score > 0)) {
        ones.clear();
        for (uint64_t bits = i; bits != 0; bits &= bits - 1) ones.push_back(std::countr_zero(bits));
        SetSection(ones, s, m);
      }
      Consider(score, listAll, false);
      if (++tried % kPollEvery == 0) going = Poll(progress, i, last - 1);
    }
  } else {
    const bool useMask = m <= 64;
    std::vector<uint64_t> words(useMask ? 1 : static_cast<size_t>((m + 63) / 64), 0);
    for (int64_t k : counts) {
      std::vector<int64_t> pos(static_cast<size_t>(k));
      // Positions p1 > p2 > ... > pk, the outermost loop on p1.
      auto visit = [&]() {
        uint64_t score;
        if (useMask) {
          uint64_t mask = 0;
          for (int64_t p : pos) mask |= uint64_t{1} << p;
          score = scorer_.ScoreMask(mask);
        } else {
          for (int64_t p : pos) words[static_cast<size_t>(p / 64)] |= uint64_t{1} << (p % 64);
          score = scorer_.ScoreWords(words, k);
          for (int64_t p : pos) words[static_cast<size_t>(p / 64)] = 0;
        }
        if (score > bestScore_ || (listAll && score > 0)) SetSection(pos, s, m);
        Consider(score, listAll, newlineAfter);
        if (++tried % kPollEvery == 0) going = Poll(progress, tried, 0);
        return going;
      };
      auto loop = [&](auto& self, int64_t level, int64_t upper) -> bool {
        for (int64_t p = k - 1 - level; p < upper; ++p) {
          pos[static_cast<size_t>(level)] = p;
          if (level + 1 == k ? !visit() : !self(self, level + 1, p)) return false;
        }
        return true;
      };
      if (!loop(loop, 0, m)) break;
    }
  }
  if (!going) return false;

  if (!listAll) {
    WriteResult(best_, bestScore_, ties_);
    const bool newlineAtEnd =
        job.mode == Mode::kRun || (job.mode == Mode::kFixed && (job.k == 2 || job.k == 3));
    if (newlineAtEnd) report_->Write('\n');
  }
  return true;
}

bool RecognitionModes::LocalMinimum(int runs, RandomStream& random, int64_t s, int64_t m,
                                    EngineProgress* progress) {
  scorer_.Prepare(vec_, s, m, m, m);
  std::vector<uint64_t> bits(static_cast<size_t>((m + 63) / 64), 0);
  std::vector<uint8_t> reference(static_cast<size_t>(m));
  auto bit = [&](int64_t j) { return (bits[static_cast<size_t>(j / 64)] >> (j % 64)) & 1; };
  auto set = [&](int64_t j, uint64_t v) {
    uint64_t& w = bits[static_cast<size_t>(j / 64)];
    w = (w & ~(uint64_t{1} << (j % 64))) | (v << (j % 64));
  };
  auto score = [&](int64_t ones) { return scorer_.ScoreWords(bits, ones); };

  for (int run = 0; run < runs; ++run) {
    for (int d = 0; d < kDiscardedDraws; ++d) random.Next();
    int64_t ones = 0;
    for (int64_t j = 0; j < m; ++j) {
      const uint64_t v = static_cast<uint64_t>(random.Next() & 1);
      set(j, v);
      reference[static_cast<size_t>(j)] = static_cast<uint8_t>(v);
      ones += static_cast<int64_t>(v);
    }
    int64_t t = 0, unchanged = 0, steps = 1;
    for (;;) {
      ones -= static_cast<int64_t>(bit(t));
      set(t, 0);
      const uint64_t score0 = score(ones);
      set(t, 1);
      const uint64_t score1 = score(ones + 1);
      const uint64_t chosen = score0 > score1 ? 0 : 1;  // a tie keeps the 1
      set(t, chosen);
      ones += static_cast<int64_t>(chosen);
      if (reference[static_cast<size_t>(t)] == chosen) {
        ++unchanged;
      } else {
        reference[static_cast<size_t>(t)] = static_cast<uint8_t>(chosen);
        unchanged = 0;
      }
      if (unchanged == m) break;
      t = (t + 1) % m;
      steps += 2;
      // Two candidates can score alike forever; the counter ends the search.
      if (steps > kLocalStepLimit) break;
      if (steps % 128 == 1 && !Poll(progress, static_cast<uint64_t>(steps), kLocalStepLimit)) {
        return false;
      }
    }
    candidate_ = vec_;
    for (int64_t j = 0; j < m; ++j) candidate_[static_cast<size_t>(s + j)] = bit(j) ? '1' : '0';
    const uint64_t reached = score(ones);
    WriteVectorText(candidate_);
    report_->Write("  ");
    report_->WriteNumber(reached);
    report_->Write('\n');
    if (steps > kLocalStepsSuggestRetraining) report_->Write(kRetrainingSuggested);
    if (reached == 0) report_->Write(kNotClassified);
  }
  return true;
}

void RecognitionModes::Image() {
  if (vec_.find('x') != std::string::npos) return;
  scorer_.Prepare(vec_, 0, 0, 0, 0);
  const uint64_t score = scorer_.ScoreMask(0);
  if (score == 0) return;
  WriteVectorText(vec_);
  report_->Write('\t');
  report_->WriteNumber(score);
  report_->Write("\n\n");
}

void RecognitionModes::WriteVectorText(const std::string& vec) {
  for (uint32_t i = 0; i < n_; ++i) {
    report_->Write(vec[i]);
    if (breakBefore_[i + 1]) report_->Write("\n\t");
  }
}

void RecognitionModes::WriteListingLine(const std::string& vec, uint64_t score,
                                        uint64_t runningBest) {
  WriteVectorText(vec);
  report_->Write('\t');
  report_->WriteNumber(score);
  if (score >= runningBest) report_->Write("  *");
  report_->Write("\n\n");
}

void RecognitionModes::WriteResult(const std::string& vec, uint64_t score, uint64_t ties) {
  if (score == 0) {
    report_->Write(kNotClassified);
    return;
  }
  WriteVectorText(vec);
  report_->Write("  ");
  report_->WriteNumber(score);
  report_->Write("  ");
  report_->WriteNumber(ties);
  report_->Write("\n\n");
  if (ties >= 2) {
    report_->Write(" There are ");
    report_->WriteNumber(ties);
    report_->Write(" Patterns found with equal weight \n");
    report_->Write(" More training for this pattern is suggested\n\n");
  }
}

}  // namespace foresta
