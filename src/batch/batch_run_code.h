#ifndef FORESTA_BATCH_BATCH_RUN_CODE_H_
#define FORESTA_BATCH_BATCH_RUN_CODE_H_

#include <string>

namespace foresta {

// A batch run code names a prediction kind in its last two digits and the
// number of averaged predictions in the digits before them.
inline int RunCodeKind(int code) { return code % 100; }
inline int RunCodeAverages(int code) { return code / 100; }

// True when g = code mod 100 is 1..27, h = code div 100 is 0..99 and, for
// h >= 2, g is one of the averaged kinds (1..6, 10..12).
bool IsValidBatchRunCode(int code);

// True when `kind` has an averaged form (1..6 and 10..12).
bool IsAveragedKind(int kind);

// The description line Batch/Save writes for a single code (1..27) or an
// averaged code (h >= 1 with an averaged kind); empty for any other code.
std::string RunCodeLine(int code);

}  // namespace foresta

#endif  // FORESTA_BATCH_BATCH_RUN_CODE_H_
