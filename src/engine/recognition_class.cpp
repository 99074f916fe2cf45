#include "engine/recognition_class.h"

#include <algorithm>

#include "engine/char_reader.h"
#include "engine/pattern_file_check.h"
#include "engine/pattern_store.h"
#include "engine/report_output.h"

namespace foresta {

namespace {

constexpr char kReportHeader[] = "\n ---------------------------- \n";
constexpr char kMismatch[] = " Recognition data does not match user distribution data \n";
constexpr char kNotClassified[] = " pattern can not be classified \n";
constexpr char kListingHeader[] = " User defined output neural patterns: \n";
constexpr char kListingFooter[] = " End of the Distribution \n";
constexpr char kRowGap[] = "     ";

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

  breakBefore_.assign(static_cast<size_t>(n) + 1, false);
  for (uint32_t i = 0; i <= n; ++i) breakBefore_[i] = breakers.BreakBefore(i);

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
  scorer_.Score(store, table_, vec, n, s, m, &totals_);

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

}  // namespace foresta
