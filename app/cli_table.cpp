#include "cli_table.h"

#include <optional>
#include <ostream>
#include <string_view>

#include "support/utf8.h"
#include "ui/batch_document.h"

namespace merrith {
namespace {

constexpr std::string_view TableUsage = "usage: merrith-cli table [--blocks D|HD|D+HD] FILE\n";

std::optional<BatchBlocks> ReadBlocks(std::string_view Name) {
  if (Name == "D") return BatchBlocks::D;
  if (Name == "HD") return BatchBlocks::HD;
  if (Name == "D+HD") return BatchBlocks::DAndHD;
  return std::nullopt;
}

void WriteLine(std::ostream& Stream, const std::u16string& Text) {
  for (const std::uint8_t Byte : EncodeUtf8(Text)) Stream.put(static_cast<char>(Byte));
  Stream.put('\n');
}

}  // namespace

int RunTableCommand(std::span<const char* const> Args, std::ostream& Out, std::ostream& Err) {
  std::optional<BatchBlocks> Blocks = BatchBlocks::DAndHD;
  std::optional<std::string_view> File;
  for (std::size_t I = 0; I < Args.size() && Blocks; ++I) {
    const std::string_view Arg = Args[I];
    if (Arg == "--blocks" && I + 1 < Args.size()) {
      Blocks = ReadBlocks(Args[++I]);
    } else if (!File && !Arg.starts_with("-")) {
      File = Arg;
    } else {
      Blocks = std::nullopt;
    }
  }
  if (!Blocks || !File) {
    Err << TableUsage;
    return 2;
  }
  const std::u16string Path = DecodeUtf8(*File);
  const BatchOutcome Outcome = WriteBatchTable(Path, *Blocks, u".");
  const bool Written = Outcome == BatchOutcome::Written;
  WriteLine(Written ? Out : Err, BatchMessage(Outcome, Path));
  return Written ? 0 : 1;
}

}  // namespace merrith
