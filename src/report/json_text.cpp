#include "report/json_text.h"

#include <nlohmann/json.hpp>

#include "support/utf8.h"

namespace merrith {

std::string JsonString(std::u16string_view Text) {
  using Json = nlohmann::ordered_json;
  return Json(ToUtf8(Text)).dump(-1, ' ', false, Json::error_handler_t::replace);
}

std::string JsonStringOrNull(std::u16string_view Text) {
  return Text.empty() ? "null" : JsonString(Text);
}

}  // namespace merrith
