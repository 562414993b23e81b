#include <optional>
#include <string>
#include <string_view>

#include "cli_commands.h"
#include "cli_competition.h"
#include "cli_options.h"
#include "cli_rules.h"
#include "report/competition_faults.h"
#include "report/phase_report.h"
#include "scoring/draw.h"
#include "scoring/event_engine.h"
#include "support/random_bytes.h"
#include "support/utf8.h"

namespace merrith::cli {

const Option SeedOption{
    "--seed",
    "N",
    false,
    "the seed of the draw, a whole number from 0 to 18446744073709551615;\n"
    "by default one from the system's random source, which is printed",
    [] { return ToUtf8(SeedWords); },
    [](std::string_view Text) { return ReadSeed(DecodeUtf8(Text)).has_value(); }};

std::optional<std::uint64_t> ChosenSeed(const CommandLine& Line) {
  if (Line.Has(SeedOption)) return ReadSeed(DecodeUtf8(Line.Last(SeedOption)));
  return SystemRandomSeed();
}

namespace {

constexpr Option DrawEnd{"--", {}, false, "ends the options: the next argument is the competition"};
constexpr const Option* Options[] = {&SeedOption, &RulesOption, &DrawEnd};

int RunDraw(const CommandLine& Line, const Streams& Io) {
  const CommandBook Loaded = LoadCommandBook(Line, Io);
  const std::u16string Path = DecodeUtf8(Line.Operands[0]);
  const std::optional<std::uint64_t> Seed = ChosenSeed(Line);
  if (!Seed) return Refuse(Io, u"the system gave no random seed: give one with --seed N");
  CEventEngine Engine(Loaded.Book);
  const OpenAnswer Opened = Engine.Open(Path);
  ReportNotes(Opened.Notes, Path, Io);
  if (!Opened.Opened) {
    ReportErrors(Opened.Errors, Path, Io);
    return ExitWriteFailed;
  }
  if (!Opened.Holder.empty())
    return Refuse(Io,
                  Path + u" is being recorded by " + Opened.Holder + u": the draw is not written");
  const EngineAnswer Drawn = Engine.Draw(*Seed);
  switch (Drawn.Step) {
    case EngineStep::Done:
      break;
    case EngineStep::ReadOnly:
      return Refuse(Io, Path + u" is being recorded by another program: the draw is not written");
    case EngineStep::Refused:
      return Refuse(Io, Path + u": " + CompetitionFaultText(Drawn.Fault->Why, Drawn.Fault->Values));
    case EngineStep::Clash:
      return Refuse(Io, FileClashText(Drawn.Clash, Path));
    case EngineStep::WriteFailed:
      return FileFailed(Io, Drawn.Written);
  }
  const int Written = WriteResults(Io, ToUtf8(DrawReport(Engine.Held())));
  return Written != ExitOk || Loaded.NamedFileFailed ? ExitWriteFailed : ExitOk;
}

}  // namespace

// draw [--seed N] [--rules FILE]... COMPETITION: the divers of a competition with no dive
// recorded put in the order of a draw, written into the file with the seed.
const Command DrawCommand{
    "draw",
    "[--seed N] [--rules FILE]... COMPETITION",
    "            draws the starting order of a competition file with no dive recorded\n"
    "            (2.1.1): its divers in the order of the draw, and Draw: seed N, written\n"
    "            into the file, every other line as it was; prints the draw. The same\n"
    "            seed and divers give the same order on every system\n",
    Options,
    1,
    1,
    "draw takes one competition (see merrith-cli --help)",
    RunDraw};

}  // namespace merrith::cli
