// One QApplication for the whole test binary, on the offscreen platform.
#include "frame/qt_environment.h"

#include <cstdlib>
#include <fstream>
#include <memory>

#include <gtest/gtest.h>
#include <QApplication>
#include <QElapsedTimer>

namespace foresta::test {
namespace {

class QtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    app_ = std::make_unique<QApplication>(argc_, argv_);
  }
  void TearDown() override { app_.reset(); }

 private:
  int argc_ = 1;
  char name_[16] = "frame_test";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] ::testing::Environment* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace

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
