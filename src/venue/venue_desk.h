#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "scoring/judging.h"
#include "venue/venue_keys.h"

namespace merrith {

// A device's connection, numbered by the network from 1.
using ConnectionId = std::uint64_t;

// A message for one connection; the connection is closed after it where Close says so.
struct Outgoing {
  ConnectionId To = 0;
  std::shared_ptr<const std::string> Text;
  bool Close = false;
};

// Which device holds a seat (or the referee's screen): none, or the connection it came on.
struct SeatDevice {
  ConnectionId Connection = 0;  // 0: no device
  std::string Address;          // the device's network address
  int TakenOver = 0;            // how often another device took the seat over
};

// What the recorder's window is told of the devices, on the engine's thread.
enum class DeskNews : std::uint8_t {
  DeviceCame,  // a device took a seat (or the referee's screen) that had none
  TakenOver,   // a device took a seat over from another, which was sent away
  DeviceLeft,  // a seat's device went (the network dropped, the page closed)
  Refused,     // the referee's acceptance was not recorded: Text says why
};
struct DeskEvent {
  DeskNews News = DeskNews::DeviceCame;
  std::optional<std::size_t> Seat;  // nothing: the referee's screen
  std::string Address;
  std::string Text;
};

// The venue's side of the conversation with the judges' pads and the referee's screen, held on
// the engine's thread: who holds which seat (by its key), what each message asks of the judging
// room, and what each device is shown after a change. It reaches no network: the messages come
// and go as text.
class CVenueDesk {
 public:
  CVenueDesk(CJudgingRoom& Room, VenueKeys Keys);

  // A connection opened from Address.
  void Opened(ConnectionId Connection, std::string Address);
  // What the device on Connection sent; the answers to it (a refusal closes the connection).
  // A change it made to the room reaches every device through Changed.
  std::vector<Outgoing> Received(ConnectionId Connection, std::string_view Text);
  // The connection closed.
  void Closed(ConnectionId Connection);
  // What each device holding a seat is shown now, after a change of the room.
  std::vector<Outgoing> Changed() const;

  // The seats' devices in seating order, and the referee's.
  const std::vector<SeatDevice>& Seats() const { return Devices; }
  const SeatDevice& Referee() const { return RefereeDevice; }
  const VenueKeys& Keys() const { return Made; }
  // What happened since the last call, oldest first.
  std::vector<DeskEvent> TakeEvents();

  // What the pad of Seat shows, and the referee's screen, as JSON text.
  std::string PadState(std::size_t Seat) const;
  std::string RefereeState() const;

 private:
  // A connection's seat: nothing before its hello; RefereeSeat for the referee's screen.
  static constexpr std::size_t RefereeSeat = static_cast<std::size_t>(-1);
  struct Holding {
    std::string Address;
    std::optional<std::size_t> Seat;
  };

  std::vector<Outgoing> Hello(ConnectionId Connection, std::string_view Key);
  std::vector<Outgoing> Asked(ConnectionId Connection, std::size_t Seat, std::string_view Text);
  SeatDevice& DeviceOf(std::size_t Seat) {
    return Seat == RefereeSeat ? RefereeDevice : Devices[Seat];
  }
  std::string StateFor(std::size_t Seat) const;

  CJudgingRoom& Room;
  VenueKeys Made;
  std::map<ConnectionId, Holding> Connections;
  std::vector<SeatDevice> Devices;
  SeatDevice RefereeDevice;
  std::vector<DeskEvent> Events;
};

// The role of seat Seat on the panel P, as the pages name it: "judge", "execution-1",
// "execution-2", "synchronisation".
std::string_view SeatRole(Panel P, std::size_t Seat);
// The seat in words: "Judge 3", "J4, execution of diver 2", "J7, synchronisation".
std::string SeatTitle(Panel P, std::size_t Seat);

}  // namespace merrith
