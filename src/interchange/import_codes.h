#ifndef FORESTA_INTERCHANGE_IMPORT_CODES_H_
#define FORESTA_INTERCHANGE_IMPORT_CODES_H_

#include <cstdint>
#include <string>

#include "state/message_codes.h"

namespace foresta {

inline constexpr int kImportOk = 0;

// Why reading or importing stopped. `row` and `column` are 1-based (the
// row is the line of the file, counting the header); 0 when the problem
// has no place in the file.
struct ImportProblem {
  int code = kImportOk;  // kImportOk or a kMsgImport... code
  std::int64_t row = 0;
  std::int64_t column = 0;
  std::string message;  // complete, with the place

  bool ok() const { return code == kImportOk; }
};

// A problem at a place: the message starts with "row R, column C: ".
ImportProblem ProblemAt(int code, std::int64_t row, std::int64_t column,
                        const std::string& what);

}  // namespace foresta

#endif  // FORESTA_INTERCHANGE_IMPORT_CODES_H_
