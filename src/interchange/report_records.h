#ifndef FORESTA_INTERCHANGE_REPORT_RECORDS_H_
#define FORESTA_INTERCHANGE_REPORT_RECORDS_H_

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "interchange/atomic_file.h"
#include "state/json_text.h"

namespace foresta {

// The end of one prediction report: the weighted average, the most probable
// candidate with its weight and the error of each number, or nothing when no
// prediction could be made. One number per variable.
struct SummaryRecord {
  bool made = false;
  std::vector<float> weightedAverage;
  std::vector<float> highestProbability;
  std::int64_t highestWeight = 0;
  std::vector<float> error;
};

// The shortest JSON number that reads back to `value`; null when it is not
// finite. Several values (several variables) make an array.
std::string JsonNumbers(std::span<const float> values);

// One line each, ending in "\n":
// {"kind":"candidate","file":F,"step":K,"value":V,"weight":W}
std::string CandidateJson(std::string_view file, int step,
                          std::span<const float> values, float weight);
// {"kind":"summary","file":F,"step":K,"weightedAverage":..,
//  "highestProbability":..,"highestWeight":..,"error":..}; the three lists
// are null when no prediction was made.
std::string SummaryJson(std::string_view file, int step, const SummaryRecord& summary);
// {"kind":"error","message":M}
std::string ErrorJson(std::string_view message);

// The same records as CSV rows "file,step,kind,value,weight": a
// "candidate" row for each candidate, then "weightedAverage",
// "highestProbability" (weighted with the highest weight) and "error".
// Several variables' numbers share the value field, separated by blanks.
// The file appears whole at Commit() or not at all.
class CsvRecordFile {
 public:
  // Returns an empty text, or why the file cannot be written.
  std::string Open(const std::string& path);
  void Candidate(std::string_view file, int step, std::span<const float> values,
                 float weight);
  void Summary(std::string_view file, int step, const SummaryRecord& summary);
  // Returns an empty text, or why the file could not be written.
  std::string Commit() { return out_.Commit(); }

 private:
  void Row(std::string_view file, int step, std::string_view kind,
           const std::string& value, const std::string& weight);

  AtomicFile out_;
};

}  // namespace foresta

#endif  // FORESTA_INTERCHANGE_REPORT_RECORDS_H_
