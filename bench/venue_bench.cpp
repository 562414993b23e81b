// The venue's server on loopback, as a synchronised final uses it: 11 pads and the referee's
// screen, 100 dives. For each dive every pad sends its award and the referee accepts once all are
// in. 500 clients of the event stream (the live results on the spectators' phones) follow in a
// process of their own, so that the server's memory is its own. Measured: from a pad's send to
// the award on the referee's screen, from the acceptance to the last pad showing every award,
// from the acceptance to the 500th client holding the event, and the server's memory. A
// benchmark, not a test: it prints figures and checks nothing beyond each dive being recorded.

#include <algorithm>
#include <array>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

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
constexpr int Watchers = 500;

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

// The spectators' phones: Watchers clients of /events on one thread. For each accepted dive,
// once every client holds its event, the time (the steady clock, the same in both processes)
// goes down the pipe Told.
void Watch(std::uint16_t Port, int Told) {
  asio::io_context Io;
  struct Client {
    explicit Client(asio::io_context& Io) : Socket(Io) {}
    tcp::socket Socket;
    std::array<char, 16384> Bytes{};
    std::string Held;
    std::size_t Accepted = 0;
  };
  std::vector<std::unique_ptr<Client>> Clients;
  // How many clients hold the state (at [0]) and the accepted event of each dive (at [k]).
  std::vector<std::size_t> Holding(Pairs * Rounds + 1, 0);
  const auto Tell = [Told] {
    const auto Now = Clock::now().time_since_epoch().count();
    return write(Told, &Now, sizeof Now) == sizeof Now;
  };
  const std::string Ask = "GET /events HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n";
  std::function<void(Client&)> Read = [&](Client& C) {
    C.Socket.async_read_some(
        asio::buffer(C.Bytes), [&, Self = &C](beast::error_code Failed, std::size_t Got) {
          if (Failed) return;
          Self->Held.append(Self->Bytes.data(), Got);
          for (std::size_t End; (End = Self->Held.find("\n\n")) != std::string::npos;) {
            const std::string_view Event(Self->Held.data(), End);
            const bool Counts = Event.find("\nevent: state") != std::string_view::npos ||
                                Event.find("\nevent: accepted") != std::string_view::npos;
            if (Counts && Self->Accepted < Holding.size() &&
                ++Holding[Self->Accepted++] == Clients.size() && !Tell())
              return;
            Self->Held.erase(0, End + 2);
          }
          Read(*Self);
        });
  };
  for (int I = 0; I < Watchers; ++I) {
    Clients.push_back(std::make_unique<Client>(Io));
    Client& C = *Clients.back();
    beast::error_code Failed;
    C.Socket.connect({asio::ip::make_address("127.0.0.1"), Port}, Failed);
    if (!Failed) asio::write(C.Socket, asio::buffer(Ask), Failed);
    if (!Failed) Read(C);
  }
  Io.run();
}

// The time a client process wrote down the pipe From; 0 where it wrote none.
Clock::rep Heard(int From) {
  Clock::rep When = 0;
  return read(From, &When, sizeof When) == sizeof When ? When : 0;
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
  // The clients of the event stream in a process of their own, which touches nothing of this
  // one's but the server's port and the pipe.
  int Pipe[2];
  if (pipe(Pipe) != 0) return 1;
  const pid_t Phones = fork();
  if (Phones == 0) {
    close(Pipe[0]);
    Watch(Started.Port, Pipe[1]);
    _exit(0);
  }
  close(Pipe[1]);
  Heard(Pipe[0]);
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
  std::vector<double> AcceptToWatchers;
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
      AcceptToWatchers.push_back(
          Millis(Clock::duration(Heard(Pipe[0])) - Accepted.time_since_epoch()));
      ++Recorded;
    }
  const long During = ResidentKiB();
  const std::size_t Connected = Server.Connections();
  kill(Phones, SIGTERM);
  waitpid(Phones, nullptr, 0);
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
  std::printf("accept to %d clients of the stream:  p50 %.2f ms  p99 %.2f ms  max %.2f ms\n",
              Watchers, Percentile(AcceptToWatchers, 0.5), Percentile(AcceptToWatchers, 0.99),
              Percentile(AcceptToWatchers, 1.0));
  std::printf(
      "memory: %ld KiB resident before the server, %ld KiB with it, 12 devices and %zu "
      "connections\n",
      Before, During, Connected);
  return Engine.Held().Recorded.size() == static_cast<std::size_t>(Pairs * Rounds) ? 0 : 1;
}
