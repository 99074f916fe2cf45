#include "engine/recognition_class.h"

#include <algorithm>
#include <bit>

#include "engine/char_reader.h"
#include "engine/pattern_file_check.h"
#include "engine/pattern_store.h"
#include "engine/pattern_weight.h"
#include "engine/report_output.h"

namespace foresta {

namespace {

constexpr char kReportHeader[] = "\n ---------------------------- \n";
constexpr char kMismatch[] = " Recognition data does not match user distribution data \n";
constexpr char kNotClassified[] = " pattern can not be classified \n";
constexpr char kListingHeader[] = " User defined output neural patterns: \n";
constexpr char kListingFooter[] = " End of the Distribution \n";
constexpr char kRowGap[] = "     ";

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

int RecognitionClass::RecognizeWithDistribution(const PatternStore& store, uint32_t neuronCount,
                                                const RecognitionSettings& settings,
                                                EngineProgress* progress) {
  ReportOutput report;
  return Run(store, neuronCount, settings, &report, true, true, progress);
}

int RecognitionClass::RecognizeBestMatch(const PatternStore& store, uint32_t neuronCount,
                                         const RecognitionSettings& settings,
                                         ReportOutput* report, EngineProgress* progress) {
  return Run(store, neuronCount, settings, report, false, false, progress);
}

int RecognitionClass::Run(const PatternStore& store, uint32_t n,
                          const RecognitionSettings& settings, ReportOutput* report,
                          bool ownReport, bool listVotes, EngineProgress* progress) {
  // The distribution is loaded on the pass that tests it, once per call.
  if (TestDistributionFile(settings.userDistributionFile, &table_) != kFileOk) {
    table_.Clear();
    return kRecognitionNeedsDistribution;
  }
  if (TestRecognitionFile(settings.recognitionFile, n) != kFileOk) return kRecognitionNeedsTest;
  CharReader in;
  if (!in.Open(settings.recognitionFile)) return kRecognitionNeedsTest;
  if (ownReport && !report->Open(settings.recognitionOutputFile)) return kRecognitionNeedsTest;
  return Recognize(store, n, in, settings.breakers, report, ownReport, listVotes, progress);
}

int RecognitionClass::RecognizeWithDistributionFromBytes(
    const PatternStore& store, uint32_t neuronCount, std::string_view recognition,
    std::string_view distribution, const BreakerSettings& breakers, std::string* report,
    EngineProgress* progress) {
  CharReader in;
  in.OpenBytes(distribution);
  if (TestDistributionFile(in, &table_) != kFileOk) {
    table_.Clear();
    return kRecognitionNeedsDistribution;
  }
  in.OpenBytes(recognition);
  if (TestRecognitionFile(in, neuronCount) != kFileOk) return kRecognitionNeedsTest;
  in.OpenBytes(recognition);
  ReportOutput output;
  output.OpenMemory(report);
  return Recognize(store, neuronCount, in, breakers, &output, true, true, progress);
}

int RecognitionClass::Recognize(const PatternStore& store, uint32_t n, CharReader& in,
                                const BreakerSettings& breakers, ReportOutput* report,
                                bool ownReport, bool listVotes, EngineProgress* progress) {
  if (!store.trained()) {
    if (ownReport) report->Close();
    return kRecognitionNotTrained;
  }
  report->Write(kReportHeader);
  if (!report->Flush()) {
    if (ownReport) report->Close();
    return kRecognitionNoOutput;
  }

  if (weightsFor_ != n) {
    weights_ = PatternWeightTable(n);
    weightsFor_ = n;
  }
  breakBefore_.assign(static_cast<size_t>(n) + 1, false);
  for (uint32_t i = 0; i <= n; ++i) breakBefore_[i] = breakers.BreakBefore(i);
  totals_.assign(static_cast<size_t>(table_.rowCount()), 0);

  SkipCommentSection(in);
  // Text before the first vector character is skipped as the file test
  // skips it, so the vectors read are the vectors tested.
  int c;
  do {
    c = in.Get();
  } while (c != CharReader::kEof && c != '0' && c != '1' && c != 'x');

  std::string vec(n, '0');
  bool cancelled = false;
  while (c != CharReader::kEof) {
    int64_t s = -1;
    int64_t m = 0;
    uint32_t i = 0;
    for (; i < n; ++i) {
      if (i > 0) {
        c = in.GetNonSpace();
        if (c == CharReader::kEof) break;
        if (breakBefore_[i]) report->Write("\n\t");
      }
      report->Write(static_cast<char>(c));
      vec[i] = static_cast<char>(c);
      if (c == 'x') {
        if (s < 0) s = i;
        ++m;
      }
    }
    if (i < n) break;  // the file changed since its test
    report->Write('\n');
    if (m > 0) {
      std::fill(vec.begin() + s, vec.begin() + s + m, '0');
      WriteVector(store, vec, n, listVotes, s, m, report);
    }
    report->Write('\n');
    if (progress != nullptr && !progress->Continue(in.consumed(), in.fileSize())) {
      cancelled = true;
      break;
    }
    c = in.GetNonSpace();
  }

  const bool written = ownReport ? report->Close() : report->Flush();
  if (!written) return kRecognitionWriteFailed;
  return cancelled ? kRecognitionCancelled : kRecognitionOk;
}

void RecognitionClass::WriteVector(const PatternStore& store, std::string& vec, uint32_t n,
                                   bool listVotes, int64_t s, int64_t m, ReportOutput* report) {
  if (table_.rowLength() != m) {
    report->Write(kMismatch);
    report->Write(kNotClassified);
    return;
  }
  Score(store, vec, n, s, m);

  const int64_t rows = table_.rowCount();
  std::string text;
  if (listVotes) {
    report->Write(kListingHeader);
    for (int64_t r = 0; r < rows; ++r) {
      if (totals_[static_cast<size_t>(r)] == 0) continue;
      text.clear();
      table_.AppendRow(r, &text);
      report->Write(text);
      report->Write(kRowGap);
      report->WriteNumber(totals_[static_cast<size_t>(r)]);
      report->Write('\n');
    }
    report->Write(kListingFooter);
  }

  uint32_t best = 0;
  int64_t winner = -1;
  for (int64_t r = 0; r < rows; ++r) {
    if (totals_[static_cast<size_t>(r)] > best) {
      best = totals_[static_cast<size_t>(r)];
      winner = r;
    }
  }
  if (best == 0) {
    report->Write(kNotClassified);
    return;
  }
  const uint64_t ties = static_cast<uint64_t>(std::count(totals_.begin(), totals_.end(), best));
  for (int64_t j = 0; j < m; ++j) vec[static_cast<size_t>(s + j)] = table_.Bit(winner, j) ? '1' : '0';
  text.clear();
  for (uint32_t i = 0; i < n; ++i) {
    text.push_back(vec[i]);
    if (breakBefore_[i + 1]) text.append("\n\t");
  }
  std::fill(vec.begin() + s, vec.begin() + s + m, '0');
  report->Write(text);
  report->Write("  ");
  report->WriteNumber(best);
  report->Write("  ");
  report->WriteNumber(ties);
  report->Write("\n\n");
  if (ties >= 2) {
    report->Write(" There are ");
    report->WriteNumber(ties);
    report->Write(" Patterns found with equal weight \n");
    report->Write(" More training for this pattern is suggested\n\n");
  }
}

void RecognitionClass::Score(const PatternStore& store, const std::string& vec, uint32_t n,
                             int64_t s, int64_t m) {
  std::fill(totals_.begin(), totals_.end(), 0);
  int64_t onesOutside = 0;
  for (uint32_t i = 0; i < n; ++i) onesOutside += vec[i] == '1';
  const int64_t canHold = onesOutside + m;
  const int64_t keyWords = table_.wordsPerRow();
  key_.assign(static_cast<size_t>(keyWords), 0);

  auto vote = [&](int64_t k, int64_t inside) {
    // d: the 1-bits outside the section that the pattern lacks.
    const int64_t d = onesOutside - (k - inside);
    const uint32_t w = weights_[static_cast<size_t>(d)];
    if (w == 0) return;
    const int64_t row = table_.Find(key_.data());
    if (row >= 0) AddCapped(&totals_[static_cast<size_t>(row)], w);
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
