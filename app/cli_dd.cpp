#include <string>
#include <string_view>

#include "cli_commands.h"
#include "difficulty/heights.h"
#include "report/single_dive.h"
#include "support/utf8.h"

namespace merrith::cli {

namespace {

// Appends to Out the DD of one code as merrith-cli prints it, and a line end.
void AppendDdLine(std::string& Out, std::string_view Argument, std::int32_t HeightIndex,
                  bool Exact) {
  const std::u16string Code = DecodeUtf8(Argument);
  if (Exact) {
    const double Dd = CalcTypedDD(Code, HeightIndex);
    Out += Dd < 0 ? "ERROR" : ShortestText(Dd);
  } else {
    // The window's text, which is ASCII whatever the code: digits, '.' or ERROR.
    for (char16_t C : EvaluateCode(Code, HeightIndex, u".")) Out += static_cast<char>(C);
  }
  Out += '\n';
}

}  // namespace

std::string DdHelp() {
  return "  dd [--height H] [--exact] CODE...\n"
         "            prints the DD of each dive code (105B, 5253B, 614C, 10(11)B), one line per\n"
         "            code in the order given, or ERROR when the dive has none at that height\n"
         "    --height H  " +
         HeightChoices() + " (default " + std::string(HeightCaption(HeightIndexFirst)) +
         ")\n"
         "    --exact     the shortest text that reads back as the same number "
         "(3.0999999999999996)\n"
         "                instead of 15 significant digits (3.1)\n"
         "    --          ends the options: every later argument is a code\n";
}

int RunDd(std::span<const std::string_view> Args, const Streams& Io) {
  constexpr std::string_view Switches[] = {"--exact"};
  const std::optional<CodeCommandLine> Line = ReadCodeCommandLine("dd", Args, Switches, Io);
  if (!Line) return ExitUsage;
  const bool Exact = Line->Has("--exact");
  std::string Text;
  Text.reserve(Line->Codes.size() * 4);  // most lines are a DD such as "3.4\n"
  for (std::string_view Code : Line->Codes) AppendDdLine(Text, Code, Line->HeightIndex, Exact);
  return WriteResults(Io, Text);
}

}  // namespace merrith::cli
