#ifndef FORESTA_STATE_STATE_FIELDS_H_
#define FORESTA_STATE_STATE_FIELDS_H_

#include <string>

#include "state/workbench_state.h"

namespace foresta {

// Sets a WorkbenchState field by its name (as scripts name it, e.g.
// "precision", "predictionInputFile", "inputMode"). A numeric field that a
// dialog shows gets its text form rewritten too. Returns an empty string on
// success, otherwise a message saying what was wrong.
std::string SetStateField(WorkbenchState& state, const std::string& name,
                          const std::string& value);

// Sets a dialog text form by its name ("link.precision", "symmetry.x",
// "symmetry.zRotation", ...). Returns an empty string or an error message.
std::string SetDialogText(WorkbenchState& state, const std::string& name,
                          const std::string& value);

}  // namespace foresta

#endif  // FORESTA_STATE_STATE_FIELDS_H_
