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
    "installed events/fina-2017-2021.toml is; may be repeated. The files in\n"
    "$XDG_CONFIG_HOME/merrith/events/ (~/.config/...; on Windows\n"
    "%APPDATA%\\Merrith\\events\\) are read first. An id defined again replaces\n"
    "the earlier event",
    [] { return std::string("a file (see merrith-cli --help)"); }};

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
