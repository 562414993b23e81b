#include <array>
#include <charconv>
#include <string>
#include <string_view>

#include "cli_commands.h"
#include "difficulty/heights.h"

namespace merrith::cli {

std::string HeightChoices() {
  std::string Choices;
  for (const Height& H : Heights) {
    if (!Choices.empty()) Choices += ' ';
    Choices += H.Caption;
  }
  return Choices;
}

std::string ShortestText(double Value) {
  std::array<char, 32> Buffer{};
  const auto Result = std::to_chars(Buffer.data(), Buffer.data() + Buffer.size(), Value);
  return std::string(Buffer.data(), Result.ptr);
}

const Option HeightOption{"--height",
                          "H",
                          false,
                          {},
                          [] { return "one of " + HeightChoices(); },
                          [](std::string_view Caption) { return HeightNamed(Caption) != nullptr; }};

const Option CodesEndOption{"--", {}, false, "ends the options: every later argument is a code"};

std::int32_t ChosenHeight(const CommandLine& Line) {
  return HeightNamed(Line.Last(HeightOption, HeightCaption(HeightIndexFirst)))->Index;
}

}  // namespace merrith::cli
