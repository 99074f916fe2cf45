#ifndef FORESTA_TESTS_EDITOR_WIDGET_EDIT_CLIENT_FIXTURE_H_
#define FORESTA_TESTS_EDITOR_WIDGET_EDIT_CLIENT_FIXTURE_H_

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <memory>
#include <string>

#include "editor/editor_fake_view.h"
#include "editor/widget/edit_client.h"

namespace foresta {

class EditClientTest : public ::testing::Test {
 protected:
  void SetUp() override {
    editor = std::make_unique<TEditClient>(nullptr, QString(), &prompter);
    editor->resize(400, 300);
    editor->show();
    editor->activateWindow();
    editor->setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(editor.get()));
  }
  EditDocument& Doc() { return editor->Document(); }
  std::string Text() {
    std::string out;
    for (int i = 0; i < Doc().Text().Count(); ++i) {
      if (i > 0) out += '\n';
      out += Doc().Text()[i];
    }
    return out;
  }
  QPoint PointOf(int line, std::size_t column) {
    EditPoint p = Doc().PosToPoint(Doc().Pos(line, column));
    return QPoint(p.x + 1, p.y + editor->LineHeight() / 2);
  }
  void Mouse(QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
    QMouseEvent event(type, at, editor->viewport()->mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(editor->viewport(), &event);
  }
  std::string Selected() {
    std::string text;
    EXPECT_TRUE(Doc().CopySelection(&text));
    return text;
  }

  RecordingPrompter prompter;
  std::unique_ptr<TEditClient> editor;
};

}  // namespace foresta

#endif  // FORESTA_TESTS_EDITOR_WIDGET_EDIT_CLIENT_FIXTURE_H_
