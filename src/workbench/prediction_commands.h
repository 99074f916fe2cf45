#ifndef FORESTA_WORKBENCH_PREDICTION_COMMANDS_H_
#define FORESTA_WORKBENCH_PREDICTION_COMMANDS_H_

#include <optional>
#include <string>

namespace foresta {

// Status-line hint of a Data menu or prediction command (551 to 605, 610 to
// 618, 620 to 628); nothing for other identifiers.
std::optional<std::string> PredictionCommandHint(int id);

}  // namespace foresta

#endif  // FORESTA_WORKBENCH_PREDICTION_COMMANDS_H_
