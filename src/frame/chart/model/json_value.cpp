#include "frame/chart/model/json_value.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace foresta {

JsonValue JsonValue::Bool(bool value) {
  JsonValue v;
  v.type_ = Type::kBool;
  v.bool_ = value;
  return v;
}

JsonValue JsonValue::Number(std::string text) {
  JsonValue v;
  v.type_ = Type::kNumber;
  v.text_ = std::move(text);
  return v;
}

JsonValue JsonValue::String(std::string text) {
  JsonValue v;
  v.type_ = Type::kString;
  v.text_ = std::move(text);
  return v;
}

JsonValue JsonValue::Array(std::vector<JsonValue> items) {
  JsonValue v;
  v.type_ = Type::kArray;
  v.items_ = std::move(items);
  return v;
}

JsonValue JsonValue::Object(std::vector<std::pair<std::string, JsonValue>> members) {
  JsonValue v;
  v.type_ = Type::kObject;
  v.members_ = std::move(members);
  return v;
}

std::optional<float> JsonValue::AsFloat() const {
  if (type_ != Type::kNumber) return std::nullopt;
  float value = 0.0f;
  const char* last = text_.data() + text_.size();
  auto [ptr, ec] = std::from_chars(text_.data(), last, value);
  if (ec != std::errc() || ptr != last || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<long long> JsonValue::AsInteger() const {
  if (type_ != Type::kNumber) return std::nullopt;
  long long value = 0;
  const char* last = text_.data() + text_.size();
  auto [ptr, ec] = std::from_chars(text_.data(), last, value);
  if (ec != std::errc() || ptr != last) return std::nullopt;
  return value;
}

const JsonValue* JsonValue::Find(std::string_view key) const {
  for (const auto& [name, value] : members_) {
    if (name == key) return &value;
  }
  return nullptr;
}

namespace {

void AppendQuoted(std::string& out, const std::string& text) {
  out += '"';
  for (char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      static constexpr char kHex[] = "0123456789abcdef";
      out += "\\u00";
      out += kHex[(c >> 4) & 0xf];
      out += kHex[c & 0xf];
    } else {
      out += c;
    }
  }
  out += '"';
}

}  // namespace

std::string JsonValue::Canonical() const {
  std::string out;
  switch (type_) {
    case Type::kNull: return "null";
    case Type::kBool: return bool_ ? "true" : "false";
    case Type::kNumber: return text_;
    case Type::kString:
      AppendQuoted(out, text_);
      return out;
    case Type::kArray:
      out = "[";
      for (std::size_t i = 0; i < items_.size(); ++i) {
        if (i > 0) out += ',';
        out += items_[i].Canonical();
      }
      return out + "]";
    case Type::kObject: {
      std::vector<const std::pair<std::string, JsonValue>*> sorted;
      for (const auto& member : members_) sorted.push_back(&member);
      std::stable_sort(sorted.begin(), sorted.end(),
                       [](const auto* a, const auto* b) { return a->first < b->first; });
      out = "{";
      for (std::size_t i = 0; i < sorted.size(); ++i) {
        if (i > 0) out += ',';
        AppendQuoted(out, sorted[i]->first);
        out += ':';
        out += sorted[i]->second.Canonical();
      }
      return out + "}";
    }
  }
  return out;
}

namespace {

// Deeper nesting than any record has is refused rather than recursed into.
constexpr int kMaxDepth = 64;

class Parser {
 public:
  explicit Parser(std::string_view text) : text_(text) {}

  JsonParse Run() {
    JsonParse result;
    JsonValue value;
    SkipBlanks();
    if (Value(value, 0)) {
      SkipBlanks();
      if (pos_ == text_.size()) {
        result.value = std::move(value);
        return result;
      }
      Fail("text after the end of the value");
    }
    result.error = error_ + " at character " + std::to_string(pos_ + 1);
    return result;
  }

 private:
  bool Fail(const std::string& what) {
    if (error_.empty()) error_ = what;
    return false;
  }
  void SkipBlanks() {
    while (pos_ < text_.size() &&
           (text_[pos_] == ' ' || text_[pos_] == '\t' || text_[pos_] == '\n' || text_[pos_] == '\r')) {
      ++pos_;
    }
  }
  bool Literal(std::string_view word) {
    if (text_.substr(pos_, word.size()) != word) return Fail("unknown word");
    pos_ += word.size();
    return true;
  }
  bool Value(JsonValue& out, int depth);
  bool NumberValue(JsonValue& out);
  bool StringText(std::string& out);
  bool Hex4(std::uint32_t& code);
  static void AppendUtf8(std::string& out, std::uint32_t code);

  std::string_view text_;
  std::size_t pos_ = 0;
  std::string error_;
};

bool Parser::Value(JsonValue& out, int depth) {
  if (depth > kMaxDepth) return Fail("values nested too deeply");
  if (pos_ >= text_.size()) return Fail("a value is missing");
  const char c = text_[pos_];
  if (c == 'n') {
    out = JsonValue::Null();
    return Literal("null");
  }
  if (c == 't' || c == 'f') {
    out = JsonValue::Bool(c == 't');
    return Literal(c == 't' ? "true" : "false");
  }
  if (c == '"') {
    std::string text;
    if (!StringText(text)) return false;
    out = JsonValue::String(std::move(text));
    return true;
  }
  if (c == '[') {
    ++pos_;
    std::vector<JsonValue> items;
    SkipBlanks();
    if (pos_ < text_.size() && text_[pos_] == ']') {
      ++pos_;
      out = JsonValue::Array(std::move(items));
      return true;
    }
    for (;;) {
      SkipBlanks();
      JsonValue item;
      if (!Value(item, depth + 1)) return false;
      items.push_back(std::move(item));
      SkipBlanks();
      if (pos_ < text_.size() && text_[pos_] == ',') {
        ++pos_;
        continue;
      }
      if (pos_ < text_.size() && text_[pos_] == ']') {
        ++pos_;
        out = JsonValue::Array(std::move(items));
        return true;
      }
      return Fail("',' or ']' expected");
    }
  }
  if (c == '{') {
    ++pos_;
    std::vector<std::pair<std::string, JsonValue>> members;
    SkipBlanks();
    if (pos_ < text_.size() && text_[pos_] == '}') {
      ++pos_;
      out = JsonValue::Object(std::move(members));
      return true;
    }
    for (;;) {
      SkipBlanks();
      std::string key;
      if (pos_ >= text_.size() || text_[pos_] != '"') return Fail("a member name expected");
      if (!StringText(key)) return false;
      SkipBlanks();
      if (pos_ >= text_.size() || text_[pos_] != ':') return Fail("':' expected");
      ++pos_;
      SkipBlanks();
      JsonValue value;
      if (!Value(value, depth + 1)) return false;
      members.emplace_back(std::move(key), std::move(value));
      SkipBlanks();
      if (pos_ < text_.size() && text_[pos_] == ',') {
        ++pos_;
        continue;
      }
      if (pos_ < text_.size() && text_[pos_] == '}') {
        ++pos_;
        out = JsonValue::Object(std::move(members));
        return true;
      }
      return Fail("',' or '}' expected");
    }
  }
  return NumberValue(out);
}

bool Parser::NumberValue(JsonValue& out) {
  const std::size_t start = pos_;
  const auto digits = [this] {
    const std::size_t from = pos_;
    while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9') ++pos_;
    return pos_ > from;
  };
  if (pos_ < text_.size() && text_[pos_] == '-') ++pos_;
  if (pos_ < text_.size() && text_[pos_] == '0') {
    ++pos_;
  } else if (!digits()) {
    return Fail("a value expected");
  }
  if (pos_ < text_.size() && text_[pos_] == '.') {
    ++pos_;
    if (!digits()) return Fail("digits expected after '.'");
  }
  if (pos_ < text_.size() && (text_[pos_] == 'e' || text_[pos_] == 'E')) {
    ++pos_;
    if (pos_ < text_.size() && (text_[pos_] == '+' || text_[pos_] == '-')) ++pos_;
    if (!digits()) return Fail("digits expected in the exponent");
  }
  out = JsonValue::Number(std::string(text_.substr(start, pos_ - start)));
  return true;
}

bool Parser::Hex4(std::uint32_t& code) {
  if (pos_ + 4 > text_.size()) return Fail("four hex digits expected");
  code = 0;
  for (int i = 0; i < 4; ++i) {
    const char h = text_[pos_++];
    code <<= 4;
    if (h >= '0' && h <= '9') {
      code |= static_cast<std::uint32_t>(h - '0');
    } else if (h >= 'a' && h <= 'f') {
      code |= static_cast<std::uint32_t>(h - 'a' + 10);
    } else if (h >= 'A' && h <= 'F') {
      code |= static_cast<std::uint32_t>(h - 'A' + 10);
    } else {
      return Fail("four hex digits expected");
    }
  }
  return true;
}

void Parser::AppendUtf8(std::string& out, std::uint32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xc0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3f));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xe0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3f));
    out += static_cast<char>(0x80 | (code & 0x3f));
  } else {
    out += static_cast<char>(0xf0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3f));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3f));
    out += static_cast<char>(0x80 | (code & 0x3f));
  }
}

bool Parser::StringText(std::string& out) {
  ++pos_;  // the opening quote
  while (pos_ < text_.size()) {
    const char c = text_[pos_++];
    if (c == '"') return true;
    if (static_cast<unsigned char>(c) < 0x20) return Fail("a control character in a string");
    if (c != '\\') {
      out += c;
      continue;
    }
    if (pos_ >= text_.size()) break;
    const char e = text_[pos_++];
    switch (e) {
      case '"': case '\\': case '/': out += e; break;
      case 'b': out += '\b'; break;
      case 'f': out += '\f'; break;
      case 'n': out += '\n'; break;
      case 'r': out += '\r'; break;
      case 't': out += '\t'; break;
      case 'u': {
        std::uint32_t code = 0;
        if (!Hex4(code)) return false;
        if (code >= 0xd800 && code < 0xdc00) {
          std::uint32_t low = 0;
          if (text_.substr(pos_, 2) != "\\u") return Fail("a lone surrogate");
          pos_ += 2;
          if (!Hex4(low)) return false;
          if (low < 0xdc00 || low >= 0xe000) return Fail("a lone surrogate");
          code = 0x10000 + ((code - 0xd800) << 10) + (low - 0xdc00);
        } else if (code >= 0xdc00 && code < 0xe000) {
          return Fail("a lone surrogate");
        }
        AppendUtf8(out, code);
        break;
      }
      default: return Fail("an unknown escape");
    }
  }
  return Fail("a string is not closed");
}

}  // namespace

JsonParse ParseJson(std::string_view text) { return Parser(text).Run(); }

}  // namespace foresta
