#ifndef FORESTA_PREDICTION_DIRECTORY_SCAN_H_
#define FORESTA_PREDICTION_DIRECTORY_SCAN_H_

#include <string>
#include <vector>

#include "prediction/prediction_state.h"
#include "state/workbench_state.h"

namespace foresta {

// Names in `directory` that end in ".txt" in any letter case, in ascending
// byte order so that runs are reproducible.
std::vector<std::string> ListTextFiles(const std::string& directory = ".");

// Fills directoryList with the "*.txt" files of the current directory that
// pass the input test with the current precision and trend (at most 2,000,
// names kept in full), sets directoryCount, then sets predictionInputFile to
// `dialogInput`. Returns the number of names accepted.
int ScanInputDirectory(WorkbenchState& state, PredictionState& prediction,
                       const std::string& dialogInput);

}  // namespace foresta

#endif  // FORESTA_PREDICTION_DIRECTORY_SCAN_H_
