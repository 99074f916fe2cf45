#ifndef FORESTA_WORKBENCH_SYMMETRY_DIALOG_H_
#define FORESTA_WORKBENCH_SYMMETRY_DIALOG_H_

#include <string>

#include "state/workbench_state.h"

namespace foresta {

class Workbench;

inline constexpr const char* kSymmetryCaption = " Symmetry Parameters";

// Codes of symmetryKind, the symmetry training and recognition apply.
enum SymmetryKind : int {
  kNoSymmetry = 0,
  kTranslation1D = 1,
  kScaling1D = 3,
  kXTranslation2D = 11,
  kYTranslation2D = 12,
  kXYTranslation2D = 13,
  kXScaling2D = 21,
  kYScaling2D = 22,
  kXYScaling2D = 23,
  kZRotation = 31,
  kXScalingRotation = 32,
  kYScalingRotation = 33,
  kFullSymmetry = 34,
};

struct SymmetryOutcome {
  bool valid = false;  // the positions were stored
  int kind = kNoSymmetry;
  std::string message;  // the text of the " Symmetry Parameters" box
};

// Validates the Symmetry dialog's texts and, when they are consistent,
// stores start, end and the two dimensions. Classifies in every case from
// the dimensions entered and the check boxes, setting symmetryKind, so a
// training run refuses a kind whose region does not fit rather than the
// dialog hiding it.
SymmetryOutcome ApplySymmetryTexts(WorkbenchState& state);

// Command 363: opens the Symmetry dialog; on OK applies it and shows the
// outcome in a plain message box.
void RunSymmetryCommand(Workbench& wb);

}  // namespace foresta

#endif  // FORESTA_WORKBENCH_SYMMETRY_DIALOG_H_
