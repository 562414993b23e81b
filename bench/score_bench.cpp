// How long one dive's points take: the 11-judge synchro panel, the largest, with a missing
// award to replace and the three pools to cancel, and the 7-judge panel with a re-start; a
// meet of 100 divers x 11 dives scores 1,100 of them.
#include <benchmark/benchmark.h>

#include <array>
#include <optional>

#include "scoring/score_dive.h"

namespace {

using merrith::HalfPoints;

void BM_ScoreSynchroEleven(benchmark::State& State) {
  const std::array<std::optional<HalfPoints>, 11> Awards{14, 13, std::nullopt, 11, 11, 14,
                                                         16, 16, 15,           16, 14};
  for (auto _ : State) {
    const merrith::ScoredDive Dive =
        merrith::ScoreDive(merrith::Panel::SynchroEleven, Awards, {}, 28);
    benchmark::DoNotOptimize(Dive.Points);
  }
}
BENCHMARK(BM_ScoreSynchroEleven)->Repetitions(10)->ReportAggregatesOnly(true);

void BM_ScoreSevenRestart(benchmark::State& State) {
  const std::array<std::optional<HalfPoints>, 7> Awards{16, 15, 15, 15, 15, 15, 14};
  merrith::Decision Restart;
  Restart.Restart = true;
  for (auto _ : State) {
    const merrith::ScoredDive Dive = merrith::ScoreDive(merrith::Panel::Seven, Awards, Restart, 20);
    benchmark::DoNotOptimize(Dive.Points);
  }
}
BENCHMARK(BM_ScoreSevenRestart)->Repetitions(10)->ReportAggregatesOnly(true);

}  // namespace
