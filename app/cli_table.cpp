#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli_commands.h"
#include "report/batch_document.h"
#include "support/file_bytes.h"
#include "support/utf8.h"

namespace merrith::cli {

const std::string_view TableHelp =
    "  table [--blocks D|HD|D+HD] [--format html|csv] FILE\n"
    "            writes FILE.htm: one HTML table of the DD of every dive number listed in\n"
    "            FILE (one per line, without its position letter) at every height and\n"
    "            position, as the window's batch buttons do. FILE - reads the list from the\n"
    "            standard input and writes the table to the standard output, so that\n"
    "              merrith-cli list | merrith-cli table - > all.htm\n"
    "            writes the table of every dive (a file named - is ./-). A listed line that\n"
    "            already ends in a position letter (5253B) is named on the standard error.\n"
    "    --blocks B  D (1m to 10m), HD (12m to 27m) or D+HD (both, the default)\n"
    "    --format F  html (the default) or csv: FILE.csv for spreadsheets, UTF-8 with a\n"
    "                byte-order mark and CR LF line ends; a header row (code,1m A,1m B,...),\n"
    "                then a row per listed code, an empty field where the HTML shows -, and\n"
    "                an apostrophe before a code that begins like a formula (= + - @)\n"
    "    --          ends the options: the next argument is the file\n";

namespace {

constexpr std::string_view TableUsage =
    "usage: merrith-cli table [--blocks D|HD|D+HD] [--format html|csv] FILE";

// The FILE that stands for the standard input and output.
constexpr std::string_view StandardStreams = "-";

struct TableCommandLine {
  BatchBlocks Blocks = BatchBlocks::DAndHD;
  BatchFormat Format = BatchFormat::Html;
  std::string_view File;
};

// A value an option takes, by the name given on the command line.
template <class Value>
struct Choice {
  std::string_view Name;
  Value Is;
};

constexpr Choice<BatchBlocks> BlocksChoices[] = {
    {   "D",      BatchBlocks::D},
    {  "HD",     BatchBlocks::HD},
    {"D+HD", BatchBlocks::DAndHD},
};
constexpr Choice<BatchFormat> FormatChoices[] = {
    {"html", BatchFormat::Html},
    { "csv",  BatchFormat::Csv},
};

// Reads the value of Option, the argument after Args[i], into Value and moves i onto it; false
// after a usage error naming the choices.
template <class Value, std::size_t Count>
bool ReadChoice(std::string_view Option, const Choice<Value> (&Choices)[Count],
                std::span<const std::string_view> Args, std::size_t& i, Value& Read,
                const Streams& Io) {
  for (const Choice<Value>& C : Choices)
    if (i + 1 < Args.size() && Args[i + 1] == C.Name) {
      Read = C.Is;
      ++i;
      return true;
    }
  std::string Names;
  for (const Choice<Value>& C : Choices) Names.append(" ").append(C.Name);
  UsageError(Io, std::string(Option) + " takes one of" + Names);
  return false;
}

// The options and the one file, in any order; nothing after a usage error, which is written
// to the error stream.
std::optional<TableCommandLine> ReadTableCommandLine(std::span<const std::string_view> Args,
                                                     const Streams& Io) {
  TableCommandLine Line;
  std::vector<std::string_view> Files;
  bool OptionsEnded = false;
  for (std::size_t i = 0; i < Args.size(); ++i) {
    const std::string_view Arg = Args[i];
    if (OptionsEnded || !Arg.starts_with("-") || Arg == StandardStreams) {
      Files.push_back(Arg);
    } else if (Arg == "--") {
      OptionsEnded = true;
    } else if (Arg == "--blocks") {
      if (!ReadChoice(Arg, BlocksChoices, Args, i, Line.Blocks, Io)) return std::nullopt;
    } else if (Arg == "--format") {
      if (!ReadChoice(Arg, FormatChoices, Args, i, Line.Format, Io)) return std::nullopt;
    } else {
      UsageError(Io, "unknown option for table (see merrith-cli --help)");
      return std::nullopt;
    }
  }
  if (Files.size() != 1) {
    UsageError(Io, TableUsage);
    return std::nullopt;
  }
  Line.File = Files[0];
  return Line;
}

std::string Utf8Line(std::u16string_view Text) {
  const std::vector<std::uint8_t> Bytes = EncodeUtf8(Text);
  return std::string(Bytes.begin(), Bytes.end()) + "\n";
}

// A listed line as the error stream shows it: its control characters, which a terminal would
// obey, as U+FFFD.
std::string PrintableLine(std::u16string_view Code) {
  std::u16string Shown(Code);
  for (char16_t& Unit : Shown)
    if (Unit < 0x20 || (Unit >= 0x7F && Unit < 0xA0)) Unit = ReplacementChar;
  const std::vector<std::uint8_t> Bytes = EncodeUtf8(Shown);
  return std::string(Bytes.begin(), Bytes.end());
}

// Says on the error stream which lines of the list end in a position letter, whose rows are
// not what the user meant; the table itself is as it would be without this.
void SayLettered(const LetteredLines& Lettered, const Streams& Io) {
  std::string Said;
  for (const LetteredLines::Line& L : Lettered.First)
    Said += "merrith-cli: line " + std::to_string(L.Number) +
            " ends in a position letter: " + PrintableLine(L.Code) +
            " (the table adds each letter itself)\n";
  if (Lettered.Count > Lettered.First.size())
    Said += "merrith-cli: " + std::to_string(Lettered.Count - Lettered.First.size()) +
            " more lines end in a position letter\n";
  std::fputs(Said.c_str(), Io.Err);
}

// Says on the error stream that the list could not be read or the table not written: the
// batch table's message, then the file and the reason.
int FileError(const FileOutcome& Outcome, const TableCommandLine& Line, const Streams& Io) {
  const std::string Message = Utf8Line(BatchMessage(Outcome, u"", Line.Format));
  std::fwrite(Message.data(), 1, Message.size(), Io.Err);
  return FileFailed(Io, Outcome);
}

// The list from the standard input, the table to the output stream and nothing else there.
int TableOfStandardInput(const TableCommandLine& Line, const Streams& Io) {
  std::vector<std::uint8_t> List;
  if (const FileOutcome Read = ReadStandardInputBytes(List); !Read.Done())
    return FileError(Read, Line, Io);
  LetteredLines Lettered;
  const std::vector<std::uint8_t> Page =
      BatchDocumentBytes(List, Line.Blocks, Line.Format, u".", &Lettered);
  SayLettered(Lettered, Io);
  return WriteResults(Io, {reinterpret_cast<const char*>(Page.data()), Page.size()});
}

// The list from the file, the table to the file beside it, and its name on the output stream.
int TableOfFile(const TableCommandLine& Line, const Streams& Io) {
  const std::u16string Path = DecodeUtf8(Line.File);
  LetteredLines Lettered;
  const FileOutcome Outcome = WriteBatchTable(Path, Line.Blocks, Line.Format, u".", &Lettered);
  SayLettered(Lettered, Io);
  if (!Outcome.Done()) return FileError(Outcome, Line, Io);
  return WriteResults(Io, Utf8Line(BatchMessage(Outcome, Path, Line.Format)));
}

}  // namespace

int RunTable(std::span<const std::string_view> Args, const Streams& Io) {
  const std::optional<TableCommandLine> Line = ReadTableCommandLine(Args, Io);
  if (!Line) return ExitUsage;
  if (Line->File == StandardStreams) return TableOfStandardInput(*Line, Io);
  return TableOfFile(*Line, Io);
}

}  // namespace merrith::cli
