#include "frame/help_file.h"

#include <gtest/gtest.h>

#include "workbench/command_vocabulary.h"

namespace foresta {
namespace {

TEST(HelpFileTest, PagesAnswerToEveryKeyAndKeepTheirText) {
  HelpFile file;
  ASSERT_EQ(HelpFile::kOk, file.Parse("# a comment\r\n"
                                      "text before any page is ignored\n"
                                      "@topic contents | Foresta Help\r\n"
                                      "First line.\n"
                                      "\n"
                                      "@topic 555 556   557|Real menu \n"
                                      "Body\n"
                                      "# not part of the body\n"
                                      "\n\n"));
  ASSERT_EQ(2u, file.topics().size());
  EXPECT_EQ("Foresta Help", file.Find("contents")->title);
  EXPECT_EQ((std::vector<std::string>{"First line."}), file.Find("contents")->lines);
  const HelpTopic* real = file.FindCommand(557);
  ASSERT_NE(nullptr, real);
  EXPECT_EQ("Real menu", real->title);
  EXPECT_EQ(real, file.FindCommand(555));
  EXPECT_EQ((std::vector<std::string>{"Body"}), real->lines);
  EXPECT_EQ(nullptr, file.FindCommand(558));
}

TEST(HelpFileTest, EmptyOrMissingFilesAreReported) {
  HelpFile file;
  EXPECT_EQ(HelpFile::kNoTopics, file.Parse("just text\n@topic | no keys\n"));
  EXPECT_TRUE(file.topics().empty());
  EXPECT_EQ(HelpFile::kCannotOpen, file.Load("/nonexistent/edit.hlp"));
}

TEST(HelpFileTest, HtmlEscapesTextAndBuildsLinksListsAndBlocks) {
  HelpTopic topic{{"x"}, "A <b> & c", {
      "See {report | the report} & <more>.",
      "second line of the paragraph",
      "",
      "- item {a|one}",
      "  continued",
      "- two",
      "    1 2 3 < 4",
      "{unclosed| link",
  }};
  const std::string html = HelpTopicHtml(topic);
  EXPECT_NE(std::string::npos, html.find("<h2>A &lt;b&gt; &amp; c</h2>"));
  EXPECT_NE(std::string::npos,
            html.find("<p>See <a href=\"topic:report\"> the report</a> &amp; &lt;more&gt;. "
                      "second line of the paragraph</p>"));
  EXPECT_NE(std::string::npos,
            html.find("<ul>\n<li>item <a href=\"topic:a\">one</a> continued</li>\n<li>two</li>\n</ul>"));
  EXPECT_NE(std::string::npos, html.find("<pre>    1 2 3 &lt; 4\n</pre>"));
  EXPECT_NE(std::string::npos, html.find("<p>{unclosed| link</p>"));
}

// The bundled help must answer Shift+F1 for every command a menu offers,
// and every link in it must lead somewhere.
TEST(HelpFileTest, BundledHelpCoversEveryMenuCommandAndHasNoDeadLinks) {
  HelpFile file;
  ASSERT_EQ(HelpFile::kOk, file.Load(FORESTA_DATA_DIR "/edit.hlp"));
  ASSERT_NE(nullptr, file.Find("contents"));
  ASSERT_NE(nullptr, file.Find("using"));
  for (const MenuDefinition& menu : MainMenuBar()) {
    for (int id : menu.ids) {
      if (id != 0) {
        EXPECT_NE(nullptr, file.FindCommand(id)) << FindCommand(id)->label;
      }
    }
  }
  for (const HelpTopic& topic : file.topics()) {
    const std::string html = HelpTopicHtml(topic);
    for (std::size_t at = html.find("topic:"); at != std::string::npos;
         at = html.find("topic:", at + 1)) {
      const std::string key = html.substr(at + 6, html.find('"', at) - at - 6);
      EXPECT_NE(nullptr, file.Find(key)) << "dead link " << key << " in " << topic.title;
    }
  }
}

}  // namespace
}  // namespace foresta
