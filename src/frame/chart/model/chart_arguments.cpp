#include "frame/chart/model/chart_arguments.h"

#include <charconv>
#include <set>

namespace foresta {

const char* const kChartUsage =
    "usage: foresta-chart INPUT [--report FILE] [--backtest FILE] [--variable J]\n"
    "                     [--size WxH] (--png OUT | --svg OUT)\n";

namespace {

// A whole decimal number, all of `text`.
bool WholeNumber(std::string_view text, int& value) {
  if (text.empty() || text.front() == '+' || text.front() == '-') return false;
  auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc() && ptr == text.data() + text.size();
}

ChartArgumentsParse Error(std::string message) {
  ChartArgumentsParse parse;
  parse.error = std::move(message);
  return parse;
}

}  // namespace

ChartArgumentsParse ParseChartArguments(std::span<const std::string> args) {
  ChartArgumentsParse parse;
  ChartArguments& a = parse.arguments;
  std::set<std::string> seen;
  bool haveInput = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h") {
      parse.help = true;
      parse.ok = true;
      return parse;
    }
    if (arg.size() > 1 && arg[0] == '-') {
      static const std::set<std::string> kOptions = {"--report", "--backtest", "--variable",
                                                     "--size", "--png", "--svg"};
      if (kOptions.count(arg) == 0) return Error("unknown option " + arg);
      if (!seen.insert(arg).second) return Error(arg + " given twice");
      if (i + 1 >= args.size()) return Error(arg + " needs a value");
      const std::string& value = args[++i];
      if (value.empty()) return Error(arg + " needs a value");
      if (arg == "--report") {
        a.sources.report = value;
      } else if (arg == "--backtest") {
        a.sources.backtest = value;
      } else if (arg == "--png") {
        a.png = value;
      } else if (arg == "--svg") {
        a.svg = value;
      } else if (arg == "--variable") {
        if (!WholeNumber(value, a.sources.variable) || a.sources.variable < 1) {
          return Error("--variable takes a variable number from 1, not " + value);
        }
      } else {
        const std::size_t x = value.find('x');
        if (x == std::string::npos || !WholeNumber(std::string_view(value).substr(0, x), a.width) ||
            !WholeNumber(std::string_view(value).substr(x + 1), a.height) ||
            a.width < kMinChartSide || a.height < kMinChartSide || a.width > kMaxChartSide ||
            a.height > kMaxChartSide) {
          return Error("--size takes WIDTHxHEIGHT in pixels, each from " +
                       std::to_string(kMinChartSide) + " to " + std::to_string(kMaxChartSide) +
                       ", not " + value);
        }
      }
      continue;
    }
    if (haveInput) return Error("only one input file, but " + arg + " follows " + a.sources.input);
    a.sources.input = arg;
    haveInput = true;
  }
  if (!haveInput) return Error("an input file is needed");
  if (a.png.empty() == a.svg.empty()) return Error("give one of --png OUT and --svg OUT");
  parse.ok = true;
  return parse;
}

}  // namespace foresta
