#include <QAccessible>
#include <QString>
#include <vector>

#include "edit_client_fixture.h"

namespace foresta {
namespace {

// One report an editor made to assistive technologies.
struct Report {
  QAccessible::Event type;
  int position;
  QString text;
};

// An editor that keeps what it reports to assistive technologies.
class RecordingEditor : public TEditClient {
 public:
  using TEditClient::TEditClient;
  std::vector<Report> reports;

 protected:
  void NotifyAccessibility(QAccessibleEvent* event) override {
    switch (event->type()) {
      case QAccessible::TextInserted: {
        auto* e = static_cast<QAccessibleTextInsertEvent*>(event);
        reports.push_back({e->type(), e->changePosition(), e->textInserted()});
        break;
      }
      case QAccessible::TextRemoved: {
        auto* e = static_cast<QAccessibleTextRemoveEvent*>(event);
        reports.push_back({e->type(), e->changePosition(), e->textRemoved()});
        break;
      }
      case QAccessible::TextUpdated: {
        auto* e = static_cast<QAccessibleTextUpdateEvent*>(event);
        reports.push_back({e->type(), e->changePosition(), e->textInserted()});
        break;
      }
      case QAccessible::TextCaretMoved:
      case QAccessible::TextSelectionChanged: {
        auto* e = static_cast<QAccessibleTextCursorEvent*>(event);
        reports.push_back({e->type(), e->cursorPosition(), QString()});
        break;
      }
      default:
        break;
    }
    TEditClient::NotifyAccessibility(event);
  }
};

// An editor while an assistive technology listens.
class AccessibleEditorTest : public EditClientTest {
 protected:
  void SetUp() override {
    recorder_ = new RecordingEditor(nullptr, QString(), &prompter);
    editor.reset(recorder_);
    editor->resize(400, 300);
    editor->show();
    editor->activateWindow();
    editor->setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(editor.get()));
    // As the platform does when a screen reader starts listening.
    QAccessible::setActive(true);
  }
  void TearDown() override { QAccessible::setActive(false); }
  QAccessibleInterface* Interface() { return QAccessible::queryAccessibleInterface(editor.get()); }
  bool Reported(QAccessible::Event type, int position, const QString& text) {
    for (const Report& r : recorder_->reports) {
      if (r.type == type && r.position == position && r.text == text) return true;
    }
    return false;
  }

  RecordingEditor* recorder_ = nullptr;
};

TEST_F(AccessibleEditorTest, TheEditorIsAnEditableTextNamedAfterItsDocument) {
  QAccessibleInterface* iface = Interface();
  ASSERT_NE(iface, nullptr);
  EXPECT_EQ(iface->role(), QAccessible::EditableText);
  EXPECT_EQ(iface->text(QAccessible::Name), "Untitled");
  EXPECT_TRUE(iface->state().editable);
  EXPECT_TRUE(iface->state().multiLine);
  ASSERT_NE(iface->textInterface(), nullptr);
  ASSERT_NE(iface->editableTextInterface(), nullptr);
}

TEST_F(AccessibleEditorTest, TextCaretAndSelectionReadAsOffsets) {
  QTest::keyClicks(editor.get(), "hello there\rworld");
  QAccessibleTextInterface* text = Interface()->textInterface();
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->characterCount(), 17);
  EXPECT_EQ(text->text(0, 17), "hello there\nworld");
  EXPECT_EQ(text->text(6, 14), "there\nwo");
  EXPECT_EQ(text->cursorPosition(), 17);

  int start = 0;
  int end = 0;
  EXPECT_EQ(text->textAtOffset(3, QAccessible::LineBoundary, &start, &end), "hello there\n");
  EXPECT_EQ(start, 0);
  EXPECT_EQ(end, 12);
  EXPECT_EQ(text->textAfterOffset(3, QAccessible::LineBoundary, &start, &end), "world");
  EXPECT_EQ(text->textBeforeOffset(14, QAccessible::LineBoundary, &start, &end), "hello there\n");
  EXPECT_EQ(text->textAtOffset(7, QAccessible::WordBoundary, &start, &end), "there");
  EXPECT_EQ(start, 6);
  EXPECT_EQ(text->textAtOffset(13, QAccessible::CharBoundary, &start, &end), "o");

  // The selection, made with the keys, read back; set by offsets.
  QTest::keyClick(editor.get(), Qt::Key_Home, Qt::ShiftModifier);
  ASSERT_EQ(text->selectionCount(), 1);
  text->selection(0, &start, &end);
  EXPECT_EQ(start, 12);
  EXPECT_EQ(end, 17);
  EXPECT_EQ(text->cursorPosition(), 12);
  text->setSelection(0, 1, 4);
  EXPECT_EQ(Selected(), "ell");
  EXPECT_EQ(text->cursorPosition(), 4);
  text->setCursorPosition(6);
  EXPECT_EQ(text->selectionCount(), 0);
  EXPECT_TRUE(Doc().Caret == Doc().Pos(0, 6));
  EXPECT_TRUE(Reported(QAccessible::TextCaretMoved, 6, QString()));
}

TEST_F(AccessibleEditorTest, ChangesFromAssistiveTechnologiesAreUndoable) {
  QTest::keyClicks(editor.get(), "hello\rworld");
  QAccessibleEditableTextInterface* edit = Interface()->editableTextInterface();
  ASSERT_NE(edit, nullptr);
  edit->insertText(5, ", dear");
  EXPECT_EQ(Text(), "hello, dear\nworld");
  edit->replaceText(0, 5, "HELLO");
  EXPECT_EQ(Text(), "HELLO, dear\nworld");
  edit->deleteText(11, 12);  // the line end
  EXPECT_EQ(Text(), "HELLO, dearworld");
  editor->Undo();
  editor->Undo();
  editor->Undo();
  EXPECT_EQ(Text(), "hello\nworld");
}

TEST_F(AccessibleEditorTest, EditsAreReportedWhereTheyHappen) {
  QTest::keyClicks(editor.get(), "ab\rcd");
  EXPECT_TRUE(Reported(QAccessible::TextInserted, 0, "a"));
  EXPECT_TRUE(Reported(QAccessible::TextInserted, 2, "\n"));
  EXPECT_TRUE(Reported(QAccessible::TextInserted, 4, "d"));
  QTest::keyClick(editor.get(), Qt::Key_Backspace);
  EXPECT_TRUE(Reported(QAccessible::TextRemoved, 4, " "));
  QTest::keyClick(editor.get(), Qt::Key_Left, Qt::ShiftModifier);
  EXPECT_TRUE(Reported(QAccessible::TextSelectionChanged, 3, QString()));

  // A Replace All is one change of the region it touched.
  recorder_->reports.clear();
  FindData& find = Doc().FindRecord();
  find.findWhat = "b";
  find.replaceWith = "xyz";
  find.flags = FindData::kDown | FindData::kReplaceAll;
  Doc().DoFindReplace();
  EXPECT_TRUE(Reported(QAccessible::TextUpdated, 0, "axyz"));
}

}  // namespace
}  // namespace foresta
