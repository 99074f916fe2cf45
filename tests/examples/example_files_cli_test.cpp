// Generated example files as the built foresta-cli writes them: line
// layout, pattern order, exact texts, and what they leave of the shared
// random stream for the files generated after them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "examples/example_file.h"
#include "examples/pattern_file.h"
#include "examples/segment_counter_generator.h"
#include "state/random_stream.h"
#include "state/workbench_state.h"
#include "support/cli_process.h"
#include "support/temp_dir.h"

namespace foresta {
namespace {

using testing::ReadFile;
using testing::ReadPatternFile;
using testing::RunCliProcess;

std::string Do(std::vector<std::string> ids) {
  ids.insert(ids.begin(), "do");
  testing::CliRun run = RunCliProcess(ids);
  EXPECT_EQ(run.exitStatus, 0);
  return run.out;
}

bool Informs(const std::string& out, int code) {
  return out.find("{\"kind\":\"information\",\"code\":" + std::to_string(code) + ",") !=
         std::string::npos;
}

// The text after the header that ends with `headerEnd`.
std::string Body(const std::string& text, const std::string& headerEnd) {
  const std::size_t at = text.find(headerEnd);
  EXPECT_NE(at, std::string::npos) << headerEnd;
  return at == std::string::npos ? "" : text.substr(at + headerEnd.size());
}

// A 160-neuron counter vector as it is laid out with line 2 at 40 and a
// breaker step of 40: the class neurons, then the pixels 40 to a line.
std::string CounterLayout(const std::string& v) {
  std::string text;
  for (std::size_t i = 0; i < v.size(); i += 40) text += v.substr(i, 40) + "\n  ";
  return text + "\n";
}

class ExampleFilesCliTest : public ::testing::Test {
 protected:
  testing::ScopedTempDir dir_;
};

TEST_F(ExampleFilesCliTest, CounterFilesBreakAfterTheClassWhicheverComesFirst) {
  // Each generator runs first in its own session, with no training file
  // before it to set the line breakers.
  Do({"532"});
  const std::string retraining = ReadFile("example1.rtn");
  const auto rtnVectors = ReadPatternFile("example1.rtn", 1).Vectors(160);
  ASSERT_EQ(rtnVectors.size(), 5u);
  std::string expected;
  for (const std::string& v : rtnVectors) expected += CounterLayout(v);
  EXPECT_EQ(Body(retraining, " \n\n*\n 160\n\n"), expected);

  Do({"533"});
  const auto recVectors = ReadPatternFile("example1.rec", 0).Vectors(160);
  ASSERT_EQ(recVectors.size(), 50u);
  expected.clear();
  for (const std::string& v : recVectors) expected += CounterLayout(v);
  EXPECT_EQ(Body(ReadFile("example1.rec"), " \n\n*\n\n "), expected);

  // The breakers stay set: a three-group shifter file generated next breaks
  // its 69-neuron vectors after position 40.
  Do({"533", "451"});
  const auto shifter = ReadPatternFile("example1.trn", 1);
  ASSERT_EQ(shifter.header[0], 69);
  const auto vectors = shifter.Vectors(69);
  ASSERT_EQ(vectors.size(), 250u);
  expected.clear();
  for (const std::string& v : vectors) expected += v.substr(0, 40) + "\n\t" + v.substr(40) + "\n";
  EXPECT_EQ(Body(ReadFile("example1.trn"), "*\n 69\n\n"), expected);
}

TEST_F(ExampleFilesCliTest, MarkovExampleAdvancesTheStreamOnlyForItsTraining) {
  // After 436 the stream has moved by two draws per state from the third of
  // 20,000 on; the counter file generated next shows where it stands.
  const std::string out = Do({"436", "531"});
  EXPECT_NE(out.find("{\"kind\":\"open\",\"code\":401,\"file\":\"example1.trn\"}\n"
                     "{\"kind\":\"status\",\"code\":401}\n"),
            std::string::npos);
  WorkbenchState reference;
  reference.trainingFile = "reference.trn";
  RandomStream random;
  for (int i = 0; i < 2 * (20000 - 2); ++i) random.Next();
  ASSERT_EQ(WriteCounterTraining(reference, random), kExampleWritten);
  EXPECT_EQ(ReadFile("example1.trn"), ReadFile("reference.trn"));

  // The recognition vectors are fixed content, whatever ran before.
  Do({"436"});
  const std::string recognition = ReadFile("example1.rec");
  Do({"381", "531", "436"});
  EXPECT_EQ(ReadFile("example1.rec"), recognition);
  const auto vectors = ReadPatternFile("example1.rec", 0).Vectors(175);
  ASSERT_EQ(vectors.size(), 5u);
  for (const std::string& v : vectors) EXPECT_EQ(v.substr(140), std::string(35, 'x'));

  // ... and the engine accepts all three files.
  const std::string tests = Do({"436", "351", "353", "354"});
  EXPECT_TRUE(Informs(tests, 100)) << tests;
  EXPECT_TRUE(Informs(tests, 120)) << tests;
  EXPECT_TRUE(Informs(tests, 130)) << tests;
}

TEST_F(ExampleFilesCliTest, XorOfTwoBitsListsItsPatternsInTheirOrder) {
  Do({"411"});
  const std::vector<std::string> order = {"010101", "100110", "101001", "011010"};
  const auto training = ReadPatternFile("example1.trn", 1);
  ASSERT_EQ(training.header[0], 20);
  std::vector<std::string> patterns;
  for (const std::string& v : training.Vectors(20)) {
    EXPECT_EQ(v.substr(0, 14), "10101010101010");
    patterns.push_back(v.substr(14));
  }
  EXPECT_EQ(patterns, order);

  // Recognition: per pattern, the result pair unknown, then the second
  // input pair, then the first; the whole list twice.
  std::vector<std::string> expected;
  for (int round = 0; round < 2; ++round) {
    for (const std::string& p : order) {
      expected.push_back(p.substr(0, 4) + "xx");
      expected.push_back(p.substr(0, 2) + "xx" + p.substr(4));
      expected.push_back("xx" + p.substr(2));
    }
  }
  std::vector<std::string> queries;
  for (const std::string& v : ReadPatternFile("example1.rec", 0).Vectors(20))
    queries.push_back(v.substr(14));
  EXPECT_EQ(queries, expected);
}

TEST_F(ExampleFilesCliTest, XorRetrainingFilesEndWithTheirLastZero) {
  Do({"411"});
  EXPECT_EQ(ReadFile("example1.rtn"),
            " * No retraining file is necessary for XOR2  * \n\n 20 \n " + std::string(20, '0'));
  // The engine reads the last zero at end of file like any other.
  const std::string out = Do({"411", "351", "352", "342", "343"});
  for (int code : {100, 110, 32, 35}) EXPECT_TRUE(Informs(out, code)) << code << out;

  Do({"412"});
  EXPECT_EQ(ReadFile("example1.rtn"),
            " * No retraining file is necessary for XOR3  * \n\n 22 \n " + std::string(22, '0'));
}

}  // namespace
}  // namespace foresta
