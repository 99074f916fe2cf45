#include "frame/chart/model/chart_status.h"

#include "state/message_texts.h"

namespace foresta {

ChartStatus ChartRefusal(int code, const std::string& detail) {
  std::string text(InformationText(code).value_or("Chart: refused"));
  // The product's texts may end in a blank; the detail follows one colon.
  while (!text.empty() && text.back() == ' ') text.pop_back();
  if (!detail.empty()) text += ": " + detail;
  return {code, text};
}

}  // namespace foresta
