#include <cstdint>
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

constexpr Option Exact{"--exact",
                       {},
                       false,
                       "the shortest text that reads back as the same number "
                       "(3.0999999999999996)\ninstead of 15 significant digits (3.1)"};
constexpr const Option* Options[] = {&HeightOption, &Exact, &CodesEndOption};

int RunDd(const CommandLine& Line, const Streams& Io) {
  const std::int32_t HeightIndex = ChosenHeight(Line);
  const bool IsExact = Line.Has(Exact);
  std::string Text;
  Text.reserve(Line.Operands.size() * 4);  // most lines are a DD such as "3.4\n"
  for (std::string_view Code : Line.Operands) AppendDdLine(Text, Code, HeightIndex, IsExact);
  return WriteResults(Io, Text);
}

}  // namespace

// dd [--height H] [--exact] CODE...: the DD of each code at one height, one line per code.
const Command DdCommand{
    "dd",
    "[--height H] [--exact] CODE...",
    "            prints the DD of each dive code (105B, 5253B, 614C, 10(11)B), one line per\n"
    "            code in the order given, or ERROR when the dive has none at that height\n"
    "            (1m unless --height names another)\n",
    Options,
    1,
    SIZE_MAX,
    "dd needs at least one dive code",
    RunDd};

}  // namespace merrith::cli
