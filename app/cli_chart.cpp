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

const std::string_view ChartHelp =
    "  chart [--heights H[,H]...] [--names|--no-names] [LIST]\n"
    "            writes the DD chart to the standard output, one HTML page to read on screen\n"
    "            or print: a table per board (springboard, platform, high diving), the dives\n"
    "            grouped as in the rule book, each with its DD in each position at each\n"
    "            height, or -. The dives are those listed in the file LIST (one dive number\n"
    "            per line, without its position letter, as table reads it; - for the\n"
    "            standard input), or without LIST every dive that list prints. A line that\n"
    "            names no dive, or ends in a position letter, is left out and named on\n"
    "            the standard error\n"
    "    --heights H  the heights to show, such as 3m,10m (default: all nine)\n"
    "    --names      the dive in words beside its number (the default)\n"
    "    --no-names   the numbers alone, for a narrower chart\n";

namespace {

constexpr std::string_view ChartUsage =
    "usage: merrith-cli chart [--heights H[,H]...] [--names|--no-names] [LIST]";

// The lines left out that are named one by one; the rest are counted.
constexpr std::size_t LeftOutNamed = 10;

struct ChartCommandLine {
  ChartChoice Choice;
  std::optional<std::string_view> List;
};

// The heights of a --heights value, such as 3m,10m; nothing when one is no height.
std::optional<std::vector<std::int32_t>> ReadHeights(std::string_view Value) {
  std::vector<std::int32_t> Chosen;
  for (std::size_t Start = 0; Start <= Value.size();) {
    const std::size_t End = std::min(Value.find(',', Start), Value.size());
    const Height* H = HeightCaptioned(Value.substr(Start, End - Start));
    if (H == nullptr) return std::nullopt;
    Chosen.push_back(H->Index);
    Start = End + 1;
  }
  return Chosen;
}

// The options and at most one list, in any order; nothing after a usage error, which is
// written to the error stream.
std::optional<ChartCommandLine> ReadChartCommandLine(std::span<const std::string_view> Args,
                                                     const Streams& Io) {
  ChartCommandLine Line{ChartDefaults(), std::nullopt};
  std::vector<std::string_view> Lists;
  bool OptionsEnded = false;
  for (std::size_t i = 0; i < Args.size(); ++i) {
    const std::string_view Arg = Args[i];
    if (OptionsEnded || !Arg.starts_with("-") || Arg == "-") {
      Lists.push_back(Arg);
    } else if (Arg == "--") {
      OptionsEnded = true;
    } else if (Arg == "--names" || Arg == "--no-names") {
      Line.Choice.Names = Arg == "--names";
    } else if (Arg == "--heights") {
      auto Chosen = i + 1 < Args.size() ? ReadHeights(Args[++i]) : std::nullopt;
      if (!Chosen) {
        UsageError(Io, "--heights takes heights joined by commas, of " + HeightChoices());
        return std::nullopt;
      }
      Line.Choice.Heights = std::move(*Chosen);
    } else {
      UsageError(Io, "unknown option for chart (see merrith-cli --help)");
      return std::nullopt;
    }
  }
  if (Lists.size() > 1) {
    UsageError(Io, ChartUsage);
    return std::nullopt;
  }
  if (!Lists.empty()) Line.List = Lists[0];
  return Line;
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

}  // namespace

int RunChart(std::span<const std::string_view> Args, const Streams& Io) {
  const std::optional<ChartCommandLine> Line = ReadChartCommandLine(Args, Io);
  if (!Line) return ExitUsage;
  std::optional<std::u16string> List;
  if (Line->List) {
    const std::optional<std::vector<std::uint8_t>> Bytes = ReadList(*Line->List, Io);
    if (!Bytes) return ExitWriteFailed;
    List = mFSO::DecodeText(*Bytes, mFSO::CodePageSystem);
  }
  const ChartPage Chart = ChartOfList(List, Line->Choice);
  SayLeftOut(Chart.LeftOut, Io);
  const std::vector<std::uint8_t> Page = EncodeUtf8(Chart.Html);
  return WriteResults(Io, {reinterpret_cast<const char*>(Page.data()), Page.size()});
}

}  // namespace merrith::cli
