#include "cli_rules.h"

#include <algorithm>
#include <cstdio>

#include <string>
#include <vector>

#include "support/utf8.h"

namespace merrith::cli {

const Option RulesOption{
    "--rules", "FILE", true,
    "reads more events from FILE, a rules file (TOML) written as the\n"
    "installed events/world-aquatics-2024.toml is; may be repeated. The files in\n"
    "$XDG_CONFIG_HOME/merrith/events/ (~/.config/...; on Windows\n"
    "%APPDATA%\\Merrith\\events\\) are read first. An id defined again replaces\n"
    "the earlier event",
    [] { return std::string("a file (see merrith-cli --help)"); }};

const Option BookOption{"--book", "ID", false,
                        "the rule book whose events a sheet names: world-aquatics-2024 (the\n"
                        "default) or fina-2017-2021, or one a rules file adds; a sheet's Book:\n"
                        "line overrides it",
                        [] { return std::string("a rule book's id (see merrith-cli events)"); }};

std::u16string BookAsked(const CommandLine& Line) {
  return Line.Has(BookOption) ? DecodeUtf8(Line.Last(BookOption)) : std::u16string(DefaultBookId);
}

CommandBook LoadCommandBook(const CommandLine& Line, const Streams& Io) {
  std::vector<std::u16string> Rules;
  for (std::string_view File : Line.Values(RulesOption)) Rules.push_back(DecodeUtf8(File));
  CommandBook Loaded{LoadEventBook(Rules), false};
  for (const RulesError& Error : Loaded.Book.Errors) {
    const std::string Message = "merrith-cli: " + ToUtf8(RulesErrorText(Error)) + "\n";
    std::fwrite(Message.data(), 1, Message.size(), Io.Err);
    if (std::find(Rules.begin(), Rules.end(), Error.File) != Rules.end())
      Loaded.NamedFileFailed = true;
  }
  return Loaded;
}

}  // namespace merrith::cli
