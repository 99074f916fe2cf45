// Replace All and its Undo in a large document, through the real window
// code: the main window offscreen, the file opened as the document opener
// opens it, the Replace dialog's Replace All button and the Undo command,
// with the status bar's size indicator and every repaint request on the
// way. Beside them the baseline, a straightforward transcription of Replace
// All on the same window: search, replace, repeat, each replacement its
// own journal entries (chained, so one Undo takes them all back).
//
// Memory: the growth of the process's peak resident size over its size
// before the file was opened, per byte of the file (the document itself
// included), and the heap still held afterwards.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <unistd.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>

#include "editor/widget/edit_client.h"
#include "frame/plume_ed_app.h"
#include "frame/plume_ed_mdi_child.h"
#include "frame/plume_ed_mdi_client.h"
#include "frame/plume_ed_window.h"

namespace foresta {
namespace {

constexpr const char* kWord = "value";
constexpr const char* kReplacement = "amount";

// A field of /proc/self/status, kB.
long long StatusKb(const char* field) {
  std::ifstream in("/proc/self/status");
  std::string name;
  long long value = 0;
  while (in >> name) {
    if (name == field) {
      in >> value;
      return value;
    }
    in.ignore(1 << 12, '\n');
  }
  return 0;
}

// Starts a new high-water mark of the resident size.
void ResetPeak() { std::ofstream("/proc/self/clear_refs") << "5"; }

// The files written so far, by line count.
std::map<int, std::string>& Files() {
  static std::map<int, std::string> paths;
  return paths;
}

// A file of `lines` lines of 58 characters and "\r\n", each holding the
// word once: 400,000 lines make 24 MB and 400,000 replacements.
const std::string& LargeFile(int lines) {
  auto [it, fresh] = Files().try_emplace(lines);
  if (!fresh) return it->second;
  it->second = (std::filesystem::temp_directory_path() /
                ("foresta_window_bench_" + std::to_string(::getpid()) + "_" + std::to_string(lines) + ".txt"))
                   .string();
  std::ofstream out(it->second, std::ios::binary);
  char line[80];
  for (int i = 0; i < lines; ++i) {
    int n = std::snprintf(line, sizeof line, "row %06d: the %s read at station %03d is %08.2f", i, kWord,
                          i % 997, (i * 7919 % 100000) / 7.0);
    std::string text(line, static_cast<std::size_t>(n));
    text.resize(58, '.');
    out << text << "\r\n";
  }
  return it->second;
}

// The main window with the large file open in a document window.
class Session {
 public:
  explicit Session(const std::string& path) {
    window_.show();
    window_.documentArea().OpenFile(path);
    plume_edMDIChild* child = window_.documentArea().ActiveDocument();
    editor_ = child != nullptr ? child->Client() : nullptr;
    QApplication::processEvents();
  }
  bool Ready() const { return editor_ != nullptr; }
  EditDocument& Doc() { return editor_->Document(); }

  // As the user does it: Edit > Replace, the two texts, Replace All.
  void ReplaceAll() {
    window_.Dispatch(kCmEditReplace);
    FindReplaceDialog* dialog = editor_->FindDialog();
    dialog->FindEdit()->setText(QString::fromLatin1(kWord));
    dialog->ReplaceEdit()->setText(QString::fromLatin1(kReplacement));
    dialog->ReplaceAllButton()->click();
    QApplication::processEvents();
  }

  // The baseline: search, replace, repeat, through the same window.
  void ReplaceOneByOne() {
    EditDocument& doc = Doc();
    doc.CollapseTo(doc.Start());
    bool first = true;
    while (doc.Search(true, true, false, kWord)) {
      std::size_t entry = doc.Journal().size();
      doc.Replace(kReplacement);
      if (!first && entry < doc.Journal().size()) doc.Journal()[entry]->Chained = true;
      first = false;
    }
    QApplication::processEvents();
  }

  void Undo() {
    window_.Dispatch(kCmEditUndo);
    QApplication::processEvents();
  }

  // Whether every line holds the replacement (or, with `undone`, the word).
  bool Check(bool undone) {
    const Lines& lines = Doc().Text();
    std::string want = undone ? kWord : kReplacement;
    for (int i : {0, lines.Count() / 2, lines.Count() - 1}) {
      if (lines[i].find(" the " + want + " ") == std::string::npos) return false;
    }
    return true;
  }

 private:
  plume_edApp window_;
  TEditClient* editor_ = nullptr;
};

// Memory counters around one operation.
class MemoryProbe {
 public:
  MemoryProbe() {
    // Memory freed by an earlier benchmark goes back first, so that the
    // resident size before counts only what is alive.
    ::malloc_trim(0);
    rssKb_ = StatusKb("VmRSS:");
    heap_ = HeapInUse();
    ResetPeak();
  }
  void Report(benchmark::State& state, const std::string& path) const {
    auto file = static_cast<double>(std::filesystem::file_size(path));
    state.counters["file_MB"] = file / 1e6;
    state.counters["peak_growth_per_file_byte"] =
        static_cast<double>(StatusKb("VmHWM:") - rssKb_) * 1024.0 / file;
    state.counters["heap_held_per_file_byte"] =
        (static_cast<double>(HeapInUse()) - static_cast<double>(heap_)) / file;
  }

 private:
  // Small blocks and the large ones malloc maps on their own.
  static std::size_t HeapInUse() {
    struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
  }

  long long rssKb_ = 0;
  std::size_t heap_ = 0;
};

void BM_ReplaceAllInWindow(benchmark::State& state) {
  const std::string& path = LargeFile(static_cast<int>(state.range(0)));
  MemoryProbe probe;
  Session session(path);
  if (!session.Ready()) return state.SkipWithError("no document window");
  for (auto _ : state) session.ReplaceAll();
  if (!session.Check(false)) state.SkipWithError("not replaced");
  probe.Report(state, path);
}
BENCHMARK(BM_ReplaceAllInWindow)->Arg(40'000)->Arg(400'000)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_UndoReplaceAllInWindow(benchmark::State& state) {
  const std::string& path = LargeFile(static_cast<int>(state.range(0)));
  MemoryProbe probe;
  Session session(path);
  if (!session.Ready()) return state.SkipWithError("no document window");
  session.ReplaceAll();
  for (auto _ : state) session.Undo();
  if (!session.Check(true)) state.SkipWithError("not undone");
  probe.Report(state, path);
}
BENCHMARK(BM_UndoReplaceAllInWindow)->Arg(40'000)->Arg(400'000)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_ReplaceOneByOneBaseline(benchmark::State& state) {
  const std::string& path = LargeFile(static_cast<int>(state.range(0)));
  MemoryProbe probe;
  Session session(path);
  if (!session.Ready()) return state.SkipWithError("no document window");
  for (auto _ : state) session.ReplaceOneByOne();
  if (!session.Check(false)) state.SkipWithError("not replaced");
  probe.Report(state, path);
}
BENCHMARK(BM_ReplaceOneByOneBaseline)->Arg(40'000)->Arg(400'000)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_UndoOneByOneBaseline(benchmark::State& state) {
  const std::string& path = LargeFile(static_cast<int>(state.range(0)));
  MemoryProbe probe;
  Session session(path);
  if (!session.Ready()) return state.SkipWithError("no document window");
  session.ReplaceOneByOne();
  for (auto _ : state) session.Undo();
  if (!session.Check(true)) state.SkipWithError("not undone");
  probe.Report(state, path);
}
BENCHMARK(BM_UndoOneByOneBaseline)->Arg(40'000)->Arg(400'000)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace foresta

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  for (const auto& [lines, path] : foresta::Files()) std::filesystem::remove(path);
  return 0;
}
