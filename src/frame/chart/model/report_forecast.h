#ifndef FORESTA_FRAME_CHART_MODEL_REPORT_FORECAST_H_
#define FORESTA_FRAME_CHART_MODEL_REPORT_FORECAST_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "frame/chart/model/chart_status.h"

namespace foresta {

// One possible next row of a prediction report and its weight
// (confidence times probability).
struct ReportCandidate {
  std::vector<float> values;  // one per variable
  float weight = 0.0f;
};

// What a prediction report says about the rows after the last one.
struct ReportForecast {
  enum class Form {
    kSingle,        // one next row: possibilities (when listed) and summary
    kNoPrediction,  // "Can not make a Prediction."
    kSteps,         // a 3- or 10-step table: one averaged row per step
  };
  Form form = Form::kNoPrediction;
  // Listed possibilities (report modes with a listing); empty otherwise.
  std::vector<ReportCandidate> candidates;
  std::vector<float> weightedAverage;
  std::vector<float> highestProbability;
  float highestWeight = 0.0f;
  std::vector<float> errors;  // "Error of each number"
  // kSteps: the weighted averages of step 1, 2, ... and their maximum weights.
  std::vector<std::vector<float>> steps;
  std::vector<float> stepWeights;
};

struct ReportResult {
  ChartStatus status;
  ReportForecast forecast;
  // Refused because the report is a collective one without a part for the
  // input: a report about other files.
  bool noPartForInput = false;
};

// Parses `text`, a prediction report as the prediction commands write it (a
// single report in any report mode, a multi-step table, or a collective
// report of a directory run, whose section for `inputFile` is taken), for an
// input of `variableCount` variables. A report whose rows do not hold that
// many numbers is refused: it was written for another file. `reportName`
// names the report in messages.
ReportResult ParseReport(std::string_view text, const std::string& inputFile,
                         std::uint32_t variableCount, const std::string& reportName);

// Reads the report file `reportFile` and parses it as above.
ReportResult ReadReport(const std::string& reportFile, const std::string& inputFile,
                        std::uint32_t variableCount);

// Whether the report file `reportFile` is a collective report, in parts
// headed by the input file each is about.
bool IsCollectiveReport(const std::string& reportFile);

// Whether `a` and `b` name the same input file as a collective report's
// section header does: the same text, or else the same file name.
bool SameInputName(const std::string& a, const std::string& b);

}  // namespace foresta

#endif  // FORESTA_FRAME_CHART_MODEL_REPORT_FORECAST_H_
