#include <algorithm>
#include <string>
#include <string_view>
#include <utility>

#include "editor/edit_document.h"

namespace foresta {

namespace {

std::size_t CountBreaks(std::string_view text) {
  return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

}  // namespace

std::vector<ReplaceSite> EditDocument::ReplaceAtSites(std::vector<ReplaceSite> sites,
                                                      std::size_t removedLength,
                                                      const ReplaceTexts& texts,
                                                      ReplaceTexts* removed) {
  removed->pool.clear();
  removed->pool.reserve(sites.size() * removedLength);
  removed->length = removedLength;
  removed->shared = false;
  if (sites.empty()) return sites;
  bool allSame = true;
  // Totals over the changed region, from the start of the first changed
  // line to the end of the last one, for the size and the view.
  std::size_t regionChars = 0;
  std::size_t takenChars = 0;
  std::size_t putChars = 0;
  std::size_t takenBreaks = 0;
  std::size_t putBreaks = 0;
  const int regionFirst = sites.front().line;
  int previousLast = regionFirst - 1;
  // Lines added above the current run (negative when lines went away);
  // line numbers in `sites` are those of the text before.
  long long shift = 0;
  std::string run;  // the lines of one run, joined by "\n"
  std::string out;  // what the run becomes
  std::size_t outBreaks = 0;
  std::size_t outLineStart = 0;
  auto emit = [&](std::string_view piece) {
    for (std::size_t nl = piece.find('\n'); nl != std::string_view::npos; nl = piece.find('\n', nl + 1)) {
      ++outBreaks;
      outLineStart = out.size() + nl + 1;
    }
    out.append(piece);
  };
  std::size_t i = 0;
  while (i < sites.size()) {
    // A run: the lines from one site's line to wherever the removals of
    // the sites on them reach. Most runs are one line.
    const int first = sites[i].line;
    for (int line = previousLast + 1; line < first; ++line) {
      regionChars += lines_.Length(static_cast<int>(line + shift));
    }
    int last = first;
    run.assign(lines_[static_cast<int>(first + shift)]);
    std::size_t lastStart = 0;
    std::size_t copied = 0;
    out.clear();
    outBreaks = 0;
    outLineStart = 0;
    for (; i < sites.size() && sites[i].line == last; ++i) {
      std::size_t at = lastStart + std::min(sites[i].column, run.size() - lastStart);
      at = std::max(at, copied);
      std::size_t end = at + removedLength;
      while (end > run.size() && last + shift + 1 < lines_.Count()) {
        ++last;
        run += '\n';
        lastStart = run.size();
        run += lines_[static_cast<int>(last + shift)];
      }
      end = std::min(end, run.size());
      emit(std::string_view(run).substr(copied, at - copied));
      std::string_view taken = std::string_view(run).substr(at, end - at);
      if (i > 0 && allSame) allSame = taken == std::string_view(removed->pool).substr(0, removedLength);
      removed->pool.append(taken);
      takenChars += taken.size();
      takenBreaks += CountBreaks(taken);
      // Each site is read before it is overwritten with where its new text stands.
      sites[i] = {static_cast<int>(first + shift + static_cast<long long>(outBreaks)),
                  out.size() - outLineStart};
      std::string_view put = texts.At(i);
      putChars += put.size();
      putBreaks += CountBreaks(put);
      emit(put);
      copied = end;
    }
    emit(std::string_view(run).substr(copied));
    regionChars += run.size();
    // The run's new lines take the place of its old ones.
    const int at = static_cast<int>(first + shift);
    const int oldCount = last - first + 1;
    if (outBreaks == 0 && oldCount == 1) {
      // A copy of its own size: `out` grew by doubling, and most lines of
      // a large document are changed.
      lines_[at] = std::string(out);
    } else {
      int k = 0;
      std::size_t from = 0;
      for (;;) {
        std::size_t nl = out.find('\n', from);
        std::string piece = out.substr(from, nl == std::string::npos ? std::string::npos : nl - from);
        if (k < oldCount) {
          lines_[at + k] = std::move(piece);
        } else {
          lines_.Insert(at + k, std::move(piece));
        }
        ++k;
        if (nl == std::string::npos) break;
        from = nl + 1;
      }
      if (k < oldCount) lines_.Erase(at + k, oldCount - k);
    }
    shift += static_cast<long long>(outBreaks) + 1 - oldCount;
    previousLast = last;
  }
  regionChars += static_cast<std::size_t>(previousLast - regionFirst);  // the line ends inside
  if (allSame && sites.size() > 1) {
    removed->pool.resize(removedLength);
    removed->pool.shrink_to_fit();
    removed->shared = true;
  }
  IsDirty = true;
  CollapseTo(Start());
  view_->SetLineCount(lines_.Count());
  view_->InvalidateAll();
  NoteChange(regionFirst, 0, regionChars, takenBreaks, regionChars - takenChars + putChars, putBreaks);
  return sites;
}

long long EditDocument::ReplaceAll() {
  bool match_case = (find_.flags & FindData::kMatchCase) != 0;
  bool whole_word = (find_.flags & FindData::kWholeWord) != 0;
  const std::string& with = find_.replaceWith;
  // Every occurrence in the document, whatever the caret, replaced in one
  // pass and journaled as one record: one Undo takes the whole Replace All
  // back, and neither costs more than a pass over the text.
  std::vector<ReplaceSite> sites = FindReplaceSites(match_case, whole_word);
  if (sites.empty()) return 0;
  std::size_t breaks = CountBreaks(with);
  if (breaks > 0 && sites.size() > static_cast<std::size_t>(Lines::kMaxLines - lines_.Count()) / breaks) {
    view_->Beep(EditView::BeepKind::kExclamation);
    return -1;
  }
  ReplaceTexts replacement{with, with.size(), true};
  ReplaceTexts earlier;
  std::vector<ReplaceSite> placed =
      ReplaceAtSites(std::move(sites), find_.findWhat.size(), replacement, &earlier);
  auto count = static_cast<long long>(placed.size());
  TEditPos end = Pos(placed.back().line, placed.back().column);
  end.MoveChars(static_cast<long long>(with.size()));
  Record(std::make_unique<JEReplaceAll>(std::move(placed), with.size(), std::move(earlier)));
  CollapseTo(end);
  ScrollToCaret();
  view_->ContentsChanged(false);
  return count;
}

}  // namespace foresta
