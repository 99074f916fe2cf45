// foresta: the forecasting workbench window.
#include <QApplication>
#include <cstdio>
#include <cstring>

#include "foresta/version.h"
#include "frame/plume_ed_app.h"
#include "frame/print_commands.h"
#include "print/document_printer.h"

namespace {

constexpr const char* kUsage =
    "Usage: foresta [--help | --version]\n"
    "Opens the Foresta workbench window. Link a plain-text file of\n"
    "observations, choose a precision and a trend, and predict the next\n"
    "value; the prediction report opens in the built-in text editor.\n"
    "The window reads and writes its files in the current folder; the\n"
    "Example menu copies the bundled example data there when it is missing.\n"
    "\n"
    "  --help     show this text and exit\n"
    "  --version  show the product name and version and exit\n"
    "\n"
    "See also foresta-cli(1) for the same commands without a window.\n";

}  // namespace

int main(int argc, char** argv) {
  // Answered before Qt starts, so they work without a display.
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--version") == 0) {
      std::printf("%s\n", foresta::kProductTitle);
      return 0;
    }
    if (std::strcmp(argv[i], "--help") == 0) {
      std::fputs(kUsage, stdout);
      return 0;
    }
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(QString::fromLatin1(foresta::kProductName));
  QApplication::setApplicationVersion(QString::fromLatin1(foresta::kProductVersion));
  // Nothing else on the command line is read: every start begins with an
  // empty document area and the default settings.
  foresta::DocumentPrinter printer;
  foresta::plume_edApp window;
  foresta::InstallPrinting(window, printer);
  window.show();
  return app.exec();
}
