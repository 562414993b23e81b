#include "venue/venue.h"

#include <nlohmann/json.hpp>

#include <utility>

#include "support/file_outcome.h"
#include "support/utf8.h"
#include "venue/cards_page.h"
#include "venue/client_message.h"

namespace merrith {

namespace {

// The keys kept in File for a panel of Seats, or new ones, kept there where File is named.
std::optional<VenueKeys> KeptKeys(const std::u16string& File, std::size_t Seats) {
  std::vector<std::uint8_t> Bytes;
  if (!File.empty() && ReadFileBytes(File, Bytes).Done())
    if (std::optional<VenueKeys> Kept = ReadVenueKeys(
            std::string_view(reinterpret_cast<const char*>(Bytes.data()), Bytes.size()), Seats))
      return Kept;
  std::optional<VenueKeys> Made = MakeVenueKeys(Seats);
  if (Made && !File.empty()) {
    const std::string Text = VenueKeysText(*Made);
    WriteFileBytes(File, {Text.begin(), Text.end()});
  }
  return Made;
}

}  // namespace

// What lives while the server runs, on the engine's thread: the desk, the network, the room's
// watcher. The network's tasks hold it weakly: those still waiting when it stops do nothing.
struct CVenue::Core {
  Core(CJudgingRoom& Room, VenueKeys Keys) : Desk(Room, std::move(Keys)), Feed(Room) {}
  CVenueDesk Desk;
  CFeedDesk Feed;
  std::unique_ptr<CVenueNetwork> Net;
  int Watcher = 0;
};

CVenue::CVenue(CJudgingRoom& Judging, OwnerPost ToOwner)
    : Room(Judging), Post(std::move(ToOwner)) {}

CVenue::~CVenue() { Stop(); }

NetworkHandlers CVenue::HandlersFor(const std::weak_ptr<Core>& Weak) {
  // Each message is handed to the engine's thread; there the answers and what changed go out,
  // and the window hears what became of the devices.
  const auto Tell = [this](Core& C) {
    for (const DeskEvent& E : C.Desk.TakeEvents())
      if (Observer) Observer(E);
  };
  NetworkHandlers Handlers;
  Handlers.Opened = [this, Weak](ConnectionId Id, std::string Address) {
    Post([Weak, Id, Address = std::move(Address)]() mutable {
      if (const std::shared_ptr<Core> C = Weak.lock()) C->Desk.Opened(Id, std::move(Address));
    });
  };
  Handlers.Message = [this, Weak, Tell](ConnectionId Id, std::string Text) {
    Post([Weak, Id, Text = std::move(Text), Tell] {
      const std::shared_ptr<Core> C = Weak.lock();
      if (!C) return;
      C->Net->Send(C->Desk.Received(Id, Text));
      Tell(*C);
    });
  };
  Handlers.Closed = [this, Weak, Tell](ConnectionId Id) {
    Post([Weak, Id, Tell] {
      const std::shared_ptr<Core> C = Weak.lock();
      if (!C) return;
      C->Desk.Closed(Id);
      // The referee's screen shows which pads are there, the pads whether the referee is.
      C->Net->Send(C->Desk.Changed());
      Tell(*C);
    });
  };
  return Handlers;
}

VenueStart CVenue::Start(const VenueOptions& Options) {
  VenueStart Answer;
  if (Held) {
    Answer.Started = true;
    Answer.Bases = Addresses;
    return Answer;
  }
  std::optional<VenueKeys> Keys = KeptKeys(Options.KeysFile, Room.SeatCount());
  if (!Keys) {
    Answer.Why = "the system gave no random numbers for the keys";
    return Answer;
  }
  auto Made = std::make_shared<Core>(Room, std::move(*Keys));
  const std::weak_ptr<Core> Weak = Made;
  Made->Net = std::make_unique<CVenueNetwork>(HandlersFor(Weak), Options.Limits);
  const NetworkStart Listening =
      Made->Net->Start(Options.Address, Options.Port, Options.NextFreePort ? 20 : 1);
  if (!Listening.Listening) {
    Answer.Why = Listening.Why;
    return Answer;
  }
  Made->Watcher = Room.Watch([Weak] {
    const std::shared_ptr<Core> C = Weak.lock();
    if (!C) return;
    C->Net->Send(C->Desk.Changed());
    if (std::optional<FeedNews> News = C->Feed.Changed()) C->Net->Publish(std::move(*News));
  });
  if (std::optional<FeedNews> News = Made->Feed.Changed()) Made->Net->Publish(std::move(*News));
  Held = std::move(Made);
  Addresses.clear();
  for (const std::string& Host : ReachableAddresses(Options.Address))
    Addresses.push_back("http://" +
                        (Host.find(':') != std::string::npos ? "[" + Host + "]" : Host) + ":" +
                        std::to_string(Listening.Port) + "/");
  Answer.Started = true;
  Answer.Port = Listening.Port;
  Answer.Bases = Addresses;
  return Answer;
}

void CVenue::Stop() {
  if (!Held) return;
  Held->Net->Stop();
  Room.Unwatch(Held->Watcher);
  Held.reset();
  Addresses.clear();
}

bool CVenue::Running() const { return Held != nullptr; }

const std::vector<std::string>& CVenue::Bases() const { return Addresses; }

std::vector<SeatCard> CVenue::Cards() const {
  std::vector<SeatCard> Cards;
  if (!Held || Addresses.empty()) return Cards;
  const VenueKeys& Keys = Held->Desk.Keys();
  const Panel P = Room.Engine().Held().Judges;
  for (std::size_t I = 0; I < Keys.Seats.size(); ++I)
    Cards.push_back({SeatName(I), std::string(SeatRole(P, I)), SeatTitle(P, I),
                     Addresses[0] + "pad#" + Keys.Seats[I], KeyInGroups(Keys.Seats[I])});
  Cards.push_back({"referee", "referee", "Referee", Addresses[0] + "referee#" + Keys.Referee,
                   KeyInGroups(Keys.Referee)});
  return Cards;
}

std::string CVenue::CardsPage() const {
  const Competition& C = Room.Engine().Held();
  const std::string Event = C.Rules ? ToUtf8(C.Rules->Title) : ToUtf8(C.EventId);
  return CardsPageHtml(Cards(), Event, Addresses.empty() ? "" : Addresses[0]);
}

std::string CVenue::ListeningJson() const {
  const std::vector<SeatCard> All = Cards();
  // In the order people read it: where to go, the referee's, the seats'.
  nlohmann::ordered_json Seats = nlohmann::ordered_json::array();
  nlohmann::ordered_json Line;
  const std::string Base = Addresses.empty() ? "" : Addresses[0];
  Line["url"] = Base;
  for (const char* Page : {"board", "live", "feed", "events"})
    Line[Page] = Base.empty() ? "" : Base + (Page == std::string_view("feed") ? "feed.json" : Page);
  for (const SeatCard& Card : All) {
    if (Card.Role == "referee")
      Line["referee"] = Card.Url;
    else
      Seats.push_back({
          {"seat", Card.Seat},
          {"role", Card.Role},
          { "url",  Card.Url}
      });
  }
  Line["seats"] = std::move(Seats);
  return Line.dump();
}

SeatStatus CVenue::Seat(std::size_t Index) const {
  SeatStatus Status;
  if (!Held || Index >= Held->Desk.Seats().size()) return Status;
  const SeatDevice& D = Held->Desk.Seats()[Index];
  Status.Address = D.Address;
  Status.TakenOver = D.TakenOver;
  if (D.Connection != 0) Status.Shown = SeatShown::Connected;
  if (Index < Room.Seats().size() && Room.Seats()[Index].State == AwardState::Received &&
      !Room.Seats()[Index].Typed)
    Status.Shown = SeatShown::AwardIn;
  return Status;
}

SeatStatus CVenue::Referee() const {
  SeatStatus Status;
  if (!Held) return Status;
  const SeatDevice& D = Held->Desk.Referee();
  Status.Address = D.Address;
  Status.TakenOver = D.TakenOver;
  if (D.Connection != 0) Status.Shown = SeatShown::Connected;
  return Status;
}

bool CVenue::RefereeConnected() const { return Held && Held->Desk.Referee().Connection != 0; }

void CVenue::Refresh() {
  if (!Held) return;
  // Where the dive up next changed, the room tells the devices and the feed itself.
  Room.Follow();
  if (std::optional<FeedNews> News = Held->Feed.Changed()) Held->Net->Publish(std::move(*News));
}

void CVenue::Observe(std::function<void(const DeskEvent&)> Seen) { Observer = std::move(Seen); }

std::size_t CVenue::Connections() const { return Held ? Held->Net->Connections() : 0; }

}  // namespace merrith
