// How long a competition of 100 divers x 11 dives takes: its file read (each list checked),
// every dive scored and the divers ranked, as the file (every diver with the same list, and
// each with its own; the latter also from its file on disk) and as its spreadsheet form; and its
// results page written.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>

#include "report/competition_faults.h"
#include "report/results_page.h"
#include "report/results_report.h"
#include "scoring/competition.h"
#include "scoring/competition_csv.h"
#include "scoring/standings.h"
#include "sheets/event_book.h"
#include "sheets/sheet_words.h"
#include "support/file_outcome.h"
#include "support/utf8.h"
#include "support/words.h"

namespace {

constexpr std::size_t Divers = 100;

// Eleven dives from 3 m, no two of one number.
constexpr std::u16string_view Dives[] = {u"101B", u"201B", u"301B", u"401B",  u"5132D", u"103B",
                                         u"203B", u"303B", u"403B", u"5231D", u"105B"};

const merrith::EventBook& Book() {
  static const merrith::EventBook Events = [] {
    merrith::EventBook B = merrith::BuiltInEvents();
    // The event is the competition's book's, as its lists are checked against that book.
    merrith::AddRulesText(
        B, u"bench.toml",
        "[book]\nid = \"fina-2017-2021\"\n\n[[event]]\nid = \"meet-11\"\ntitle = \"Eleven dives\"\n"
        "heights = [\"3m\"]\ndives = 11\n");
    return B;
  }();
  return Events;
}

// Diver D's dive in Round (from 1): the same list for every diver, or each diver's own (the
// eleven dives in another order, and some of the first four tucked: no two divers alike).
std::u16string DiveOf(std::size_t D, std::size_t Round, bool OwnLists) {
  if (!OwnLists) return std::u16string(Dives[Round - 1]);
  const std::size_t I = (Round - 1 + D) % std::size(Dives);
  std::u16string Code(Dives[I]);
  if (I < 4 && ((D / std::size(Dives)) >> I) % 2 == 1) Code.back() = u'C';
  return Code;
}

// The whole competition, every dive recorded on a panel of 7, awards varying by diver and round.
std::u16string MeetText(bool OwnLists = false) {
  std::u16string Text = u"Event: meet-11\nBook: fina-2017-2021\nPanel: 7\n";
  for (std::size_t D = 0; D < Divers; ++D) {
    Text += u"\nDiver: Diver " + merrith::NumberText(D) + u"\nTeam: Club " +
            merrith::NumberText(D % 7) + u"\n";
    for (std::size_t Round = 1; Round <= std::size(Dives); ++Round)
      Text += DiveOf(D, Round, OwnLists) + u"\n";
  }
  for (std::size_t Round = 1; Round <= std::size(Dives); ++Round)
    for (std::size_t D = 0; D < Divers; ++D) {
      Text += u"Round " + merrith::NumberText(Round) + u" | Diver " + merrith::NumberText(D) +
              u" | " + DiveOf(D, Round, OwnLists) + u" |";
      for (std::size_t J = 0; J < 7; ++J)
        Text += u" " + merrith::NumberText(4 + (D * 7 + Round * 3 + J) % 6) + u".5";
      Text += u"\n";
    }
  return Text;
}

merrith::Competition Meet() {
  const merrith::CompetitionRead Read = merrith::ReadCompetitionText(MeetText(), Book(), {});
  return Read.Read;
}

// Each iteration reads the competition with ReadIt, then ranks it (every dive scored).
template <class ReadFunction>
void ReadAndRankEach(benchmark::State& State, const ReadFunction& ReadIt) {
  for (auto _ : State) {
    const merrith::CompetitionRead Read = ReadIt();
    const merrith::Standings S = merrith::RankCompetition(Read.Read);
    benchmark::DoNotOptimize(S.Rows.data());
  }
}

// Reads, scores and ranks the competition file Text.
void ReadScoreAndRank(benchmark::State& State, const std::u16string& Text) {
  ReadAndRankEach(State, [&Text] { return merrith::ReadCompetitionText(Text, Book(), {}); });
  const merrith::CompetitionRead Read = merrith::ReadCompetitionText(Text, Book(), {});
  if (!Read.Ok())
    State.SkipWithError(merrith::ToUtf8(merrith::CompetitionErrorText(Read.Errors[0])).c_str());
  else if (merrith::RankCompetition(Read.Read).RoundsComplete != std::size(Dives))
    State.SkipWithError("the competition does not read whole");
}

void BM_ReadScoreAndRankFile(benchmark::State& State) { ReadScoreAndRank(State, MeetText()); }
BENCHMARK(BM_ReadScoreAndRankFile)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// Each diver's list its own, as at most meets: a hundred lists checked.
void BM_ReadScoreAndRankFileOwnLists(benchmark::State& State) {
  ReadScoreAndRank(State, MeetText(true));
}
BENCHMARK(BM_ReadScoreAndRankFileOwnLists)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The own-lists meet as the command reads it: from its file on disk, its bytes decoded.
void BM_ReadScoreAndRankFileFromDisk(benchmark::State& State) {
  const std::filesystem::path Dir = std::filesystem::temp_directory_path() /
                                    ("merrith-bench-" + std::to_string(std::random_device{}()));
  std::filesystem::create_directories(Dir);
  const std::u16string Path = (Dir / "meet.txt").u16string();
  if (!merrith::WriteFileBytes(Path, merrith::EncodeUtf8(MeetText(true))).Done())
    State.SkipWithError("the competition file cannot be written");
  else if (!merrith::ReadCompetitionFile(Path, Book()).Ok())
    State.SkipWithError("the competition file does not read");
  else
    ReadAndRankEach(State, [&Path] { return merrith::ReadCompetitionFile(Path, Book()); });
  std::filesystem::remove_all(Dir);
}
BENCHMARK(BM_ReadScoreAndRankFileFromDisk)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_ReadScoreAndRankCsv(benchmark::State& State) {
  const std::u16string Csv = merrith::CompetitionCsv(Meet());
  ReadAndRankEach(State, [&Csv] { return merrith::ReadCompetitionCsv(Csv); });
  if (!merrith::ReadCompetitionCsv(Csv).Ok()) State.SkipWithError("the spreadsheet does not read");
}
BENCHMARK(BM_ReadScoreAndRankCsv)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_ResultsPage(benchmark::State& State) {
  const merrith::Competition C = Meet();
  const merrith::Standings S = merrith::RankCompetition(C);
  for (auto _ : State) {
    const std::u16string Page = merrith::ResultsPage(C, S);
    benchmark::DoNotOptimize(Page.data());
  }
}
BENCHMARK(BM_ResultsPage)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
