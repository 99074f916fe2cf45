#include "interchange/report_records.h"

#include <csv.h>

#include <charconv>
#include <cmath>

namespace foresta {
namespace {

// The shortest form that reads back to `value` (exponent allowed).
std::string Shortest(float value) {
  if (value == 0.0f) return "0";
  char text[32];
  auto [end, ec] = std::to_chars(text, text + sizeof text, value);
  (void)ec;
  return std::string(text, end);
}

std::string CsvNumbers(std::span<const float> values) {
  std::string text;
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (i > 0) text.push_back(' ');
    text += std::isfinite(values[i]) ? Shortest(values[i])
                                     : (std::isnan(values[i]) ? "nan"
                                        : values[i] > 0       ? "inf"
                                                              : "-inf");
  }
  return text;
}

// A CSV field, quoted by libcsv when it holds a delimiter, quote, line end
// or blanks at its ends.
std::string CsvField(std::string_view text) {
  const bool plain =
      text.find_first_of(",\"\r\n") == std::string_view::npos &&
      (text.empty() || (text.front() != ' ' && text.back() != ' ' &&
                        text.front() != '\t' && text.back() != '\t'));
  if (plain) return std::string(text);
  std::string quoted(csv_write(nullptr, 0, text.data(), text.size()), '\0');
  csv_write(quoted.data(), quoted.size(), text.data(), text.size());
  return quoted;
}

std::string Head(std::string_view kind, std::string_view file, int step) {
  return "{\"kind\":\"" + std::string(kind) + "\",\"file\":" + JsonString(file) +
         ",\"step\":" + std::to_string(step);
}

}  // namespace

std::string JsonNumbers(std::span<const float> values) {
  auto one = [](float v) { return std::isfinite(v) ? Shortest(v) : std::string("null"); };
  if (values.size() == 1) return one(values[0]);
  std::string text = "[";
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (i > 0) text.push_back(',');
    text += one(values[i]);
  }
  return text + "]";
}

std::string CandidateJson(std::string_view file, int step, std::span<const float> values,
                          float weight) {
  return Head("candidate", file, step) + ",\"value\":" + JsonNumbers(values) +
         ",\"weight\":" + JsonNumbers(std::span<const float>(&weight, 1)) + "}\n";
}

std::string SummaryJson(std::string_view file, int step, const SummaryRecord& s) {
  auto list = [&](const std::vector<float>& v) {
    return s.made ? JsonNumbers(v) : std::string("null");
  };
  return Head("summary", file, step) + ",\"weightedAverage\":" + list(s.weightedAverage) +
         ",\"highestProbability\":" + list(s.highestProbability) +
         ",\"highestWeight\":" + std::to_string(s.made ? s.highestWeight : 0) +
         ",\"error\":" + list(s.error) + "}\n";
}

std::string ErrorJson(std::string_view message) {
  return "{\"kind\":\"error\",\"message\":" + JsonString(message) + "}\n";
}

std::string CsvRecordFile::Open(const std::string& path) {
  std::string error = out_.Open(path, true);
  if (error.empty()) out_.Write("file,step,kind,value,weight\n");
  return error;
}

void CsvRecordFile::Row(std::string_view file, int step, std::string_view kind,
                        const std::string& value, const std::string& weight) {
  out_.Write(CsvField(file) + "," + std::to_string(step) + "," + std::string(kind) + "," +
             value + "," + weight + "\n");
}

void CsvRecordFile::Candidate(std::string_view file, int step,
                              std::span<const float> values, float weight) {
  Row(file, step, "candidate", CsvNumbers(values),
      CsvNumbers(std::span<const float>(&weight, 1)));
}

void CsvRecordFile::Summary(std::string_view file, int step, const SummaryRecord& s) {
  auto list = [&](const std::vector<float>& v) { return s.made ? CsvNumbers(v) : ""; };
  Row(file, step, "weightedAverage", list(s.weightedAverage), "");
  Row(file, step, "highestProbability", list(s.highestProbability),
      std::to_string(s.made ? s.highestWeight : 0));
  Row(file, step, "error", list(s.error), "");
}

}  // namespace foresta
