#ifndef FORESTA_INTERCHANGE_IMPORT_CODES_H_
#define FORESTA_INTERCHANGE_IMPORT_CODES_H_

#include <cstdint>
#include <string>

namespace foresta {

// Message codes of the CSV import's refusals (0 is success). The message
// itself names the row (the file's line) and column where the import
// stopped.
inline constexpr int kImportOk = 0;
inline constexpr int kImportCannotOpen = 840;
inline constexpr int kImportEmpty = 841;
inline constexpr int kImportBinary = 842;
inline constexpr int kImportMalformed = 843;      // quote out of place, field too long
inline constexpr int kImportRagged = 844;
inline constexpr int kImportNotNumeric = 845;
inline constexpr int kImportMissingValue = 846;
inline constexpr int kImportOutOfRange = 847;
inline constexpr int kImportUnknownColumn = 848;
inline constexpr int kImportNoColumns = 849;
inline constexpr int kImportNoRows = 850;
inline constexpr int kImportOutputExists = 851;
inline constexpr int kImportCannotWrite = 852;
inline constexpr int kImportSameFile = 853;
inline constexpr int kImportNoMemory = 854;

// Why reading or importing stopped. `row` and `column` are 1-based (the
// row is the line of the file, counting the header); 0 when the problem
// has no place in the file.
struct ImportProblem {
  int code = kImportOk;
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
