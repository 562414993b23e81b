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

namespace {

// The FILE that stands for the standard input and output.
constexpr std::string_view StandardStreams = "-";

struct TableCommandLine {
  BatchBlocks Blocks = BatchBlocks::DAndHD;
  BatchFormat Format = BatchFormat::Html;
  std::string_view File;
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

constexpr Option Blocks{"--blocks",
                        "B",
                        false,
                        "D (1m to 10m), HD (12m to 27m) or D+HD (both, the default)",
                        ChoiceWords<BlocksChoices>,
                        IsChoice<BlocksChoices>};
constexpr Option Format{"--format",
                        "F",
                        false,
                        "html (the default) or csv: FILE.csv for spreadsheets, UTF-8 with a\n"
                        "byte-order mark and CR LF line ends; a header row (code,1m A,1m B,...),\n"
                        "then a row per listed code, an empty field where the HTML shows -, and\n"
                        "an apostrophe before a code that begins like a formula (= + - @)",
                        ChoiceWords<FormatChoices>,
                        IsChoice<FormatChoices>};
constexpr Option FileEnd{"--", {}, false, "ends the options: the next argument is the file"};
constexpr const Option* Options[] = {&Blocks, &Format, &FileEnd};

// The options and the one file as the table wants them.
TableCommandLine ChosenForTable(const CommandLine& Line) {
  TableCommandLine Chosen;
  if (Line.Has(Blocks)) Chosen.Blocks = ChosenValue<BlocksChoices>(Line.Last(Blocks));
  if (Line.Has(Format)) Chosen.Format = ChosenValue<FormatChoices>(Line.Last(Format));
  Chosen.File = Line.Operands[0];
  return Chosen;
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

// Says on the error stream that the list could not be read or the table not written.
int FileError(BatchOutcome Outcome, const TableCommandLine& Line, const Streams& Io) {
  const std::string Message = Utf8Line(BatchMessage(Outcome, u"", Line.Format));
  std::fwrite(Message.data(), 1, Message.size(), Io.Err);
  return ExitWriteFailed;
}

// The list from the standard input, the table to the output stream and nothing else there.
int TableOfStandardInput(const TableCommandLine& Line, const Streams& Io) {
  std::vector<std::uint8_t> List;
  if (mFSO::ReadStandardInput(List) != 0) return FileError(BatchOutcome::ReadFailed, Line, Io);
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
  const BatchOutcome Outcome = WriteBatchTable(Path, Line.Blocks, Line.Format, u".", &Lettered);
  SayLettered(Lettered, Io);
  if (Outcome != BatchOutcome::Written) return FileError(Outcome, Line, Io);
  return WriteResults(Io, Utf8Line(BatchMessage(Outcome, Path, Line.Format)));
}

int RunTable(const CommandLine& Given, const Streams& Io) {
  const TableCommandLine Line = ChosenForTable(Given);
  if (Line.File == StandardStreams) return TableOfStandardInput(Line, Io);
  return TableOfFile(Line, Io);
}

}  // namespace

// table [--blocks D|HD|D+HD] FILE: writes FILE.htm, the table of DDs of the dive numbers
// listed in FILE, and names it on the output stream; "File Error!!!" on the error stream and
// ExitWriteFailed when FILE cannot be read or FILE.htm not written.
const Command TableCommand{
    "table",
    "[--blocks D|HD|D+HD] [--format html|csv] FILE",
    "            writes FILE.htm: one HTML table of the DD of every dive number listed in\n"
    "            FILE (one per line, without its position letter) at every height and\n"
    "            position, as the window's batch buttons do. FILE - reads the list from the\n"
    "            standard input and writes the table to the standard output, so that\n"
    "              merrith-cli list | merrith-cli table - > all.htm\n"
    "            writes the table of every dive (a file named - is ./-). A listed line that\n"
    "            already ends in a position letter (5253B) is named on the standard error.\n",
    Options,
    1,
    1,
    {},
    RunTable};

}  // namespace merrith::cli
