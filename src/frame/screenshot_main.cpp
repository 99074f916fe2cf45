// foresta-screenshot: starts the window, runs the given commands in the
// current directory, answering every box with its default, and saves a
// picture of the main window. Used by scripts/screenshot.sh.
#include <cstdlib>
#include <iostream>
#include <string>

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPixmap>
#include <QStatusBar>
#include <QTimer>

#include "frame/help_window.h"
#include "print/document_printer.h"
#include "frame/print_commands.h"
#include "frame/plume_ed_app.h"
#include "frame/plume_ed_mdi_child.h"
#include "frame/plume_ed_mdi_client.h"

namespace {

void Settle(int milliseconds) {
  QElapsedTimer timer;
  timer.start();
  while (timer.elapsed() < milliseconds) {
    QApplication::processEvents(QEventLoop::AllEvents, 20);
  }
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 2) {
    std::cerr << "usage: foresta-screenshot OUTPUT.png [COMMAND-ID...]\n";
    return 2;
  }
  foresta::DocumentPrinter printer;
  foresta::plume_edApp window;
  foresta::InstallPrinting(window, printer);
  window.guiShell().SetModalRunner([](QDialog& dialog) {
    if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
      std::cerr << "box: " << box->text().toStdString() << "\n";
      return box->buttons().contains(box->button(QMessageBox::Yes))
                 ? static_cast<int>(QMessageBox::Yes)
                 : static_cast<int>(QMessageBox::Ok);
    }
    return static_cast<int>(QDialog::Accepted);
  });
  window.show();
  Settle(300);
  for (int i = 2; i < argc; ++i) {
    window.Dispatch(std::atoi(argv[i]));
    Settle(200);
  }
  // Two or more documents side by side; a single one fills the area.
  // (charts count as documents).
  if (window.documentArea().subWindowList().size() > 1) {
    window.documentArea().tileSubWindows();
  } else if (auto* active = window.documentArea().currentSubWindow()) {
    active->showMaximized();
  }
  window.statusBar()->showMessage(QStringLiteral("Ready"));
  Settle(500);
  const QPixmap picture = window.grab();
  if (!picture.save(QString::fromLocal8Bit(argv[1]))) {
    std::cerr << "cannot write " << argv[1] << "\n";
    return 1;
  }
  // The help window, when a command opened it, gets a picture of its own.
  if (foresta::HelpWindow* help = window.helpWindow(); help != nullptr && help->isVisible()) {
    QString name = QString::fromLocal8Bit(argv[1]);
    name.insert(name.lastIndexOf(QLatin1Char('.')), QStringLiteral("-help"));
    help->grab().save(name);
  }
  return 0;
}
