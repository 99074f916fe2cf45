// View > Chart: the chart document window beside the text documents.
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>
#include <QMdiSubWindow>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QTest>

#include "frame/chart/chart_document.h"
#include "frame/chart/chart_view.h"
#include "frame/chart/forecast_chart.h"
#include "frame/chart_windows.h"
#include "frame/plume_ed_app.h"
#include "frame/plume_ed_mdi_child.h"
#include "frame/plume_ed_mdi_client.h"
#include "frame/qt_environment.h"

namespace foresta {
namespace {

using test::WorkingDirectory;

class ChartWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::ifstream input(FORESTA_DATA_DIR "/example2a.txt", std::ios::binary);
    dir_.Write("example2a.txt", std::string(std::istreambuf_iterator<char>(input), {}));
    window_ = std::make_unique<plume_edApp>();
    window_->guiShell().SetModalRunner([this](QDialog& dialog) {
      if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
        boxes_ << box->text();
        return box->button(QMessageBox::Yes) != nullptr ? static_cast<int>(QMessageBox::Yes)
                                                        : static_cast<int>(QMessageBox::Ok);
      }
      return static_cast<int>(QDialog::Rejected);
    });
    window_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
  }
  void TearDown() override { window_.reset(); }

  QStringList Titles() const {
    QStringList titles;
    for (QMdiSubWindow* child : window_->documentArea().subWindowList(QMdiArea::CreationOrder)) {
      auto* text = qobject_cast<plume_edMDIChild*>(child);
      titles << (text != nullptr ? text->Caption() : child->windowTitle());
    }
    return titles;
  }
  ChartDocument* ActiveChart() const {
    QMdiSubWindow* active = window_->documentArea().currentSubWindow();
    return active != nullptr ? qobject_cast<ChartDocument*>(active->widget()) : nullptr;
  }

  WorkingDirectory dir_;
  std::unique_ptr<plume_edApp> window_;
  QStringList boxes_;
};

TEST_F(ChartWindowTest, ViewChartOpensTheLinkedInputBesideTheDocuments) {
  window_->Dispatch(kCmFileNew);
  window_->Action(kCmViewChart)->trigger();
  ASSERT_EQ((QStringList{"Untitled", "Chart - example2a.txt"}), Titles());
  ChartDocument* chart = ActiveChart();
  ASSERT_NE(chart, nullptr);
  const ChartContent& content = chart->view().forecastChart()->content();
  EXPECT_EQ(content.series.rows(), 240u);
  EXPECT_FALSE(content.report.has_value());  // no prediction yet
  EXPECT_EQ(chart->view().forecastChart()->title().toStdString(),
            "Synthetic monthly series, 240 observations: a 12-month seasonal");
  EXPECT_TRUE(boxes_.isEmpty());
  // Editing commands other than Copy do nothing to a chart.
  window_->Dispatch(kCmEditClear);
  window_->Dispatch(kCmEditCopy);
  EXPECT_EQ(QApplication::clipboard()->image().size(), chart->view().viewport()->size());
  window_->Action(kCmCloseAll)->trigger();
  EXPECT_TRUE(Titles().isEmpty());
}

TEST_F(ChartWindowTest, AnOpenChartFollowsThePredictionsOfItsInput) {
  window_->Dispatch(kCmViewChart);
  ChartDocument* chart = ActiveChart();
  ASSERT_NE(chart, nullptr);
  window_->Dispatch(kCmRealPlusLinear);
  // The report opens exactly as before, and the chart draws it.
  ASSERT_EQ((QStringList{"Chart - example2a.txt", "example2b.txt"}), Titles());
  const ChartContent* content = &chart->view().forecastChart()->content();
  ASSERT_TRUE(content->report.has_value());
  EXPECT_EQ(content->report->form, ReportForecast::Form::kSingle);
  EXPECT_FALSE(content->report->candidates.empty());
  EXPECT_TRUE(chart->NoteText().isEmpty()) << chart->NoteText().toStdString();

  // A 3-step average replaces it with its steps.
  window_->Dispatch(kCmAverage3First);
  content = &chart->view().forecastChart()->content();
  ASSERT_TRUE(content->report.has_value());
  EXPECT_EQ(content->report->form, ReportForecast::Form::kSteps);

  // A new chart of the input starts from the last prediction; a chart of
  // another input is not given a report about this one.
  window_->Dispatch(kCmViewChart);
  EXPECT_TRUE(ActiveChart()->view().forecastChart()->content().report.has_value());
  dir_.Write("other.txt", "*Other*1\n1\n2\n3\n");
  window_->charts().Open("other.txt");
  EXPECT_FALSE(ActiveChart()->view().forecastChart()->content().report.has_value());
  EXPECT_EQ(window_->charts().Charts().size(), 3);
}

TEST_F(ChartWindowTest, ExportsPngAndSvg) {
  window_->Dispatch(kCmViewChart);
  ChartDocument* chart = ActiveChart();
  ASSERT_NE(chart, nullptr);
  ASSERT_TRUE(chart->ExportPng(dir_.Path("chart.png")).ok());
  ASSERT_TRUE(chart->ExportSvg(dir_.Path("chart.svg")).ok());
  QImage image(QString::fromStdString(dir_.Path("chart.png")));
  EXPECT_EQ(image.size(), chart->view().viewport()->size());
  std::ifstream svg(dir_.Path("chart.svg"));
  const std::string text(std::istreambuf_iterator<char>(svg), {});
  EXPECT_NE(text.find("<svg width=\"" + std::to_string(image.width()) + "\""), std::string::npos);
}

TEST_F(ChartWindowTest, RefusedInputsAndPartsAreExplained) {
  window_->workbench().state().predictionInputFile = "absent.txt";
  window_->Dispatch(kCmViewChart);
  EXPECT_TRUE(Titles().isEmpty());
  ASSERT_EQ(boxes_.size(), 1);
  EXPECT_NE(boxes_[0].indexOf("Cannot chart absent.txt: Unable to Open Input File"), -1);

  // A backtest of the input is drawn; one that does not fit is noted and
  // leaves the series drawn.
  window_->workbench().state().predictionInputFile = "example2a.txt";
  window_->Dispatch(kCmViewChart);
  ChartDocument* chart = ActiveChart();
  ASSERT_NE(chart, nullptr);
  dir_.Write("bt.json",
             R"({"kind":"forecast","setting":{"method":"drift"},"window":"scored","origin":239,"forecast":150,"actual":151})"
             "\n"
             R"({"kind":"recommendation","setting":{"method":"drift"},"next":152,"lower80":150,"upper80":154,"lower95":149,"upper95":155,"scoredMase":0.9,"coverage80":0.8,"coverage95":0.95})"
             "\n");
  window_->charts().AfterBacktest("example2a.txt", "bt.json");
  ASSERT_TRUE(chart->view().forecastChart()->content().backtest.has_value());
  EXPECT_EQ(chart->view().forecastChart()->content().backtest->recommended.label, "drift");
  dir_.Write("bt.json", "garbage\n");
  window_->charts().AfterBacktest("example2a.txt", "bt.json");
  EXPECT_FALSE(chart->view().forecastChart()->content().backtest.has_value());
  EXPECT_NE(chart->NoteText().indexOf("line 1"), -1) << chart->NoteText().toStdString();
  EXPECT_EQ(chart->view().forecastChart()->content().series.rows(), 240u);
}

}  // namespace
}  // namespace foresta
