#include <string>
#include <string_view>

#include "cli_commands.h"
#include "difficulty/heights.h"
#include "report/single_dive.h"
#include "support/utf8.h"

namespace merrith::cli {

namespace {

// The DD of one code as merrith-cli prints it.
std::string DdLine(std::string_view Argument, std::int32_t HeightIndex, bool Exact) {
  const std::u16string Code = DecodeUtf8(Argument);
  std::string Line;
  if (Exact) {
    const double Dd = CalcTypedDD(Code, HeightIndex);
    if (Dd < 0) return "ERROR\n";
    Line = ShortestText(Dd);
  } else {
    // The window's text, which is ASCII whatever the code: digits, '.' or ERROR.
    for (char16_t C : EvaluateCode(Code, HeightIndex, u".")) Line += static_cast<char>(C);
  }
  return Line + "\n";
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
  std::string Text;
  for (std::string_view Code : Line->Codes)
    Text += DdLine(Code, Line->HeightIndex, Line->Has("--exact"));
  return WriteResults(Io, Text);
}

}  // namespace merrith::cli
