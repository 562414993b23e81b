#include "cli_rules.h"

#include <algorithm>
#include <cstdio>

#include "support/utf8.h"

namespace merrith::cli {

const std::string_view RulesOptionHelp =
    "    --rules FILE  (sheet and events) reads more events from FILE, a rules file (TOML)\n"
    "                  written as the installed events/fina-2017-2021.toml is; may be\n"
    "                  repeated. The files in $XDG_CONFIG_HOME/merrith/events/ (~/.config/...;\n"
    "                  on Windows %APPDATA%\\Merrith\\events\\) are read first. An id defined\n"
    "                  again replaces the earlier event\n";

std::optional<RulesCommandLine> ReadRulesCommandLine(std::string_view Name,
                                                     std::span<const std::string_view> Args,
                                                     bool Html, std::size_t Files,
                                                     const Streams& Io) {
  RulesCommandLine Line;
  bool OptionsEnded = false;
  for (std::size_t i = 0; i < Args.size(); ++i) {
    const std::string_view Arg = Args[i];
    const bool TakesFile = Arg == "--rules" || (Html && Arg == "--html");
    if (OptionsEnded || !Arg.starts_with("-") || Arg == "-") {
      Line.Files.push_back(Arg);
    } else if (Arg == "--") {
      OptionsEnded = true;
    } else if (Arg == "--json") {
      Line.Json = true;
    } else if (TakesFile && i + 1 < Args.size()) {
      if (Arg == "--rules")
        Line.Rules.push_back(DecodeUtf8(Args[++i]));
      else
        Line.Html = Args[++i];
    } else {
      const std::string Why = TakesFile ? std::string(Arg) + " takes a file"
                                        : "unknown option for " + std::string(Name);
      UsageError(Io, Why + " (see merrith-cli --help)");
      return std::nullopt;
    }
  }
  if (Line.Files.size() != Files) {
    UsageError(Io, std::string(Name) + (Files == 0 ? " takes no file" : " takes one sheet") +
                       " (see merrith-cli --help)");
    return std::nullopt;
  }
  return Line;
}

CommandBook LoadCommandBook(const RulesCommandLine& Line, const Streams& Io) {
  CommandBook Loaded{LoadEventBook(Line.Rules), false};
  for (const RulesError& Error : Loaded.Book.Errors) {
    const std::string Message = "merrith-cli: " + ToUtf8(RulesErrorText(Error)) + "\n";
    std::fwrite(Message.data(), 1, Message.size(), Io.Err);
    if (std::find(Line.Rules.begin(), Line.Rules.end(), Error.File) != Line.Rules.end())
      Loaded.NamedFileFailed = true;
  }
  return Loaded;
}

}  // namespace merrith::cli
