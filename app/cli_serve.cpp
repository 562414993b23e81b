#include <atomic>
#include <csignal>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "cli_commands.h"
#include "cli_options.h"
#include "cli_rules.h"
#include "report/competition_faults.h"
#include "scoring/event_engine.h"
#include "scoring/judging.h"
#include "support/file_outcome.h"
#include "support/utf8.h"
#include "support/words.h"
#include "venue/client_message.h"
#include "venue/event_queue.h"
#include "venue/venue.h"

namespace merrith::cli {

namespace {

// Set by SIGINT or SIGTERM: the server stops, every connection closed, the file let go.
std::atomic<bool> Stopping{false};

extern "C" void OnStopSignal(int) { Stopping = true; }

std::optional<std::size_t> ReadPort(std::string_view Text) {
  return ReadWholeNumber(DecodeUtf8(Text), 0, 65535);
}

constexpr Option AddressOption{
    "--address", "A", false,
    "listens on the address A only (127.0.0.1: this machine alone); every\n"
    "interface (0.0.0.0) unless given"};
constexpr Option PortOption{"--port",
                            "N",
                            false,
                            "listens on port N; 0 takes any free port. Unless given, 8080 or the\n"
                            "next free one",
                            [] { return std::string("a port from 0 to 65535"); },
                            [](std::string_view Text) { return ReadPort(Text).has_value(); }};
constexpr Option CardsOption{"--cards", "FILE", false,
                             "also writes the page of seat cards to print: each seat's QR\n"
                             "code, address and key (keep it out of sight)",
                             [] { return std::string("a file (see merrith-cli --help)"); }};
constexpr Option ServeEnd{
    "--", {}, false, "ends the options: the next argument is the competition"};
constexpr const Option* Options[] = {&AddressOption, &PortOption, &CardsOption, &RulesOption,
                                     &ServeEnd};

void Say(const Streams& Io, const std::string& Text) {
  std::fprintf(Io.Err, "merrith-cli: %s\n", Text.c_str());
  std::fflush(Io.Err);
}

// What the devices do, for whoever minds the box at the pool: never a key.
std::string NewsText(const DeskEvent& E) {
  const std::string Who = E.Seat ? SeatName(*E.Seat) : "the referee's screen";
  switch (E.News) {
    case DeskNews::DeviceCame:
      return Who + " connected from " + E.Address;
    case DeskNews::TakenOver:
      return Who + " taken over by " + E.Address;
    case DeskNews::DeviceLeft:
      return Who + " left";
    case DeskNews::Refused:
      return "the dive was not recorded: " + E.Text;
  }
  return "";
}

int RunServe(const CommandLine& Line, const Streams& Io) {
  const CommandBook Loaded = LoadCommandBook(Line, Io);
  const std::u16string Path = DecodeUtf8(Line.Operands[0]);
  CEventEngine Engine(Loaded.Book);
  const OpenAnswer Opened = Engine.Open(Path);
  if (!Opened.Opened) {
    for (CompetitionError E : Opened.Errors) {
      if (E.File.empty()) E.File = Path;
      Say(Io, ToUtf8(CompetitionErrorText(E)));
    }
    return ExitWriteFailed;
  }
  if (!Opened.Holder.empty()) {
    Say(Io, ToUtf8(Path) + " is held by " + ToUtf8(Opened.Holder) + ": nothing could be recorded");
    return ExitWriteFailed;
  }
  CJudgingRoom Room(Engine);
  CEventQueue Queue;
  CVenue Venue(Room, [&Queue](std::function<void()> Task) { Queue.Post(std::move(Task)); });
  Venue.Observe([&Io](const DeskEvent& E) { Say(Io, NewsText(E)); });
  VenueOptions Wanted;
  Wanted.KeysFile = Path + u".keys";
  Wanted.Address = std::string(Line.Last(AddressOption, "0.0.0.0"));
  if (Line.Has(PortOption)) {
    Wanted.Port = static_cast<std::uint16_t>(*ReadPort(Line.Last(PortOption)));
    Wanted.NextFreePort = false;
  }
  std::signal(SIGINT, OnStopSignal);
  std::signal(SIGTERM, OnStopSignal);
  const VenueStart Started = Venue.Start(Wanted);
  if (!Started.Started) {
    Say(Io, "cannot listen on " + Wanted.Address + " port " + std::to_string(Wanted.Port) + ": " +
                Started.Why);
    return ExitWriteFailed;
  }
  if (Line.Has(CardsOption)) {
    const std::string Page = Venue.CardsPage();
    const FileOutcome Written =
        WriteFileBytes(DecodeUtf8(Line.Last(CardsOption)), {Page.begin(), Page.end()});
    if (!Written.Done()) {
      Venue.Stop();
      return FileFailed(Io, Written);
    }
  }
  if (WriteResults(Io, Venue.ListeningJson() + "\n") != ExitOk) return ExitWriteFailed;
  Queue.Run(&Stopping);
  Venue.Stop();
  Engine.Close();
  return ExitOk;
}

}  // namespace

// serve [--address A] [--port N] [--cards FILE] [--rules FILE]... COMPETITION: the venue's
// server for the judges' pads and the referee's screen, until SIGINT or SIGTERM.
const Command ServeCommand{
    "serve",
    "[--address A] [--port N] [--cards FILE] [--rules FILE]... COMPETITION",
    "            serves the judges' pads and the referee's screen for a competition\n"
    "            file: each accepted dive is recorded in it at once. Once listening it\n"
    "            prints one JSON line: url, referee and seats ([{seat, role, url}]),\n"
    "            each address holding its seat's key. The keys are kept beside it in\n"
    "            COMPETITION.keys, so that the same cards open the seats when it is\n"
    "            started again. SIGINT or SIGTERM stops it\n",
    Options,
    1,
    1,
    "serve takes one competition (see merrith-cli --help)",
    RunServe};

}  // namespace merrith::cli
