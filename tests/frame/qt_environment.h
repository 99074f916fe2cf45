#ifndef FORESTA_TESTS_FRAME_QT_ENVIRONMENT_H_
#define FORESTA_TESTS_FRAME_QT_ENVIRONMENT_H_

#include <functional>
#include <string>

#include <QDir>
#include <QTemporaryDir>

class QDialog;

namespace foresta::test {

// Waits, processing events, until `done` holds or `milliseconds` pass.
bool WaitFor(const std::function<bool()>& done, int milliseconds = 3000);

// A fresh temporary directory that is the working directory while the
// object lives.
class WorkingDirectory {
 public:
  WorkingDirectory();
  ~WorkingDirectory();
  std::string Path(const std::string& name) const;
  void Write(const std::string& name, const std::string& content) const;

 private:
  QTemporaryDir dir_;
  QString previous_;
};

}  // namespace foresta::test

#endif  // FORESTA_TESTS_FRAME_QT_ENVIRONMENT_H_
