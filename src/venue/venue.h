#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "scoring/judging.h"
#include "venue/venue_desk.h"
#include "venue/venue_network.h"

namespace merrith {

// Where the venue's server listens: every interface and port 8080 unless the user picks
// others; where the port is taken, the next free one of the few after it.
struct VenueOptions {
  std::string Address = "0.0.0.0";
  std::uint16_t Port = 8080;  // 0: any free port
  bool NextFreePort = true;
  // Where the keys are kept (beside the competition: its name and ".keys"), so that the same
  // cards open the seats when the server starts again; empty: new keys each time.
  std::u16string KeysFile;
  NetworkLimits Limits{};
};

// Whether the server started, where, or why not.
struct VenueStart {
  bool Started = false;
  std::string Why;                 // the system's words, where it did not start
  std::uint16_t Port = 0;          // the port it listens on
  std::vector<std::string> Bases;  // the addresses to type: "http://192.168.1.20:8080/", ...
};

// A seat's card: its name, role and title, the address that opens its pad with its key (the
// card's QR code), and the key as typed.
struct SeatCard {
  std::string Seat;  // "J1" ... ; "referee"
  std::string Role;  // "judge", "execution-1", "execution-2", "synchronisation", "referee"
  std::string Title;
  std::string Url;
  std::string Code;  // the key in groups of five
};

// A seat as the recorder's window shows it.
enum class SeatShown : std::uint8_t { NoDevice, Connected, AwardIn };
struct SeatStatus {
  SeatShown Shown = SeatShown::NoDevice;
  std::string Address;  // the device's, where one holds the seat
  int TakenOver = 0;    // how often another device took the seat over
};

// Runs a task on the thread that owns the event engine (the window's, or the command's loop).
using OwnerPost = std::function<void(std::function<void()> Task)>;

// The venue's server for the event in Room: the judges' pads and the referee's screen on the
// devices of the pool's network, each seat opened by its card's key. The network runs on a
// thread of its own and posts every message to the engine's thread through Post; there the
// desk reads it, asks the judging room, and what changed goes out to every device. Everything
// but the constructor's Post is called on the engine's thread, and so are the events.
class CVenue {
 public:
  CVenue(CJudgingRoom& Room, OwnerPost Post);
  ~CVenue();
  CVenue(const CVenue&) = delete;
  CVenue& operator=(const CVenue&) = delete;

  // Starts the server with the keys kept in Options.KeysFile, or new ones kept there; nothing
  // happens where it runs already.
  VenueStart Start(const VenueOptions& Options);
  // Stops the server: every connection is closed, the keys are forgotten.
  void Stop();
  bool Running() const;

  // The addresses to type, the first one the cards use.
  const std::vector<std::string>& Bases() const;
  // The cards of the judges' seats in seating order, then the referee's.
  std::vector<SeatCard> Cards() const;
  // The page of cards to print or show, each with its QR code: it holds the keys, so it is
  // never served over the network.
  std::string CardsPage() const;
  // The line merrith-cli serve prints once listening: {"url": ..., "board": ..., "live": ...,
  // "feed": ..., "events": ..., "referee": ..., "seats":
  // [{"seat": "J1", "role": "judge", "url": ...}, ...]}.
  std::string ListeningJson() const;

  // Each seat's state, in seating order, and the referee's screen's.
  SeatStatus Seat(std::size_t Index) const;
  SeatStatus Referee() const;
  // Whether a referee's screen is connected: the recorder's Enter waits for it then.
  bool RefereeConnected() const;
  // Tells the devices and the feed of a change made outside the venue: a dive recorded or mended
  // at the recorder's keys, a diver withdrawn, the file read again.
  void Refresh();
  // Calls Seen with what happens to the devices, on the engine's thread.
  void Observe(std::function<void(const DeskEvent&)> Seen);
  // How many connections are open.
  std::size_t Connections() const;

 private:
  struct Core;
  NetworkHandlers HandlersFor(const std::weak_ptr<Core>& Weak);

  CJudgingRoom& Room;
  OwnerPost Post;
  std::shared_ptr<Core> Held;
  std::function<void(const DeskEvent&)> Observer;
  std::vector<std::string> Addresses;
};

// Where a server on Address can be reached from the pool's network: the interface addresses
// of this machine (IPv4, not the loopback) where Address is every interface, else Address.
std::vector<std::string> ReachableAddresses(const std::string& Address);

}  // namespace merrith
