// foresta: the forecasting workbench window.
#include <QApplication>

#include "frame/default_document.h"
#include "frame/plume_ed_app.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Foresta"));
  QApplication::setApplicationVersion(QStringLiteral("2.8"));
  // The command line is not read: every start begins with an empty
  // document area and the default settings.
  foresta::plume_edApp window(foresta::DefaultDocumentFactory());
  window.show();
  return app.exec();
}
