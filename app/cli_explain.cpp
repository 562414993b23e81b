#include <nlohmann/json.hpp>

#include <string>
#include <string_view>
#include <vector>

#include "cli_commands.h"
#include "difficulty/explain_dive.h"
#include "difficulty/heights.h"
#include "difficulty/parse_code.h"
#include "report/single_dive.h"
#include "support/utf8.h"

namespace merrith::cli {

namespace {

// The dive in two lines, its name and its sum, or in one with the reason it has no DD.
std::string ExplainedLines(std::u16string_view Code, std::string_view Height,
                           const DiveExplanation& Dive) {
  std::string Head = ToUtf8(Code) + " at " + std::string(Height);
  if (Dive.Why != Refusal::None) return Head + ": ERROR (" + ToUtf8(RefusalText(Dive.Why)) + ")\n";
  if (Dive.Name) Head += ": " + ToUtf8(*Dive.Name);
  return Head + "\n  " + ToUtf8(SumLine(Dive, u".")) + "\n";
}

// UTF-8 text as a JSON string. nlohmann-json escapes it: quotes, backslashes and control
// characters; a lone surrogate has already become U+FFFD on the way to UTF-8.
std::string JsonString(std::string_view Text) {
  return nlohmann::json(Text).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

std::string JsonString(std::u16string_view Text) { return JsonString(ToUtf8(Text)); }

template <class Text>
std::string JsonOrNull(const std::optional<Text>& Words) {
  return Words ? JsonString(std::u16string_view(*Words)) : "null";
}

// The dive as one JSON object on one line. Numbers are written as dd --exact writes them,
// the shortest text that reads back as the same double, which nlohmann-json's own writer
// does not promise (it writes 2 as 2.0).
std::string ExplainedJson(std::u16string_view Code, std::string_view Height,
                          const DiveExplanation& Dive) {
  const bool HasDd = Dive.Why == Refusal::None;
  std::string Components;
  for (const DdComponent& C : Dive.Components) {
    if (!Components.empty()) Components += ',';
    Components += "{\"name\":" + JsonString(C.Name) + ",\"value\":" + ShortestText(C.Value) + "}";
  }
  return "{\"code\":" + JsonString(Code) + ",\"height\":" + JsonString(Height) +
         ",\"dd\":" + (HasDd ? ShortestText(Dive.DD) : "null") +
         ",\"text\":" + JsonString(ResultText(Dive.DD, u".")) +
         ",\"name\":" + JsonOrNull(Dive.Name) + ",\"position\":" + JsonOrNull(Dive.Position) +
         ",\"components\":[" + Components +
         "],\"reason\":" + (HasDd ? "null" : JsonString(RefusalText(Dive.Why))) + "}\n";
}

constexpr Option JsonLines{"--json",
                           {},
                           false,
                           "one JSON object per line and code: code, height, dd (the shortest\n"
                           "number that reads back as the DD, or null), text (what the window\n"
                           "shows), name, position, components ([{name, value}]) and reason (null\n"
                           "when there is a DD)"};
constexpr const Option* Options[] = {&HeightOption, &JsonLines, &CodesEndOption};

int RunExplain(const CommandLine& Line, const Streams& Io) {
  const std::int32_t HeightIndex = ChosenHeight(Line);
  const std::string_view Height = HeightCaption(HeightIndex);
  std::string Text;
  for (std::string_view Argument : Line.Operands) {
    const std::u16string Code = UpperCase(DecodeUtf8(Argument));
    const DiveExplanation Dive = ExplainDive(Code, HeightIndex);
    Text += Line.Has(JsonLines) ? ExplainedJson(Code, Height, Dive)
                                : ExplainedLines(Code, Height, Dive);
  }
  return WriteResults(Io, Text);
}

}  // namespace

// explain [--height H] [--json] CODE...: each dive in words and how its DD adds up, or why it
// has none; with --json one JSON object per line.
const Command ExplainCommand{
    "explain",
    "[--height H] [--json] CODE...",
    "            names each dive in words and shows how its DD adds up at that height, or\n"
    "            why it has none:\n"
    "              5253B at 3m: Back 2½ Somersaults 1½ Twists, Pike\n"
    "                position 0.3 + somersaults 2.2 + twists 0.7 + approach 0.2 + entry 0 = 3.4\n"
    "              614C at 1m: ERROR (armstand dives are done from the platform)\n",
    Options,
    1,
    SIZE_MAX,
    "explain needs at least one dive code",
    RunExplain};

}  // namespace merrith::cli
