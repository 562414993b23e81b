#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli_commands.h"
#include "difficulty/dive_name.h"
#include "difficulty/dive_numbers.h"
#include "support/utf8.h"

namespace merrith::cli {

namespace {

constexpr Option Names{"--names",
                       {},
                       false,
                       "a tab and the dive in words after each number, such as\n"
                       "5253<tab>Back 2½ Somersaults 1½ Twists"};
constexpr Option All{"--all",
                     {},
                     false,
                     "every number the tables give a DD, also those that name no dive of the\n"
                     "rule book, such as 5511 (direction 5); nothing after the tab with --names"};
constexpr const Option* Options[] = {&Names, &All};

int RunList(const CommandLine& Line, const Streams& Io) {
  std::string Text;
  for (const DiveNumber& N : Line.Has(All) ? ListDiveNumbers() : ListNamedDiveNumbers()) {
    Text += ToUtf8(N.Number);
    if (Line.Has(Names)) {
      Text += '\t';
      if (const std::optional<std::u16string> Name = DiveName(N.Dive)) Text += ToUtf8(*Name);
    }
    Text += '\n';
  }
  return WriteResults(Io, Text);
}

}  // namespace

// list [--names] [--all]: every dive of the rule book that has a DD somewhere (with --all every
// number that has one), one per line, with its name in words after a tab with --names.
const Command ListCommand{
    "list",
    "[--names] [--all]",
    "            prints every dive of the rule book, by its number without its position\n"
    "            letter, that has a DD at some height in some position, one per line in the\n"
    "            order of the rule book: the list that table reads, as in\n"
    "              merrith-cli list | merrith-cli table -\n",
    Options,
    0,
    0,
    {},
    RunList};

}  // namespace merrith::cli
