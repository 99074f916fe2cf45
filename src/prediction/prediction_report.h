#ifndef FORESTA_PREDICTION_PREDICTION_REPORT_H_
#define FORESTA_PREDICTION_PREDICTION_REPORT_H_

#include <string>

#include "prediction/prediction_state.h"
#include "prediction/report_listener.h"
#include "prediction/text_output.h"

namespace foresta {

// Result codes of the report writers.
enum ReportCode : int {
  kReportOk = 0,
  kReportNoRecognitionOutput = 1,  // the recognition output cannot be read
  kReportNoList = 2,               // growth: no ':' in the recognition output
  kReportCannotWrite = 3,          // the report could not be written
};

// What a report shows and how numbers are written.
enum ReportMode : int {
  kModeReal = 1,              // possibilities listed, real numbers
  kModeInteger = 2,           // possibilities listed, rounded numbers
  kModeRealSummary = 3,       // only average and maximum, real numbers
  kModeIntegerSummary = 4,    // only average and maximum, rounded numbers
};

inline bool IsReportMode(int mode) { return mode >= 1 && mode <= 4; }

// Value report: listed rows stand for values (linear and enumerative
// encodings). Growth report: they stand for growth rates applied to the last
// observed values (ValueMinima N..2N-1).
enum class ReportKind { kValue, kGrowth };

// Where the report text goes: the report file (emptied first), the open
// collective output of a directory run (after a header naming the input
// file), or nowhere (the averages only need the numbers).
enum class ReportTarget { kFile, kCollective, kSilent };

struct ReportRequest {
  std::string recognitionOutputFile = "example1.dat";
  std::string predictionOutputFile = "example2b.txt";
  // Named in the collective header.
  std::string predictionInputFile = "example2a.txt";
  int precision = 10;
  int trend = 5;
  int style = 1;   // CodeStyle of the encoding
  int mode = kModeReal;
  // -1 for a single prediction; 0, 1, ... for the steps of an average,
  // whose results go into LastRowsTable row averageIndex + trend - 1.
  int averageIndex = -1;
  // Told every candidate and the summary, whatever the target (silent
  // reports included); not owned, may be null.
  ReportListener* listener = nullptr;
};

// Reads the vote lines of the recognition output, decodes each listed row,
// and writes the report: the possibilities with their weights, the weighted
// average, the most probable row and the error of each number, or the
// advice that no prediction can be made. Leaves the step's results in
// LastRowsTable (and, for growth, moves the last values in ValueMinima on to
// the predicted row). `collective` is required for kCollective.
// Returns a ReportCode.
int WritePredictionReport(ReportKind kind, const ReportRequest& request,
                          ReportTarget target, PredictionState& state,
                          TextOutput* collective = nullptr);

// The text written when the recognition output lists no row.
extern const char* const kNoPredictionText;

}  // namespace foresta

#endif  // FORESTA_PREDICTION_PREDICTION_REPORT_H_
