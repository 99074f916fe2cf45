#include "frame/chart_windows.h"

#include <algorithm>
#include <filesystem>

#include <QMdiSubWindow>

#include "frame/chart/chart_document.h"
#include "frame/frame_status_bar.h"
#include "frame/gui_shell.h"
#include "frame/plume_ed_mdi_child.h"
#include "frame/plume_ed_mdi_client.h"
#include "workbench/command_vocabulary.h"

namespace foresta {

bool CommandUpdatesCharts(int id) {
  if (id == kCmBatchRun) return true;
  const std::string menu = MenuOf(id);
  return menu == "Real" || menu == "Integer" || menu == "AvgMax" || menu == "3-Average" ||
         menu == "10-Average";
}

ChartWindows::ChartWindows(plume_edMDIClient& area, FrameStatusBar& status, GuiShell& shell)
    : area_(area), status_(status), shell_(shell) {}

std::string ChartWindows::ReportFor(const std::string& input) const {
  if (!report_ || !(report_->collective || SameInputName(input, report_->input))) return {};
  return report_->file;
}

std::string ChartWindows::BacktestFor(const std::string& input) const {
  if (!backtest_) return {};
  // A directory's records name their files; a single input's name none.
  return backtest_->collective || SameInputName(input, backtest_->input) ? backtest_->file
                                                                         : std::string();
}

ChartDocument* ChartWindows::Open(const std::string& input) {
  ChartSources sources{input, 1, ReportFor(input), BacktestFor(input)};
  ChartLoad load = LoadChart(sources, PartPolicy::kOptional);
  if (!load.status.ok()) {
    shell_.ShowMessage("Chart", load.status.message, MessageButtons::kOk, MessageIcon::kWarning);
    return nullptr;
  }
  const plume_edMDIChild* active = area_.ActiveDocument();
  const bool maximized = active != nullptr && active->isMaximized();
  auto* chart = new ChartDocument(std::move(sources), std::move(load));
  chart->SetStatusRefresher([this] { status_.ClearDocumentFields(); });
  // A chart has nothing to save: its window closes without a question.
  auto* child = new QMdiSubWindow;
  child->setWidget(chart);
  child->setAttribute(Qt::WA_DeleteOnClose);
  child->setWindowTitle(QString::fromLocal8Bit(chart->Caption().c_str()));
  area_.addSubWindow(child);
  if (maximized) {
    child->showMaximized();
  } else {
    child->resize(std::max(520, area_.width() * 3 / 5), std::max(360, area_.height() * 3 / 5));
    child->show();
  }
  area_.setActiveSubWindow(child);
  chart->setFocus();
  return chart;
}

void ChartWindows::AfterPrediction(const std::string& input, const std::string& report) {
  report_ = Output{input, report, IsCollectiveReport(report)};
  ReloadAll();
}

void ChartWindows::AfterBacktest(const std::string& input, const std::string& records) {
  std::error_code error;
  backtest_ = Output{input, records, std::filesystem::is_directory(input, error)};
  ReloadAll();
}

void ChartWindows::ReloadAll() {
  for (ChartDocument* chart : Charts()) {
    ChartSources sources = chart->sources();
    sources.report = ReportFor(sources.input);
    sources.backtest = BacktestFor(sources.input);
    chart->Reload(std::move(sources));
  }
}

QList<ChartDocument*> ChartWindows::Charts() const {
  QList<ChartDocument*> charts;
  for (QMdiSubWindow* child : area_.subWindowList(QMdiArea::CreationOrder)) {
    if (auto* chart = qobject_cast<ChartDocument*>(child->widget())) charts.push_back(chart);
  }
  return charts;
}

}  // namespace foresta
