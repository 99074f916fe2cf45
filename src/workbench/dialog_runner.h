#ifndef FORESTA_WORKBENCH_DIALOG_RUNNER_H_
#define FORESTA_WORKBENCH_DIALOG_RUNNER_H_

#include <string>

#include "prediction/prediction_state.h"
#include "state/workbench_state.h"

namespace foresta {

class Workbench;

// Values of dialogSelector. The first five open a dialog; the others are
// presets that rewrite the text forms without a window.
inline constexpr int kDataFilesDialog = 330;
inline constexpr int kLinkDialog = 551;
inline constexpr int kLineBreakerDialog = 361;
inline constexpr int kShifterDialog = 386;
inline constexpr int kSegmentCounterDialog = 535;

inline constexpr int kShifterPreset = 390;
inline constexpr int kCharacterPreset = 399;
inline constexpr int kResetPreset = 411;
inline constexpr int kImagePreset = 428;
inline constexpr int kImageRotationPreset = 429;
inline constexpr int kTranslationRotationPreset = 430;
inline constexpr int kNoSymmetryPreset = 435;
inline constexpr int kCounterPreset = 536;

// Performs the dialog or preset that state().dialogSelector names. A
// confirmed dialog stores its texts into the settings and asks its summary
// question; a cancelled one changes nothing and shows nothing. Any other
// selector does nothing.
void RunDialog(Workbench& wb);

// The Link dialog's summary, built after its texts were stored. In Directory
// mode this replaces the Input File text by the current directory and scans
// it for usable input files, filling directoryList.
std::string BuildLinkSummary(WorkbenchState& state,
                             PredictionState& prediction);

// The current directory as the Link dialog writes it: the absolute path
// without its leading "/". False when it cannot be read.
bool LinkDirectoryText(std::string& text);

}  // namespace foresta

#endif  // FORESTA_WORKBENCH_DIALOG_RUNNER_H_
