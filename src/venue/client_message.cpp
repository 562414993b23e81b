#include "venue/client_message.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <limits>

namespace merrith {
namespace {

using Json = nlohmann::json;

// Each kind as the devices name it.
struct KindRow {
  MessageKind Kind;
  std::string_view Name;
};
// clang-format off
constexpr KindRow Kinds[] = {
    {MessageKind::Hello,     "hello"},
    {MessageKind::Award,     "award"},
    {MessageKind::AskAgain,  "ask-again"},
    {MessageKind::GoWithout, "go-without"},
    {MessageKind::Decide,    "decide"},
    {MessageKind::Accept,    "accept"},
    {MessageKind::Ping,      "ping"},
};
// clang-format on

MessageRead Bad(std::string Field) {
  return {std::nullopt, MessageFault::BadField, std::move(Field)};
}

// A count from a JSON number: a whole number from 0 to Most.
std::optional<std::size_t> CountOf(const Json& Value, std::size_t Most) {
  if (!Value.is_number_unsigned()) return std::nullopt;
  const auto N = Value.get<std::uint64_t>();
  if (N > Most) return std::nullopt;
  return static_cast<std::size_t>(N);
}

std::optional<DiveTurn> DiveOf(const Json& M) {
  const auto Found = M.find("dive");
  if (Found == M.end() || !Found->is_object()) return std::nullopt;
  const auto Diver = Found->find("diver");
  const auto Round = Found->find("round");
  if (Diver == Found->end() || Round == Found->end()) return std::nullopt;
  // No competition has a million divers or rounds; past that a number is no dive.
  constexpr std::size_t Most = 999'999;
  const std::optional<std::size_t> Entry = CountOf(*Diver, Most);
  const std::optional<std::size_t> Number = CountOf(*Round, Most);
  if (!Entry || !Number || *Number == 0) return std::nullopt;
  return DiveTurn{*Entry, *Number};
}

// An award from a JSON number of points: 7.5 is 15 half points; nothing for a number that is no
// half point from 0 to 10.
std::optional<HalfPoints> AwardOf(const Json& Value) {
  if (!Value.is_number()) return std::nullopt;
  const double Points = Value.get<double>();
  if (!(Points >= 0 && Points <= 10)) return std::nullopt;
  const double Halves = Points * 2;
  if (Halves != std::floor(Halves)) return std::nullopt;
  return static_cast<HalfPoints>(Halves);
}

std::optional<std::string> TextOf(const Json& M, const char* Name) {
  const auto Found = M.find(Name);
  if (Found == M.end() || !Found->is_string()) return std::nullopt;
  return Found->get<std::string>();
}

MessageRead ReadFields(MessageKind Kind, const Json& M) {
  ClientMessage Read;
  Read.Kind = Kind;
  switch (Kind) {
    case MessageKind::Hello: {
      std::optional<std::string> Key = TextOf(M, "key");
      if (!Key || Key->size() > 64) return Bad("key");
      Read.Key = std::move(*Key);
      break;
    }
    case MessageKind::Award: {
      const std::optional<DiveTurn> Dive = DiveOf(M);
      if (!Dive) return Bad("dive");
      const auto Found = M.find("award");
      if (Found == M.end()) return Bad("award");
      const std::optional<HalfPoints> Award = AwardOf(*Found);
      if (!Award) return {std::nullopt, MessageFault::NotHalfPoint, "award"};
      Read.Dive = *Dive;
      Read.Award = *Award;
      break;
    }
    case MessageKind::AskAgain:
    case MessageKind::GoWithout: {
      const std::optional<std::string> Name = TextOf(M, "seat");
      const std::optional<std::size_t> Seat = Name ? SeatNamed(*Name) : std::nullopt;
      if (!Seat) return Bad("seat");
      Read.Seat = *Seat;
      if (Kind == MessageKind::AskAgain) break;
      const auto Without = M.find("without");
      if (Without == M.end() || !Without->is_boolean()) return Bad("without");
      Read.Without = Without->get<bool>();
      break;
    }
    case MessageKind::Decide: {
      const std::optional<DiveTurn> Dive = DiveOf(M);
      if (!Dive) return Bad("dive");
      const std::optional<std::string> Words = TextOf(M, "decision");
      const std::optional<Decision> Decided =
          Words && Words->size() < 64 ? ReadDecision(std::u16string(Words->begin(), Words->end()))
                                      : std::nullopt;
      if (!Decided) return Bad("decision");
      Read.Dive = *Dive;
      Read.Decided = *Decided;
      break;
    }
    case MessageKind::Accept: {
      const std::optional<DiveTurn> Dive = DiveOf(M);
      if (!Dive) return Bad("dive");
      Read.Dive = *Dive;
      break;
    }
    case MessageKind::Ping:
      break;
  }
  return {Read, MessageFault::None, {}};
}

Json DiveJson(DiveTurn Dive) {
  Json Out;
  Out["diver"] = Dive.Entry;
  Out["round"] = Dive.Round;
  return Out;
}

}  // namespace

MessageRead ReadClientMessage(std::string_view Text) {
  if (Text.size() > MostMessageBytes) return {std::nullopt, MessageFault::TooLong, {}};
  // Read without exceptions: a text that is no JSON, or no UTF-8, comes back discarded.
  const Json M = Json::parse(Text, nullptr, false);
  if (M.is_discarded()) return {std::nullopt, MessageFault::NotJson, {}};
  if (!M.is_object()) return {std::nullopt, MessageFault::UnknownKind, {}};
  const std::optional<std::string> Name = TextOf(M, "kind");
  for (const KindRow& Row : Kinds)
    if (Name && Row.Name == *Name) return ReadFields(Row.Kind, M);
  return {std::nullopt, MessageFault::UnknownKind, {}};
}

std::string ClientMessageText(const ClientMessage& M) {
  Json Out;
  Out["kind"] = Kinds[static_cast<std::size_t>(M.Kind)].Name;
  switch (M.Kind) {
    case MessageKind::Hello:
      Out["key"] = M.Key;
      break;
    case MessageKind::Award:
      Out["dive"] = DiveJson(M.Dive);
      Out["award"] = M.Award / 2.0;
      break;
    case MessageKind::AskAgain:
      Out["seat"] = SeatName(M.Seat);
      break;
    case MessageKind::GoWithout:
      Out["seat"] = SeatName(M.Seat);
      Out["without"] = M.Without;
      break;
    case MessageKind::Decide: {
      Out["dive"] = DiveJson(M.Dive);
      const std::u16string Words = DecisionText(M.Decided);
      Out["decision"] = std::string(Words.begin(), Words.end());
      break;
    }
    case MessageKind::Accept:
      Out["dive"] = DiveJson(M.Dive);
      break;
    case MessageKind::Ping:
      break;
  }
  return Out.dump();
}

std::string SeatName(std::size_t Seat) { return "J" + std::to_string(Seat + 1); }

std::optional<std::size_t> SeatNamed(std::string_view Name) {
  if (Name.size() < 2 || Name.size() > 3 || Name[0] != 'J') return std::nullopt;
  std::size_t Number = 0;
  for (const char C : Name.substr(1)) {
    if (C < '0' || C > '9') return std::nullopt;
    Number = Number * 10 + static_cast<std::size_t>(C - '0');
  }
  if (Number < 1 || Number > std::numeric_limits<std::uint8_t>::max() || Name[1] == '0')
    return std::nullopt;
  return Number - 1;
}

std::string_view MessageFaultText(MessageFault Fault) {
  switch (Fault) {
    case MessageFault::None:
      return "";
    case MessageFault::TooLong:
      return "the message is too long";
    case MessageFault::NotJson:
      return "the message is not JSON in UTF-8";
    case MessageFault::UnknownKind:
      return "the message is of no kind the server knows";
    case MessageFault::BadField:
      return "a field of the message is missing or wrong";
    case MessageFault::NotHalfPoint:
      return "an award is a half point from 0 to 10";
  }
  return "";
}

}  // namespace merrith
