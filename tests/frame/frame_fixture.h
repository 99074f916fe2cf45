#ifndef FORESTA_TESTS_FRAME_FRAME_FIXTURE_H_
#define FORESTA_TESTS_FRAME_FRAME_FIXTURE_H_

#include <functional>
#include <memory>
#include <vector>

#include <gtest/gtest.h>
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTest>

#include "frame/plume_ed_app.h"
#include "frame/plume_ed_mdi_child.h"
#include "frame/plume_ed_mdi_client.h"
#include "frame/plume_ed_window.h"
#include "frame/qt_environment.h"

namespace foresta::test {

// A main window in a fresh working directory whose message boxes are
// answered by the test: every box is recorded; Yes/No boxes get `yesNo_`
// (or what `answer_` says, when set), the others OK.
class FrameWindowTest : public ::testing::Test {
 protected:
  struct Box {
    QString caption, text;
  };

  void SetUp() override {
    window_ = std::make_unique<plume_edApp>();
    window_->guiShell().SetBundleDirectory(FORESTA_DATA_DIR);
    window_->guiShell().SetModalRunner([this](QDialog& dialog) {
      if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
        boxes_.push_back({box->windowTitle(), box->text()});
        if (answer_) return static_cast<int>(answer_(boxes_.back()));
        if (box->button(QMessageBox::Yes) != nullptr) return static_cast<int>(yesNo_);
        return static_cast<int>(QMessageBox::Ok);
      }
      return static_cast<int>(QDialog::Rejected);
    });
    window_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
  }
  void TearDown() override { window_.reset(); }

  plume_edMDIClient& area() { return window_->documentArea(); }
  plume_edWindow& ActiveEditor() { return *area().ActiveDocument()->Client(); }

  // The titles as the user reads them: the change marker shown as "*".
  QStringList Titles() {
    QStringList titles;
    for (plume_edMDIChild* child : area().Documents()) titles << ShownTitle(child);
    return titles;
  }
  static QString ShownTitle(const QWidget* window) {
    QString title = window->windowTitle();
    title.replace(QStringLiteral("[*]"), window->isWindowModified() ? QStringLiteral("*") : QString());
    return title;
  }
  QMenu* Menu(const QString& title) {
    for (QAction* a : window_->menuBar()->actions()) {
      if (a->text() == title) return a->menu();
    }
    return nullptr;
  }
  // How many of the recorded boxes say `text`.
  int BoxesSaying(const QString& text) const {
    int count = 0;
    for (const Box& box : boxes_) count += box.text == text ? 1 : 0;
    return count;
  }

  WorkingDirectory dir_;
  std::unique_ptr<plume_edApp> window_;
  std::vector<Box> boxes_;
  QMessageBox::StandardButton yesNo_ = QMessageBox::Yes;
  std::function<QMessageBox::StandardButton(const Box&)> answer_;
};

}  // namespace foresta::test

#endif  // FORESTA_TESTS_FRAME_FRAME_FIXTURE_H_
