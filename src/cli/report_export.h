#ifndef FORESTA_CLI_REPORT_EXPORT_H_
#define FORESTA_CLI_REPORT_EXPORT_H_

#include <ostream>
#include <span>

#include "interchange/report_records.h"
#include "prediction/report_listener.h"

namespace foresta {

// Passes the numbers of every prediction report on as JSON lines and/or CSV
// rows, the step counted from 1 (a single prediction is step 1).
class ReportExporter : public ReportListener {
 public:
  // Either may be null; neither is owned.
  ReportExporter(std::ostream* json, CsvRecordFile* csv) : json_(json), csv_(csv) {}

  void OnCandidate(const ReportNumbers& report, std::span<const float> numbers,
                   float weight) override;
  void OnSummary(const ReportNumbers& report) override;

  // Whether any report was passed on.
  bool any() const { return summaries_ > 0; }

 private:
  std::ostream* json_;
  CsvRecordFile* csv_;
  int summaries_ = 0;
};

}  // namespace foresta

#endif  // FORESTA_CLI_REPORT_EXPORT_H_
