#ifndef FORESTA_EDITOR_WIDGET_EDIT_CLIENT_ACCESSIBLE_H_
#define FORESTA_EDITOR_WIDGET_EDIT_CLIENT_ACCESSIBLE_H_

#include <QAccessibleWidget>

namespace foresta {

class EditDocument;
class TEditClient;

// What assistive technologies (screen readers) see of an editor: an
// editable, multi-line text named after its document, with its caret and
// selection, that they can read by characters, words, sentences and lines
// and change. Offsets count characters from the document's start, a line
// end counting one. The editor reports its changes itself (TEditClient).
class EditClientAccessible : public QAccessibleWidget,
                             public QAccessibleTextInterface,
                             public QAccessibleEditableTextInterface {
 public:
  explicit EditClientAccessible(TEditClient* editor);

  // Lets Qt make this interface for every editor. Installing twice is harmless.
  static void Install();

  QString text(QAccessible::Text t) const override;
  QAccessible::State state() const override;
  void* interface_cast(QAccessible::InterfaceType t) override;

  // QAccessibleTextInterface.
  void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
  int selectionCount() const override;
  void addSelection(int startOffset, int endOffset) override;
  void removeSelection(int selectionIndex) override;
  void setSelection(int selectionIndex, int startOffset, int endOffset) override;
  int cursorPosition() const override;
  void setCursorPosition(int position) override;
  QString text(int startOffset, int endOffset) const override;
  QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                           int* endOffset) const override;
  QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                          int* endOffset) const override;
  QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                       int* endOffset) const override;
  int characterCount() const override;
  QRect characterRect(int offset) const override;
  int offsetAtPoint(const QPoint& point) const override;
  void scrollToSubstring(int startIndex, int endIndex) override;
  QString attributes(int offset, int* startOffset, int* endOffset) const override;

  // QAccessibleEditableTextInterface: each change is one step for Undo.
  void deleteText(int startOffset, int endOffset) override;
  void insertText(int offset, const QString& text) override;
  void replaceText(int startOffset, int endOffset, const QString& text) override;

 private:
  TEditClient* Editor() const;
  const EditDocument& Document() const;
  // An offset made valid: 0 to characterCount().
  std::size_t Clamp(int offset) const;
};

}  // namespace foresta

#endif  // FORESTA_EDITOR_WIDGET_EDIT_CLIENT_ACCESSIBLE_H_
