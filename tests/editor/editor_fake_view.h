#ifndef FORESTA_TESTS_EDITOR_EDITOR_FAKE_VIEW_H_
#define FORESTA_TESTS_EDITOR_EDITOR_FAKE_VIEW_H_

#include <algorithm>
#include <string>
#include <vector>

#include "editor/edit_prompter.h"
#include "editor/edit_view.h"

namespace foresta {

// A fixed-pitch view: every character is kCharWidth wide, tabs go to the
// next multiple of four characters. Records repaint requests and beeps.
class FakeView : public EditView {
 public:
  static constexpr int kCharWidth = 8;
  static constexpr int kLineHeight = 16;

  int LineHeight() const override { return kLineHeight; }
  int CharWidth() const override { return kCharWidth; }
  int TextWidth(std::string_view text) const override {
    int x = 0;
    for (char c : text) x = c == '\t' ? (x / (4 * kCharWidth) + 1) * 4 * kCharWidth : x + kCharWidth;
    return x;
  }
  int ClientWidth() const override { return width; }
  int ClientHeight() const override { return height; }
  int ScrollX() const override { return scroll_x; }
  int ScrollY() const override { return scroll_y; }
  void ScrollTo(int x, int y) override {
    scroll_x = std::max(0, x);
    scroll_y = std::clamp(y, 0, std::max(0, line_count - 1));
  }
  void SetLineCount(int count) override { line_count = count; }
  void InvalidateLineFrom(int line, std::size_t) override { Mark(line, line); }
  void InvalidateLines(int first, int last) override { Mark(first, last); }
  void InvalidateBelow(int line) override { Mark(line, scroll_y + height / kLineHeight); }
  void InvalidateAll() override { ++all_repaints; }
  void UpdateWindow() override {}
  void PlaceCaret(EditPoint p) override { caret = p; }
  void CaretShapeChanged() override { ++caret_shapes; }
  void Beep(BeepKind kind) override { beeps.push_back(kind); }
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  void TextReplaced(int line, std::size_t column, std::size_t removed, std::size_t inserted) override {
    changes.push_back({line, column, removed, inserted});
  }

  // Number of distinct lines asked to repaint since the last Reset().
  int RepaintedLines() const { return static_cast<int>(lines.size()); }
  void Reset() {
    lines.clear();
    all_repaints = 0;
    beeps.clear();
    messages.clear();
    changes.clear();
  }

  struct Change {
    int line;
    std::size_t column, removed, inserted;
    bool operator==(const Change&) const = default;
  };

  int width = 800;
  int height = 480;
  int scroll_x = 0;
  int scroll_y = 0;
  int line_count = 1;
  int all_repaints = 0;
  int caret_shapes = 0;
  EditPoint caret;
  std::vector<BeepKind> beeps;
  std::vector<std::string> messages;
  std::vector<Change> changes;
  std::vector<int> lines;

 private:
  void Mark(int first, int last) {
    for (int l = first; l <= last; ++l) {
      if (std::find(lines.begin(), lines.end(), l) == lines.end()) lines.push_back(l);
    }
  }
};

// Answers questions from a script and records every message.
class RecordingPrompter : public EditPrompter {
 public:
  struct Record {
    std::string caption;
    std::string text;
    Buttons buttons;
  };
  Answer Message(const std::string& caption, const std::string& text, Buttons buttons, Icon) override {
    messages.push_back({caption, text, buttons});
    return buttons == Buttons::kOk ? Answer::kOk : answer;
  }
  bool AskSaveFileName(std::string* name) override {
    ++save_dialogs;
    if (save_name.empty()) return false;
    *name = save_name;
    return true;
  }

  Answer answer = Answer::kYes;
  std::string save_name;
  int save_dialogs = 0;
  std::vector<Record> messages;
};

}  // namespace foresta

#endif  // FORESTA_TESTS_EDITOR_EDITOR_FAKE_VIEW_H_
