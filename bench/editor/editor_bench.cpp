// Speed and memory of the editor's document: loading a large file, typing a
// character and pressing Enter in a document of a million lines, Replace
// All of a word on every line and its Undo. Loading and Enter come with a
// straightforward transcription beside them as baseline: a line-by-line
// getline loader and a plain array of lines; Replace All's baseline, the
// one-by-one search and replace, is in editor_window_bench.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "editor/document_file.h"
#include "editor/edit_document.h"

namespace foresta {
namespace {

constexpr int kFileLines = 400'000;
constexpr int kDocumentLines = 1'000'000;

// Fixed-pitch view that counts the lines it is asked to repaint.
class CountingView : public EditView {
 public:
  int LineHeight() const override { return 16; }
  int CharWidth() const override { return 8; }
  int TextWidth(std::string_view text) const override { return static_cast<int>(text.size()) * 8; }
  int ClientWidth() const override { return 800; }
  int ClientHeight() const override { return 600; }
  int ScrollX() const override { return x_; }
  int ScrollY() const override { return y_; }
  void ScrollTo(int x, int y) override {
    x_ = std::max(0, x);
    y_ = std::max(0, y);
  }
  void SetLineCount(int) override {}
  void InvalidateLineFrom(int, std::size_t) override { ++repainted; }
  void InvalidateLines(int first, int last) override { repainted += last - first + 1; }
  void InvalidateBelow(int line) override { repainted += std::max(0, y_ + 600 / 16 + 1 - line); }
  void InvalidateAll() override { repainted += 600 / 16 + 1; }
  void UpdateWindow() override {}
  void PlaceCaret(EditPoint) override {}
  void CaretShapeChanged() override {}
  void Beep(BeepKind) override {}

  long long repainted = 0;

 private:
  int x_ = 0;
  int y_ = 0;
};

class SilentPrompter : public EditPrompter {
 public:
  Answer Message(const std::string&, const std::string&, Buttons, Icon) override { return Answer::kNo; }
  bool AskSaveFileName(std::string*) override { return false; }
};

// A 20 MB file of 400,000 lines of varied length (average 52 bytes).
const std::string& LargeFile() {
  static const std::string path = [] {
    std::string p = (std::filesystem::temp_directory_path() /
                     ("foresta_editor_bench_" + std::to_string(::getpid()) + ".txt")).string();
    std::ofstream out(p, std::ios::binary);
    std::string line;
    for (int i = 0; i < kFileLines; ++i) {
      line.assign(static_cast<std::size_t>(12 + (i * 37) % 64), static_cast<char>('a' + i % 26));
      line.push_back('\t');
      line.append(std::to_string(i));
      line.append("\r\n");
      out << line;
    }
    return p;
  }();
  return path;
}

void BM_OpenLargeFile(benchmark::State& state) {
  const std::string& path = LargeFile();
  auto size = static_cast<double>(std::filesystem::file_size(path));
  double bytes_held = 0;
  for (auto _ : state) {
    std::size_t before = mallinfo2().uordblks;
    auto lines = std::make_unique<Lines>();
    int result = ReadDocument(path, lines.get());
    bytes_held = static_cast<double>(mallinfo2().uordblks - before);
    benchmark::DoNotOptimize(result);
    if (result != kReadOk || lines->Count() != kFileLines) state.SkipWithError("load failed");
  }
  state.counters["MB"] = size / 1e6;
  state.counters["memory_per_file_byte"] = bytes_held / size;
}
BENCHMARK(BM_OpenLargeFile)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_OpenLargeFileBaseline(benchmark::State& state) {
  const std::string& path = LargeFile();
  for (auto _ : state) {
    std::ifstream in(path);
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      lines.push_back(line);
    }
    benchmark::DoNotOptimize(lines.data());
  }
}
BENCHMARK(BM_OpenLargeFileBaseline)->Unit(benchmark::kMillisecond)->Iterations(5);

struct BigDocument {
  CountingView view;
  SilentPrompter prompter;
  EditDocument doc{&view, &prompter};
  BigDocument() {
    std::string text;
    text.reserve(static_cast<std::size_t>(kDocumentLines) * 40);
    for (int i = 0; i < kDocumentLines; ++i) {
      text.append("line ");
      text.append(std::to_string(i));
      text.append(" of a large document\n");
    }
    doc.InsertText(text, false);
    doc.CollapseTo(doc.Pos(kDocumentLines / 2, 10));
  }
};

void BM_TypeCharacterInMillionLines(benchmark::State& state) {
  BigDocument big;
  big.view.repainted = 0;
  for (auto _ : state) {
    big.doc.Char('x', 1);
  }
  state.counters["lines_repainted_per_key"] =
      static_cast<double>(big.view.repainted) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_TypeCharacterInMillionLines)->Unit(benchmark::kMicrosecond)->Iterations(20000);

void BM_EnterInMillionLines(benchmark::State& state) {
  BigDocument big;
  big.view.repainted = 0;
  for (auto _ : state) {
    big.doc.Char('\r', 1);
  }
  state.counters["lines_repainted_per_key"] =
      static_cast<double>(big.view.repainted) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_EnterInMillionLines)->Unit(benchmark::kMicrosecond)->Iterations(20000);

// Baseline: Enter in a plain array of a million lines moves every later line.
void BM_EnterInMillionLinesBaseline(benchmark::State& state) {
  std::vector<std::string> lines;
  for (int i = 0; i < kDocumentLines; ++i) {
    std::string line("line ");
    line.append(std::to_string(i));
    line.append(" of a large document");
    lines.push_back(std::move(line));
  }
  std::size_t at = lines.size() / 2;
  for (auto _ : state) {
    // Enter at the start of a line, as the caret is after the first one.
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), std::string());
    ++at;
  }
}
BENCHMARK(BM_EnterInMillionLinesBaseline)->Unit(benchmark::kMicrosecond)->Iterations(2000);

void BM_UndoEnterInMillionLines(benchmark::State& state) {
  BigDocument big;
  for (auto _ : state) {
    big.doc.Char('\r', 1);
    big.doc.Undo();
  }
}
BENCHMARK(BM_UndoEnterInMillionLines)->Unit(benchmark::kMicrosecond)->Iterations(5000);

// Replace All of a word on each of 400,000 lines, and its Undo, in the
// document alone (the window's share is in editor_window_bench): each one
// pass over the text, repainting the view once.
struct WordDocument {
  CountingView view;
  SilentPrompter prompter;
  EditDocument doc{&view, &prompter};
  WordDocument() {
    std::string text;
    text.reserve(static_cast<std::size_t>(kFileLines) * 60);
    for (int i = 0; i < kFileLines; ++i) {
      text.append("row ");
      text.append(std::to_string(i));
      text.append(": the value read at this station is ");
      text.append(std::to_string(i * 7919 % 100000));
      text.append("\n");
    }
    doc.InsertText(text, false);
    doc.ClearJournal();
    FindData& find = doc.FindRecord();
    find.findWhat = "value";
    find.replaceWith = "amount";
    find.flags = FindData::kDown | FindData::kMatchCase | FindData::kReplaceAll;
  }
};

void BM_ReplaceAllInDocument(benchmark::State& state) {
  WordDocument words;
  words.view.repainted = 0;
  for (auto _ : state) {
    words.doc.DoFindReplace();
    state.PauseTiming();
    words.doc.Undo();
    state.ResumeTiming();
  }
  state.counters["lines_repainted"] =
      static_cast<double>(words.view.repainted) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_ReplaceAllInDocument)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_UndoReplaceAllInDocument(benchmark::State& state) {
  WordDocument words;
  for (auto _ : state) {
    state.PauseTiming();
    words.doc.DoFindReplace();
    state.ResumeTiming();
    words.doc.Undo();
  }
}
BENCHMARK(BM_UndoReplaceAllInDocument)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace foresta

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::filesystem::remove(foresta::LargeFile());
  return 0;
}
