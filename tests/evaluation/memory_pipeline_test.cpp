#include "evaluation/memory_pipeline.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <random>
#include <string>

#include "evaluation/series_files.h"
#include "prediction/interval_code.h"
#include "prediction/prediction_report.h"
#include "prediction/run_code.h"
#include "prediction/text_output.h"
#include "state/message_codes.h"
#include "state/recording_shell.h"
#include "support/temp_dir.h"
#include "workbench/prediction_run.h"
#include "workbench/workbench.h"

namespace foresta {
namespace {

using testing::ReadFile;
using testing::ScopedTempDir;
using testing::WriteSeries;

// The status the file pipeline records for each in-memory outcome.
int StatusOf(int memoryCode) {
  switch (memoryCode) {
    case kMemoryPredicted:
    case kMemoryNoPrediction: return kDocReport;  // the report was opened
    case kMemoryInputRefused: return kMsgInputRefused;
    case kMemoryTooManyCombinations: return kMsgTooManyCombinations;
    case kMemoryTrainingRefused: return kMsgTestTrainingFile;
    case kMemoryDistributionRefused: return kAskTestDistribution;
  }
  return -1;
}

std::string Number(float x, bool integer) {
  return integer ? std::to_string(TruncateTowardZero(x)) : RealText(x);
}

// The report text the file pipeline writes, rebuilt from the numbers.
std::string ExpectedReport(const MemoryPrediction& p, int mode) {
  const bool integer = mode == kModeInteger || mode == kModeIntegerSummary;
  const bool listing = mode == kModeReal || mode == kModeInteger;
  std::string text;
  if (listing) text += "Possibility              Confidence*Probability  \n";
  if (p.code == kMemoryNoPrediction) text += kNoPredictionText;
  for (const MemoryCandidate& c : p.candidates) {
    if (!listing) break;
    for (float x : c.numbers) text += Number(x, integer) + "  ";
    text += "     " + RealText(c.weight) + "\n";
  }
  if (listing) text += std::string(51, '-') + "\n";
  if (p.code != kMemoryPredicted) return text;
  text += "Weighted Average\n";
  for (float x : p.weightedAverage) text += Number(x, integer) + "  ";
  text += "\nHighest Probability\n";
  for (float x : p.highestProbability) text += Number(x, integer) + "  ";
  text += std::to_string(p.maximumWeight) + "\nError of each number\n";
  for (float x : p.errors) text += RealText(x) + "  ";
  return text + "\n";
}

struct Case {
  Series series;
  int precision;
  int trend;
};

// Random series of the shapes real data take: walks, trends, integers,
// constants, zeros and sign changes (which the growth encoding clamps).
Case RandomCase(std::mt19937& random) {
  std::uniform_int_distribution<int> pick(0, 99);
  Case c;
  c.series.variables = pick(random) < 80 ? 1 : 1 + pick(random) % 3;
  const int rows = 3 + pick(random) % 50;
  const int shape = pick(random) % 5;
  std::normal_distribution<float> noise(0.0f, 1.0f);
  float level = static_cast<float>(pick(random) - 30);
  for (int r = 0; r < rows; ++r) {
    for (std::uint32_t j = 0; j < c.series.variables; ++j) {
      float x = 0.0f;
      switch (shape) {
        case 0: level += noise(random); x = level; break;
        case 1: x = 0.5f * static_cast<float>(r) + noise(random); break;
        case 2: x = std::round(10.0f + 5.0f * noise(random)); break;
        case 3: x = 7.0f; break;
        default: x = static_cast<float>(pick(random) % 3) * 0.05f; break;
      }
      c.series.values.push_back(x);
    }
  }
  static constexpr int kPrecisions[] = {1, 2, 3, 5, 7, 10, 20};
  c.precision = kPrecisions[pick(random) % 7];
  c.trend = 1 + pick(random) % 8;
  return c;
}

// Runs `code` through the files as the Real, Integer and AvgMax menus do and
// returns the status, leaving the report and the prediction state.
int RunFilePipeline(Workbench& wb, const Case& c, int code) {
  WorkbenchState& s = wb.state();
  s.predictionInputFile = "in.txt";
  s.precision = c.precision;
  s.trend = c.trend;
  s.inputMode = InputMode::kFile;
  RunPredictionCommand(wb, code);
  return s.statusCode;
}

// The weighted averages as single-precision numbers: growth reports leave
// them in ValueMinima N..2N-1, value reports in the table row of a step.
std::vector<float> FileAverages(Workbench& wb, const Case& c, int code) {
  const RunCodeInfo info = *DecodeRunCode(code);
  PredictionState& state = wb.prediction();
  const std::uint32_t n = c.series.variables;
  std::vector<float> averages(n);
  if (info.report == ReportKind::kGrowth) {
    for (std::uint32_t j = 0; j < n; ++j) averages[j] = state.ValueMinima[n + j];
    return averages;
  }
  ReportRequest r;
  r.precision = c.precision;
  r.trend = c.trend;
  r.style = info.style;
  r.mode = info.mode;
  r.averageIndex = 0;
  EXPECT_EQ(WritePredictionReport(info.report, r, ReportTarget::kSilent, state), kReportOk);
  for (std::uint32_t j = 0; j < n; ++j) {
    averages[j] = state.Table(static_cast<std::size_t>(c.trend - 1), j);
  }
  return averages;
}

TEST(MemoryPipelineTest, GivesTheFilePipelinesNumbersForEveryCode) {
  ScopedTempDir dir;
  std::mt19937 random(20240611);
  MemoryPipeline pipeline;
  int predicted = 0, refused = 0, none = 0;
  for (int trial = 0; trial < 60; ++trial) {
    const Case c = RandomCase(random);
    WriteSeries("in.txt", c.series, c.series.rows());
    for (int code = 1; code <= 27; ++code) {
      SCOPED_TRACE("trial " + std::to_string(trial) + " code " + std::to_string(code) + " P " +
                   std::to_string(c.precision) + " T " + std::to_string(c.trend));
      RecordingShell shell;
      Workbench wb(shell);
      const int status = RunFilePipeline(wb, c, code);
      MemoryPrediction p;
      pipeline.Predict(c.series, c.series.rows(), code, c.precision, c.trend, &p);
      ASSERT_EQ(status, StatusOf(p.code));
      if (status != kDocReport) {
        ++refused;
        continue;
      }
      ASSERT_EQ(ReadFile("example2b.txt"), ExpectedReport(p, DecodeRunCode(code)->mode));
      if (p.code != kMemoryPredicted) {
        ++none;
        continue;
      }
      ++predicted;
      const std::vector<float> averages = FileAverages(wb, c, code);
      for (std::size_t j = 0; j < averages.size(); ++j) {
        // Bit for bit, NaN included.
        EXPECT_EQ(std::bit_cast<std::uint32_t>(averages[j]),
                  std::bit_cast<std::uint32_t>(p.weightedAverage[j]));
      }
    }
  }
  // The random cases reach every kind of outcome.
  EXPECT_GT(predicted, 300);
  EXPECT_GT(refused, 50);
  EXPECT_GT(none, 0);
}

}  // namespace
}  // namespace foresta
