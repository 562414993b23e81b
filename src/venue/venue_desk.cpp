#include "venue/venue_desk.h"

#include <nlohmann/json.hpp>

#include <utility>

#include "difficulty/dive_name.h"
#include "report/competition_faults.h"
#include "sheets/sheet_words.h"
#include "support/utf8.h"
#include "venue/client_message.h"

namespace merrith {
namespace {

using Json = nlohmann::json;

std::shared_ptr<const std::string> Shared(std::string Text) {
  return std::make_shared<const std::string>(std::move(Text));
}

std::string Said(std::string_view Kind, std::string_view Why) {
  Json Message;
  Message["kind"] = Kind;
  Message["why"] = Why;
  return Message.dump();
}

std::string_view StateName(AwardState State) {
  switch (State) {
    case AwardState::Awaited:
      return "awaited";
    case AwardState::Received:
      return "received";
    case AwardState::AskedAgain:
      return "again";
    case AwardState::Missing:
      return "missing";
  }
  return "awaited";
}

Json AwardJson(std::optional<HalfPoints> Award) {
  return Award ? Json(*Award / 2.0) : Json(nullptr);
}

// The dive as a judge sees it: the diver, the dive's number, position and height, its DD.
Json DiveJson(const Competition& C, DiveTurn Turn) {
  const Entry& E = C.Entries[Turn.Entry];
  const ListedDive& D = E.Dives[Turn.Round - 1];
  Json Dive;
  Dive["diver"] = Turn.Entry;
  Dive["round"] = Turn.Round;
  Dive["rounds"] = E.Dives.size();
  Dive["name"] = ToUtf8(E.Diver);
  Dive["team"] = ToUtf8(E.Team);
  Dive["code"] = ToUtf8(D.Written.Code);
  Dive["number"] = ToUtf8(D.Number);
  Dive["position"] = "";
  Dive["height"] = "";
  Dive["dd"] = "";
  if (D.Position != 0)
    if (const auto Words = PositionName(static_cast<std::int32_t>(D.Position - u'A')))
      Dive["position"] = ToUtf8(*Words);
  if (D.HeightIndex != 0) Dive["height"] = ToUtf8(HeightText(D.HeightIndex));
  if (D.DD) Dive["dd"] = ToUtf8(TenthsText(*D.DD));
  return Dive;
}

// The dive accepted last, every judge's award in seating order (5.2.9): nothing of the standings.
Json ShownJson(const CJudgingRoom& Room) {
  const std::optional<AcceptedDive>& A = Room.LastAccepted();
  if (!A) return nullptr;
  const Competition& C = Room.Engine().Held();
  if (A->Turn.Entry >= C.Entries.size() || A->Turn.Round > C.Entries[A->Turn.Entry].Dives.size())
    return nullptr;
  Json Awards = Json::array();
  for (std::size_t Seat = 0; Seat < A->Awards.size(); ++Seat) {
    Json Given;
    Given["seat"] = SeatName(Seat);
    Given["award"] = AwardJson(A->Awards[Seat]);
    Awards.push_back(std::move(Given));
  }
  Json Shown = DiveJson(C, A->Turn);
  Shown["awards"] = std::move(Awards);
  const std::u16string Words = DecisionText(A->Decided);
  Shown["decision"] = ToUtf8(Words);
  return Shown;
}

Json JudgedJson(const CJudgingRoom& Room) {
  const std::optional<DiveTurn>& Turn = Room.Judged();
  return Turn ? DiveJson(Room.Engine().Held(), *Turn) : Json(nullptr);
}

// Why a request about the dive being judged was not done, as the device is told.
std::string_view StepText(JudgingStep Step) {
  switch (Step) {
    case JudgingStep::Done:
      return "";
    case JudgingStep::NoDive:
      return "every dive is recorded";
    case JudgingStep::OtherDive:
      return "that is not the dive up next";
    case JudgingStep::NoSuchSeat:
      return "the panel has no such seat";
    case JudgingStep::NotAnAward:
      return "an award is a half point from 0 to 10";
    case JudgingStep::Awaited:
      return "an award is awaited";
    case JudgingStep::Engine:
      return "the dive was not recorded";
  }
  return "";
}

// Why the event engine did not record an accepted dive, in the words the window uses.
std::string EngineText(const CEventEngine& Engine, const AcceptAnswer& A) {
  if (A.Step == JudgingStep::Awaited) return "the award of " + SeatName(A.Seat) + " is awaited";
  if (A.Step != JudgingStep::Engine) return std::string(StepText(A.Step));
  const EngineAnswer& E = A.Engine;
  switch (E.Step) {
    case EngineStep::Done:
      return "";
    case EngineStep::ReadOnly:
      return "the file is held by " + ToUtf8(Engine.Holder()) + ": nothing is recorded";
    case EngineStep::Refused:
      return E.Fault ? ToUtf8(CompetitionFaultText(E.Fault->Why, E.Fault->Values))
                     : "the dive cannot be recorded";
    case EngineStep::Clash:
      return ToUtf8(FileClashText(E.Clash, Engine.Path()));
    case EngineStep::WriteFailed:
      return ToUtf8(FileOutcomeText(E.Written));
  }
  return "";
}

}  // namespace

std::string_view SeatRole(Panel P, std::size_t Seat) {
  switch (SeatOf(P, static_cast<int>(Seat))) {
    case merrith::Seat::Judge:
      return "judge";
    case merrith::Seat::ExecutionDiver1:
      return "execution-1";
    case merrith::Seat::ExecutionDiver2:
      return "execution-2";
    case merrith::Seat::Synchronisation:
      return "synchronisation";
  }
  return "judge";
}

std::string SeatTitle(Panel P, std::size_t Seat) {
  const std::string Number = std::to_string(Seat + 1);
  switch (SeatOf(P, static_cast<int>(Seat))) {
    case merrith::Seat::Judge:
      return "Judge " + Number;
    case merrith::Seat::ExecutionDiver1:
      return "J" + Number + ", execution of diver 1";
    case merrith::Seat::ExecutionDiver2:
      return "J" + Number + ", execution of diver 2";
    case merrith::Seat::Synchronisation:
      return "J" + Number + ", synchronisation";
  }
  return "Judge " + Number;
}

CVenueDesk::CVenueDesk(CJudgingRoom& Judging, VenueKeys Keys)
    : Room(Judging), Made(std::move(Keys)), Devices(Made.Seats.size()) {}

void CVenueDesk::Opened(ConnectionId Connection, std::string Address) {
  Connections[Connection] = {std::move(Address), std::nullopt};
}

void CVenueDesk::Closed(ConnectionId Connection) {
  const auto Found = Connections.find(Connection);
  if (Found == Connections.end()) return;
  if (const std::optional<std::size_t> Seat = Found->second.Seat) {
    SeatDevice& D = DeviceOf(*Seat);
    if (D.Connection == Connection) {
      D.Connection = 0;
      Events.push_back(
          {DeskNews::DeviceLeft, Seat == RefereeSeat ? std::nullopt : Seat, D.Address, {}});
    }
  }
  Connections.erase(Found);
}

std::vector<Outgoing> CVenueDesk::Received(ConnectionId Connection, std::string_view Text) {
  const auto Found = Connections.find(Connection);
  if (Found == Connections.end()) return {};
  const MessageRead Read = ReadClientMessage(Text);
  if (!Read.Message) {
    std::string Why(MessageFaultText(Read.Fault));
    if (!Read.Field.empty()) Why += ": " + Read.Field;
    // Before its hello a device may say nothing else: it is sent away.
    return {
        {Connection, Shared(Said("error", Why)), !Found->second.Seat.has_value()}
    };
  }
  const ClientMessage& M = *Read.Message;
  if (M.Kind == MessageKind::Hello) return Hello(Connection, M.Key);
  if (!Found->second.Seat)
    return {
        {Connection, Shared(Said("refused", "a device says hello with its key first")), true}
    };
  if (M.Kind == MessageKind::Ping) return {};
  return Asked(Connection, *Found->second.Seat, Text);
}

std::vector<Outgoing> CVenueDesk::Hello(ConnectionId Connection, std::string_view Typed) {
  const std::string Key = KeyAsTyped(Typed);
  // Every key is compared, whichever matches, so that the time taken tells nothing.
  std::optional<std::size_t> Seat;
  for (std::size_t I = 0; I < Made.Seats.size(); ++I)
    if (KeysEqual(Key, Made.Seats[I])) Seat = I;
  if (KeysEqual(Key, Made.Referee)) Seat = RefereeSeat;
  Holding& H = Connections[Connection];
  if (!Seat || (H.Seat && H.Seat != Seat))
    return {
        {Connection, Shared(Said("refused", "this key opens no seat of this event")), true}
    };
  std::vector<Outgoing> Out;
  SeatDevice& D = DeviceOf(*Seat);
  const std::optional<std::size_t> Named = Seat == RefereeSeat ? std::nullopt : Seat;
  if (D.Connection != 0 && D.Connection != Connection) {
    // The seat's key came from another device: it takes the seat, the one before is sent away.
    Out.push_back(
        {D.Connection, Shared(Said("taken-over", "another device took this seat")), true});
    Connections[D.Connection].Seat.reset();
    ++D.TakenOver;
    Events.push_back({DeskNews::TakenOver, Named, H.Address, {}});
  } else if (D.Connection == 0) {
    Events.push_back({DeskNews::DeviceCame, Named, H.Address, {}});
  }
  D.Connection = Connection;
  D.Address = H.Address;
  H.Seat = Seat;
  const Panel P = Room.Engine().Held().Judges;
  Json Welcome;
  Welcome["kind"] = "welcome";
  Welcome["seat"] = Named ? SeatName(*Named) : "referee";
  Welcome["role"] = Named ? SeatRole(P, *Named) : "referee";
  Welcome["title"] = Named ? SeatTitle(P, *Named) : "Referee";
  Out.push_back({Connection, Shared(Welcome.dump()), false});
  Out.push_back({Connection, Shared(StateFor(*Seat)), false});
  // The referee's screen shows which pads are there.
  if (Named && RefereeDevice.Connection != 0)
    Out.push_back({RefereeDevice.Connection, Shared(RefereeState()), false});
  if (!Named)
    for (std::size_t I = 0; I < Devices.size(); ++I)
      if (Devices[I].Connection != 0)
        Out.push_back({Devices[I].Connection, Shared(PadState(I)), false});
  return Out;
}

std::vector<Outgoing> CVenueDesk::Asked(ConnectionId Connection, std::size_t Seat,
                                        std::string_view Text) {
  const ClientMessage M = *ReadClientMessage(Text).Message;
  const bool ByReferee = Seat == RefereeSeat;
  const bool ForReferee = M.Kind != MessageKind::Award;
  if (ByReferee != ForReferee)
    return {
        {Connection,
         Shared(Said("error", ByReferee ? "the referee sends no award"
 : "only the referee's screen may ask that")),
         false}
    };
  JudgingStep Step = JudgingStep::Done;
  switch (M.Kind) {
    case MessageKind::Award:
      Step = Room.Give(Seat, M.Dive, M.Award);
      break;
    case MessageKind::AskAgain:
      Step = Room.AskAgain(M.Seat);
      break;
    case MessageKind::GoWithout:
      Step = Room.GoWithout(M.Seat, M.Without);
      break;
    case MessageKind::Decide:
      Step = Room.Decide(M.Dive, M.Decided);
      break;
    case MessageKind::Accept: {
      const AcceptAnswer A = Room.Accept(M.Dive);
      if (A.Done()) return {};
      const std::string Why = EngineText(Room.Engine(), A);
      if (A.Step == JudgingStep::Engine)
        Events.push_back({DeskNews::Refused, std::nullopt, {}, Why});
      return {
          {Connection, Shared(Said("error", Why)), false}
      };
    }
    default:
      break;
  }
  if (Step == JudgingStep::Done) return {};
  // A device that lags behind (an award for the dive before) gets the state again with the error.
  return {
      {Connection,    Shared(Said("error", StepText(Step))), false},
      {Connection, Shared(StateFor(Seat)),            false      }
  };
}

std::vector<Outgoing> CVenueDesk::Changed() const {
  std::vector<Outgoing> Out;
  for (std::size_t I = 0; I < Devices.size(); ++I)
    if (Devices[I].Connection != 0)
      Out.push_back({Devices[I].Connection, Shared(PadState(I)), false});
  if (RefereeDevice.Connection != 0)
    Out.push_back({RefereeDevice.Connection, Shared(RefereeState()), false});
  return Out;
}

std::vector<DeskEvent> CVenueDesk::TakeEvents() { return std::exchange(Events, {}); }

std::string CVenueDesk::StateFor(std::size_t Seat) const {
  return Seat == RefereeSeat ? RefereeState() : PadState(Seat);
}

std::string CVenueDesk::PadState(std::size_t Seat) const {
  const Panel P = Room.Engine().Held().Judges;
  const SeatAward Mine = Seat < Room.Seats().size() ? Room.Seats()[Seat] : SeatAward{};
  Json State;
  State["kind"] = "state";
  State["seat"] = SeatName(Seat);
  State["role"] = SeatRole(P, Seat);
  State["title"] = SeatTitle(P, Seat);
  State["dive"] = JudgedJson(Room);
  State["award"]["state"] = StateName(Mine.State);
  State["award"]["award"] = AwardJson(Mine.Award);
  State["shown"] = ShownJson(Room);
  State["referee"] = RefereeDevice.Connection != 0;
  return State.dump();
}

std::string CVenueDesk::RefereeState() const {
  const Panel P = Room.Engine().Held().Judges;
  Json Seats = Json::array();
  for (std::size_t I = 0; I < Room.Seats().size(); ++I) {
    const SeatAward& A = Room.Seats()[I];
    Json Seat;
    Seat["seat"] = SeatName(I);
    Seat["title"] = SeatTitle(P, I);
    Seat["state"] = StateName(A.State);
    Seat["award"] = AwardJson(A.Award);
    Seat["typed"] = A.Typed;
    Seat["device"] = I < Devices.size() && Devices[I].Connection != 0;
    Seats.push_back(std::move(Seat));
  }
  Json State;
  State["kind"] = "state";
  State["role"] = "referee";
  State["dive"] = JudgedJson(Room);
  State["seats"] = std::move(Seats);
  State["decision"] = ToUtf8(DecisionText(Room.Decided()));
  State["shown"] = ShownJson(Room);
  State["writable"] = Room.Engine().Writable();
  return State.dump();
}

}  // namespace merrith
