#ifndef FORESTA_ENGINE_ENGINE_SETTINGS_H_
#define FORESTA_ENGINE_ENGINE_SETTINGS_H_

#include <cstdint>
#include <string>

namespace foresta {

// Where the display lines of a pattern start in the recognition report.
// -1 means unset.
struct BreakerSettings {
  int breakerStep = -1;
  int line2Start = -1;
  int line3Start = -1;
  int line4Start = -1;
  int line5Start = -1;

  // Whether the report breaks the line before character i of a vector.
  bool BreakBefore(int64_t i) const {
    if (breakerStep > 0) {
      return i == line2Start || (i > line2Start && (i - line2Start) % breakerStep == 0);
    }
    return i == line2Start || i == line3Start || i == line4Start || i == line5Start;
  }
};

// The symmetry setting that training applies to each stored vector.
struct SymmetrySettings {
  int symmetryKind = 0;
  int symmetryStart = -2;
  int symmetryEnd = -2;
  int symmetryXDim = -2;
  int symmetryYDim = -2;
};

// The files and layout a recognition run works with.
struct RecognitionSettings {
  std::string recognitionFile = "example1.rec";
  std::string recognitionOutputFile = "example1.dat";
  std::string userDistributionFile = "example1.usd";
  BreakerSettings breakers;
};

// Progress and cancellation of long engine runs. The engine polls it
// between vectors; returning false asks the run to stop.
class EngineProgress {
 public:
  virtual ~EngineProgress() = default;
  // done and total are in units of the run (bytes read, vectors handled).
  virtual bool Continue(uint64_t done, uint64_t total) = 0;
};

}  // namespace foresta

#endif  // FORESTA_ENGINE_ENGINE_SETTINGS_H_
