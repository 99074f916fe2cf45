#include "editor/widget/edit_client.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>
#include <limits>

#include "editor/widget/edit_client_accessible.h"
#include "editor/widget/message_box_prompter.h"

namespace foresta {

namespace {

// The horizontal scroll range in average characters; it grows when the
// caret goes further right, so long lines stay reachable.
constexpr int kHorizontalRange = 100;

QString Latin1(const std::string& text, std::size_t from, std::size_t to) {
  return QString::fromLatin1(text.data() + from, static_cast<qsizetype>(to - from));
}

class WaitCursor {
 public:
  WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};

}  // namespace

TEditClient::TEditClient(QWidget* parent, const QString& file_name, EditPrompter* prompter)
    : QAbstractScrollArea(parent),
      ownPrompter_(prompter ? nullptr : std::make_unique<MessageBoxPrompter>(this)),
      doc_(this, prompter ? prompter : ownPrompter_.get()),
      metrics_(QApplication::font()) {
  setObjectName(QStringLiteral("TEDITCLIENT"));
  EditClientAccessible::Install();
  accessibilityOn_ = QAccessible::isActive();
  QAccessible::installActivationObserver(this);
  viewport()->setCursor(Qt::IBeamCursor);
  setFocusPolicy(Qt::StrongFocus);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  MeasureFont(font());
  caretWidth_ = 2 * std::max(1, style()->pixelMetric(QStyle::PM_DefaultFrameWidth) / 2);
  horizontalScrollBar()->setRange(0, kHorizontalRange);
  horizontalScrollBar()->setSingleStep(1);
  verticalScrollBar()->setSingleStep(1);
  if (!file_name.isEmpty()) {
    doc_.FileName = file_name.toLocal8Bit().toStdString();
    WaitCursor wait;
    doc_.Read();
  }
  SetLineCount(doc_.Text().Count());
  SetCaption();
  state_ = CurrentState();
}

TEditClient::~TEditClient() {
  QAccessible::removeActivationObserver(this);
  if (findDialog_) delete findDialog_.data();
}

void TEditClient::MeasureFont(const QFont& font) {
  metrics_ = QFontMetrics(font);
  lineHeight_ = std::max(1, metrics_.height() + std::max(0, metrics_.leading()));
  charWidth_ = std::max(1, metrics_.averageCharWidth());
  // Tabs keep four average characters of whatever font is in use.
  tabStop_ = 4 * charWidth_;
}

void TEditClient::SetCaption() {
  QString caption = QString::fromLocal8Bit(doc_.Caption());
  QWidget* frame = parentWidget() ? parentWidget() : this;
  frame->setWindowTitle(caption);
  emit CaptionChanged(caption);
  if (accessibilityOn_) {
    QAccessibleEvent event(this, QAccessible::NameChanged);
    NotifyAccessibility(&event);
  }
}

// ---- State reports ----

TEditClient::State TEditClient::CurrentState() const {
  State state;
  state.selection = doc_.HasSelection();
  state.undo = doc_.CanUndo();
  state.redo = doc_.CanRedo();
  state.dirty = doc_.IsDirty;
  state.searching = !findDialog_.isNull();
  state.replacing = state.searching && isReplace_;
  state.caretLine = doc_.Caret.Line;
  state.caretColumn = doc_.Caret.EffectiveColumn();
  state.selStartLine = doc_.SelStart.Line;
  state.selStartColumn = doc_.SelStart.EffectiveColumn();
  state.selEndLine = doc_.SelEnd.Line;
  state.selEndColumn = doc_.SelEnd.EffectiveColumn();
  return state;
}

int TEditClient::AccessibleOffset(const TEditPos& pos) const {
  return static_cast<int>(std::min<std::size_t>(doc_.OffsetOf(pos), std::numeric_limits<int>::max()));
}

void TEditClient::NoteState() {
  const State now = CurrentState();
  const State before = state_;
  state_ = now;
  if (!now.SameCommands(before)) emit CommandStateChanged();
  // Finding an offset walks the lines above it: only when someone listens
  // (and can see the editor).
  if (!accessibilityOn_ || !isVisible()) return;
  const bool selectionMoved = now.selStartLine != before.selStartLine ||
                              now.selStartColumn != before.selStartColumn ||
                              now.selEndLine != before.selEndLine ||
                              now.selEndColumn != before.selEndColumn;
  if (selectionMoved && (now.selection || before.selection)) {
    int start = now.selection ? AccessibleOffset(doc_.SelStart) : -1;
    int end = now.selection ? AccessibleOffset(doc_.SelEnd) : -1;
    QAccessibleTextSelectionEvent event(this, start, end);
    event.setCursorPosition(AccessibleOffset(doc_.Caret));
    NotifyAccessibility(&event);
  }
  if (now.caretLine != before.caretLine || now.caretColumn != before.caretColumn) {
    QAccessibleTextCursorEvent event(this, AccessibleOffset(doc_.Caret));
    NotifyAccessibility(&event);
  }
}

void TEditClient::NotifyAccessibility(QAccessibleEvent* event) { QAccessible::updateAccessibility(event); }

void TEditClient::CaretMoved(bool) {
  emit CaretPositionChanged();
  if (stepDepth_ == 0) NoteState();
}

void TEditClient::ContentsChanged(bool) {
  emit TextChanged();
  if (stepDepth_ == 0) NoteState();
}

void TEditClient::TextReplaced(int line, std::size_t column, std::size_t removed, std::size_t inserted) {
  if (!accessibilityOn_ || !isVisible()) return;
  const TEditPos at = doc_.Pos(line, column);
  const int offset = AccessibleOffset(at);
  const std::size_t start = doc_.OffsetOf(at);
  const QString added = TextRange(start, start + inserted);
  // Qt's own editors report removed text by its length alone, as blanks.
  const QString gone(static_cast<qsizetype>(std::min<std::size_t>(removed, std::numeric_limits<int>::max())),
                     QLatin1Char(' '));
  if (removed == 0) {
    QAccessibleTextInsertEvent event(this, offset, added);
    NotifyAccessibility(&event);
  } else if (inserted == 0) {
    QAccessibleTextRemoveEvent event(this, offset, gone);
    NotifyAccessibility(&event);
  } else {
    QAccessibleTextUpdateEvent event(this, offset, gone, added);
    NotifyAccessibility(&event);
  }
}

void TEditClient::ShowMessage(const std::string& text) {
  emit StatusMessage(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
}

QString TEditClient::TextRange(std::size_t start, std::size_t end) const {
  if (end < start) std::swap(start, end);
  const std::string text = doc_.TextBetween(doc_.PosAtOffset(start), doc_.PosAtOffset(end));
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

void TEditClient::ReplaceRange(std::size_t start, std::size_t end, const QString& text) {
  Step step(this);
  TEditPos from = doc_.PosAtOffset(std::min(start, end));
  TEditPos to = doc_.PosAtOffset(std::max(start, end));
  doc_.SelStart = from;
  doc_.SelEnd = to;
  doc_.Caret = from;
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(text.size()));
  for (QChar c : text) {
    if (c.unicode() <= 0xFF) bytes.push_back(static_cast<char>(c.unicode()));
  }
  if (bytes.empty() && !text.isEmpty()) {
    Beep(BeepKind::kPlain);
  } else if (bytes.empty()) {
    doc_.DeleteCommand();
  } else {
    doc_.Paste(bytes);
  }
  viewport()->update();
}

void TEditClient::SelectRange(std::size_t anchor, std::size_t caret) {
  Step step(this);
  TEditPos a = doc_.PosAtOffset(anchor);
  TEditPos c = doc_.PosAtOffset(caret);
  doc_.SelStart = std::min(a, c);
  doc_.SelEnd = std::max(a, c);
  doc_.Caret = c;
  doc_.ScrollToCaret();
  viewport()->update();
}

// ---- EditView ----

int TEditClient::TextWidth(std::string_view text) const {
  int x = 0;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t tab = text.find('\t', start);
    std::size_t end = tab == std::string_view::npos ? text.size() : tab;
    if (end > start) {
      x += metrics_.horizontalAdvance(QString::fromLatin1(text.data() + start, static_cast<qsizetype>(end - start)));
    }
    if (tab == std::string_view::npos) break;
    x = (x / tabStop_ + 1) * tabStop_;
    start = tab + 1;
  }
  return x;
}

int TEditClient::ClientWidth() const { return viewport()->width(); }
int TEditClient::ClientHeight() const { return viewport()->height(); }
int TEditClient::ScrollX() const { return horizontalScrollBar()->value(); }
int TEditClient::ScrollY() const { return verticalScrollBar()->value(); }

void TEditClient::ScrollTo(int x, int y) {
  if (x > horizontalScrollBar()->maximum()) horizontalScrollBar()->setMaximum(x);
  horizontalScrollBar()->setValue(x);
  verticalScrollBar()->setValue(y);
}

void TEditClient::SetLineCount(int count) {
  verticalScrollBar()->setRange(0, std::max(0, count - 1));
  verticalScrollBar()->setPageStep(std::max(1, ClientHeight() / lineHeight_));
}

void TEditClient::InvalidateLineFrom(int line, std::size_t column) {
  int y = (line - ScrollY()) * lineHeight_;
  if (y + lineHeight_ <= 0 || y >= ClientHeight()) return;
  int x = std::max(0, doc_.PosToPoint(doc_.Pos(line, column)).x);
  viewport()->update(QRect(x, y, ClientWidth() - x, lineHeight_));
}

void TEditClient::InvalidateLines(int first, int last) {
  int top = (first - ScrollY()) * lineHeight_;
  int bottom = (last + 1 - ScrollY()) * lineHeight_;
  top = std::max(top, 0);
  bottom = std::min(bottom, ClientHeight());
  if (bottom <= top) return;
  viewport()->update(QRect(0, top, ClientWidth(), bottom - top));
}

void TEditClient::InvalidateBelow(int line) {
  int top = std::max(0, (line - ScrollY()) * lineHeight_);
  if (top >= ClientHeight()) return;
  viewport()->update(QRect(0, top, ClientWidth(), ClientHeight() - top));
}

void TEditClient::InvalidateAll() { viewport()->update(); }

void TEditClient::UpdateWindow() {}

QRect TEditClient::CaretRect() const {
  if (doc_.Overwrite) return QRect(caretPoint_.x, caretPoint_.y, 3 * caretWidth_, lineHeight_ / 2);
  return QRect(caretPoint_.x, caretPoint_.y, caretWidth_, lineHeight_);
}

void TEditClient::PlaceCaret(EditPoint point) {
  viewport()->update(CaretRect());
  caretPoint_ = point;
  viewport()->update(CaretRect());
}

void TEditClient::CaretShapeChanged() {
  viewport()->update(QRect(caretPoint_.x, caretPoint_.y, 3 * caretWidth_, lineHeight_));
  emit OverwriteChanged(doc_.Overwrite);
}

void TEditClient::Beep(BeepKind) {
  ++beeps_;
  QApplication::beep();
}

// ---- Painting ----

void TEditClient::DrawRun(QPainter& painter, const QFontMetrics& metrics, const std::string& text,
                          std::size_t from, std::size_t to, int origin, int* x, int y, int height,
                          bool highlighted, int right_limit) {
  const QPalette& pal = palette();
  QColor back = highlighted ? pal.color(QPalette::Highlight) : pal.color(QPalette::Base);
  QColor fore = highlighted ? pal.color(QPalette::HighlightedText) : pal.color(QPalette::Text);
  painter.setPen(fore);
  std::size_t start = from;
  while (start < to && *x <= right_limit) {
    std::size_t tab = text.find('\t', start);
    std::size_t end = (tab == std::string::npos || tab >= to) ? to : tab;
    if (end > start) {
      QString run = Latin1(text, start, end);
      int width = metrics.horizontalAdvance(run);
      painter.fillRect(QRect(*x, y, width, height), back);
      painter.drawText(*x, y + metrics.ascent(), run);
      *x += width;
    }
    if (end == to) break;
    int next = origin + ((*x - origin) / tabStop_ + 1) * tabStop_;
    painter.fillRect(QRect(*x, y, next - *x, height), back);
    *x = next;
    start = end + 1;
  }
}

void TEditClient::PaintText(QPainter& painter, int first_line, const QRect& rect, bool printing) {
  const Lines& lines = doc_.Text();
  QFontMetrics metrics = printing ? painter.fontMetrics() : metrics_;
  int pitch = printing ? std::max(1, painter.fontMetrics().lineSpacing()) : lineHeight_;
  int first = 0;
  int last = 0;
  int origin = 0;
  if (printing) {
    first = first_line;
    last = std::min(lines.LastLine(), first_line + rect.height() / pitch - 1);
    origin = rect.left();
  } else {
    first = first_line + std::max(0, rect.top()) / pitch;
    last = std::min(lines.LastLine(), first + rect.height() / pitch + 1);
    origin = -ScrollX() * charWidth_;
    painter.fillRect(rect, palette().color(QPalette::Base));
  }
  TEditPos sel_start = doc_.SelStart;
  TEditPos sel_end = doc_.SelEnd;
  if (sel_end < sel_start) std::swap(sel_start, sel_end);
  bool has_selection = !printing && !(sel_start == sel_end);
  int right_limit = rect.right();
  for (int line = first; line <= last; ++line) {
    const std::string& text = lines[line];
    int y = printing ? rect.top() + (line - first) * pitch : (line - first_line) * pitch;
    std::size_t a = text.size();
    std::size_t b = text.size();
    if (has_selection && line >= sel_start.Line && line <= sel_end.Line) {
      a = line == sel_start.Line ? sel_start.EffectiveColumn() : 0;
      b = line == sel_end.Line ? sel_end.EffectiveColumn() : text.size();
    }
    int x = origin;
    DrawRun(painter, metrics, text, 0, a, origin, &x, y, pitch, false, right_limit);
    DrawRun(painter, metrics, text, a, b, origin, &x, y, pitch, true, right_limit);
    DrawRun(painter, metrics, text, b, text.size(), origin, &x, y, pitch, false, right_limit);
    static const std::string kBlank = " ";
    DrawRun(painter, metrics, kBlank, 0, 1, origin, &x, y, pitch, false, right_limit);
  }
}

void TEditClient::paintEvent(QPaintEvent* event) {
  QPainter painter(viewport());
  painter.setFont(font());
  PaintText(painter, ScrollY(), event->rect(), false);
  if (caretVisible_) painter.fillRect(CaretRect(), palette().color(QPalette::Text));
}

// ---- Input ----

void TEditClient::keyPressEvent(QKeyEvent* event) {
  Step step(this);
  const Qt::KeyboardModifiers mods = event->modifiers();
  const bool shift = mods & Qt::ShiftModifier;
  const bool ctrl = mods & Qt::ControlModifier;
  const bool alt = mods & Qt::AltModifier;
  const int key = event->key();
  // The editing accelerators, for when no menu provides them.
  if ((ctrl && key == Qt::Key_Y) || (ctrl && shift && key == Qt::Key_Z)) return Redo();
  if ((ctrl && key == Qt::Key_Z) || (alt && key == Qt::Key_Backspace)) return Undo();
  if ((ctrl && key == Qt::Key_X) || (shift && key == Qt::Key_Delete)) return Cut();
  if ((ctrl && key == Qt::Key_C) || (ctrl && key == Qt::Key_Insert)) return Copy();
  if ((ctrl && key == Qt::Key_V) || (shift && key == Qt::Key_Insert)) return Paste();
  if (ctrl && key == Qt::Key_Delete) return ClearAll();
  if (key == Qt::Key_F3) return Next();

  using Key = EditDocument::Key;
  Key k = Key::kOther;
  switch (key) {
    case Qt::Key_Backspace: k = Key::kBackspace; break;
    case Qt::Key_Delete: k = Key::kDelete; break;
    case Qt::Key_PageUp: k = Key::kPageUp; break;
    case Qt::Key_PageDown: k = Key::kPageDown; break;
    case Qt::Key_Home: k = Key::kHome; break;
    case Qt::Key_End: k = Key::kEnd; break;
    case Qt::Key_Left: k = Key::kLeft; break;
    case Qt::Key_Right: k = Key::kRight; break;
    case Qt::Key_Up: k = Key::kUp; break;
    case Qt::Key_Down: k = Key::kDown; break;
    case Qt::Key_Insert: k = Key::kInsert; break;
    default: break;
  }
  if (k != Key::kOther) {
    doc_.KeyDown(k, std::max(1, event->count()), shift, ctrl);
    return;
  }
  const QString text = event->text();
  if (text.isEmpty()) return QAbstractScrollArea::keyPressEvent(event);
  for (QChar c : text) {
    if (c.unicode() > 0xFF) {
      // The document holds one byte per character.
      Beep(BeepKind::kPlain);
      continue;
    }
    doc_.Char(static_cast<unsigned char>(c.unicode()), 1);
  }
}

void TEditClient::mousePressEvent(QMouseEvent* event) {
  Step step(this);
  if (event->button() != Qt::LeftButton) return QAbstractScrollArea::mousePressEvent(event);
  setFocus(Qt::MouseFocusReason);
  doc_.MouseDown(ToPoint(event->position().toPoint()));
}

void TEditClient::mouseMoveEvent(QMouseEvent* event) {
  Step step(this);
  if (!doc_.Selecting) return;
  doc_.MouseMove(ToPoint(event->position().toPoint()));
}

void TEditClient::mouseReleaseEvent(QMouseEvent* event) {
  Step step(this);
  if (event->button() != Qt::LeftButton) return QAbstractScrollArea::mouseReleaseEvent(event);
  doc_.MouseUp(ToPoint(event->position().toPoint()));
}

void TEditClient::mouseDoubleClickEvent(QMouseEvent* event) {
  Step step(this);
  if (event->button() != Qt::LeftButton) return QAbstractScrollArea::mouseDoubleClickEvent(event);
  doc_.DoubleClick();
}

void TEditClient::focusInEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusInEvent(event);
  caretVisible_ = true;
  PlaceCaret(doc_.PosToPoint(doc_.Caret));
  emit CaretPositionChanged();
  emit TextChanged();
  emit OverwriteChanged(doc_.Overwrite);
}

void TEditClient::focusOutEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusOutEvent(event);
  caretVisible_ = false;
  viewport()->update(CaretRect());
}

void TEditClient::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange) {
    // A new display font brings its own line pitch and tab stops.
    MeasureFont(font());
    SetLineCount(doc_.Text().Count());
    PlaceCaret(doc_.PosToPoint(doc_.Caret));
    emit OverwriteChanged(doc_.Overwrite);
    viewport()->update();
  }
  QAbstractScrollArea::changeEvent(event);
}

void TEditClient::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  verticalScrollBar()->setPageStep(std::max(1, ClientHeight() / lineHeight_));
  horizontalScrollBar()->setPageStep(std::max(1, ClientWidth() / charWidth_));
}

void TEditClient::scrollContentsBy(int, int) {
  viewport()->update();
  caretPoint_ = doc_.PosToPoint(doc_.Caret);
}

bool TEditClient::focusNextPrevChild(bool) { return false; }

void TEditClient::closeEvent(QCloseEvent* event) {
  if (!closeConfirmed_ && !doc_.CanClose()) {
    event->ignore();
    return;
  }
  event->accept();
}

// ---- Commands ----

void TEditClient::Undo() {
  Step step(this);
  if (!doc_.CanUndo()) return;
  WaitCursor wait;
  doc_.Undo();
}

void TEditClient::Redo() {
  Step step(this);
  if (!doc_.CanRedo()) return;
  WaitCursor wait;
  doc_.Redo();
}

bool TEditClient::CopyToClipboard() {
  std::string text;
  if (!doc_.CopySelection(&text)) return false;
  QGuiApplication::clipboard()->setText(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
  return true;
}

void TEditClient::Cut() {
  Step step(this);
  if (doc_.HasSelection() && CopyToClipboard()) doc_.DeleteCutSelection();
}

void TEditClient::Copy() {
  if (doc_.HasSelection()) CopyToClipboard();
}

void TEditClient::Paste() {
  Step step(this);
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  if (data == nullptr || !data->hasText()) return;
  QByteArray bytes = QGuiApplication::clipboard()->text().toLatin1();
  doc_.Paste(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

void TEditClient::DeleteSelection() {
  Step step(this);
  doc_.DeleteCommand();
}

void TEditClient::ClearAll() {
  Step step(this);
  doc_.ClearAll();
}

void TEditClient::SelectAll() {
  Step step(this);
  doc_.SelectAll();
}

void TEditClient::OpenSearchDialog(bool replace) {
  Step step(this);
  if (findDialog_ && isReplace_ == replace) {
    findDialog_->show();
    findDialog_->setEnabled(true);
    findDialog_->raise();
    findDialog_->activateWindow();
    findDialog_->FocusSearchField();
    return;
  }
  if (findDialog_) {
    // The replaced dialog must not report its closing as ours.
    findDialog_->disconnect(this);
    delete findDialog_.data();
  }
  findDialog_ = new FindReplaceDialog(doc_.FindRecord(), replace, this);
  connect(findDialog_.data(), &FindReplaceDialog::Request, this, &TEditClient::OnFindRequest);
  isReplace_ = replace;
  findDialog_->show();
  // Typing goes to the search field at once, never into the document.
  findDialog_->raise();
  findDialog_->activateWindow();
  findDialog_->FocusSearchField();
}

void TEditClient::Find() { OpenSearchDialog(false); }
void TEditClient::Replace() { OpenSearchDialog(true); }

void TEditClient::Next() {
  if (!findDialog_) return;
  doc_.Caret.Normalise();
  FindData data = findDialog_->Data();
  data.flags |= FindData::kFindNext;
  OnFindRequest(data);
}

void TEditClient::OnFindRequest(const FindData& data) {
  Step step(this);
  doc_.FindRecord() = data;
  if (data.flags & FindData::kDialogTerm) {
    findDialog_.clear();
    return;
  }
  WaitCursor wait;
  doc_.DoFindReplace();
}

bool TEditClient::Save() {
  Step step(this);
  bool saved = doc_.Save();
  if (saved) SetCaption();
  return saved;
}

bool TEditClient::SaveAs() {
  Step step(this);
  bool saved = doc_.SaveAs();
  if (saved) SetCaption();
  return saved;
}

void TEditClient::Revert() {
  Step step(this);
  if (doc_.FileName.empty()) return;
  WaitCursor wait;
  doc_.Revert();
}

void TEditClient::Close() {
  if (!doc_.CanClose()) return;
  closeConfirmed_ = true;
  QWidget* frame = parentWidget() ? parentWidget() : this;
  if (!frame->close()) closeConfirmed_ = false;
}

}  // namespace foresta
