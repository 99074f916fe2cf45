#ifndef FORESTA_EDITOR_WIDGET_EDIT_CLIENT_H_
#define FORESTA_EDITOR_WIDGET_EDIT_CLIENT_H_

#include <QAbstractScrollArea>
#include <QAccessible>
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
class TEditClient : public QAbstractScrollArea,
                    public EditView,
                    private QAccessible::ActivationObserver {
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

  // The tab stop distance, pixels: four average characters of the font in use.
  int TabStop() const { return tabStop_; }
  QRect CaretRect() const;
  bool IsReplace() const { return isReplace_; }
  FindReplaceDialog* FindDialog() const { return findDialog_.data(); }
  int BeepCount() const { return beeps_; }

  // Asks about unsaved changes; false keeps the window open.
  bool CanClose() { return doc_.CanClose(); }

  // Replaces the characters from offset `start` up to `end` (a line end
  // counting one) by `text`, as one change that Undo takes back. Characters
  // beyond Latin-1 are left out: the document holds one byte per character.
  void ReplaceRange(std::size_t start, std::size_t end, const QString& text);
  // Selects from offset `anchor` to `caret` (the caret at `caret`).
  void SelectRange(std::size_t anchor, std::size_t caret);
  // Text of the document between two offsets, line ends as "\n".
  QString TextRange(std::size_t start, std::size_t end) const;

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
  void CaretMoved(bool) override;
  void ContentsChanged(bool) override;
  void TextReplaced(int line, std::size_t column, std::size_t removed, std::size_t inserted) override;
  void ShowMessage(const std::string& text) override;

 public slots:
  void Undo();
  void Redo();
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
  // What the editing commands can do changed: the selection, the journal,
  // the redo list, the modified flag or the open search dialog.
  void CommandStateChanged();
  // A short report for the status bar, such as "Search wrapped".
  void StatusMessage(const QString& text);

 protected:
  // Puts the selection on the clipboard; false when it was too large.
  bool CopyToClipboard();
  void SetCaption();
  // Hands an event to assistive technologies (while one listens).
  virtual void NotifyAccessibility(QAccessibleEvent* event);

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

  // What the command states and assistive technologies follow.
  struct State {
    bool selection = false;
    bool undo = false;
    bool redo = false;
    bool dirty = false;
    bool searching = false;
    bool replacing = false;
    int caretLine = 0;
    std::size_t caretColumn = 0;
    int selStartLine = 0;
    std::size_t selStartColumn = 0;
    int selEndLine = 0;
    std::size_t selEndColumn = 0;
    bool SameCommands(const State& o) const {
      return selection == o.selection && undo == o.undo && redo == o.redo && dirty == o.dirty &&
             searching == o.searching && replacing == o.replacing;
    }
  };
  State CurrentState() const;
  // One input event or command: the state is reported once, when the
  // outermost step ends, not at every notification on the way.
  class Step {
   public:
    explicit Step(TEditClient* editor) : editor_(editor) { ++editor_->stepDepth_; }
    ~Step() {
      if (--editor_->stepDepth_ == 0) editor_->NoteState();
    }
    Step(const Step&) = delete;
    Step& operator=(const Step&) = delete;

   private:
    TEditClient* editor_;
  };
  // Tells whoever listens what changed since the last call: the command
  // states, and the caret and selection to assistive technologies.
  void NoteState();
  // Offsets as assistive technologies count them (int).
  int AccessibleOffset(const TEditPos& pos) const;
  // An assistive technology started or stopped listening.
  void accessibilityActiveChanged(bool active) override { accessibilityOn_ = active; }

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
  State state_;
  // Reports to assistive technologies cost a walk over the lines above the
  // change: they are made only while one listens.
  bool accessibilityOn_ = false;
  int stepDepth_ = 0;
};

}  // namespace foresta

#endif  // FORESTA_EDITOR_WIDGET_EDIT_CLIENT_H_
