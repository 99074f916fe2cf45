#ifndef FORESTA_FRAME_DOCUMENT_CLIENT_H_
#define FORESTA_FRAME_DOCUMENT_CLIENT_H_

#include <functional>
#include <memory>
#include <string>

class QWidget;

namespace foresta {

class EditPrompter;

// Where a document window reports its caret position, its size, the
// overwrite mode and short messages such as a search's outcome (the status
// bar of the main window).
class DocumentStatus {
 public:
  virtual ~DocumentStatus() = default;
  virtual void ShowCaretPosition(int line, int column) = 0;  // both from 1
  virtual void ShowDocumentSize(long long bytes) = 0;
  virtual void ShowOverwrite(bool on) = 0;
  virtual void ShowMessage(const std::string& text) = 0;
};

// What a document window needs from the editor it holds.
class DocumentClient {
 public:
  virtual ~DocumentClient() = default;

  virtual QWidget* Widget() = 0;
  // The window title: the file name, or "Untitled".
  virtual std::string Caption() const = 0;
  // Performs an editing or file command of the editor.
  virtual void Command(int id) = 0;
  virtual bool CommandEnabled(int id) const = 0;
  // The close query: false when the user chose to keep the document open.
  virtual bool CanClose() = 0;
  // Reports caret, size and overwrite mode afresh (the window became active).
  virtual void RefreshStatus() = 0;
};

// Makes the client of a new document window: the named file read at once,
// or an empty document when `file` is empty. `captionChanged` is called when
// the caption changes (a save under a new name, say); the editor asks its
// questions through `prompter`, which outlives it.
using DocumentClientFactory = std::function<std::unique_ptr<DocumentClient>(
    const std::string& file, DocumentStatus& status, EditPrompter& prompter,
    std::function<void()> captionChanged)>;

}  // namespace foresta

#endif  // FORESTA_FRAME_DOCUMENT_CLIENT_H_
