#include "report/results_csv.h"

#include <map>

#include "report/batch_csv.h"
#include "scoring/competition_csv.h"
#include "sheets/sheet_words.h"
#include "support/words.h"

namespace merrith {
namespace {

void AppendRow(std::u16string& Out, const Entry& E, std::size_t Round, const RecordedDive* R,
               int Judges) {
  const ListedDive& D = E.Dives[Round - 1];
  const std::u16string Cells[] = {E.Diver,
                                  E.Team,
                                  NumberText(Round),
                                  D.Written.Code,
                                  D.HeightIndex != 0 ? HeightText(D.HeightIndex) : u"",
                                  D.DD ? TenthsText(*D.DD) : u"",
                                  R != nullptr ? DecisionText(R->Decided) : u""};
  for (const std::u16string& Cell : Cells) {
    if (&Cell != Cells) Out += u',';
    AppendCsvField(Out, Cell);
  }
  for (int J = 0; J < Judges; ++J) {
    Out += u',';
    // A missing award's dash is no formula: it is written bare, as a person types it.
    if (R != nullptr)
      Out += R->Awards[static_cast<std::size_t>(J)]
                 ? AwardText(*R->Awards[static_cast<std::size_t>(J)])
                 : u"-";
  }
  Out += u"\r\n";
}

}  // namespace

std::u16string CompetitionCsv(const Competition& C) {
  const int Judges = JudgesOf(C.Judges);
  std::u16string Out = u"\uFEFF";
  for (const std::u16string_view Name : CsvColumns) Out += std::u16string(Name) + u",";
  for (int J = 1; J <= Judges; ++J)
    Out += u"J" + NumberText(static_cast<std::size_t>(J)) + (J < Judges ? u"," : u"\r\n");
  std::map<std::pair<std::size_t, std::size_t>, const RecordedDive*> Recorded;
  std::size_t Rounds = 0;
  for (const RecordedDive& R : C.Recorded) Recorded[{R.Entry, R.Round}] = &R;
  for (const Entry& E : C.Entries) Rounds = std::max(Rounds, E.Dives.size());
  for (std::size_t Round = 1; Round <= Rounds; ++Round)
    for (std::size_t I = 0; I < C.Entries.size(); ++I) {
      if (C.Entries[I].Dives.size() < Round) continue;
      const auto Found = Recorded.find({I, Round});
      AppendRow(Out, C.Entries[I], Round, Found == Recorded.end() ? nullptr : Found->second,
                Judges);
    }
  return Out;
}

}  // namespace merrith
