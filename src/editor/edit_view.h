#ifndef FORESTA_EDITOR_EDIT_VIEW_H_
#define FORESTA_EDITOR_EDIT_VIEW_H_

#include <cstddef>
#include <string>
#include <string_view>

namespace foresta {

// A point in the client area, in pixels.
struct EditPoint {
  int x = 0;
  int y = 0;
};

// What the document model needs from whatever shows it: text measurement,
// the client geometry and scroll position, repainting, the caret and the
// beeps. The Qt widget implements it; tests use a fixed-pitch fake.
class EditView {
 public:
  enum class BeepKind { kPlain, kExclamation };

  virtual ~EditView() = default;

  // Vertical distance between lines and the average character width, pixels.
  virtual int LineHeight() const = 0;
  virtual int CharWidth() const = 0;
  // Width of `text` drawn from the start of a line, tabs expanded.
  virtual int TextWidth(std::string_view text) const = 0;

  virtual int ClientWidth() const = 0;
  virtual int ClientHeight() const = 0;
  // Scroll position in units of CharWidth() and LineHeight().
  virtual int ScrollX() const = 0;
  virtual int ScrollY() const = 0;
  virtual void ScrollTo(int x, int y) = 0;
  // The vertical scroll range follows the line count.
  virtual void SetLineCount(int count) = 0;

  // Repaint requests, in document terms.
  // From `column` of `line` to the end of that line.
  virtual void InvalidateLineFrom(int line, std::size_t column) = 0;
  // Lines first..last (inclusive) as whole lines.
  virtual void InvalidateLines(int first, int last) = 0;
  // From `line` down to the bottom of the view (lines moved).
  virtual void InvalidateBelow(int line) = 0;
  virtual void InvalidateAll() = 0;
  // Paint pending requests now.
  virtual void UpdateWindow() = 0;

  // Put the caret at a client point; its shape follows the overwrite mode.
  virtual void PlaceCaret(EditPoint point) = 0;
  virtual void CaretShapeChanged() = 0;

  virtual void Beep(BeepKind kind) = 0;

  // Notifications for the status bar: the caret moved, the text changed.
  virtual void CaretMoved(bool) {}
  virtual void ContentsChanged(bool) {}

  // The text changed at (line, column): `removed` characters gave way to
  // `inserted` characters, a line end counting one. The position is the
  // same before and after the change. For assistive technologies, which
  // follow the text by character offsets.
  virtual void TextReplaced(int /*line*/, std::size_t /*column*/, std::size_t /*removed*/,
                            std::size_t /*inserted*/) {}

  // A short report for the status bar, such as the outcome of a search.
  virtual void ShowMessage(const std::string& /*text*/) {}
};

}  // namespace foresta

#endif  // FORESTA_EDITOR_EDIT_VIEW_H_
