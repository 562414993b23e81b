#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli_commands.h"
#include "difficulty/dive_name.h"
#include "difficulty/dive_numbers.h"
#include "support/utf8.h"

namespace merrith::cli {

const std::string_view ListHelp =
    "  list [--names] [--all]\n"
    "            prints every dive of the rule book, by its number without its position\n"
    "            letter, that has a DD at some height in some position, one per line in the\n"
    "            order of the rule book: the list that table reads, as in\n"
    "              merrith-cli list | merrith-cli table -\n"
    "    --names     a tab and the dive in words after each number, such as\n"
    "                5253<tab>Back 2½ Somersaults 1½ Twists\n"
    "    --all       every number the tables give a DD, also those that name no dive of the\n"
    "                rule book, such as 5511 (direction 5); nothing after the tab with --names\n";

int RunList(std::span<const std::string_view> Args, const Streams& Io) {
  bool Names = false;
  bool All = false;
  for (std::string_view Arg : Args) {
    if (Arg == "--names") {
      Names = true;
    } else if (Arg == "--all") {
      All = true;
    } else {
      return UsageError(Io, "unknown argument for list (see merrith-cli --help)");
    }
  }
  std::string Text;
  for (const DiveNumber& N : All ? ListDiveNumbers() : ListNamedDiveNumbers()) {
    Text += ToUtf8(N.Number);
    if (Names) {
      Text += '\t';
      if (const std::optional<std::u16string> Name = DiveName(N.Dive)) Text += ToUtf8(*Name);
    }
    Text += '\n';
  }
  return WriteResults(Io, Text);
}

}  // namespace merrith::cli
