// The editor's document model: a starting text, then a random sequence of
// keys, characters, pastes, cuts, searches, replacements, mouse gestures and
// undos. After each step the caret and the selection lie inside the text and
// keep their documented order; at the end, undoing everything restores the
// starting text.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

#include "editor/edit_document.h"
#include "fuzz_check.h"

using foresta::fuzz::Require;

namespace foresta {
namespace {

constexpr int kMaxSteps = 64;
// Replace All can multiply the text, and undoing each of its replacements
// measures the line again; growth stops beyond this size so a run stays
// short.
constexpr std::size_t kMaxTextBytes = 1 << 13;

// Every character 8 pixels wide, tabs to the next multiple of four.
class FixedPitchView : public EditView {
 public:
  int LineHeight() const override { return 16; }
  int CharWidth() const override { return 8; }
  int TextWidth(std::string_view text) const override {
    int x = 0;
    for (char c : text) x = c == '\t' ? (x / 32 + 1) * 32 : x + 8;
    return x;
  }
  int ClientWidth() const override { return width; }
  int ClientHeight() const override { return height; }
  int ScrollX() const override { return scrollX; }
  int ScrollY() const override { return scrollY; }
  void ScrollTo(int x, int y) override {
    scrollX = x < 0 ? 0 : x;
    scrollY = y < 0 ? 0 : (y >= lineCount ? lineCount - 1 : y);
  }
  void SetLineCount(int count) override { lineCount = count; }
  void InvalidateLineFrom(int, std::size_t) override {}
  void InvalidateLines(int, int) override {}
  void InvalidateBelow(int) override {}
  void InvalidateAll() override {}
  void UpdateWindow() override {}
  void PlaceCaret(EditPoint) override {}
  void CaretShapeChanged() override {}
  void Beep(BeepKind) override {}

  int width = 320;
  int height = 160;
  int scrollX = 0;
  int scrollY = 0;
  int lineCount = 1;
};

class SilentPrompter : public EditPrompter {
 public:
  Answer Message(const std::string&, const std::string&, Buttons buttons, Icon) override {
    return buttons == Buttons::kOk ? Answer::kOk : Answer::kNo;
  }
  bool AskSaveFileName(std::string*) override { return false; }
};

std::string TextOf(const EditDocument& doc) {
  std::string text;
  for (int i = 0; i < doc.Text().Count(); ++i) {
    if (i > 0) text += '\n';
    text += doc.Text()[i];
  }
  return text;
}

std::size_t SizeOf(const EditDocument& doc) {
  std::size_t size = 0;
  for (int i = 0; i < doc.Text().Count(); ++i) size += doc.Text()[i].size() + 1;
  return size;
}

void RequireInside(const EditDocument& doc, const TEditPos& pos, const char* what) {
  Require(pos.Line >= 0 && pos.Line <= doc.Text().LastLine(), what);
  Require(pos.Sticky || pos.Column <= pos.LineLength(), what);
}

void RequireInvariants(const EditDocument& doc) {
  Require(doc.Text().Count() >= 1, "the document keeps a line");
  RequireInside(doc, doc.Caret, "the caret lies inside the text");
  RequireInside(doc, doc.SelStart, "the selection's start lies inside the text");
  RequireInside(doc, doc.SelEnd, "the selection's end lies inside the text");
  if (doc.Selecting) return;
  Require(!(doc.SelEnd < doc.SelStart), "the selection's start comes first");
  if (!doc.HasSelection()) Require(doc.Caret == doc.SelStart, "an empty selection is at the caret");
}

EditPoint PointOf(FuzzedDataProvider& in) {
  return {in.ConsumeIntegralInRange(-40, 400), in.ConsumeIntegralInRange(-40, 240)};
}

void MouseGesture(EditDocument& doc, FuzzedDataProvider& in) {
  doc.MouseDown(PointOf(in));
  for (int moves = in.ConsumeIntegralInRange(0, 3); moves > 0; --moves) doc.MouseMove(PointOf(in));
  doc.MouseUp(PointOf(in));
}

void FindReplace(EditDocument& doc, FuzzedDataProvider& in) {
  FindData& find = doc.FindRecord();
  find.flags = in.ConsumeIntegral<std::uint8_t>() & 0x7f;
  find.findWhat = in.ConsumeRandomLengthString(8);
  find.replaceWith = in.ConsumeRandomLengthString(8);
  doc.DoFindReplace();
}

// One step; growing steps are skipped once the text is large.
void Step(EditDocument& doc, FixedPitchView& view, FuzzedDataProvider& in) {
  const bool mayGrow = SizeOf(doc) < kMaxTextBytes;
  std::string clipboard;
  switch (in.ConsumeIntegralInRange(0, 15)) {
    case 0:
      if (mayGrow) doc.Char(in.ConsumeIntegral<unsigned char>(), in.ConsumeIntegralInRange(1, 3));
      break;
    case 1:
      doc.KeyDown(static_cast<EditDocument::Key>(in.ConsumeIntegralInRange(0, 11)),
                  in.ConsumeIntegralInRange(1, 3), in.ConsumeBool(), in.ConsumeBool());
      break;
    case 2:
      if (mayGrow) doc.Paste(in.ConsumeRandomLengthString(40));
      break;
    case 3:
      if (mayGrow) doc.InsertText(in.ConsumeRandomLengthString(40), true);
      break;
    case 4: doc.DeleteCommand(); break;
    case 5: doc.Undo(); break;
    case 6:
      if (doc.CopySelection(&clipboard)) doc.DeleteCutSelection();
      break;
    case 7: doc.SelectAll(); break;
    case 8: doc.ClearAll(); break;
    case 9:
      doc.Search(in.ConsumeBool(), in.ConsumeBool(), in.ConsumeBool(),
                 in.ConsumeRandomLengthString(8));
      break;
    case 10:
      if (mayGrow) doc.Replace(in.ConsumeRandomLengthString(8));
      break;
    case 11:
      if (mayGrow) FindReplace(doc, in);
      break;
    case 12: MouseGesture(doc, in); break;
    case 13: doc.DoubleClick(); break;
    case 14: doc.DeleteSelection(true); break;
    case 15:
      view.ScrollTo(in.ConsumeIntegralInRange(-2, 40), in.ConsumeIntegralInRange(-2, 40));
      view.height = in.ConsumeIntegralInRange(0, 400);
      break;
  }
}

}  // namespace
}  // namespace foresta

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace foresta;
  FuzzedDataProvider in(data, size);
  FixedPitchView view;
  SilentPrompter prompter;
  EditDocument doc(&view, &prompter);
  doc.InsertText(in.ConsumeRandomLengthString(256), false);
  doc.CollapseTo(doc.Start());
  doc.IsDirty = false;
  const std::string original = TextOf(doc);
  RequireInvariants(doc);

  for (int step = 0; step < kMaxSteps && in.remaining_bytes() > 0; ++step) {
    Step(doc, view, in);
    RequireInvariants(doc);
  }
  while (doc.CanUndo()) {
    doc.Undo();
    RequireInvariants(doc);
  }
  Require(TextOf(doc) == original, "undoing everything restores the starting text");
  Require(!doc.IsDirty, "undoing everything leaves the document clean");
  return 0;
}
