#include "report/score_report.h"

#include "sheets/sheet_words.h"
#include "support/words.h"

namespace merrith {

std::u16string_view SeatWords(Seat S) {
  switch (S) {
    case Seat::Judge:
      return u"";
    case Seat::ExecutionDiver1:
      return u"execution, diver 1";
    case Seat::ExecutionDiver2:
      return u"execution, diver 2";
    case Seat::Synchronisation:
      return u"synchronisation";
  }
  return u"";
}

namespace {

std::u16string PaddedLeft(std::u16string_view Text, std::size_t Width) {
  return std::u16string(Width > Text.size() ? Width - Text.size() : 0, u' ') + std::u16string(Text);
}

std::u16string PaddedRight(std::u16string_view Text, std::size_t Width) {
  std::u16string Out(Text);
  if (Out.size() < Width) Out.resize(Width, u' ');
  return Out;
}

// One line a judge: seat number, what the seat watches (synchro), the award as given and as
// it counts, and whether it was cancelled or replaced.
std::u16string JudgeLines(Panel P, std::span<const std::optional<HalfPoints>> Awards,
                          const ScoredDive& Dive) {
  const bool Synchro = IsSynchro(P);
  std::u16string Text =
      u"Judge  " + (Synchro ? PaddedRight(u"Seat", 20) : u"") + u"Given  Counts\n";
  for (std::size_t I = 0; I < Dive.Awards.size(); ++I) {
    std::u16string Line = PaddedLeft(NumberText(I + 1), 5) + u"  ";
    if (Synchro) Line += PaddedRight(SeatWords(SeatOf(P, static_cast<int>(I))), 18) + u"  ";
    Line += PaddedLeft(Awards[I] ? AwardText(*Awards[I]) : u"-", 5) + u"  ";
    Line += PaddedLeft(AwardText(Dive.Awards[I]), 6);
    if (Dive.Cancelled[I]) Line += u"  cancelled";
    if (Dive.Replaced[I]) Line += u"  missing: the average of the others";
    Text += Line + u"\n";
  }
  return Text;
}

// "7.5 + 7.5 + 7.5 = 22.5"
std::u16string KeptSum(const ScoredDive& Dive) {
  std::u16string Kept;
  for (std::size_t I = 0; I < Dive.Awards.size(); ++I)
    if (!Dive.Cancelled[I]) AppendJoined(Kept, u" + ", AwardText(Dive.Awards[I]));
  return Kept + u" = " + AwardText(Dive.Sum);
}

}  // namespace

std::u16string ScoreExplanation(Panel P, std::span<const std::optional<HalfPoints>> Awards,
                                const Decision& Decided, DdTenths DD, const ScoredDive& Dive) {
  std::u16string Text = JudgeLines(P, Awards, Dive);
  if (const std::u16string Words = DecisionText(Decided); !Words.empty())
    Text += u"Decision: " + Words + u"\n";
  if (Dive.Failed) {
    Text += u"Points:   0.00, a failed dive";
    if (!Decided.Failed)
      Text +=
          u": every execution judge of one diver, or every synchronisation judge, awards 0"
          u" (9.9, 9.11)";
    return Text + u"\n";
  }
  Text += u"Kept:     " + KeptSum(Dive) + u"\n";
  Text += u"Points:   " + AwardText(Dive.Sum) + (IsSynchro(P) ? u" / 5 x 3" : u"") + u" x " +
          TenthsText(DD) + u" = " + PointsText(Dive.Points) + u"\n";
  return Text;
}

}  // namespace merrith
