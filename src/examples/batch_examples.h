#ifndef FORESTA_EXAMPLES_BATCH_EXAMPLES_H_
#define FORESTA_EXAMPLES_BATCH_EXAMPLES_H_

#include <string>

namespace foresta {

// The two example batch files of the Example menu. Each returns
// kExampleWritten, or kExampleCannotCreate when `file` cannot be written.

// Code 10 (Integer + Linear), precision 10, trend 4, over the seven files
// of the cash3 subdirectory.
int WriteCash3Batch(const std::string& file);
// Code 604 (six averaged Real Exponential predictions), precision 10,
// trend 5, over the thirty files of the dj30 subdirectory.
int WriteDow5Batch(const std::string& file);

}  // namespace foresta

#endif  // FORESTA_EXAMPLES_BATCH_EXAMPLES_H_
