#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "batch/batch_file.h"
#include "engine/engine.h"
#include "examples/pattern_file.h"
#include "prediction/input_check.h"
#include "state/recording_shell.h"
#include "workbench/workbench.h"

namespace foresta {
namespace {

namespace fs = std::filesystem;
using testing::ReadFile;
using testing::ReadPatternFile;

class ExampleCommandsTest : public ::testing::Test {
 protected:
  testing::ScopedTempDir dir_;
  RecordingShell shell_;
  Workbench wb_{shell_};

  std::vector<ShellEvent> Run(int id) {
    shell_.ClearEvents();
    wb_.Execute(id);
    return shell_.events();
  }

  static std::vector<std::string> Opened(const std::vector<ShellEvent>& events) {
    std::vector<std::string> files;
    for (const ShellEvent& e : events)
      if (e.kind == ShellEvent::Kind::kOpen) files.push_back(e.text);
    return files;
  }

  // Runs the engine's tests on the four example files as they stand.
  // The sequence examples write no retraining file; they have a
  // distribution instead.
  void ExpectEngineAccepts(bool distribution) {
    Engine engine;
    const WorkbenchState& s = wb_.state();
    EXPECT_EQ(engine.TestTrainingFile(s.trainingFile), 0);
    if (!distribution) {
      EXPECT_EQ(engine.TestRetrainingFile(s.retrainingFile), 0);
    }
    EXPECT_EQ(engine.TestRecognitionFile(s.recognitionFile), 0);
    if (distribution) {
      EXPECT_EQ(engine.TestDistributionFile(s.userDistributionFile), 0);
    }
  }
};

struct MenuLink {
  int id;
  const char* file;
};
constexpr MenuLink kMenuLinks[] = {
    {570, "D_math1a.txt"}, {571, "D_math2a.txt"}, {572, "D_ch3X.txt"},
    {573, "D_ch3Y.txt"},   {574, "D_ch3Z.txt"},   {576, "D_ch3XZ.txt"},
    {577, "D_ch3YZ.txt"},  {581, "D_intc1a.txt"}, {582, "D_intc2a.txt"},
    {583, "D_intc3a.txt"}, {584, "D_intc4a.txt"}, {585, "D_intc5a.txt"},
    {586, "a.txt"},
};

TEST_F(ExampleCommandsTest, MenuLinksSetTheInputAndOpenIt) {
  for (const MenuLink& link : kMenuLinks) {
    auto events = Run(link.id);
    ASSERT_EQ(events.size(), 1u) << link.id;
    EXPECT_EQ(events[0].kind, ShellEvent::Kind::kOpen);
    EXPECT_EQ(events[0].code, 552);
    EXPECT_EQ(events[0].text, link.file);
    EXPECT_EQ(wb_.state().predictionInputFile, link.file);
    EXPECT_EQ(wb_.state().texts.linkInput, link.file);
  }
  EXPECT_EQ(wb_.state().precision, 10);
  EXPECT_EQ(wb_.state().trend, 5);
}

// Every bundled series passes the input test with the default precision and
// trend, so each menu example can be run as it is linked.
TEST_F(ExampleCommandsTest, BundledDataPassesTheInputTest) {
  int tested = 0;
  for (const auto& entry : fs::recursive_directory_iterator(FORESTA_DATA_DIR)) {
    const fs::path& p = entry.path();
    if (p.extension() != ".txt" || p.filename() == "CMakeLists.txt") continue;
    // The bundled user documents sit beside the data but are not series.
    const std::string name = p.filename().string();
    if (name == "example.txt" || name == "help.txt" || name == "manual.txt") continue;
    PredictionState prediction;
    int rows = -1;
    InputTestRequest request{p.string(), 10, 5};
    EXPECT_EQ(TestInputFile(request, prediction, rows), kInputOk) << p;
    EXPECT_GE(rows, 50) << p;
    ++tested;
  }
  EXPECT_GE(tested, 13 + 7 + 30);
  for (const MenuLink& link : kMenuLinks)
    EXPECT_TRUE(fs::exists(fs::path(FORESTA_DATA_DIR) / link.file)) << link.file;
}

// Each menu example, linked and run as Real + Linear with the defaults,
// ends in a prediction report that proposes a value.
TEST_F(ExampleCommandsTest, EveryMenuExampleGivesAPrediction) {
  fs::copy(FORESTA_DATA_DIR, ".", fs::copy_options::recursive);
  for (const MenuLink& link : kMenuLinks) {
    SCOPED_TRACE(link.file);
    Run(link.id);
    fs::remove(wb_.state().predictionOutputFile);
    auto events = Run(555);
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.back().kind, ShellEvent::Kind::kOpen);
    EXPECT_EQ(events.back().code, 553);
    const std::string report = ReadFile(wb_.state().predictionOutputFile);
    EXPECT_NE(report.find("Highest Probability"), std::string::npos) << report;
  }
}

TEST_F(ExampleCommandsTest, BatchExamplesNameInstalledFilesAndLoad) {
  struct Case {
    int id;
    int code, precision, trend;
    std::size_t files;
  };
  for (const Case& c : {Case{575, 10, 10, 4, 7}, Case{578, 604, 10, 5, 30}}) {
    auto events = Run(c.id);
    ASSERT_EQ(Opened(events), std::vector<std::string>{"batch.txt"});
    // The names are relative to the installed data: run from a copy of it.
    fs::copy(FORESTA_DATA_DIR, "installed", fs::copy_options::recursive |
                                                fs::copy_options::overwrite_existing);
    fs::copy_file("batch.txt", "installed/batch.txt",
                  fs::copy_options::overwrite_existing);
    fs::current_path("installed");
    EXPECT_EQ(TestBatchFile("batch.txt", "echo.tmp"), 0) << c.id;
    WorkbenchState loaded;
    loaded.inputMode = InputMode::kDirectory;
    EXPECT_EQ(LoadBatchFile(loaded, "echo.tmp"), c.code);
    EXPECT_EQ(loaded.precision, c.precision);
    EXPECT_EQ(loaded.trend, c.trend);
    EXPECT_EQ(loaded.predictionOutputFile, "example2b.txt");
    EXPECT_EQ(loaded.directoryList.size(), c.files);
    fs::current_path(dir_.path());
  }
  const std::string cash = ReadFile("installed/batch.txt");
  EXPECT_EQ(cash.find("*\nQuorlith Dow 5, Batch Run\n"), 0u);
  wb_.state().batchFile = "missing-dir/batch.txt";
  auto events = Run(575);
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].kind, ShellEvent::Kind::kInformation);
  EXPECT_EQ(events[0].code, 566);
}

// Both example batches, run from the installed data, predict every file.
TEST_F(ExampleCommandsTest, BatchExamplesPredictEveryFile) {
  fs::copy(FORESTA_DATA_DIR, ".", fs::copy_options::recursive);
  for (auto [id, files] : {std::pair{575, 7}, std::pair{578, 30}}) {
    SCOPED_TRACE(id);
    Run(id);
    auto events = Run(567);
    for (const ShellEvent& e : events)
      EXPECT_NE(e.kind, ShellEvent::Kind::kMessage) << e.text;
    const std::string report = ReadFile(wb_.state().predictionOutputFile);
    std::size_t inputs = 0;
    for (std::size_t at = report.find("Input file:"); at != std::string::npos;
         at = report.find("Input file:", at + 1))
      ++inputs;
    EXPECT_EQ(inputs, static_cast<std::size_t>(files));
    EXPECT_EQ(report.find("Can not make a Prediction"), std::string::npos);
  }
}

TEST_F(ExampleCommandsTest, ShifterInitialisationsSetLayoutAndAdvanceTheStream) {
  auto events = Run(466);
  ASSERT_FALSE(events.empty());
  EXPECT_EQ(events.back().code, 390);
  const WorkbenchState& s = wb_.state();
  EXPECT_EQ(s.line2Start, 12);
  EXPECT_EQ(s.line5Start, 3 * 15 + 12);
  EXPECT_EQ(s.breakerStep, 15);
  EXPECT_EQ(s.symmetryKind, 1);
  EXPECT_EQ(s.symmetryEnd, 5 * 15 + 11);
  EXPECT_EQ(s.symmetryXDim, 75);
  EXPECT_EQ(s.texts.symmetryEnd, "86");
  EXPECT_TRUE(s.texts.xTranslation);
  RandomStream expected;
  for (int i = 0; i < 100001; ++i) expected.Next();
  EXPECT_EQ(wb_.random().state(), expected.state());

  // A fresh run's first file and one after the initialisation differ.
  Run(381);
  const std::string after = ReadFile(s.trainingFile);
  RecordingShell other;
  Workbench fresh(other);
  fs::create_directory("fresh");
  fs::current_path("fresh");
  fresh.Execute(381);
  EXPECT_NE(ReadFile(s.trainingFile), after);
  fs::current_path(dir_.path());
}

TEST_F(ExampleCommandsTest, RefusedShifterEntryKeepsTheSettings) {
  wb_.state().texts.shifterBits = "20000";
  auto events = Run(386);
  ASSERT_GE(events.size(), 2u);
  const ShellEvent* refusal = nullptr;
  for (const ShellEvent& e : events)
    if (e.kind == ShellEvent::Kind::kMessage) refusal = &e;
  ASSERT_NE(refusal, nullptr);
  EXPECT_NE(refusal->text.find("19997"), std::string::npos);
  EXPECT_EQ(wb_.state().shifterBits, 15);
  EXPECT_EQ(events.back().code, 390);

  wb_.state().shifterBits = 50000;  // as a script may set it
  events = Run(381);
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].kind, ShellEvent::Kind::kMessage);
  EXPECT_EQ(events[0].caption, "Shifter Data");
  EXPECT_FALSE(fs::exists(wb_.state().trainingFile));

  wb_.state().counterBits = 3;
  events = Run(531);
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].caption, "Segment Counter Data");
  EXPECT_NE(events[0].text.find("N = 3"), std::string::npos);
  EXPECT_FALSE(fs::exists(wb_.state().trainingFile));
}

TEST_F(ExampleCommandsTest, GeneratedFilesPassTheEngineTests) {
  struct Case {
    std::vector<int> ids;
    bool distribution;
  };
  const Case cases[] = {
      {{390, 381, 382, 383}, false}, {{446, 441, 442, 443}, false},
      {{456, 451, 452, 454}, false}, {{446, 441, 444, 447}, true},
      {{466, 461, 463, 467}, true}, {{536, 531, 532, 533}, false},
      {{411}, false}, {{412}, false}, {{421}, false}, {{422}, false},
      {{423}, false}, {{424}, false}, {{431}, false}, {{428}, false},
      {{429}, false}, {{435}, true}, {{436}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.ids.front());
    for (int id : c.ids) Run(id);
    ExpectEngineAccepts(c.distribution);
  }
}

TEST_F(ExampleCommandsTest, ImageExamplesStoreTheirSettings) {
  auto events = Run(426);
  EXPECT_EQ(Opened(events), (std::vector<std::string>{
                                "img50x50.rec", "img50x50.rtn", "img50x50.trn"}));
  const WorkbenchState& s = wb_.state();
  EXPECT_EQ(s.recognitionOutputFile, "img50x50.dat");
  EXPECT_EQ(s.texts.training, "img50x50.trn");
  EXPECT_EQ(s.symmetryEnd, 2549);
  EXPECT_EQ(s.symmetryKind, 13);
  EXPECT_EQ(s.breakerStep, 50);
  EXPECT_EQ(events.back().code, 428);

  // The installed image files are sound pattern files.
  for (const char* ext : {".trn", ".rtn", ".rec"})
    for (const char* base : {"img50x50", "img100x100"})
      fs::copy_file(fs::path(FORESTA_DATA_DIR) / (std::string(base) + ext),
                    std::string(base) + ext);
  ExpectEngineAccepts(false);
  Run(427);
  ExpectEngineAccepts(false);

  Run(429);
  EXPECT_EQ(s.symmetryKind, 34);
  EXPECT_TRUE(s.texts.zRotation);
  EXPECT_EQ(s.symmetryStart, 40);
  EXPECT_EQ(s.symmetryEnd, 1639);
}

TEST_F(ExampleCommandsTest, CharacterTrainingOpensNothingWhenRetrainingFails) {
  wb_.state().retrainingFile = "missing-dir/x.rtn";
  auto events = Run(392);
  EXPECT_TRUE(Opened(events).empty());
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].kind, ShellEvent::Kind::kQuestion);
  EXPECT_EQ(events[0].code, 382);
}

TEST_F(ExampleCommandsTest, SequenceExamplesDropAnEarlierSymmetry) {
  Run(421);
  ASSERT_EQ(wb_.state().symmetryKind, 13);
  auto events = Run(435);
  EXPECT_EQ(wb_.state().symmetryKind, 0);
  EXPECT_EQ(Opened(events), (std::vector<std::string>{
                                "example1.rec", "example1.usd", "example1.trn"}));
}

TEST_F(ExampleCommandsTest, DistributionOpenerWritesTheLayoutOnlyWhenMissing) {
  auto events = Run(405);
  ASSERT_EQ(Opened(events), std::vector<std::string>{"example1.usd"});
  EXPECT_EQ(ReadFile("example1.usd").find("*\n\nUser Distribution Data File"), 0u);
  testing::WriteFile("example1.usd", "mine");
  Run(405);
  EXPECT_EQ(ReadFile("example1.usd"), "mine");
}

// The completed vectors of a recognition report, with their tie counts.
std::vector<std::pair<std::string, int>> Completions(const std::string& report,
                                                     int neurons) {
  std::vector<std::pair<std::string, int>> out;
  std::istringstream in(report);
  std::string text;
  while (std::getline(in, text)) {
    // "<vector>  <score>  <ties>"
    std::istringstream words(text);
    std::string vector, score, ties, rest;
    if (!(words >> vector >> score >> ties) || (words >> rest)) continue;
    if (vector.size() != static_cast<std::size_t>(neurons) ||
        vector.find_first_not_of("01") != std::string::npos ||
        text.compare(vector.size(), 2, "  ") != 0)
      continue;
    out.emplace_back(vector, std::stoi(ties));
  }
  return out;
}

TEST_F(ExampleCommandsTest, XorIsCompletedCorrectly) {
  for (int id : {411, 412}) {
    SCOPED_TRACE(id);
    Run(id);
    const WorkbenchState& s = wb_.state();
    testing::WriteFile(s.userDistributionFile, "* either value of a bit *\n2 2\n10\n01\n");
    Engine engine;
    ASSERT_EQ(engine.TrainNetwork(s.trainingFile, SymmetrySettings{}), kTrainOk);
    RecognitionSettings settings;
    ASSERT_EQ(engine.RecognizeWithDistribution(settings), kRecognitionOk);
    const int n = static_cast<int>(engine.NeuronCount());
    const auto patterns = ReadPatternFile(s.trainingFile, 1).Vectors(n);
    const auto queries = ReadPatternFile(s.recognitionFile, 0).Vectors(n);
    const auto answers = Completions(ReadFile(s.recognitionOutputFile), n);
    ASSERT_EQ(answers.size(), queries.size());
    for (std::size_t q = 0; q < queries.size(); ++q) {
      EXPECT_EQ(answers[q].second, 1) << queries[q];
      EXPECT_NE(std::find(patterns.begin(), patterns.end(), answers[q].first),
                patterns.end())
          << queries[q] << " -> " << answers[q].first;
      for (int i = 0; i < n; ++i) {
        if (queries[q][i] != 'x') {
          ASSERT_EQ(answers[q].first[i], queries[q][i]);
        }
      }
    }
  }
}

}  // namespace
}  // namespace foresta
