#ifndef FORESTA_STATE_JSON_TEXT_H_
#define FORESTA_STATE_JSON_TEXT_H_

#include <string>
#include <string_view>

namespace foresta {

// `text` escaped for a JSON string literal, without the quotes: quote,
// backslash and control characters escaped, other bytes as they are.
std::string JsonEscape(std::string_view text);

// The JSON string literal of `text`, quotes included.
inline std::string JsonString(std::string_view text) {
  return "\"" + JsonEscape(text) + "\"";
}

}  // namespace foresta

#endif  // FORESTA_STATE_JSON_TEXT_H_
