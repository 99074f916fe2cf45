#include <cmath>
#include <string>

#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "frame/chart/chart_document.h"
#include "frame/chart/chart_view.h"
#include "frame/chart/forecast_chart.h"
#include "frame/chart_windows.h"
#include "frame/parameter_dialogs.h"
#include "frame/plume_ed_app.h"
#include "frame/plume_ed_mdi_child.h"
#include "frame/plume_ed_mdi_client.h"
#include "frame/qt_environment.h"
#include "state/message_codes.h"

namespace foresta {
namespace {

using test::WorkingDirectory;

// The Tools menu in a real window: the backtest dialog is confirmed as the
// user left it, message boxes are recorded and confirmed.
class BacktestWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window_ = std::make_unique<plume_edApp>();
    window_->guiShell().SetBundleDirectory(FORESTA_DATA_DIR);
    window_->guiShell().SetModalRunner([this](QDialog& dialog) {
      if (auto* parameters = qobject_cast<ParameterDialog*>(&dialog)) {
        ++dialogs_;
        parameters->accept();
        return static_cast<int>(QDialog::Accepted);
      }
      if (auto* box = qobject_cast<QMessageBox*>(&dialog)) boxes_.push_back(box->text());
      return static_cast<int>(QMessageBox::Ok);
    });
    window_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
  }
  void TearDown() override { window_.reset(); }

  void WriteCycle(const std::string& name, int rows) {
    std::string text = "a noisy cycle *\n*\n1\n";
    for (int i = 0; i < rows; ++i) {
      text += std::to_string(static_cast<int>(50 + 20 * std::sin(i / 2.5) + ((i * 37) % 11))) + "\n";
    }
    dir_.Write(name, text);
    window_->workbench().state().predictionInputFile = name;
  }
  QStringList Titles() {
    QStringList titles;
    for (plume_edMDIChild* child : window_->documentArea().Documents()) {
      titles << child->Caption();
    }
    return titles;
  }

  WorkingDirectory dir_;
  std::unique_ptr<plume_edApp> window_;
  int dialogs_ = 0;
  QStringList boxes_;
};

TEST_F(BacktestWindowTest, ToolsMenuStandsBetweenViewAndWindow) {
  QStringList titles;
  for (QAction* a : window_->menuBar()->actions()) titles << a->text();
  ASSERT_EQ(titles.indexOf("&Tools"), titles.indexOf("&View") + 1);
  EXPECT_EQ(titles.indexOf("&View"), titles.indexOf("Exa&mple") + 1);
  EXPECT_EQ(titles.indexOf("&Window"), titles.indexOf("&Tools") + 1);
  EXPECT_EQ("&Backtest...", window_->Action(kCmBacktest)->text());
  EXPECT_EQ("&Use recommended settings", window_->Action(kCmUseRecommended)->text());
  EXPECT_EQ("&Predict with recommended settings", window_->Action(kCmPredictRecommended)->text());
}

TEST_F(BacktestWindowTest, TheRunShowsProgressOnTheWorkerAndCancelStopsIt) {
  WriteCycle("long.txt", 300);
  window_->workbench().state().texts.backtestWideGrid = true;  // a long run
  window_->runner().SetDialogDelay(0);
  // Wait until the bar has moved, then press Cancel.
  int progress = 0;
  bool pressed = false;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      auto* dialog = qobject_cast<QDialog*>(w);
      if (dialog == nullptr || !dialog->isVisible() || pressed) continue;
      auto* bar = dialog->findChild<QProgressBar*>();
      if (bar == nullptr || bar->maximum() == 0 || bar->value() <= 0) continue;
      progress = bar->value();
      dialog->findChild<QPushButton*>()->click();
      pressed = true;
    }
  });
  poll.start(20);
  window_->Action(kCmBacktest)->trigger();
  poll.stop();
  EXPECT_EQ(1, dialogs_);
  EXPECT_TRUE(pressed);
  EXPECT_GT(progress, 0);
  EXPECT_LT(progress, 1000);
  EXPECT_EQ(kMsgBacktestCancelled, window_->workbench().state().statusCode);
  EXPECT_TRUE(Titles().isEmpty());
  EXPECT_FALSE(window_->workbench().advice().valid);
  EXPECT_FALSE(window_->runner().Busy());
}

TEST_F(BacktestWindowTest, TheAdviceIsHandedToTheSettingsAndPredicts) {
  WriteCycle("cycle.txt", 80);
  window_->Action(kCmBacktest)->trigger();
  ASSERT_EQ(QStringList{"backtest.rpt"}, Titles());
  Workbench& wb = window_->workbench();
  ASSERT_TRUE(wb.advice().valid);

  window_->Action(kCmUseRecommended)->trigger();
  ASSERT_EQ(1, boxes_.size());
  const WorkbenchState& s = wb.state();
  if (s.statusCode == kMsgAdviceUsed) {
    EXPECT_TRUE(boxes_[0].startsWith(QString("Precision %1 and trend %2 are set.")
                                         .arg(s.precision)
                                         .arg(s.trend)))
        << boxes_[0].toStdString();
    EXPECT_GE(s.adviceCode, 1);
    EXPECT_EQ(std::to_string(s.trend), s.texts.linkTrend);
  } else {
    EXPECT_EQ(kMsgNoRecommendation, s.statusCode);  // a baseline advice
  }

  window_->Action(kCmPredictRecommended)->trigger();
  EXPECT_EQ((QStringList{"backtest.rpt", "advice.rpt"}), Titles());
  EXPECT_EQ(kDocAdvisedPrediction, s.statusCode);
}

}  // namespace
}  // namespace foresta

namespace foresta {
namespace {

TEST_F(BacktestWindowTest, AnOpenChartOfTheInputDrawsTheBacktest) {
  WriteCycle("cycle.txt", 80);
  ChartDocument* chart = window_->charts().Open("cycle.txt");
  ASSERT_NE(chart, nullptr);
  EXPECT_FALSE(chart->view().forecastChart()->content().backtest.has_value());
  window_->Action(kCmBacktest)->trigger();
  ASSERT_TRUE(window_->workbench().advice().valid);
  const ChartContent& content = chart->view().forecastChart()->content();
  ASSERT_TRUE(content.backtest.has_value()) << chart->NoteText().toStdString();
  EXPECT_FALSE(content.backtest->recommended.points.empty());
  // A chart opened afterwards starts from the same backtest.
  ChartDocument* second = window_->charts().Open("cycle.txt");
  ASSERT_NE(second, nullptr);
  EXPECT_TRUE(second->view().forecastChart()->content().backtest.has_value());
}

}  // namespace
}  // namespace foresta
