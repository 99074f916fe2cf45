#include "frame/help_file.h"

#include <fstream>
#include <sstream>

namespace foresta {
namespace {

constexpr std::string_view kTopicMark = "@topic";

std::string Trim(std::string_view s) {
  std::size_t b = 0, e = s.size();
  while (b < e && (s[b] == ' ' || s[b] == '\t' || s[b] == '\r')) ++b;
  while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t' || s[e - 1] == '\r')) --e;
  return std::string(s.substr(b, e - b));
}

void AppendEscaped(std::string& out, std::string_view text) {
  for (char c : text) {
    switch (c) {
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '&': out += "&amp;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
}

// Escapes a body line and turns {KEY|words} into links.
std::string InlineHtml(std::string_view line) {
  std::string out;
  std::size_t i = 0;
  while (i < line.size()) {
    const std::size_t open = line.find('{', i);
    const std::size_t bar = open == std::string_view::npos ? open : line.find('|', open);
    const std::size_t close = bar == std::string_view::npos ? bar : line.find('}', bar);
    if (close == std::string_view::npos) {
      AppendEscaped(out, line.substr(i));
      break;
    }
    AppendEscaped(out, line.substr(i, open - i));
    out += "<a href=\"topic:";
    AppendEscaped(out, Trim(line.substr(open + 1, bar - open - 1)));
    out += "\">";
    AppendEscaped(out, line.substr(bar + 1, close - bar - 1));
    out += "</a>";
    i = close + 1;
  }
  return out;
}

}  // namespace

int HelpFile::Load(const std::string& path) {
  topics_.clear();
  std::ifstream in(path, std::ios::binary);
  if (!in) return kCannotOpen;
  std::ostringstream text;
  text << in.rdbuf();
  return Parse(text.str());
}

int HelpFile::Parse(const std::string& text) {
  topics_.clear();
  std::istringstream in(text);
  std::string line;
  HelpTopic* current = nullptr;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.rfind(kTopicMark, 0) == 0) {
      const std::string_view rest = std::string_view(line).substr(kTopicMark.size());
      const std::size_t bar = rest.find('|');
      HelpTopic topic;
      std::istringstream keys{std::string(rest.substr(0, bar))};
      std::string key;
      while (keys >> key) topic.keys.push_back(key);
      topic.title = bar == std::string_view::npos ? std::string() : Trim(rest.substr(bar + 1));
      if (topic.keys.empty()) {
        current = nullptr;  // a page nobody can reach is skipped
        continue;
      }
      topics_.push_back(std::move(topic));
      current = &topics_.back();
      continue;
    }
    if (!line.empty() && line[0] == '#') continue;
    if (current != nullptr) current->lines.push_back(line);
  }
  for (HelpTopic& topic : topics_) {
    while (!topic.lines.empty() && Trim(topic.lines.back()).empty()) topic.lines.pop_back();
  }
  return topics_.empty() ? kNoTopics : kOk;
}

const HelpTopic* HelpFile::Find(const std::string& key) const {
  for (const HelpTopic& topic : topics_) {
    for (const std::string& k : topic.keys) {
      if (k == key) return &topic;
    }
  }
  return nullptr;
}

std::string HelpTopicHtml(const HelpTopic& topic) {
  std::string html = "<h2>";
  AppendEscaped(html, topic.title);
  html += "</h2>\n";
  enum class Block { kNone, kParagraph, kList, kPre } block = Block::kNone;
  auto close = [&] {
    switch (block) {
      case Block::kParagraph: html += "</p>\n"; break;
      case Block::kList: html += "</ul>\n"; break;
      case Block::kPre: html += "</pre>\n"; break;
      case Block::kNone: break;
    }
    block = Block::kNone;
  };
  for (const std::string& line : topic.lines) {
    const std::string trimmed = Trim(line);
    if (trimmed.empty()) {
      close();
    } else if (line.rfind("- ", 0) == 0) {
      if (block != Block::kList) {
        close();
        html += "<ul>\n";
        block = Block::kList;
      }
      html += "<li>";
      html += InlineHtml(trimmed.substr(2));
      html += "</li>\n";
    } else if (line[0] == ' ' || line[0] == '\t') {
      const bool preformatted = line[0] == '\t' || line.rfind("    ", 0) == 0;
      if (block == Block::kList && !preformatted) {
        // A continuation of the previous list item.
        std::string more(1, ' ');
        more += InlineHtml(trimmed);
        html.insert(html.size() - 6, more);
        continue;
      }
      if (block != Block::kPre) {
        close();
        html += "<pre>";
        block = Block::kPre;
      }
      std::string escaped;
      AppendEscaped(escaped, line);
      html += escaped + "\n";
    } else {
      if (block != Block::kParagraph) {
        close();
        html += "<p>";
        block = Block::kParagraph;
      } else {
        html += ' ';
      }
      html += InlineHtml(trimmed);
    }
  }
  close();
  return html;
}

}  // namespace foresta
