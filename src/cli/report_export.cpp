#include "cli/report_export.h"

namespace foresta {
namespace {

int StepOf(const ReportNumbers& report) {
  return report.averageIndex < 0 ? 1 : report.averageIndex + 1;
}

}  // namespace

void ReportExporter::OnCandidate(const ReportNumbers& report,
                                 std::span<const float> numbers, float weight) {
  if (json_ != nullptr) *json_ << CandidateJson(report.inputFile, StepOf(report), numbers, weight);
  if (csv_ != nullptr) csv_->Candidate(report.inputFile, StepOf(report), numbers, weight);
}

void ReportExporter::OnSummary(const ReportNumbers& report) {
  SummaryRecord summary;
  summary.made = report.made;
  summary.weightedAverage = report.weightedAverage;
  summary.highestProbability = report.highestProbability;
  summary.highestWeight = report.highestWeight;
  summary.error = report.error;
  if (json_ != nullptr) {
    *json_ << SummaryJson(report.inputFile, StepOf(report), summary);
    json_->flush();
  }
  if (csv_ != nullptr) csv_->Summary(report.inputFile, StepOf(report), summary);
  ++summaries_;
}

}  // namespace foresta
