#ifndef FORESTA_FRAME_CHART_MODEL_CHART_STATUS_H_
#define FORESTA_FRAME_CHART_MODEL_CHART_STATUS_H_

#include <string>

namespace foresta {

// The outcome of reading something a chart draws: code 0, or a message code
// (kMsgChart... or an input-test status 150 + code) with a message that
// says what was refused and where.
struct ChartStatus {
  int code = 0;
  std::string message;

  bool ok() const { return code == 0; }
};

// The status of `code` with the code's text followed by `detail`.
ChartStatus ChartRefusal(int code, const std::string& detail);

}  // namespace foresta

#endif  // FORESTA_FRAME_CHART_MODEL_CHART_STATUS_H_
