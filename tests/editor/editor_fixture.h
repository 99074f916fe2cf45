#ifndef FORESTA_TESTS_EDITOR_EDITOR_FIXTURE_H_
#define FORESTA_TESTS_EDITOR_EDITOR_FIXTURE_H_

#include <gtest/gtest.h>

#include <string>

#include "editor/edit_document.h"
#include "editor_fake_view.h"

namespace foresta {

class EditorTest : public ::testing::Test {
 protected:
  // Replaces the text without recording anything; the caret goes to the start.
  void SetText(std::string_view text) {
    doc.SelectAll();
    doc.DeleteSelection(false);
    doc.InsertText(text, false);
    doc.CollapseTo(doc.Start());
    doc.IsDirty = false;
    view.Reset();
  }
  // The whole text with "\n" between lines.
  std::string Text() const {
    std::string out;
    for (int i = 0; i < doc.Text().Count(); ++i) {
      if (i > 0) out += '\n';
      out += doc.Text()[i];
    }
    return out;
  }
  void Type(std::string_view text) {
    for (char c : text) doc.Char(static_cast<unsigned char>(c == '\n' ? '\r' : c), 1);
  }
  void Key(EditDocument::Key key, bool shift = false, bool ctrl = false, int repeat = 1) {
    doc.KeyDown(key, repeat, shift, ctrl);
  }
  void Select(int l1, std::size_t c1, int l2, std::size_t c2) {
    doc.SelStart = doc.Pos(l1, c1);
    doc.SelEnd = doc.Pos(l2, c2);
    doc.Caret = doc.SelStart;
  }
  std::string Selected() {
    std::string text;
    EXPECT_TRUE(doc.CopySelection(&text));
    return text;
  }

  FakeView view;
  RecordingPrompter prompter;
  EditDocument doc{&view, &prompter};
};

}  // namespace foresta

#endif  // FORESTA_TESTS_EDITOR_EDITOR_FIXTURE_H_
