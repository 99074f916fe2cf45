#ifndef FORESTA_FRAME_CHART_MODEL_JSON_VALUE_H_
#define FORESTA_FRAME_CHART_MODEL_JSON_VALUE_H_

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace foresta {

// A JSON value as read from one record line of `foresta-cli --json` output.
// Numbers keep their text, so a single-precision value written in its
// shortest round-trip form reads back exactly.
class JsonValue {
 public:
  enum class Type { kNull, kBool, kNumber, kString, kArray, kObject };

  JsonValue() = default;
  static JsonValue Null() { return {}; }
  static JsonValue Bool(bool value);
  static JsonValue Number(std::string text);
  static JsonValue String(std::string text);
  static JsonValue Array(std::vector<JsonValue> items);
  static JsonValue Object(std::vector<std::pair<std::string, JsonValue>> members);

  Type type() const { return type_; }
  bool IsNull() const { return type_ == Type::kNull; }

  // The number as float or as a whole number; nothing for other types, for
  // a whole number out of range, or for a fraction asked as a whole number.
  std::optional<float> AsFloat() const;
  std::optional<long long> AsInteger() const;
  // The text of a string (empty for other types).
  const std::string& AsString() const { return text_; }
  const std::vector<JsonValue>& Items() const { return items_; }
  const std::vector<std::pair<std::string, JsonValue>>& Members() const { return members_; }

  // The member `key` of an object, or nullptr.
  const JsonValue* Find(std::string_view key) const;

  // Compact text with object members sorted by key: two values that mean
  // the same give the same text.
  std::string Canonical() const;

 private:
  Type type_ = Type::kNull;
  bool bool_ = false;
  std::string text_;  // number text or string
  std::vector<JsonValue> items_;
  std::vector<std::pair<std::string, JsonValue>> members_;
};

struct JsonParse {
  std::optional<JsonValue> value;
  std::string error;  // what is wrong, when there is no value
};

// Parses one JSON text: the whole of `text` but surrounding white space.
JsonParse ParseJson(std::string_view text);

}  // namespace foresta

#endif  // FORESTA_FRAME_CHART_MODEL_JSON_VALUE_H_
