#ifndef FORESTA_TESTS_SUPPORT_RECOGNITION_REFERENCE_H_
#define FORESTA_TESTS_SUPPORT_RECOGNITION_REFERENCE_H_

#include <cstdint>

#include "engine/engine_settings.h"

namespace foresta {

class PatternStore;

// A plain, step-by-step rendering of recognition with a user distribution:
// it reloads the distribution file for every vector, walks every pattern's
// positions and finds a row by comparing the rows one after the other.
// Far too slow for large stores; kept as the baseline the fast engine is
// measured against and as the oracle its reports are checked with.
// Writes settings.recognitionOutputFile; listVotes = false leaves out the
// vote listing as the best-match mode does. Returns a kRecognition* code.
int RecognizeWithDistributionReference(const PatternStore& store, uint32_t neuronCount,
                                       const RecognitionSettings& settings, bool listVotes);

}  // namespace foresta

#endif  // FORESTA_TESTS_SUPPORT_RECOGNITION_REFERENCE_H_
