// How long a diver's sheet takes: an age group's list of 11 dives, none marked limited, so
// that the checker searches for its limited part; with and without its report; a list of a
// competition's file, read and checked as the competition does; and reading the built-in
// rules, which a program does once.
#include <benchmark/benchmark.h>

#include <string>

#include "report/sheet_report.h"
#include "sheets/check_sheet.h"
#include "sheets/event_book.h"

namespace {

// Platform: a limited part of five dives from five groups within 9.5, and six free dives,
// one of each group.
constexpr std::string_view ElevenDives =
    "[[event]]\nid = \"platform-11\"\ntitle = \"Platform, 11 dives\"\n"
    "heights = [\"5m\", \"7.5m\", \"10m\"]\ndives = 11\n"
    "limited = { dives = 5, different_groups = true, max_total_dd = 9.5 }\n"
    "free = { different_groups = true }\n"
    "\n[[event]]\nid = \"meet-11\"\ntitle = \"Eleven dives\"\nheights = [\"3m\"]\ndives = 11\n";

constexpr std::u16string_view Sheet =
    u"Event: platform-11\nDiver: A. Diver\n"
    u"101C 5m\n201C 5m\n301C 7.5m\n401C 7.5m\n5121D 5m\n612B 10m\n"
    u"105B 10m\n205C 10m\n305C 10m\n405C 10m\n5253B 10m\n";

// A diver's list in a competition's file: its dives alone, at the event's one height.
constexpr std::u16string_view MeetList =
    u"101B\n201B\n301B\n401B\n5132D\n103B\n203B\n303B\n403B\n5231D\n105B\n";

const merrith::EventBook& Book() {
  static const merrith::EventBook Events = [] {
    merrith::EventBook B = merrith::BuiltInEvents();
    merrith::AddRulesText(B, u"bench.toml", ElevenDives);
    return B;
  }();
  return Events;
}

void BM_CheckElevenDives(benchmark::State& State) {
  const merrith::EventBook& Events = Book();
  for (auto _ : State) {
    const merrith::CheckedSheet Checked = merrith::CheckSheetText(Sheet, Events);
    benchmark::DoNotOptimize(Checked.Total);
  }
  if (!merrith::CheckSheetText(Sheet, Events).Holds()) State.SkipWithError("the sheet breaks");
}
BENCHMARK(BM_CheckElevenDives)->Repetitions(10)->ReportAggregatesOnly(true);

// As a competition reads each diver's list: checked at the competition's event, without the
// dives' names, each dive read once for every list of the meet.
void BM_ReadAndCheckElevenDivesForMeet(benchmark::State& State) {
  const merrith::EventBook& Events = Book();
  merrith::DiveReadings Readings;
  const merrith::CheckParts Parts{.Names = false, .Readings = &Readings};
  const auto ReadAndCheck = [&] {
    merrith::SheetText List = merrith::ReadSheet(MeetList);
    List.EventId = u"meet-11";
    return merrith::CheckSheet(List, Events, merrith::DefaultBookId, Parts);
  };
  for (auto _ : State) {
    const merrith::CheckedSheet Checked = ReadAndCheck();
    benchmark::DoNotOptimize(Checked.Total);
  }
  if (!ReadAndCheck().Holds()) State.SkipWithError("the list breaks");
}
BENCHMARK(BM_ReadAndCheckElevenDivesForMeet)->Repetitions(10)->ReportAggregatesOnly(true);

void BM_CheckAndReportElevenDives(benchmark::State& State) {
  const merrith::EventBook& Events = Book();
  for (auto _ : State) {
    const std::u16string Report = merrith::SheetReport(merrith::CheckSheetText(Sheet, Events));
    benchmark::DoNotOptimize(Report.data());
  }
}
BENCHMARK(BM_CheckAndReportElevenDives)->Repetitions(10)->ReportAggregatesOnly(true);

void BM_ReadBuiltInEvents(benchmark::State& State) {
  for (auto _ : State) {
    const merrith::EventBook Events = merrith::BuiltInEvents();
    benchmark::DoNotOptimize(Events.Events.data());
  }
}
BENCHMARK(BM_ReadBuiltInEvents)->Repetitions(10)->ReportAggregatesOnly(true);

}  // namespace
