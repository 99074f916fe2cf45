#include "editor/document_file.h"
#include "editor/edit_document.h"

namespace foresta {

namespace {
constexpr const char* kNotLoaded = "File I/O Error. File not loaded.";
constexpr const char* kTooManyLines = "Too many lines. Part file loaded.";
constexpr const char* kPartLoaded = "File I/O Error. Part file loaded.";
constexpr const char* kNotSaved = "File I/O Error. File not saved.";
constexpr const char* kPartSave =
    "This is only a part of the original file. Do you still want to save it?";
constexpr const char* kChanged = "This file has changed. Do you want to save the changes?";
}  // namespace

int EditDocument::Read(int max_lines) {
  PartFile = false;
  std::size_t before = CharacterCount();
  int result = ReadDocument(FileName, &lines_, max_lines);
  RecountSize();
  CollapseTo(Start());
  view_->SetLineCount(lines_.Count());
  switch (result) {
    case kReadCannotOpen:
      prompter_->Message(FileName, kNotLoaded, EditPrompter::Buttons::kOk, EditPrompter::Icon::kNone);
      FileName.clear();
      break;
    case kReadTooManyLines:
      PartFile = true;
      prompter_->Message(appTitle_, kTooManyLines, EditPrompter::Buttons::kOk, EditPrompter::Icon::kNone);
      break;
    case kReadIoError:
      PartFile = true;
      prompter_->Message(appTitle_, kPartLoaded, EditPrompter::Buttons::kOk, EditPrompter::Icon::kNone);
      break;
    default:
      break;
  }
  view_->TextReplaced(0, 0, before, CharacterCount());
  view_->ContentsChanged(false);
  return result;
}

int EditDocument::Write() {
  int result = WriteDocument(FileName, lines_);
  if (result != kWriteOk) {
    // The old file is untouched; the text stays changed and undoable.
    prompter_->Message(FileName, kNotSaved, EditPrompter::Buttons::kOk, EditPrompter::Icon::kStop);
    return result;
  }
  IsDirty = false;
  ClearJournal();
  return result;
}

bool EditDocument::Save() {
  if (FileName.empty()) return SaveAs();
  // Rewriting an unchanged file could only change its line ends.
  if (!IsDirty) return true;
  if (PartFile &&
      prompter_->Message("WARNING!", kPartSave, EditPrompter::Buttons::kYesNo,
                         EditPrompter::Icon::kStop) != EditPrompter::Answer::kYes) {
    return false;
  }
  if (Write() != kWriteOk) return false;
  PartFile = false;
  return true;
}

bool EditDocument::SaveAs() {
  std::string name;
  if (!prompter_->AskSaveFileName(&name) || name.empty()) return false;
  std::string old_name = std::move(FileName);
  FileName = name;
  if (Write() != kWriteOk) {
    // Not saved under the new name: keep the document as it was.
    FileName = std::move(old_name);
    return false;
  }
  PartFile = false;
  return true;
}

bool EditDocument::CanClose() {
  if (!IsDirty) return true;
  switch (prompter_->Message(Caption(), kChanged, EditPrompter::Buttons::kYesNoCancel,
                             EditPrompter::Icon::kNone)) {
    case EditPrompter::Answer::kNo:
      return true;
    case EditPrompter::Answer::kYes:
      return Save();
    default:
      return false;
  }
}

int EditDocument::Revert(int max_lines) {
  Lines fresh;
  int result = ReadDocument(FileName, &fresh, max_lines);
  if (result == kReadCannotOpen) {
    prompter_->Message(FileName, kNotLoaded, EditPrompter::Buttons::kOk, EditPrompter::Icon::kNone);
    return result;
  }
  std::size_t before = CharacterCount();
  lines_.Swap(fresh);
  RecountSize();
  ClearJournal();
  PartFile = result != kReadOk;
  if (result == kReadTooManyLines) {
    prompter_->Message(appTitle_, kTooManyLines, EditPrompter::Buttons::kOk, EditPrompter::Icon::kNone);
  } else if (result == kReadIoError) {
    prompter_->Message(appTitle_, kPartLoaded, EditPrompter::Buttons::kOk, EditPrompter::Icon::kNone);
  }
  IsDirty = false;
  CollapseTo(Start());
  view_->SetLineCount(lines_.Count());
  ScrollToCaret();
  view_->TextReplaced(0, 0, before, CharacterCount());
  view_->ContentsChanged(false);
  view_->InvalidateAll();
  return result;
}

}  // namespace foresta
