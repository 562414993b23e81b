#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "scoring/award.h"
#include "scoring/decision.h"
#include "scoring/standings.h"

namespace merrith {

// The longest message a device may send: a few KiB, far above any the pages send.
inline constexpr std::size_t MostMessageBytes = 4096;

// What a judge's pad or the referee's screen asks of the server.
enum class MessageKind : std::uint8_t {
  Hello,      // the device's key: which seat (or the referee) it takes
  Award,      // a judge's award of a dive
  AskAgain,   // the referee asks a seat's judge to send again
  GoWithout,  // the referee goes on without a seat's award, or waits for it again
  Decide,     // the referee's decisions on a dive
  Accept,     // the referee accepts a dive: it is recorded
  Ping,       // the device is still there
};

// One message, as read: each kind uses the fields its comment names.
struct ClientMessage {
  MessageKind Kind = MessageKind::Ping;
  std::string Key;       // Hello
  DiveTurn Dive;         // Award, Decide, Accept
  HalfPoints Award = 0;  // Award: 0 to 20
  std::size_t Seat = 0;  // AskAgain, GoWithout: from 0 (J1 is 0)
  bool Without = false;  // GoWithout
  Decision Decided;      // Decide
  bool operator==(const ClientMessage&) const = default;
};

// Why a message is not read.
enum class MessageFault : std::uint8_t {
  None,
  TooLong,      // over MostMessageBytes
  NotJson,      // no JSON text, or not UTF-8
  UnknownKind,  // no object with a "kind" the server knows
  BadField,     // a field missing, or of the wrong type or range (Field names it)
  NotHalfPoint  // an award that is no half point from 0 to 10
};

// A message as read, or why it is not.
struct MessageRead {
  std::optional<ClientMessage> Message;
  MessageFault Fault = MessageFault::None;
  std::string Field;  // BadField: the field at fault
};

// Reads a device's message, a JSON object with its "kind":
//   {"kind": "hello", "key": "abcde..."}
//   {"kind": "award", "dive": {"diver": 0, "round": 1}, "award": 7.5}
//   {"kind": "ask-again", "seat": "J3"}
//   {"kind": "go-without", "seat": "J3", "without": true}
//   {"kind": "decide", "dive": {...}, "decision": "restart+max2"}
//   {"kind": "accept", "dive": {...}}
//   {"kind": "ping"}
// Other fields are left alone. Never throws.
MessageRead ReadClientMessage(std::string_view Text);

// The message as a device sends it: what ReadClientMessage reads back as M.
std::string ClientMessageText(const ClientMessage& M);

// The name of seat Seat (from 0): "J1", "J2", ...
std::string SeatName(std::size_t Seat);
// The seat (from 0) that Name names: "J1" is 0; nothing for another name.
std::optional<std::size_t> SeatNamed(std::string_view Name);

// A fault as the device is told it: "the message is not JSON".
std::string_view MessageFaultText(MessageFault Fault);

}  // namespace merrith
