#include "workbench/symmetry_dialog.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include "workbench/typing_shell.h"
#include "workbench/workbench.h"

namespace foresta {
namespace {

constexpr const char* kValidHead = "Symmetry Parameters: \n Symmetry starts at: ";
constexpr const char* kAgain = "\n Please Set Symmetry Again! ";

struct Entry {
  const char* start;
  const char* end;
  const char* x;
  const char* y;
};

WorkbenchState Entered(Entry e) {
  WorkbenchState state;
  state.texts.symmetryStart = e.start;
  state.texts.symmetryEnd = e.end;
  state.texts.symmetryX = e.x;
  state.texts.symmetryY = e.y;
  return state;
}

void ExpectPositionsUnset(const WorkbenchState& s) {
  EXPECT_EQ(s.symmetryStart, -2);
  EXPECT_EQ(s.symmetryEnd, -2);
  EXPECT_EQ(s.symmetryXDim, -2);
  EXPECT_EQ(s.symmetryYDim, -2);
}

TEST(SymmetryValidation, FirstFailingRuleNamesTheProblem) {
  struct Case {
    Entry entry;
    const char* message;
  };
  const Case cases[] = {
      {{"-1", "9", "10", "-1"}, " No Symmetry! \n "},
      {{"5", "5", "1", "-1"},
       " Invalid Parameters: \n Start Position >= End Position \n "},
      {{"9", "0", "-5", "-5"},
       " Invalid Parameters: \n Start Position >= End Position \n "},
      {{"0", "9", "-1", "-3"}, " Please Enter Enter x-Dimension \n "},
      {{"0", "9", "9", "-1"},
       "Parameters are inconsistent\n x-Dimension <> Start Position - End "
       "Position + 1 \n "},
      {{"0", "9", "-1", "11"},
       "Parameters are inconsistent\n y-Dimension <> Start Position - End "
       "Position + 1 \n "},
      {{"0", "99", "10", "9"},
       "Parameters are inconsistent\n  (x-Dim)*(y-Dim ) <> Start Position - "
       "End Position + 1 \n "},
      // 3 x 1431655766 wraps to 2 in 32 bits, the length of 0..1.
      {{"0", "1", "3", "1431655766"},
       "Parameters are inconsistent\n  (x-Dim)*(y-Dim ) <> Start Position - "
       "End Position + 1 \n "},
  };
  for (const Case& c : cases) {
    WorkbenchState state = Entered(c.entry);
    SymmetryOutcome out = ApplySymmetryTexts(state);
    EXPECT_FALSE(out.valid) << c.message;
    EXPECT_TRUE(out.message.starts_with(c.message)) << out.message;
    ExpectPositionsUnset(state);
  }
}

TEST(SymmetryValidation, InvalidEntryIsStillClassified) {
  WorkbenchState state = Entered({"5", "5", "10", "10"});
  state.texts.xTranslation = state.texts.yTranslation = true;
  SymmetryOutcome out = ApplySymmetryTexts(state);
  EXPECT_FALSE(out.valid);
  EXPECT_EQ(state.symmetryKind, kXYTranslation2D);
  EXPECT_EQ(out.message,
            " Invalid Parameters: \n Start Position >= End Position \n "
            "\n2-D x- and y-translational Symmetry! ");
  ExpectPositionsUnset(state);
}

TEST(SymmetryValidation, ValidEntriesAreStored) {
  WorkbenchState state = Entered({"0", "99", "10", "10"});
  state.texts.xTranslation = state.texts.yTranslation = true;
  SymmetryOutcome out = ApplySymmetryTexts(state);
  EXPECT_TRUE(out.valid);
  EXPECT_EQ(out.message,
            "Symmetry Parameters: \n Symmetry starts at: 0\nSymmetry ends at: "
            "99\nx-Dimension is: 10\ny-Dimension is: 10\n\n2-D x- and "
            "y-translational Symmetry! ");
  EXPECT_EQ(state.symmetryStart, 0);
  EXPECT_EQ(state.symmetryEnd, 99);
  EXPECT_EQ(state.symmetryKind, 13);

  state = Entered({"0", "9", "10", "-1"});
  state.texts.xScaling = true;
  out = ApplySymmetryTexts(state);
  EXPECT_TRUE(out.valid);
  EXPECT_EQ(state.symmetryKind, kScaling1D);
  EXPECT_TRUE(out.message.ends_with(
      "\n\n1-D x-scaling and x-translational Symmetry! "));

  // A y-only region is run along x: the x dimension takes the y dimension.
  state = Entered({"0", "9", "-1", "10"});
  state.texts.yTranslation = true;
  out = ApplySymmetryTexts(state);
  EXPECT_TRUE(out.valid);
  EXPECT_EQ(state.symmetryXDim, 10);
  EXPECT_EQ(state.symmetryYDim, 10);
  EXPECT_EQ(state.symmetryKind, kTranslation1D);
  EXPECT_TRUE(out.message.ends_with("\n1-D y-translational Symmetry! "));

  // Zero dimensions pass the checks but name no symmetry.
  state = Entered({"0", "9", "0", "0"});
  state.texts.xTranslation = true;
  out = ApplySymmetryTexts(state);
  EXPECT_TRUE(out.valid);
  EXPECT_EQ(state.symmetryXDim, 0);
  EXPECT_EQ(state.symmetryKind, 0);
  EXPECT_EQ(out.message, std::string(kValidHead) +
                             "0\nSymmetry ends at: 9\nx-Dimension is: "
                             "0\ny-Dimension is: 0\n" + kAgain);
}

TEST(SymmetryValidation, OneDimensionWithoutMatchingBoxAsksAgain) {
  WorkbenchState state = Entered({"0", "9", "10", "-1"});
  state.symmetryKind = 13;
  state.texts.yTranslation = state.texts.yScaling = true;  // wrong axis
  SymmetryOutcome out = ApplySymmetryTexts(state);
  EXPECT_EQ(state.symmetryKind, 0);
  EXPECT_TRUE(out.message.ends_with(kAgain));

  state = Entered({"0", "9", "-1", "10"});
  state.texts.xTranslation = true;
  out = ApplySymmetryTexts(state);
  EXPECT_EQ(state.symmetryKind, 0);
  EXPECT_TRUE(out.message.ends_with(kAgain));
}

// The two-dimensional table: boxes as ZR XS YS XT YT, '-' for "any".
struct TableRow {
  const char* boxes;
  int kind;
  const char* line;
};
const TableRow kTable[] = {
    {"00000", 0, "\n No Symmetry! "},
    {"00010", 11, "\n2-D x-translational Symmetry! "},
    {"00001", 12, "\n2-D y-translational Symmetry! "},
    {"00011", 13, "\n2-D x- and y-translational Symmetry! "},
    {"010-0", 21, "\n2-D x-scaling and x-translational Symmetry! "},
    {"010-1", 0,
     "\n Setting (x-scaling + y-translation) is not supported. \n Please Set "
     "Symmetry Again! "},
    {"0010-", 22, "\n2-D y-scaling and y-translational Symmetry! "},
    {"0011-", 0,
     "\n Setting (y-scaling + x-translation) is not supported. \n Please Set "
     "Symmetry Again! "},
    {"011--", 23,
     "\n2-D x- and y-scaling  +  x- and y- translational Symmetry! "},
    {"100--", 31, "\n z-Rotation Symmetry! "},
    {"110-0", 32, "\n2-D x-scaling and z-Rotate Symmetry! "},
    {"110-1", 0,
     "\n Setting (x-scaling + y-translation + z-ratation) is not supported. "
     "\n Please Set Symmetry Again! "},
    {"1010-", 33, "\n2-D y-scaling and z-Rotate Symmetry! "},
    {"1011-", 0,
     "\n Setting (y-scaling + x-translation + z-ratation) is not supported. "
     "\n Please Set Symmetry Again! "},
    {"111--", 34,
     "\n2-D x- and y-scaling  +  x- and y- translational + z-Rotation "
     "Symmetry! "},
};

struct Expanded {
  std::array<bool, 5> boxes;  // ZR XS YS XT YT
  int kind;
  std::string line;
};

std::vector<Expanded> ExpandTable() {
  std::vector<Expanded> out;
  for (const TableRow& row : kTable) {
    for (int any = 0; any < 32; ++any) {
      Expanded e{{}, row.kind, row.line};
      bool fits = true;
      for (int i = 0; i < 5; ++i) {
        bool on = (any >> i) & 1;
        if (row.boxes[i] != '-' && (row.boxes[i] == '1') != on) fits = false;
        e.boxes[i] = on;
      }
      if (fits) out.push_back(e);
    }
  }
  return out;
}

void SetBoxes(DialogTexts& t, const std::array<bool, 5>& b) {
  t.zRotation = b[0], t.xScaling = b[1], t.yScaling = b[2];
  t.xTranslation = b[3], t.yTranslation = b[4];
}

TEST(SymmetryClassification, TwoDimensionalTable) {
  std::vector<Expanded> rows = ExpandTable();
  ASSERT_EQ(rows.size(), 32u);  // every combination exactly once
  for (const Expanded& row : rows) {
    WorkbenchState state = Entered({"0", "99", "10", "10"});
    SetBoxes(state.texts, row.boxes);
    SymmetryOutcome out = ApplySymmetryTexts(state);
    EXPECT_EQ(state.symmetryKind, row.kind) << row.line;
    EXPECT_EQ(out.kind, row.kind);
    EXPECT_TRUE(out.message.ends_with("y-Dimension is: 10\n" + row.line))
        << out.message;
  }
}

TEST(SymmetryCommand, ShowsThePlainBoxAndCancelKeepsTheKind) {
  testing::TypingShell shell;
  Workbench wb(shell);
  wb.state().texts.symmetryStart = "0";
  wb.state().texts.symmetryEnd = "9";
  wb.state().texts.symmetryX = "10";
  wb.state().texts.xTranslation = true;
  wb.Execute(363);
  ASSERT_EQ(shell.events().size(), 2u);
  const ShellEvent& box = shell.events().back();
  EXPECT_EQ(box.kind, ShellEvent::Kind::kMessage);
  EXPECT_EQ(box.caption, " Symmetry Parameters");
  EXPECT_TRUE(box.text.ends_with("\n\n1-D x-translational Symmetry! "));
  EXPECT_EQ(wb.state().symmetryKind, 1);

  shell.confirmDialogs = false;
  wb.state().texts.xScaling = true;
  wb.Execute(363);
  EXPECT_EQ(shell.events().size(), 3u);
  EXPECT_EQ(wb.state().symmetryKind, 1);
}

// Runs the command line and returns what it printed.
std::string RunCli(const std::string& arguments) {
  std::string command = std::string(FORESTA_BIN_DIR) + "/foresta-cli " +
                        arguments + " 2>&1";
  std::string output;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
      output.append(buffer, n);
    }
    pclose(pipe);
  }
  return output;
}

std::string Escaped(const std::string& text) {
  std::string out;
  for (char c : text) out += c == '\n' ? std::string("\\n") : std::string(1, c);
  return out;
}

TEST(SymmetryCommand, ClassificationTableThroughTheCommandLine) {
  const char* names[5] = {"zRotation", "xScaling", "yScaling", "xTranslation",
                          "yTranslation"};
  // One process per table row, with every "any" box checked.
  for (const TableRow& table : kTable) {
    Expanded row{{}, table.kind, table.line};
    for (int i = 0; i < 5; ++i) row.boxes[i] = table.boxes[i] != '0';
    std::string args =
        "--json --text symmetry.start=0 --text symmetry.end=99 "
        "--text symmetry.x=10 --text symmetry.y=10";
    for (int i = 0; i < 5; ++i) {
      args += std::string(" --text symmetry.") + names[i] + "=" +
              (row.boxes[i] ? "1" : "0");
    }
    std::string printed = RunCli(args + " do 363");
    std::string expected =
        "{\"kind\":\"message\",\"caption\":\" Symmetry Parameters\",\"text\":\"" +
        Escaped(std::string(kValidHead) +
                "0\nSymmetry ends at: 99\nx-Dimension is: 10\ny-Dimension is: "
                "10\n" + row.line) +
        "\"}\n{\"kind\":\"status\",\"code\":0}\n";
    EXPECT_EQ(printed, expected) << args;
  }
}

}  // namespace
}  // namespace foresta
