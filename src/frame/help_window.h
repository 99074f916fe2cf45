#ifndef FORESTA_FRAME_HELP_WINDOW_H_
#define FORESTA_FRAME_HELP_WINDOW_H_

#include <string>
#include <vector>

#include <QWidget>

#include "frame/help_file.h"

class QTextBrowser;
class QUrl;

namespace foresta {

// The window that shows the pages of the help file "edit.hlp".
class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  // `helpPath` is the help file to read; it is read on first use.
  HelpWindow(std::string helpPath, QWidget* parent);

  // Shows the page answering to `key` ("contents", "using" or a command
  // identifier) and brings the window up. A command without a page of its
  // own shows the contents. False when the help file cannot be read.
  bool ShowTopic(const std::string& key);

  // The key of the page on show.
  const std::string& CurrentKey() const { return currentKey_; }
  QTextBrowser* Browser() const { return browser_; }

 private:
  bool EnsureLoaded();
  void OnLink(const QUrl& url);

  std::string helpPath_;
  HelpFile file_;
  bool loaded_ = false;
  std::string currentKey_;
  std::vector<std::string> history_;
  QTextBrowser* browser_;
};

}  // namespace foresta

#endif  // FORESTA_FRAME_HELP_WINDOW_H_
