// foresta: the forecasting workbench window.
#include <QApplication>

#include "frame/plume_ed_app.h"
#include "print/document_printer.h"
#include "frame/print_commands.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Foresta"));
  QApplication::setApplicationVersion(QStringLiteral("2.8"));
  // The command line is not read: every start begins with an empty
  // document area and the default settings.
  foresta::DocumentPrinter printer;
  foresta::plume_edApp window;
  foresta::InstallPrinting(window, printer);
  window.show();
  return app.exec();
}
