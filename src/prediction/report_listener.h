#ifndef FORESTA_PREDICTION_REPORT_LISTENER_H_
#define FORESTA_PREDICTION_REPORT_LISTENER_H_

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace foresta {

// The numbers of one prediction report, handed over as the report writer
// computes them, so that a front end can export them without reading the
// report text back. Every list has one number per variable, in the form the
// report writes it (integer modes: rounded).
struct ReportNumbers {
  std::string inputFile;  // the input file predicted
  int averageIndex = -1;  // -1 alone; 0, 1, ... the steps of an average
  bool made = false;      // false: "Can not make a Prediction."
  std::vector<float> weightedAverage;
  std::vector<float> highestProbability;
  std::int64_t highestWeight = 0;
  std::vector<float> error;
};

class ReportListener {
 public:
  virtual ~ReportListener() = default;
  // One listed candidate: its numbers and its weight, in the listed order.
  // `report` carries the input file and step; its summary is not yet set.
  virtual void OnCandidate(const ReportNumbers& report, std::span<const float> numbers,
                           float weight) = 0;
  // After the last candidate, whether or not a prediction was made.
  virtual void OnSummary(const ReportNumbers& report) = 0;
};

}  // namespace foresta

#endif  // FORESTA_PREDICTION_REPORT_LISTENER_H_
