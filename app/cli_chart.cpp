#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli_commands.h"
#include "difficulty/heights.h"
#include "report/chart_file.h"
#include "support/file_bytes.h"
#include "support/text_decoding.h"
#include "support/utf8.h"

namespace merrith::cli {

namespace {

// The lines left out that are named one by one; the rest are counted.
constexpr std::size_t LeftOutNamed = 10;

// The heights of a --heights value, such as 3m,10m; nothing when one is no height.
std::optional<std::vector<std::int32_t>> ReadHeights(std::string_view Value) {
  std::vector<std::int32_t> Chosen;
  for (std::size_t Start = 0; Start <= Value.size();) {
    const std::size_t End = std::min(Value.find(',', Start), Value.size());
    const Height* H = HeightNamed(Value.substr(Start, End - Start));
    if (H == nullptr) return std::nullopt;
    Chosen.push_back(H->Index);
    Start = End + 1;
  }
  return Chosen;
}

constexpr Option HeightsShown{
    "--heights",
    "H",
    false,
    "the heights to show, such as 3m,10m (default: all nine)",
    [] { return "heights joined by commas, of " + HeightChoices(); },
    [](std::string_view Value) { return ReadHeights(Value).has_value(); }};
constexpr Option Names{"--names", {}, false, "the dive in words beside its number (the default)"};
constexpr Option NoNames{"--no-names", {}, false, "the numbers alone, for a narrower chart"};
constexpr Option ListEnd{"--", {}, false, "ends the options: the next argument is the list"};
constexpr const Option* Options[] = {&HeightsShown, &Names, &NoNames, &ListEnd};

// The chart's choices: the defaults, then the options in the order given (the last of --names
// and --no-names counts).
ChartChoice ChosenForChart(const CommandLine& Line) {
  ChartChoice Choice = ChartDefaults();
  if (Line.Has(HeightsShown)) Choice.Heights = *ReadHeights(Line.Last(HeightsShown));
  for (const CommandLine::Given& G : Line.Options)
    if (G.Is == &Names || G.Is == &NoNames) Choice.Names = G.Is == &Names;
  return Choice;
}

void WriteUtf8(std::FILE* To, std::u16string_view Text) {
  const std::vector<std::uint8_t> Bytes = EncodeUtf8(Text);
  std::fwrite(Bytes.data(), 1, Bytes.size(), To);
}

// Names on the error stream the first lines left out, and counts the others.
void SayLeftOut(const std::vector<LeftOutLine>& LeftOut, const Streams& Io) {
  for (std::size_t I = 0; I < LeftOut.size() && I < LeftOutNamed; ++I) {
    WriteUtf8(Io.Err, u"merrith-cli: " + LeftOutMessage(LeftOut[I]) + u", left out\n");
  }
  if (LeftOut.size() > LeftOutNamed) {
    const std::size_t More = LeftOut.size() - LeftOutNamed;
    const std::string Lines = More == 1 ? " more line" : " more lines";
    std::fputs(("merrith-cli: " + std::to_string(More) + Lines + " left out\n").c_str(), Io.Err);
  }
}

// The bytes of the list named List, "-" for the standard input; nothing when it cannot be
// read, which is said on the error stream.
std::optional<std::vector<std::uint8_t>> ReadList(std::string_view List, const Streams& Io) {
  std::vector<std::uint8_t> Bytes;
  const FileOutcome Read =
      List == "-" ? ReadStandardInputBytes(Bytes) : ReadFileBytes(DecodeUtf8(List), Bytes);
  if (Read.Done()) return Bytes;
  FileFailed(Io, Read);
  return std::nullopt;
}

int RunChart(const CommandLine& Line, const Streams& Io) {
  std::optional<std::u16string> List;
  if (!Line.Operands.empty()) {
    const std::optional<std::vector<std::uint8_t>> Bytes = ReadList(Line.Operands[0], Io);
    if (!Bytes) return ExitWriteFailed;
    List = mFSO::DecodeText(*Bytes, mFSO::CodePageSystem);
  }
  const ChartPage Chart = ChartOfList(List, ChosenForChart(Line));
  SayLeftOut(Chart.LeftOut, Io);
  const std::vector<std::uint8_t> Page = EncodeUtf8(Chart.Html);
  return WriteResults(Io, {reinterpret_cast<const char*>(Page.data()), Page.size()});
}

}  // namespace

// chart [--heights H[,H]...] [--names|--no-names] [LIST]: the DD chart of the dives of LIST,
// or of every dive, as one HTML page on the output stream; the lines of LIST that name no
// dive on the error stream; ExitWriteFailed when LIST cannot be read.
const Command ChartCommand{
    "chart",
    "[--heights H[,H]...] [--names|--no-names] [LIST]",
    "            writes the DD chart to the standard output, one HTML page to read on screen\n"
    "            or print: a table per board (springboard, platform, high diving), the dives\n"
    "            grouped as in the rule book, each with its DD in each position at each\n"
    "            height, or -. The dives are those listed in the file LIST (one dive number\n"
    "            per line, without its position letter, as table reads it; - for the\n"
    "            standard input), or without LIST every dive that list prints. A line that\n"
    "            names no dive, or ends in a position letter, is left out and named on\n"
    "            the standard error\n",
    Options,
    0,
    1,
    {},
    RunChart};

}  // namespace merrith::cli
