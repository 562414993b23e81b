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
    "  list [--names]\n"
    "            prints every dive number that has a DD at some height in some position,\n"
    "            without its position letter, one per line in the order of the rule book:\n"
    "            the list that table reads, as in merrith-cli list | merrith-cli table -\n"
    "    --names     a tab and the dive in words after each number, such as\n"
    "                5253<tab>Back 2½ Somersaults 1½ Twists; nothing after the tab for a\n"
    "                number that has no words, such as 5511 (direction 5)\n";

namespace {

void AppendUtf8(std::string& Out, std::u16string_view Text) {
  const std::vector<std::uint8_t> Bytes = EncodeUtf8(Text);
  Out.append(Bytes.begin(), Bytes.end());
}

}  // namespace

int RunList(std::span<const std::string_view> Args, const Streams& Io) {
  bool Names = false;
  for (std::string_view Arg : Args) {
    if (Arg != "--names")
      return UsageError(Io, "unknown argument for list (see merrith-cli --help)");
    Names = true;
  }
  std::string Text;
  for (const DiveNumber& N : ListDiveNumbers()) {
    AppendUtf8(Text, N.Number);
    if (Names) {
      Text += '\t';
      if (const std::optional<std::u16string> Name = DiveName(N.Dive)) AppendUtf8(Text, *Name);
    }
    Text += '\n';
  }
  return WriteResults(Io, Text);
}

}  // namespace merrith::cli
