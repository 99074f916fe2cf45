#ifndef FORESTA_STATE_MESSAGE_TEXTS_H_
#define FORESTA_STATE_MESSAGE_TEXTS_H_

#include <optional>
#include <string>
#include <string_view>

#include "state/workbench_state.h"

namespace foresta {

inline constexpr std::string_view kInformationCaption = "Information";

// Text of the information box for a message code, or nothing when the code
// is not in the information table.
std::optional<std::string_view> InformationText(int code);

struct QuestionMessage {
  std::string caption;
  std::string text;
};

// Caption and text of the question box for a message code. Composed codes
// (330, 360, 386, 535, 551) take the dialog texts of `state`, so the box
// repeats what the user typed. Nothing when the code has no question text.
std::optional<QuestionMessage> QuestionText(int code,
                                            const WorkbenchState& state);

// The composed question texts, exposed for the dialogs that build them.
std::string DataFilesSummary(const DialogTexts& texts);
std::string LineBreakerSummary(const DialogTexts& texts);
std::string ShifterSummary(const DialogTexts& texts);
std::string SegmentCounterSummary(const DialogTexts& texts);

}  // namespace foresta

#endif  // FORESTA_STATE_MESSAGE_TEXTS_H_
