#ifndef FORESTA_EDITOR_WIDGET_EDIT_CLIENT_H_
#define FORESTA_EDITOR_WIDGET_EDIT_CLIENT_H_

#include <QAbstractScrollArea>
#include <QFontMetrics>
#include <QPointer>
#include <QString>
#include <memory>

#include "editor/edit_document.h"
#include "editor/edit_prompter.h"
#include "editor/edit_view.h"
#include "editor/widget/find_replace_dialog.h"

class QPainter;

namespace foresta {

// The editor window: shows one EditDocument with scroll bars, caret,
// mouse selection, the clipboard and the Find and Replace dialogs.
class TEditClient : public QAbstractScrollArea, public EditView {
  Q_OBJECT

 public:
  // With a non-empty `file_name` the file is read at once (failures are
  // reported through the prompter). `prompter` may be null: message boxes
  // are then used; otherwise it must outlive the editor.
  TEditClient(QWidget* parent, const QString& file_name, EditPrompter* prompter = nullptr);
  ~TEditClient() override;

  EditDocument& Document() { return doc_; }
  const EditDocument& Document() const { return doc_; }

  // Paints the lines from `first_line` into `rect` of `painter`. On the
  // screen `first_line` is the top line of the view and only the lines
  // that meet `rect` are drawn, with the selection; when printing, the
  // lines from `first_line` that fit wholly in `rect` are drawn from its
  // top-left corner with the painter's font, without selection.
  void PaintText(QPainter& painter, int first_line, const QRect& rect, bool printing);

  // The tab stop distance, pixels: four average characters of the font of
  // the moment the editor was built.
  int TabStop() const { return tabStop_; }
  QRect CaretRect() const;
  bool IsReplace() const { return isReplace_; }
  FindReplaceDialog* FindDialog() const { return findDialog_.data(); }
  int BeepCount() const { return beeps_; }

  // Asks about unsaved changes; false keeps the window open.
  bool CanClose() { return doc_.CanClose(); }

  // EditView.
  int LineHeight() const override { return lineHeight_; }
  int CharWidth() const override { return charWidth_; }
  int TextWidth(std::string_view text) const override;
  int ClientWidth() const override;
  int ClientHeight() const override;
  int ScrollX() const override;
  int ScrollY() const override;
  void ScrollTo(int x, int y) override;
  void SetLineCount(int count) override;
  void InvalidateLineFrom(int line, std::size_t column) override;
  void InvalidateLines(int first, int last) override;
  void InvalidateBelow(int line) override;
  void InvalidateAll() override;
  void UpdateWindow() override;
  void PlaceCaret(EditPoint point) override;
  void CaretShapeChanged() override;
  void Beep(BeepKind kind) override;
  void CaretMoved(bool) override { emit CaretPositionChanged(); }
  void ContentsChanged(bool) override { emit TextChanged(); }

 public slots:
  void Undo();
  void Cut();
  void Copy();
  void Paste();
  void DeleteSelection();
  void ClearAll();
  void SelectAll();
  void Find();
  void Replace();
  void Next();
  bool Save();
  bool SaveAs();
  void Revert();
  void Close();

 signals:
  void CaretPositionChanged();
  void TextChanged();
  void OverwriteChanged(bool overwrite);
  void CaptionChanged(const QString& caption);

 protected:
  // Puts the selection on the clipboard; false when it was too large.
  bool CopyToClipboard();
  void SetCaption();

  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  bool focusNextPrevChild(bool next) override;

 private:
  void MeasureFont(const QFont& font);
  void OpenSearchDialog(bool replace);
  void OnFindRequest(const FindData& data);
  // Draws characters [from, to) of `text` at pen position *x of a line
  // whose origin is `origin`, expanding tabs; advances *x.
  void DrawRun(QPainter& painter, const QFontMetrics& metrics, const std::string& text, std::size_t from,
               std::size_t to, int origin, int* x, int y, int height, bool highlighted, int right_limit);
  EditPoint ToPoint(const QPoint& p) const { return {p.x(), p.y()}; }

  std::unique_ptr<EditPrompter> ownPrompter_;
  EditDocument doc_;
  QFontMetrics metrics_;
  int lineHeight_ = 16;
  int charWidth_ = 8;
  int caretWidth_ = 2;
  int tabStop_ = 32;
  EditPoint caretPoint_;
  bool caretVisible_ = false;
  bool isReplace_ = false;
  bool closeConfirmed_ = false;
  int beeps_ = 0;
  QPointer<FindReplaceDialog> findDialog_;
};

}  // namespace foresta

#endif  // FORESTA_EDITOR_WIDGET_EDIT_CLIENT_H_
