#ifndef FORESTA_FRAME_HELP_FILE_H_
#define FORESTA_FRAME_HELP_FILE_H_

#include <string>
#include <vector>

namespace foresta {

// One page of the help file. A page answers to one or more keys: a name
// ("contents", "using") or the identifiers of the commands it describes.
struct HelpTopic {
  std::vector<std::string> keys;
  std::string title;
  std::vector<std::string> lines;  // body text, as written
};

// The help file "edit.hlp": plain text in which a line
//   @topic KEY [KEY...] | Title
// starts a page and every following line up to the next such line is its
// body. Lines starting with "#" are comments. In the body, an empty line
// separates paragraphs, "- " starts a list item, a line indented by less
// than four blanks continues the list item above it, a line indented by
// four blanks or a tab is kept as written, and {KEY|words} links to another
// page.
class HelpFile {
 public:
  static constexpr int kOk = 0;
  static constexpr int kCannotOpen = 1;
  static constexpr int kNoTopics = 2;

  // Reads the file; on failure the help file is left empty.
  int Load(const std::string& path);
  // Reads help text held in memory.
  int Parse(const std::string& text);

  // The page answering to `key`, or nullptr.
  const HelpTopic* Find(const std::string& key) const;
  // The page for a command identifier: its own page, or nullptr.
  const HelpTopic* FindCommand(int id) const { return Find(std::to_string(id)); }

  const std::vector<HelpTopic>& topics() const { return topics_; }

 private:
  std::vector<HelpTopic> topics_;
};

// The body of `topic` as HTML: paragraphs, lists, preformatted lines, and
// links written as <a href="topic:KEY">.
std::string HelpTopicHtml(const HelpTopic& topic);

}  // namespace foresta

#endif  // FORESTA_FRAME_HELP_FILE_H_
