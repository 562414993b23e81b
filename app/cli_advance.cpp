#include <optional>
#include <string>
#include <string_view>

#include "cli_commands.h"
#include "cli_competition.h"
#include "cli_options.h"
#include "cli_rules.h"
#include "report/phase_report.h"
#include "scoring/advance.h"
#include "support/utf8.h"
#include "support/words.h"

namespace merrith::cli {
namespace {

constexpr Option TopOption{"--top",
                           "N",
                           false,
                           "how many go through: the divers placed up to the Nth place, and every\n"
                           "diver tied at it (2.1.7)",
                           [] { return ToUtf8(TopWords); },
                           [](std::string_view Text) {
                             return ReadWholeNumber(DecodeUtf8(Text), 1, MostTop).has_value();
                           }};
constexpr Option OutputOption{"-o", "NEXT", false,
                              "the file of the next phase, a competition in text form",
                              [] { return std::string("a file (see merrith-cli --help)"); }};
constexpr Choice<Phase> PhaseChoices[] = {
    {     "final",     Phase::Final},
    {"semi-final", Phase::SemiFinal},
};
constexpr Option PhaseOption{"--phase",
                             "PHASE",
                             false,
                             "the next phase: final (the default) or semi-final",
                             ChoiceWords<PhaseChoices>,
                             IsChoice<PhaseChoices>};
constexpr Option AdvanceEnd{
    "--", {}, false, "ends the options: the next argument is the competition"};
constexpr const Option* Options[] = {&TopOption,  &OutputOption, &PhaseOption,
                                     &SeedOption, &RulesOption,  &AdvanceEnd};

int RunAdvance(const CommandLine& Line, const Streams& Io) {
  if (!Line.Has(TopOption) || !Line.Has(OutputOption))
    return UsageError(Io, "advance takes --top N and -o NEXT (see merrith-cli --help)");
  const CommandBook Loaded = LoadCommandBook(Line, Io);
  const std::u16string Path = DecodeUtf8(Line.Operands[0]);
  const std::u16string Next = DecodeUtf8(Line.Last(OutputOption));
  const std::optional<Competition> C = ReadCommandCompetition(Path, Loaded.Book, Io);
  if (!C) return ExitWriteFailed;
  const std::optional<std::uint64_t> Seed = ChosenSeed(Line);
  if (!Seed) return Refuse(Io, u"the system gave no random seed: give one with --seed N");
  const AdvanceAsk Ask{
      ReadWholeNumber(DecodeUtf8(Line.Last(TopOption)), 1, MostTop).value_or(1),
      Line.Has(PhaseOption) ? ChosenValue<PhaseChoices>(Line.Last(PhaseOption)) : Phase::Final,
      *Seed};
  const Standings S = RankCompetition(*C);
  const AdvancedPhase A = AdvancePhase(*C, S, Ask);
  if (A.Fault != AdvanceFault::None) return Refuse(Io, Path + u": " + AdvanceFaultText(A.Fault));
  const NextPhaseWrite Written = WriteNextPhase(Path, *C, S, A, Next, Loaded.Book);
  if (!Written.Refusal.empty()) return Refuse(Io, Written.Refusal);
  if (!Written.Errors.empty()) {
    ReportErrors(Written.Errors, Next, Io);
    return ExitWriteFailed;
  }
  if (!Written.Written.Done()) return FileFailed(Io, Written.Written);
  const int Printed =
      WriteResults(Io, ToUtf8(AdvanceReport(*C, S, Ask, A) + u"\nWritten to " + Next + u".\n"));
  return Printed != ExitOk || Loaded.NamedFileFailed ? ExitWriteFailed : ExitOk;
}

}  // namespace

// advance --top N -o NEXT [--phase PHASE] [--seed N] [--rules FILE]... COMPETITION: the next
// phase of an event from a competition's standings, written to NEXT.
const Command AdvanceCommand{
    "advance",
    "--top N -o NEXT [--phase PHASE] [--seed N] [--rules FILE]... COMPETITION",
    "            writes the next phase of the event (2.1.2, 2.1.3, 2.3.3) to NEXT: the\n"
    "            top N of the standings and all tied with the Nth, from zero points, in\n"
    "            the reverse order of the standings (a tie for a place drawn), each with\n"
    "            their list (an age group's without its limited part, whose points are\n"
    "            carried: 12.4.5.1); the next two placed as reserves (2.1.6)\n",
    Options,
    1,
    1,
    "advance takes one competition (see merrith-cli --help)",
    RunAdvance};

}  // namespace merrith::cli
