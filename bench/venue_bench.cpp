// The venue's server on loopback, as a synchronised final uses it: 11 pads and the referee's
// screen, 100 dives. For each dive every pad sends its award and the referee accepts once all are
// in. Measured: from a pad's send to the award on the referee's screen, from the acceptance to the
// last pad showing every award, and the server's memory. A benchmark, not a test: it prints
// figures and checks nothing beyond each dive being recorded.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "file_test_folder.h"
#include "scoring/event_engine.h"
#include "scoring/judging.h"
#include "venue/event_queue.h"
#include "venue/venue.h"
#include "venue_client.h"

namespace {

using namespace merrith;
using namespace merrith::testing;
using Clock = std::chrono::steady_clock;

constexpr int Pairs = 20;
constexpr int Rounds = 5;
constexpr int Pads = 11;

std::string FinalText() {
  std::string Text = "Event: synchro-women-3m\nPanel: 11\n\n";
  for (int P = 1; P <= Pairs; ++P)
    Text += "Diver: Ann " + std::to_string(P) + " / Bea " + std::to_string(P) +
            "\n101A 2.0\n201A 2.0\n305C\n405C\n5253B\n";
  return Text;
}

double Millis(Clock::duration D) { return std::chrono::duration<double, std::milli>(D).count(); }

double Percentile(std::vector<double> Values, double P) {
  std::sort(Values.begin(), Values.end());
  const auto At = static_cast<std::size_t>(P * static_cast<double>(Values.size() - 1) + 0.5);
  return Values[At];
}

// The resident set of this process, in KiB, as Linux counts it; 0 elsewhere.
long ResidentKiB() {
  std::ifstream Status("/proc/self/status");
  std::string Word;
  while (Status >> Word)
    if (Word == "VmRSS:") {
      long KiB = 0;
      Status >> KiB;
      return KiB;
    }
  return 0;
}

}  // namespace

int main() {
  TestFolder Dir;
  const std::string Text = FinalText();
  Dir.Put("final.txt", {Text.begin(), Text.end()});
  const EventBook Events = BuiltInEvents();
  CEventEngine Engine(Events);
  const OpenAnswer Opened = Engine.Open(Dir.Text("final.txt"));
  if (!Opened.Opened) {
    std::fprintf(stderr, "venue_bench: the final does not read\n");
    return 1;
  }
  const long Before = ResidentKiB();
  CJudgingRoom Room(Engine);
  CEventQueue Queue;
  CVenue Server(Room, [&Queue](std::function<void()> Task) { Queue.Post(std::move(Task)); });
  VenueOptions Options;
  Options.Address = "127.0.0.1";
  Options.Port = 0;
  const VenueStart Started = Server.Start(Options);
  if (!Started.Started) {
    std::fprintf(stderr, "venue_bench: %s\n", Started.Why.c_str());
    return 1;
  }
  const std::vector<SeatCard> Cards = Server.Cards();
  std::thread Owner([&Queue] { Queue.Run(); });
  const auto KeyOf = [&Cards](std::size_t Card) {
    return Cards[Card].Url.substr(Cards[Card].Url.find('#') + 1);
  };
  CTestDevice Referee(Started.Port);
  Referee.Say({
      {"kind",     "hello"},
      { "key", KeyOf(Pads)}
  });
  std::vector<std::unique_ptr<CTestDevice>> Devices;
  for (std::size_t Seat = 0; Seat < Pads; ++Seat) {
    Devices.push_back(std::make_unique<CTestDevice>(Started.Port));
    Devices.back()->Say({
        {"kind",     "hello"},
        { "key", KeyOf(Seat)}
    });
    Devices.back()->Until("state");
  }
  std::vector<double> SendToReferee;
  std::vector<double> AcceptToPads;
  int Recorded = 0;
  for (int Round = 1; Round <= Rounds; ++Round)
    for (int Pair = 0; Pair < Pairs; ++Pair) {
      const Json Dive = {
          {"diver",  Pair},
          {"round", Round}
      };
      for (std::size_t Seat = 0; Seat < Pads; ++Seat) {
        const Clock::time_point Sent = Clock::now();
        Devices[Seat]->Say({
            { "kind", "award"},
            { "dive",    Dive},
            {"award",       7}
        });
        Referee.Until("state", [Seat, &Dive](const Json& M) {
          return M["dive"]["diver"] == Dive["diver"] && M["seats"][Seat]["state"] == "received";
        });
        SendToReferee.push_back(Millis(Clock::now() - Sent));
      }
      const Clock::time_point Accepted = Clock::now();
      Referee.Say({
          {"kind", "accept"},
          {"dive",     Dive}
      });
      for (auto& Pad : Devices)
        Pad->Until("state", [&Dive](const Json& M) {
          return M["shown"].is_object() && M["shown"]["diver"] == Dive["diver"] &&
                 M["shown"]["round"] == Dive["round"];
        });
      AcceptToPads.push_back(Millis(Clock::now() - Accepted));
      ++Recorded;
    }
  const long During = ResidentKiB();
  Queue.Post([&Server, &Queue] {
    Server.Stop();
    Queue.Quit();
  });
  Owner.join();
  std::printf("venue_bench: %d pads, %d dives recorded of %d\n", Pads,
              static_cast<int>(Engine.Held().Recorded.size()), Recorded);
  std::printf("send to referee:  p50 %.2f ms  p99 %.2f ms  max %.2f ms  (%zu awards)\n",
              Percentile(SendToReferee, 0.5), Percentile(SendToReferee, 0.99),
              Percentile(SendToReferee, 1.0), SendToReferee.size());
  std::printf("accept to pads:   p50 %.2f ms  p99 %.2f ms  max %.2f ms  (%zu dives)\n",
              Percentile(AcceptToPads, 0.5), Percentile(AcceptToPads, 0.99),
              Percentile(AcceptToPads, 1.0), AcceptToPads.size());
  std::printf("memory: %ld KiB resident before the server, %ld KiB with it and 12 devices\n",
              Before, During);
  return Engine.Held().Recorded.size() == static_cast<std::size_t>(Pairs * Rounds) ? 0 : 1;
}
