#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli_commands.h"
#include "support/utf8.h"
#include "window/batch_document.h"

namespace merrith::cli {

const std::string_view TableHelp =
    "  table [--blocks D|HD|D+HD] FILE\n"
    "            writes FILE.htm: one HTML table of the DD of every dive number listed in\n"
    "            FILE (one per line, without its position letter) at every height and\n"
    "            position, as the window's batch buttons do\n"
    "    --blocks B  D (1m to 10m), HD (12m to 27m) or D+HD (both, the default)\n"
    "    --          ends the options: the next argument is the file\n";

namespace {

std::optional<BatchBlocks> BlocksNamed(std::string_view Name) {
  if (Name == "D") return BatchBlocks::D;
  if (Name == "HD") return BatchBlocks::HD;
  if (Name == "D+HD") return BatchBlocks::DAndHD;
  return std::nullopt;
}

std::string Utf8Line(std::u16string_view Text) {
  const std::vector<std::uint8_t> Bytes = EncodeUtf8(Text);
  return std::string(Bytes.begin(), Bytes.end()) + "\n";
}

}  // namespace

int RunTable(std::span<const std::string_view> Args, const Streams& Io) {
  BatchBlocks Blocks = BatchBlocks::DAndHD;
  std::vector<std::string_view> Files;
  bool OptionsEnded = false;
  for (std::size_t i = 0; i < Args.size(); ++i) {
    const std::string_view Arg = Args[i];
    if (OptionsEnded || !Arg.starts_with("-") || Arg == "-") {
      Files.push_back(Arg);
    } else if (Arg == "--") {
      OptionsEnded = true;
    } else if (Arg == "--blocks") {
      const std::optional<BatchBlocks> Named =
          i + 1 < Args.size() ? BlocksNamed(Args[++i]) : std::nullopt;
      if (!Named) return UsageError(Io, "--blocks takes one of D HD D+HD");
      Blocks = *Named;
    } else {
      return UsageError(Io, "unknown option for table (see merrith-cli --help)");
    }
  }
  if (Files.size() != 1)
    return UsageError(Io, "usage: merrith-cli table [--blocks D|HD|D+HD] FILE");

  const std::u16string Path = DecodeUtf8(Files[0]);
  const BatchOutcome Outcome = WriteBatchTable(Path, Blocks, u".");
  const std::string Message = Utf8Line(BatchMessage(Outcome, Path));
  if (Outcome == BatchOutcome::Written) return WriteResults(Io, Message);
  std::fwrite(Message.data(), 1, Message.size(), Io.Err);
  return ExitWriteFailed;
}

}  // namespace merrith::cli
