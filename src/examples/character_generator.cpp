#include "examples/character_generator.h"

#include "examples/example_file.h"
#include "state/workbench_state.h"

namespace foresta {
namespace {

constexpr int kGlyphWidth = 5;
constexpr int kGlyphHeight = 7;
constexpr int kSmallClasses = 11;
constexpr int kDigitClasses = 10;
constexpr int kFrame = 8;

// clang-format off
constexpr const char* kFont[kSmallClasses][kGlyphHeight] = {
    {".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."},  // 0
    {"..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."},  // 1
    {".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"},  // 2
    {"#####", "...#.", "..#..", "...#.", "....#", "#...#", ".###."},  // 3
    {"...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."},  // 4
    {"#####", "#....", "####.", "....#", "....#", "#...#", ".###."},  // 5
    {"..##.", ".#...", "#....", "####.", "#...#", "#...#", ".###."},  // 6
    {"#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#..."},  // 7
    {".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."},  // 8
    {".###.", "#...#", "#...#", ".####", "....#", "...#.", ".##.."},  // 9
    {".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"},  // A
};
// clang-format on

constexpr const char* kClassNames5x7 =
    "\n Classes (the position of the 1 in the first 11 neurons):"
    "\n   0 1 2 3 4 5 6 7 8 9 A";

std::string OneHot(int size, int index) {
  std::string v(static_cast<std::size_t>(size), '0');
  v[static_cast<std::size_t>(index)] = '1';
  return v;
}

// A hand-drawn variant: the glyph with a few pixels toggled at places that
// depend on the class and the variant, so every drawing differs a little.
std::vector<std::string> Drawing(int index, int variant, int toggles) {
  std::vector<std::string> rows = SmallGlyph(index);
  for (int t = 0; t < toggles; ++t) {
    const int cell = (7 * variant + 11 * t + 3 * index) % (kGlyphWidth * kGlyphHeight);
    char& c = rows[cell / kGlyphWidth][cell % kGlyphWidth];
    c = c == '1' ? '0' : '1';
  }
  return rows;
}

void Write5x7(ExampleFile& out, const std::string& classPart,
              const std::vector<std::string>& rows) {
  out.Write(classPart);
  out.Put('\n');
  for (const std::string& row : rows) {
    out.Write("\t\t");
    out.Write(row);
    out.Put('\n');
  }
  out.Put('\n');
}

int Finish(ExampleFile& out) {
  return out.Close() ? kExampleWritten : kExampleCannotCreate;
}

// The glyph placed in the 8-by-8 frame with its top left corner at (x, y).
std::vector<std::string> Framed(int index, int x, int y) {
  std::vector<std::string> frame(kFrame, std::string(kFrame, '0'));
  const std::vector<std::string> glyph = SmallGlyph(index);
  for (int r = 0; r < kGlyphHeight; ++r)
    for (int c = 0; c < kGlyphWidth; ++c) frame[y + r][x + c] = glyph[r][c];
  return frame;
}

void Write8x8(ExampleFile& out, const std::vector<std::string>& rows,
              const std::string& classPart) {
  for (const std::string& row : rows) {
    out.Write(row);
    out.Put('\n');
  }
  out.Write("\t\t");
  out.Write(classPart);
  out.Write("\n\n");
}

void Header8x8(ExampleFile& out, const char* title, bool count) {
  out.Write(" * \n 8 by 8 Character Recognition, ");
  out.Write(title);
  out.Write(
      "\n The digits 0 to 9 at different places in an 8 by 8 frame: 64 "
      "pixels,\n then 10 class neurons (the position of the 1 is the digit)."
      "\nPlease set line breaker to\n"
      " line 2 starts at 8 \nline 3 starts at 16\nline 4 starts at 24\n"
      "line 5 starts at 32\n"
      "Please set symmetry to\nSymmetry starts at   0\nSymmetry ends at 63\n"
      "x-dimension is 8\ny-dimension is 8\n*\n");
  if (count) out.Write(" 74\n\n");
  else out.Put('\n');
}

// Frame positions a digit is drawn at, in the order the training file uses.
constexpr int kPlaces[][2] = {{1, 0}, {2, 0}, {1, 1}, {2, 1}, {0, 0}, {3, 1}};
constexpr int kTrainingPerDigit = 6;
constexpr int kTraining8x8 = 59;

}  // namespace

std::vector<std::string> SmallGlyph(int index) {
  std::vector<std::string> rows;
  for (const char* row : kFont[index]) {
    std::string bits(row);
    for (char& c : bits) c = c == '#' ? '1' : '0';
    rows.push_back(bits);
  }
  return rows;
}

int WriteCharacters5x7Training(const WorkbenchState& state) {
  ExampleFile out(state.trainingFile);
  if (!out.is_open()) return kExampleCannotCreate;
  out.Write(" * \n 5 by 7 Character Recognition, Training Data File");
  out.Write(kClassNames5x7);
  out.Write("\n Then seven rows of five pixels. Five drawings of every digit,"
            "\n four of the letter A. \n*\n 46\n\n");
  for (int index = 0; index < kSmallClasses; ++index) {
    const int drawings = index < kDigitClasses ? 5 : 4;
    for (int d = 0; d < drawings; ++d)
      Write5x7(out, OneHot(kSmallClasses, index),
               d == 0 ? SmallGlyph(index) : Drawing(index, d, 1));
  }
  return Finish(out);
}

int WriteCharacters5x7Retraining(const WorkbenchState& state) {
  ExampleFile out(state.retrainingFile);
  if (!out.is_open()) return kExampleCannotCreate;
  out.Write(" * \n 5 by 7 Character Recognition, Retraining Data File");
  out.Write(kClassNames5x7);
  out.Write("\n Three more drawings: 3, 8 and A. \n*\n 46\n\n");
  for (int index : {3, 8, 10})
    Write5x7(out, OneHot(kSmallClasses, index), Drawing(index, 6, 2));
  return Finish(out);
}

int WriteCharacters5x7Recognition(const WorkbenchState& state) {
  ExampleFile out(state.recognitionFile);
  if (!out.is_open()) return kExampleCannotCreate;
  out.Write(" * \n 5 by 7 Character Recognition, Recognition Data File");
  out.Write(kClassNames5x7);
  out.Write("\n Ten untidy drawings of the digits 0 to 9 in order; the class"
            "\n (x) is to be recognised. \n*\n\n");
  for (int index = 0; index < kDigitClasses; ++index)
    Write5x7(out, std::string(kSmallClasses, 'x'), Drawing(index, 9, 2));
  return Finish(out);
}

int WriteCharacters8x8Training(const WorkbenchState& state) {
  ExampleFile out(state.trainingFile);
  if (!out.is_open()) return kExampleCannotCreate;
  Header8x8(out, "Training Data File", true);
  int written = 0;
  for (int digit = 0; digit < kDigitClasses; ++digit)
    for (int p = 0; p < kTrainingPerDigit && written < kTraining8x8; ++p, ++written)
      Write8x8(out, Framed(digit, kPlaces[p][0], kPlaces[p][1]),
               OneHot(kDigitClasses, digit));
  return Finish(out);
}

int WriteCharacters8x8Retraining(const WorkbenchState& state) {
  ExampleFile out(state.retrainingFile);
  if (!out.is_open()) return kExampleCannotCreate;
  Header8x8(out, "Retraining Data File", true);
  for (int digit : {9, 6, 0})
    Write8x8(out, Framed(digit, 3, 0), OneHot(kDigitClasses, digit));
  return Finish(out);
}

int WriteCharacters8x8Recognition(const WorkbenchState& state) {
  ExampleFile out(state.recognitionFile);
  if (!out.is_open()) return kExampleCannotCreate;
  Header8x8(out, "Recognition Data File", false);
  // The digits 0 to 9, then 1, 4 and 7 again, at places the training file
  // does not use, some with a stray pixel.
  constexpr int kDigits[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 1, 4, 7};
  int n = 0;
  for (int digit : kDigits) {
    std::vector<std::string> rows = Framed(digit, n % 2 == 0 ? 3 : 0, 1 - n % 2);
    if (n % 3 == 0) rows[n % kFrame][(n * 5) % kFrame] = '1';
    Write8x8(out, rows, std::string(kDigitClasses, 'x'));
    ++n;
  }
  return Finish(out);
}

}  // namespace foresta
