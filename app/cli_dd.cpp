#include <array>
#include <charconv>
#include <string>
#include <string_view>
#include <vector>

#include "cli_commands.h"
#include "support/utf8.h"
#include "ui/single_dive.h"

namespace merrith::cli {

const std::string_view DdHelp =
    "  dd [--height H] [--exact] CODE...\n"
    "            prints the DD of each dive code (105B, 5253B, 614C, 10(11)B), one line per\n"
    "            code in the order given, or ERROR when the dive has none at that height\n"
    "    --height H  1m 3m 5m 7.5m 10m 12m 15m 20m 27m (default 1m)\n"
    "    --exact     the shortest text that reads back as the same number (3.0999999999999996)\n"
    "                instead of 15 significant digits (3.1)\n"
    "    --          ends the options: every later argument is a code\n";

namespace {

// The captions of the height buttons, in HeightIndex order from 1.
constexpr std::array<std::string_view, 9> HeightCaptions{
    "1m", "3m", "5m", "7.5m", "10m", "12m", "15m", "20m", "27m",
};

// What the command line asks of dd.
struct DdOptions {
  std::int32_t HeightIndex = 1;
  bool Exact = false;
  std::vector<std::string_view> Codes;
};

// The HeightIndex of a height button's caption, 0 for any other text.
std::int32_t HeightIndexOf(std::string_view Caption) {
  for (std::size_t i = 0; i < HeightCaptions.size(); ++i)
    if (HeightCaptions[i] == Caption) return static_cast<std::int32_t>(i + 1);
  return 0;
}

// The DD of one code as merrith-cli prints it.
std::string DdLine(std::string_view Argument, const DdOptions& Options) {
  const std::u16string Code = DecodeUtf8(Argument);
  std::string Line;
  if (Options.Exact) {
    const double Dd = CalcTypedDD(Code, Options.HeightIndex);
    if (Dd < 0) return "ERROR\n";
    std::array<char, 32> Buffer{};
    const auto Result = std::to_chars(Buffer.data(), Buffer.data() + Buffer.size(), Dd);
    Line.assign(Buffer.data(), Result.ptr);
  } else {
    // The window's text, which is ASCII whatever the code: digits, '.' or ERROR.
    for (char16_t C : EvaluateCode(Code, Options.HeightIndex, u".")) Line += static_cast<char>(C);
  }
  return Line + "\n";
}

}  // namespace

int RunDd(std::span<const std::string_view> Args, const Streams& Io) {
  DdOptions Options;
  bool OptionsEnded = false;
  for (std::size_t i = 0; i < Args.size(); ++i) {
    const std::string_view Arg = Args[i];
    if (OptionsEnded || !Arg.starts_with("-") || Arg == "-") {
      Options.Codes.push_back(Arg);
    } else if (Arg == "--") {
      OptionsEnded = true;
    } else if (Arg == "--exact") {
      Options.Exact = true;
    } else if (Arg == "--height") {
      Options.HeightIndex = i + 1 < Args.size() ? HeightIndexOf(Args[++i]) : 0;
      if (Options.HeightIndex == 0)
        return UsageError(Io, "--height takes one of 1m 3m 5m 7.5m 10m 12m 15m 20m 27m");
    } else {
      return UsageError(Io, "unknown option for dd (see merrith-cli --help)");
    }
  }
  if (Options.Codes.empty()) return UsageError(Io, "dd needs at least one dive code");
  std::string Text;
  for (std::string_view Code : Options.Codes) Text += DdLine(Code, Options);
  return WriteResults(Io, Text);
}

}  // namespace merrith::cli
