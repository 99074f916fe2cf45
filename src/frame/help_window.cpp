#include "frame/help_window.h"

#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

#include "frame/drawn_icon.h"
#include "frame/command_routing.h"

namespace foresta {

HelpWindow::HelpWindow(std::string helpPath, QWidget* parent)
    : QWidget(parent, Qt::Window), helpPath_(std::move(helpPath)) {
  setWindowTitle(QStringLiteral("Foresta Help"));
  setWindowIcon(CommandIcon(kCmHelpContents));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  auto* bar = new QToolBar(this);
  browser_ = new QTextBrowser(this);
  browser_->setOpenLinks(false);
  browser_->document()->setDocumentMargin(14);
  bar->addAction(QStringLiteral("&Contents"), this, [this] { ShowTopic("contents"); });
  bar->addAction(QStringLiteral("&Back"), this, [this] {
    if (history_.size() < 2) return;
    history_.pop_back();
    const std::string previous = history_.back();
    history_.pop_back();
    ShowTopic(previous);
  });
  layout->addWidget(bar);
  layout->addWidget(browser_);
  connect(browser_, &QTextBrowser::anchorClicked, this, &HelpWindow::OnLink);
  resize(620, 560);
}

bool HelpWindow::EnsureLoaded() {
  if (!loaded_) loaded_ = file_.Load(helpPath_) == HelpFile::kOk;
  return loaded_;
}

bool HelpWindow::ShowTopic(const std::string& key) {
  if (!EnsureLoaded()) return false;
  const HelpTopic* topic = file_.Find(key);
  if (topic == nullptr) topic = file_.Find("contents");
  if (topic == nullptr) topic = &file_.topics().front();
  currentKey_ = key;
  history_.push_back(key);
  browser_->setHtml(QString::fromStdString(HelpTopicHtml(*topic)));
  setWindowTitle(QStringLiteral("Foresta Help - ") + QString::fromStdString(topic->title));
  show();
  raise();
  activateWindow();
  return true;
}

void HelpWindow::OnLink(const QUrl& url) {
  if (url.scheme() == QLatin1String("topic")) ShowTopic(url.path().toStdString());
}

}  // namespace foresta
