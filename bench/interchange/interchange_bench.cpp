// Importing a 100 MB CSV file of 1,000,000 rows and 5 columns, streamed
// through libcsv, against the straightforward transcription: read every
// line, split it, keep every row, then write the file. Time is measured by
// the benchmark; peak memory (maximum resident set) by running each import
// once more in a fresh process of this program, so nothing the benchmark
// process has touched counts. A tenth-size file shows whether memory grows
// with the file.
#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "interchange/csv_import.h"
#include "interchange/number_text.h"

extern char** environ;

namespace foresta {
namespace {

constexpr int kRows = 1000000;
constexpr int kColumns = 5;

std::filesystem::path Dir() {
  static const std::filesystem::path dir = [] {
    auto d = std::filesystem::temp_directory_path() / "foresta-interchange-bench";
    std::filesystem::create_directories(d);
    return d;
  }();
  return dir;
}

// Rows of five prices with fourteen decimals: 100 bytes a row.
std::string CsvFile(int rows) {
  const std::string path = (Dir() / ("rows" + std::to_string(rows) + ".csv")).string();
  if (std::filesystem::exists(path)) return path;
  std::FILE* f = std::fopen(path.c_str(), "wb");
  std::fprintf(f, "open,high,low,close,volume\n");
  std::mt19937 random(2024);
  std::uniform_real_distribution<double> price(1000.0, 9999.0);
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < kColumns; ++c) {
      std::fprintf(f, "%.14f%c", price(random), c + 1 < kColumns ? ',' : '\n');
    }
  }
  std::fclose(f);
  return path;
}

bool ImportStreamed(const std::string& csv, const std::string& out) {
  ImportRequest request;
  request.csvFile = csv;
  request.outputFile = out;
  request.force = true;
  return ImportCsv(request).problem.ok();
}

// The baseline: the whole file in memory, lines split with streams.
bool ImportBaseline(const std::string& csv, const std::string& out) {
  std::ifstream in(csv, std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  if (lines.empty()) return false;
  std::vector<std::vector<float>> rows;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    std::stringstream fields(lines[i]);
    std::vector<float> row;
    for (std::string cell; std::getline(fields, cell, ',');) row.push_back(std::stof(cell));
    rows.push_back(row);
  }
  std::ofstream file(out, std::ios::binary | std::ios::trunc);
  file << "*imported*\n" << kColumns << "\n";
  for (const auto& row : rows) {
    for (std::size_t j = 0; j < row.size(); ++j) {
      file << (j > 0 ? " " : "") << PlainDecimal(row[j]);
    }
    file << "\n";
  }
  return static_cast<bool>(file);
}

// Runs this program as "--import streamed|baseline CSV OUT" in a new
// process and returns its peak resident set in megabytes.
double PeakMegabytes(const char* how, const std::string& csv) {
  const std::string out = (Dir() / "peak.txt").string();
  std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
  std::vector<char*> argv = {self.data(), const_cast<char*>("--import"),
                             const_cast<char*>(how), const_cast<char*>(csv.c_str()),
                             const_cast<char*>(out.c_str()), nullptr};
  pid_t pid = 0;
  if (posix_spawn(&pid, self.c_str(), nullptr, nullptr, argv.data(), environ) != 0) return -1;
  int status = 0;
  struct rusage usage {};
  if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) ||
      WEXITSTATUS(status) != 0) {
    return -1;
  }
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void Run(benchmark::State& state, const char* how,
         bool (*import)(const std::string&, const std::string&)) {
  const int rows = static_cast<int>(state.range(0));
  const std::string csv = CsvFile(rows);
  const std::string out = (Dir() / "out.txt").string();
  for (auto _ : state) {
    if (!import(csv, out)) state.SkipWithError("import failed");
  }
  state.SetBytesProcessed(static_cast<int64_t>(std::filesystem::file_size(csv)) *
                          state.iterations());
  state.counters["rows"] = rows;
  state.counters["peak_MB"] = PeakMegabytes(how, csv);
}

void BM_ImportStreamed(benchmark::State& state) { Run(state, "streamed", ImportStreamed); }
BENCHMARK(BM_ImportStreamed)->Arg(kRows / 10)->Arg(kRows)->Unit(benchmark::kMillisecond);

void BM_ImportBaseline(benchmark::State& state) { Run(state, "baseline", ImportBaseline); }
BENCHMARK(BM_ImportBaseline)->Arg(kRows / 10)->Arg(kRows)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace foresta

int main(int argc, char** argv) {
  if (argc == 5 && std::strcmp(argv[1], "--import") == 0) {
    const bool streamed = std::strcmp(argv[2], "streamed") == 0;
    const bool ok = streamed ? foresta::ImportStreamed(argv[3], argv[4])
                             : foresta::ImportBaseline(argv[3], argv[4]);
    return ok ? 0 : 1;
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
