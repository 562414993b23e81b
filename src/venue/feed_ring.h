#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "venue/feed_desk.h"

namespace merrith {

// A piece of the event stream as sent: each text is made once and shared by every client.
using StreamText = std::shared_ptr<const std::string>;

// The feed as the network holds it: the event now, and the last Most events of the stream,
// numbered on from First, so that a client that comes back says which it holds and is sent those it
// missed. Each event is an event stream's message: "id: 7\nevent: accepted\ndata: {...}\n\n".
class CFeedRing {
 public:
  // First: a number above any a server that ran before gave, so that a client from then is sent
  // the event now rather than another's events of the same numbers.
  explicit CFeedRing(std::size_t Most, std::uint64_t First = 0);

  // Takes the news in: the event now, and each change numbered after the last; gives the
  // messages to send to the clients connected.
  std::vector<StreamText> Take(const FeedNews& News);
  // The event now as one JSON object (feed.json); "{}" before any news.
  StreamText State() const { return Now; }
  // What a client that holds the event numbered Held is sent: the events after it, each once;
  // where it holds none (a new client), or one the ring no longer keeps, or one never sent
  // (the server started again), the event now as one "state" event.
  std::vector<StreamText> Since(std::optional<std::uint64_t> Held) const;
  // The number of the last event; First before any.
  std::uint64_t LastId() const { return Last; }

 private:
  std::size_t Most;
  std::uint64_t Last;
  std::deque<StreamText> Kept;  // the events numbered Last - Kept.size() + 1 to Last
  StreamText Now;
  StreamText NowEvent;  // Now as a "state" event, numbered Last
};

// The number a client's Last-Event-ID holds: digits only; nothing for anything else.
std::optional<std::uint64_t> ReadEventId(std::string_view Text);

}  // namespace merrith
