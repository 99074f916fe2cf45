#ifndef FORESTA_PREDICTION_INPUT_CHECK_H_
#define FORESTA_PREDICTION_INPUT_CHECK_H_

#include <cstdint>
#include <string>
#include <string_view>

#include "prediction/prediction_state.h"
#include "state/message_codes.h"

namespace foresta {

// Result codes of TestInputFile; the status shown is 150 + code. The codes
// beyond 9 are chosen so that 150 + code is their message code.
enum InputTestCode : int {
  kInputOk = 0,
  kInputCannotOpen = 1,  // also: not a readable regular file
  kInputNoComment = 2,
  kInputCommentNotClosed = 3,
  kInputNeuronsOutOfRange = 4,
  kInputNoData = 6,
  kInputInvalidCharacter = 7,
  kInputLastRowIncomplete = 8,
  kInputNotEnoughData = 9,
  // A read error ended the reading before the end of the file.
  kInputReadFailed = kMsgInputReadFailed - kMsgInputTestBase,
  // A value beyond single precision, which would turn into infinities and
  // NaNs in every report.
  kInputValueTooLarge = kMsgInputValueTooLarge - kMsgInputTestBase,
  // The input file is the echo file: opening the echo would empty it.
  kInputIsEchoFile = kMsgInputIsEchoFile - kMsgInputTestBase,
};

inline constexpr const char* kEchoFile = "error.tmp";

struct InputTestRequest {
  std::string inputFile;
  int precision = 10;
  int trend = 5;
  // Empty: nothing is echoed and no file is written (readers that run side
  // by side in one folder).
  std::string echoFile = kEchoFile;
  // False: only the checks that hold whatever the precision and trend are
  // made (a variable count of 1 to 100,000 and at least one row), for
  // readers that try many settings on one file.
  bool checkSettingLimits = true;
  // When given, receives the particulars of a refusal in words (the row
  // and value that are too large, the limits N, T and P broke, the echo
  // file that could not be written); left empty otherwise. Not owned.
  std::string* particulars = nullptr;
};

// The limits on N, N x T and N x T x P that an input must meet: N >= 1,
// N x T < 100,000 and 20 <= N x T x P < 100,000, with trend and precision
// at least 1. Products never wrap.
bool InputFitsNeuronLimits(std::int64_t variables, int trend, int precision);

// Checks an input data file: its comment section, the variable count against
// the neuron limits, the characters of the data and the number of rows.
// Writes what the first pass read to the echo file, leaves the variable count
// in state.VariableCount and the number of rows in `rowCount` (-1 until the
// numbers have been counted). Returns an InputTestCode.
int TestInputFile(const InputTestRequest& request, PredictionState& state,
                  int& rowCount);

// The same test over an input file's bytes held in memory; nothing is
// written. When `echo` is given, it receives exactly what TestInputFile
// writes to the echo file. Never returns kInputCannotOpen.
int TestInputBytes(std::string_view bytes, int precision, int trend,
                   PredictionState& state, int& rowCount,
                   std::string* echo = nullptr);

}  // namespace foresta

#endif  // FORESTA_PREDICTION_INPUT_CHECK_H_
