// foresta-chart: draws an input series, with a prediction report or a
// backtest of it, into a PNG or SVG file without a window.
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include <QApplication>

#include "frame/chart/chart_export.h"
#include "frame/chart/chart_view.h"
#include "foresta/version.h"
#include "frame/chart/model/chart_arguments.h"

namespace {

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

constexpr const char* kHelp =
    "Draws the series of a Foresta input file into a PNG or SVG picture without\n"
    "a window, with the forecast of a prediction report and the forecasts of a\n"
    "backtest when they are given.\n"
    "\n"
    "  --report FILE   a prediction report about INPUT, as the predictions write it\n"
    "  --backtest FILE the records of foresta-cli backtest --json about INPUT\n"
    "  --variable J    the variable drawn, from 1 (default 1)\n"
    "  --size WxH      the picture's size in pixels (default 1000x600)\n"
    "  --png OUT       write a PNG picture\n"
    "  --svg OUT       write an SVG picture\n"
    "  --help          show this help and exit\n"
    "  --version       show the product name and version and exit\n"
    "\n"
    "Exit status: 0 when the picture is written, 1 when the data is refused (a\n"
    "message says why), 2 on a usage error.\n";

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() == 1 && args[0] == "--version") {
    std::cout << foresta::kProductTitle << "\n";
    return kExitOk;
  }
  const foresta::ChartArgumentsParse parse = foresta::ParseChartArguments(args);
  if (!parse.ok) {
    std::cerr << "foresta-chart: " << parse.error << "\n" << foresta::kChartUsage;
    return kExitUsage;
  }
  if (parse.help) {
    std::cout << foresta::kChartUsage << "\n" << kHelp;
    return kExitOk;
  }
  const foresta::ChartArguments& a = parse.arguments;
  const foresta::ChartLoad load = foresta::LoadChart(a.sources);
  if (!load.status.ok()) {
    std::cerr << "foresta-chart: " << load.status.message << "\n";
    return kExitFailed;
  }
  // Nothing is shown, so no display is needed unless one is asked for.
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  foresta::ChartView view(load.content);
  view.setAttribute(Qt::WA_DontShowOnScreen);
  view.resize(a.width, a.height);
  view.show();
  const foresta::ChartStatus written =
      a.png.empty() ? foresta::SaveChartSvg(view, a.svg) : foresta::SaveChartPng(view, a.png);
  if (!written.ok()) {
    std::cerr << "foresta-chart: " << written.message << "\n";
    return kExitFailed;
  }
  return kExitOk;
}
