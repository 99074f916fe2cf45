// Until the text editor is part of the build, documents are shown read-only
// so that every result a command opens can still be read.
#include <fstream>
#include <sstream>

#include <QFont>
#include <QPlainTextEdit>
#include <QTextBlock>

#include "frame/command_ids.h"
#include "frame/default_document.h"

namespace foresta {
namespace {

class ReadOnlyDocument : public DocumentClient {
 public:
  ReadOnlyDocument(const std::string& file, DocumentStatus& status)
      : file_(file), status_(status) {
    view_.setReadOnly(true);
    view_.setLineWrapMode(QPlainTextEdit::NoWrap);
    view_.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(14);
    view_.setFont(font);
    if (!file.empty()) {
      std::ifstream in(file, std::ios::binary);
      std::ostringstream text;
      if (in) text << in.rdbuf();
      view_.setPlainText(QString::fromLocal8Bit(text.str().c_str()));
    }
    QObject::connect(&view_, &QPlainTextEdit::cursorPositionChanged, [this] { RefreshStatus(); });
  }

  QWidget* Widget() override { return &view_; }
  std::string Caption() const override { return file_.empty() ? "Untitled" : file_; }
  void Command(int id) override {
    if (id == kCmEditCopy) view_.copy();
    if (id == kCmEditSelectAll) view_.selectAll();
  }
  bool CommandEnabled(int id) const override {
    return id == kCmEditSelectAll || (id == kCmEditCopy && view_.textCursor().hasSelection()) ||
           id == kCmFileClose;
  }
  bool CanClose() override { return true; }
  void RefreshStatus() override {
    const QTextCursor cursor = view_.textCursor();
    status_.ShowCaretPosition(cursor.blockNumber() + 1, cursor.positionInBlock() + 1);
    long long size = 0;
    for (QTextBlock b = view_.document()->begin(); b.isValid(); b = b.next()) {
      size += b.text().toLocal8Bit().size() + 2;
    }
    status_.ShowDocumentSize(size);
    status_.ShowOverwrite(false);
  }

 private:
  std::string file_;
  DocumentStatus& status_;
  QPlainTextEdit view_;
};

}  // namespace

DocumentClientFactory DefaultDocumentFactory() {
  return [](const std::string& file, DocumentStatus& status, std::function<void()>) {
    return std::make_unique<ReadOnlyDocument>(file, status);
  };
}

bool DefaultDocumentIsEditable() { return false; }

}  // namespace foresta
