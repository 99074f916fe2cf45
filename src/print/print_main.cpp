// foresta-print: prints a text file to PDF as the editor prints it. The
// command line's `print` runs this program, so that foresta-cli itself
// needs no Qt.
#include <iostream>
#include <string>
#include <vector>

#include "print/pdf_print.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return foresta::RunPdfPrint(args, std::cout, std::cerr);
}
