#include <array>
#include <charconv>
#include <string>
#include <string_view>
#include <vector>

#include "cli_commands.h"
#include "difficulty/heights.h"
#include "support/utf8.h"
#include "window/single_dive.h"

namespace merrith::cli {

namespace {

// The heights that --height takes, as the window's buttons name them: "1m 3m ... 27m".
std::string HeightChoices() {
  std::string Choices;
  for (const Height& H : Heights) {
    if (!Choices.empty()) Choices += ' ';
    Choices += H.Caption;
  }
  return Choices;
}

// What the command line asks of dd.
struct DdOptions {
  std::int32_t HeightIndex = HeightIndexFirst;
  bool Exact = false;
  std::vector<std::string_view> Codes;
};

// The HeightIndex of a height button's caption, 0 for any other text.
std::int32_t HeightIndexOf(std::string_view Caption) {
  const Height* H = HeightCaptioned(Caption);
  return H != nullptr ? H->Index : 0;
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
        return UsageError(Io, "--height takes one of " + HeightChoices());
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
