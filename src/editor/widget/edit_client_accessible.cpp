#include "editor/widget/edit_client_accessible.h"

#include <QTextBoundaryFinder>
#include <algorithm>
#include <limits>
#include <string>
#include <string_view>

#include "editor/widget/edit_client.h"

namespace foresta {

namespace {

QAccessibleInterface* MakeInterface(const QString& /*className*/, QObject* object) {
  if (auto* editor = qobject_cast<TEditClient*>(object)) return new EditClientAccessible(editor);
  return nullptr;
}

int ToInt(std::size_t offset) {
  return static_cast<int>(std::min<std::size_t>(offset, std::numeric_limits<int>::max()));
}

}  // namespace

EditClientAccessible::EditClientAccessible(TEditClient* editor)
    : QAccessibleWidget(editor, QAccessible::EditableText) {}

void EditClientAccessible::Install() { QAccessible::installFactory(&MakeInterface); }

TEditClient* EditClientAccessible::Editor() const { return static_cast<TEditClient*>(widget()); }

const EditDocument& EditClientAccessible::Document() const { return Editor()->Document(); }

std::size_t EditClientAccessible::Clamp(int offset) const {
  return std::min(static_cast<std::size_t>(std::max(offset, 0)), Document().CharacterCount());
}

QString EditClientAccessible::text(QAccessible::Text t) const {
  if (t == QAccessible::Name) return QString::fromLocal8Bit(Document().Caption());
  return QAccessibleWidget::text(t);
}

QAccessible::State EditClientAccessible::state() const {
  QAccessible::State state = QAccessibleWidget::state();
  state.editable = true;
  state.multiLine = true;
  state.selectableText = true;
  state.focusable = true;
  return state;
}

void* EditClientAccessible::interface_cast(QAccessible::InterfaceType t) {
  if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
  if (t == QAccessible::EditableTextInterface) return static_cast<QAccessibleEditableTextInterface*>(this);
  return QAccessibleWidget::interface_cast(t);
}

// ---- Selection and caret ----

void EditClientAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const {
  *startOffset = 0;
  *endOffset = 0;
  const EditDocument& doc = Document();
  if (selectionIndex != 0 || !doc.HasSelection()) return;
  TEditPos start = std::min(doc.SelStart, doc.SelEnd);
  TEditPos end = std::max(doc.SelStart, doc.SelEnd);
  *startOffset = ToInt(doc.OffsetOf(start));
  *endOffset = ToInt(doc.OffsetOf(end));
}

int EditClientAccessible::selectionCount() const { return Document().HasSelection() ? 1 : 0; }

void EditClientAccessible::addSelection(int startOffset, int endOffset) {
  // The editor has one selection: adding one replaces it.
  setSelection(0, startOffset, endOffset);
}

void EditClientAccessible::removeSelection(int selectionIndex) {
  if (selectionIndex != 0) return;
  std::size_t caret = Document().OffsetOf(Document().Caret);
  Editor()->SelectRange(caret, caret);
}

void EditClientAccessible::setSelection(int selectionIndex, int startOffset, int endOffset) {
  if (selectionIndex != 0) return;
  Editor()->SelectRange(Clamp(startOffset), Clamp(endOffset));
}

int EditClientAccessible::cursorPosition() const { return ToInt(Document().OffsetOf(Document().Caret)); }

void EditClientAccessible::setCursorPosition(int position) {
  Editor()->SelectRange(Clamp(position), Clamp(position));
}

// ---- Text ----

QString EditClientAccessible::text(int startOffset, int endOffset) const {
  return Editor()->TextRange(Clamp(startOffset), Clamp(endOffset));
}

int EditClientAccessible::characterCount() const { return ToInt(Document().CharacterCount()); }

QString EditClientAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                           int* startOffset, int* endOffset) const {
  const EditDocument& doc = Document();
  const std::size_t count = doc.CharacterCount();
  const std::size_t at = Clamp(offset);
  std::size_t start = at;
  std::size_t end = at;
  const TEditPos pos = doc.PosAtOffset(at);
  const std::size_t lineStart = at - pos.Column;
  const std::string& line = doc.Text()[pos.Line];
  // A line's end belongs to it, except on the last line, which has none.
  const std::size_t lineEnd = lineStart + line.size() + (pos.Line < doc.Text().LastLine() ? 1 : 0);
  switch (boundaryType) {
    case QAccessible::NoBoundary:
      start = 0;
      end = count;
      break;
    case QAccessible::LineBoundary:
    case QAccessible::ParagraphBoundary:
      start = lineStart;
      end = lineEnd;
      break;
    case QAccessible::CharBoundary:
      end = std::min(at + 1, count);
      break;
    case QAccessible::WordBoundary:
    case QAccessible::SentenceBoundary: {
      if (pos.Column >= line.size()) {
        end = lineEnd;  // the line end on its own, or nothing at the document's end
        break;
      }
      // Words and sentences are found within the line: they never span one.
      const QString content = QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size()));
      QTextBoundaryFinder finder(boundaryType == QAccessible::WordBoundary ? QTextBoundaryFinder::Word
                                                                           : QTextBoundaryFinder::Sentence,
                                 content);
      const auto column = static_cast<qsizetype>(pos.Column);
      finder.setPosition(column);
      qsizetype first = finder.isAtBoundary() ? column : finder.toPreviousBoundary();
      finder.setPosition(column);
      qsizetype last = finder.toNextBoundary();
      start = lineStart + static_cast<std::size_t>(std::max<qsizetype>(first, 0));
      end = lineStart + static_cast<std::size_t>(last < 0 ? content.size() : last);
      break;
    }
  }
  *startOffset = ToInt(start);
  *endOffset = ToInt(end);
  return Editor()->TextRange(start, end);
}

QString EditClientAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                               int* startOffset, int* endOffset) const {
  int start = 0;
  int end = 0;
  textAtOffset(offset, boundaryType, &start, &end);
  if (boundaryType == QAccessible::NoBoundary || start <= 0) {
    *startOffset = *endOffset = -1;
    return QString();
  }
  return textAtOffset(start - 1, boundaryType, startOffset, endOffset);
}

QString EditClientAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                              int* startOffset, int* endOffset) const {
  int start = 0;
  int end = 0;
  textAtOffset(offset, boundaryType, &start, &end);
  if (boundaryType == QAccessible::NoBoundary || end >= characterCount()) {
    *startOffset = *endOffset = -1;
    return QString();
  }
  return textAtOffset(end, boundaryType, startOffset, endOffset);
}

QString EditClientAccessible::attributes(int /*offset*/, int* startOffset, int* endOffset) const {
  // The text has no attributes of its own: one run from start to end.
  *startOffset = 0;
  *endOffset = characterCount();
  return QString();
}

// ---- Geometry ----

QRect EditClientAccessible::characterRect(int offset) const {
  const TEditClient* editor = Editor();
  const EditDocument& doc = Document();
  const TEditPos pos = doc.PosAtOffset(Clamp(offset));
  const EditPoint point = doc.PosToPoint(pos);
  int width = editor->CharWidth();
  if (!pos.AtLineEnd()) {
    const std::string& line = doc.Text()[pos.Line];
    width = editor->TextWidth(std::string_view(line).substr(0, pos.Column + 1)) - editor->TextWidth(
        std::string_view(line).substr(0, pos.Column));
  }
  const QPoint topLeft = editor->viewport()->mapToGlobal(QPoint(point.x, point.y));
  return QRect(topLeft, QSize(std::max(width, 1), editor->LineHeight()));
}

int EditClientAccessible::offsetAtPoint(const QPoint& point) const {
  const TEditClient* editor = Editor();
  const QPoint local = editor->viewport()->mapFromGlobal(point);
  if (!editor->viewport()->rect().contains(local)) return -1;
  const EditDocument& doc = Document();
  return ToInt(doc.OffsetOf(doc.PointToPos({local.x(), local.y()})));
}

void EditClientAccessible::scrollToSubstring(int startIndex, int /*endIndex*/) {
  TEditClient* editor = Editor();
  const TEditPos pos = Document().PosAtOffset(Clamp(startIndex));
  editor->ScrollTo(editor->ScrollX(), pos.Line);
}

// ---- Changes ----

void EditClientAccessible::deleteText(int startOffset, int endOffset) {
  Editor()->ReplaceRange(Clamp(startOffset), Clamp(endOffset), QString());
}

void EditClientAccessible::insertText(int offset, const QString& text) {
  Editor()->ReplaceRange(Clamp(offset), Clamp(offset), text);
}

void EditClientAccessible::replaceText(int startOffset, int endOffset, const QString& text) {
  Editor()->ReplaceRange(Clamp(startOffset), Clamp(endOffset), text);
}

}  // namespace foresta
