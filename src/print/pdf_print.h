#ifndef FORESTA_PRINT_PDF_PRINT_H_
#define FORESTA_PRINT_PDF_PRINT_H_

#include <iosfwd>
#include <string>
#include <vector>

namespace foresta {

// Exit codes of foresta-print.
inline constexpr int kPdfPrintOk = 0;
inline constexpr int kPdfPrintFailed = 1;  // the file could not be read or the PDF written
inline constexpr int kPdfPrintUsage = 2;

// The program foresta-print: `FILE --pdf OUT` prints a text file onto the
// pages of a PDF file exactly as the editor prints it (the editor's font,
// pagination and painting), then reports "pages: N, lines per page: L,
// lines: M" on `out`. `--help` and `--version` answer without a display.
// Problems go to `err` as one line each. Makes the QApplication the editor
// needs unless one exists; without a display it draws offscreen. Returns a
// kPdfPrint* code.
int RunPdfPrint(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace foresta

#endif  // FORESTA_PRINT_PDF_PRINT_H_
