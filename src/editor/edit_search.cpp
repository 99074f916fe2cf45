#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>

#include "editor/edit_document.h"

namespace foresta {

namespace {

bool SameChar(char a, char b, bool match_case) {
  if (match_case) return a == b;
  return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
}

bool IsWholeWord(std::string_view line, std::size_t at, std::size_t length, std::string_view delimiters) {
  if (at > 0 && delimiters.find(line[at - 1]) == std::string_view::npos) return false;
  std::size_t end = at + length;
  if (end < line.size() && delimiters.find(line[end]) == std::string_view::npos) return false;
  return true;
}

std::string NotFound(std::string_view text) { return "Not found: " + std::string(text); }
constexpr const char* kSearchWrapped = "Search wrapped";

std::string Replaced(long long count) {
  return "Replaced " + std::to_string(count) + (count == 1 ? " occurrence" : " occurrences");
}

// First occurrence of `text` in `line` starting at or after `from`.
std::size_t FindForward(std::string_view line, std::string_view text, std::size_t from, bool match_case) {
  if (from > line.size() || text.size() > line.size() - from) return std::string_view::npos;
  if (match_case) return line.find(text, from);
  auto it = std::search(line.begin() + static_cast<std::ptrdiff_t>(from), line.end(), text.begin(), text.end(),
                        [](char a, char b) { return SameChar(a, b, false); });
  return it == line.end() ? std::string_view::npos : static_cast<std::size_t>(it - line.begin());
}

// Last occurrence of `text` that ends at or before `end`.
std::size_t FindBackward(std::string_view line, std::string_view text, std::size_t end, bool match_case) {
  end = std::min(end, line.size());
  if (text.size() > end) return std::string_view::npos;
  std::string_view head = line.substr(0, end);
  auto it = std::find_end(head.begin(), head.end(), text.begin(), text.end(),
                          [match_case](char a, char b) { return SameChar(a, b, match_case); });
  return it == head.end() ? std::string_view::npos : static_cast<std::size_t>(it - head.begin());
}

}  // namespace

std::optional<TEditPos> EditDocument::FindDown(TEditPos from, bool match_case, bool whole_word,
                                               std::string_view text) const {
  from.Normalise();
  for (int line = from.Line; line < lines_.Count(); ++line) {
    std::string_view content = lines_[line];
    std::size_t column = line == from.Line ? from.Column : 0;
    for (;;) {
      std::size_t at = FindForward(content, text, column, match_case);
      if (at == std::string_view::npos) break;
      if (!whole_word || IsWholeWord(content, at, text.size(), GetDelimiters())) return Pos(line, at);
      column = at + 1;
    }
  }
  return std::nullopt;
}

std::optional<TEditPos> EditDocument::FindUp(TEditPos from, TEditPos before, bool match_case, bool whole_word,
                                             std::string_view text) const {
  for (int line = from.Line; line >= 0; --line) {
    std::string_view content = lines_[line];
    std::size_t end = line == before.Line ? before.EffectiveColumn() : content.size();
    for (;;) {
      std::size_t at = FindBackward(content, text, end, match_case);
      if (at == std::string_view::npos) break;
      if (!whole_word || IsWholeWord(content, at, text.size(), GetDelimiters())) return Pos(line, at);
      // Go on with the occurrences that start before this one.
      end = at + text.size() - 1;
    }
  }
  return std::nullopt;
}

void EditDocument::Select(const TEditPos& start, std::size_t length) {
  CollapseTo(start);
  SelEnd.MoveChars(static_cast<long long>(length));
  ScrollToCaret();
  view_->InvalidateAll();
}

EditDocument::SearchOutcome EditDocument::FindNext(bool down, bool match_case, bool whole_word,
                                                   std::string_view text) {
  Caret.Normalise();
  // An empty pattern would match everywhere and never let Replace All end.
  if (text.empty()) return SearchOutcome::kCannotStart;
  std::optional<TEditPos> found;
  if (down) {
    if (!Caret.Step(1)) return SearchOutcome::kCannotStart;
    found = FindDown(Caret, match_case, whole_word, text);
  } else {
    if (Caret.AtDocumentStart()) return SearchOutcome::kCannotStart;
    TEditPos before = Caret;
    Caret.Step(-1);
    found = FindUp(Caret, before, match_case, whole_word, text);
  }
  if (found) {
    Select(*found, text.size());
    return SearchOutcome::kFound;
  }
  Caret.Step(down ? -1 : 1);
  CollapseTo(Caret);
  view_->InvalidateAll();
  return SearchOutcome::kNotFound;
}

bool EditDocument::Search(bool down, bool match_case, bool whole_word, std::string_view text) {
  SearchOutcome outcome = FindNext(down, match_case, whole_word, text);
  if (outcome == SearchOutcome::kNotFound) view_->Beep(EditView::BeepKind::kPlain);
  return outcome == SearchOutcome::kFound;
}

bool EditDocument::FindNextWrapping(bool down, bool match_case, bool whole_word, bool wrap) {
  const std::string& what = find_.findWhat;
  SearchOutcome outcome = FindNext(down, match_case, whole_word, what);
  if (outcome == SearchOutcome::kFound) return true;
  if (wrap) {
    std::optional<TEditPos> found = down ? FindDown(Start(), match_case, whole_word, what)
                                         : FindUp(End(), End(), match_case, whole_word, what);
    if (found) {
      Select(*found, what.size());
      view_->ShowMessage(kSearchWrapped);
      return true;
    }
  }
  if (outcome == SearchOutcome::kNotFound) view_->Beep(EditView::BeepKind::kPlain);
  view_->ShowMessage(NotFound(what));
  return false;
}

void EditDocument::Replace(std::string_view text) {
  if (!HasSelection()) return;
  InsertText(text, true);
  view_->ContentsChanged(false);
}

std::vector<ReplaceSite> EditDocument::FindReplaceSites(bool match_case, bool whole_word) const {
  const std::string& what = find_.findWhat;
  const std::string& with = find_.replaceWith;
  constexpr int kLineStart = -1;
  auto delimiter = [this](int c) {
    return c == kLineStart || GetDelimiters().find(static_cast<char>(c)) != std::string_view::npos;
  };
  // The occurrences as a search meets them while replacing one by one: each
  // found on from the end of the one before, in the text as the earlier
  // replacements left it. Only the character before an occurrence can
  // differ from the unchanged text, when a replacement ends right there.
  std::vector<ReplaceSite> sites;
  for (int line = 0; line < lines_.Count(); ++line) {
    std::string_view content = lines_[line];
    std::size_t column = 0;
    std::size_t lastEnd = 0;
    int beforeLastEnd = kLineStart;
    for (;;) {
      std::size_t at = FindForward(content, what, column, match_case);
      if (at == std::string_view::npos) break;
      int before = at > lastEnd ? static_cast<unsigned char>(content[at - 1]) : beforeLastEnd;
      std::size_t end = at + what.size();
      if (whole_word && !(delimiter(before) &&
                          (end == content.size() || delimiter(static_cast<unsigned char>(content[end]))))) {
        column = at + 1;
        continue;
      }
      sites.push_back({line, at});
      if (!with.empty()) {
        beforeLastEnd = with.back() == '\n' ? kLineStart : static_cast<unsigned char>(with.back());
      } else {
        beforeLastEnd = before;
      }
      lastEnd = end;
      column = end;
    }
  }
  return sites;
}

void EditDocument::DoFindReplace() {
  std::uint32_t flags = find_.flags;
  if (flags & FindData::kDialogTerm) return;
  if (!(flags & (FindData::kFindNext | FindData::kReplace | FindData::kReplaceAll))) return;
  if (find_.findWhat.empty()) {
    // An empty pattern matches everywhere: nothing sensible to find.
    view_->Beep(EditView::BeepKind::kExclamation);
    return;
  }
  bool down = (flags & FindData::kDown) != 0;
  bool match_case = (flags & FindData::kMatchCase) != 0;
  bool whole_word = (flags & FindData::kWholeWord) != 0;
  bool wrap = find_.wrapAround;
  bool found = false;
  if (flags & FindData::kReplaceAll) {
    long long count = ReplaceAll();
    if (count < 0) return;  // refused, and said so
    found = count > 0;
    view_->ShowMessage(found ? Replaced(count) : NotFound(find_.findWhat));
  } else if (flags & FindData::kReplace) {
    // Replace the occurrence that is selected (the one the last Find Next
    // found), then look for the next one.
    std::string selected;
    if (HasSelection() && SelStart.Line == SelEnd.Line) {
      selected = lines_[SelStart.Line].substr(SelStart.EffectiveColumn(),
                                              SelEnd.EffectiveColumn() - SelStart.EffectiveColumn());
    }
    bool matches = !find_.findWhat.empty() && selected.size() == find_.findWhat.size() &&
                   std::equal(selected.begin(), selected.end(), find_.findWhat.begin(),
                              [match_case](char a, char b) { return SameChar(a, b, match_case); });
    if (matches) {
      TEditPos start = SelStart;
      start.Normalise();
      Replace(find_.replaceWith);
      TEditPos after = Caret;
      // Search on from the replacement's end (down) or start (up), so a
      // match right after it is not skipped and the inserted text is not
      // searched again.
      if (down) {
        if (!Caret.AtDocumentStart()) Caret.Step(-1);
      } else {
        CollapseTo(start);
      }
      if (!FindNextWrapping(down, match_case, whole_word, wrap)) CollapseTo(down ? after : start);
      found = true;
    } else {
      found = FindNextWrapping(down, match_case, whole_word, wrap);
    }
  } else {
    found = FindNextWrapping(down, match_case, whole_word, wrap);
  }
  if (!found) view_->Beep(EditView::BeepKind::kExclamation);
}

}  // namespace foresta
