// How long one DD takes: CalcDD and CalcHDD over a mix of real dive numbers at every height.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "difficulty/calc_dd.h"
#include "difficulty/calc_hdd.h"
#include "difficulty/dive_code.h"
#include "difficulty/heights.h"

namespace {

// Dives from a meet's sheets: forward, back, reverse, inward, twisting and armstand, a few
// written in brackets or lower case, and a few that no height allows.
const std::u16string Codes[] = {
    u"101A",  u"103B",     u"105B",  u"107C",  u"109C",   u"10(11)C", u"112B",  u"201A",
    u"203C",  u"205B",     u"207C",  u"301B",  u"305C",   u"307C",    u"401B",  u"403C",
    u"405C",  u"407C",     u"5132D", u"5152B", u"5253B",  u"5337D",   u"5355b", u"5172B",
    u"612B",  u"614C",     u"626C",  u"6243D", u"600A",   u"104B",    u"204C",  u"5141B",
    u"5269D", u"51(12)1B", u"1010B", u"105D",  u"5132MB", u"",
};

// Every code at every height, each with the calculator that height uses.
struct Call {
  std::u16string Code;
  std::int32_t HeightIndex;
};

std::vector<Call> AllCalls() {
  std::vector<Call> Calls;
  for (const merrith::Height& H : merrith::Heights)
    for (const std::u16string& Code : Codes) Calls.push_back({Code, H.Index});
  return Calls;
}

void BM_DdOfOneDive(benchmark::State& State) {
  const std::vector<Call> Calls = AllCalls();
  std::size_t i = 0;
  for (auto _ : State) {
    const Call& C = Calls[i];
    const double Dd = C.HeightIndex <= merrith::HeightIndexLastPlatform
                          ? merrith::CalcDD(C.Code, C.HeightIndex)
                          : merrith::CalcHDD(C.Code, C.HeightIndex);
    benchmark::DoNotOptimize(Dd);
    i = i + 1 == Calls.size() ? 0 : i + 1;
  }
}
BENCHMARK(BM_DdOfOneDive)->Repetitions(10)->ReportAggregatesOnly(true);

}  // namespace
