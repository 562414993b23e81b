#include <algorithm>
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

bool CodeCommandLine::Has(std::string_view Switch) const {
  return std::find(Switches.begin(), Switches.end(), Switch) != Switches.end();
}

std::optional<CodeCommandLine> ReadCodeCommandLine(std::string_view Name,
                                                   std::span<const std::string_view> Args,
                                                   std::span<const std::string_view> Known,
                                                   const Streams& Io) {
  CodeCommandLine Line;
  Line.Codes.reserve(Args.size());
  bool OptionsEnded = false;
  for (std::size_t i = 0; i < Args.size(); ++i) {
    const std::string_view Arg = Args[i];
    if (OptionsEnded || !Arg.starts_with("-") || Arg == "-") {
      Line.Codes.push_back(Arg);
    } else if (Arg == "--") {
      OptionsEnded = true;
    } else if (Arg == "--height") {
      const Height* H = i + 1 < Args.size() ? HeightCaptioned(Args[++i]) : nullptr;
      if (H == nullptr) {
        UsageError(Io, "--height takes one of " + HeightChoices());
        return std::nullopt;
      }
      Line.HeightIndex = H->Index;
    } else if (std::find(Known.begin(), Known.end(), Arg) != Known.end()) {
      Line.Switches.push_back(Arg);
    } else {
      UsageError(Io, "unknown option for " + std::string(Name) + " (see merrith-cli --help)");
      return std::nullopt;
    }
  }
  if (Line.Codes.empty()) {
    UsageError(Io, std::string(Name) + " needs at least one dive code");
    return std::nullopt;
  }
  return Line;
}

}  // namespace merrith::cli
