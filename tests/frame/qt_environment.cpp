// What the window tests share: waiting for events, a working directory.
#include "frame/qt_environment.h"

#include <fstream>

#include <QApplication>
#include <QElapsedTimer>

namespace foresta::test {

bool WaitFor(const std::function<bool()>& done, int milliseconds) {
  QElapsedTimer timer;
  timer.start();
  while (!done()) {
    if (timer.elapsed() > milliseconds) return false;
    QApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  return true;
}

WorkingDirectory::WorkingDirectory() : previous_(QDir::currentPath()) {
  QDir::setCurrent(dir_.path());
}

WorkingDirectory::~WorkingDirectory() { QDir::setCurrent(previous_); }

std::string WorkingDirectory::Path(const std::string& name) const {
  return QDir(dir_.path()).filePath(QString::fromStdString(name)).toStdString();
}

void WorkingDirectory::Write(const std::string& name, const std::string& content) const {
  std::ofstream out(Path(name), std::ios::binary);
  out << content;
}

}  // namespace foresta::test
