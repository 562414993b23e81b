#pragma once

#include <optional>
#include <string>
#include <vector>

#include "scoring/judging.h"

namespace merrith {

// One change as the feed tells it: its kind ("accepted", "correction", "next", "withdrawal")
// and its JSON object, on one line.
struct FeedItem {
  std::string Kind;
  std::string Data;
};

// What the feed tells after a change: the whole event as it stands (the results object with
// the dive up next and the last dive accepted), and the changes since the last news.
struct FeedNews {
  std::string State;
  std::vector<FeedItem> Items;
};

// The feed's side of the event, on the engine's thread: it looks at the judging room after
// each change and says what the scoreboard, the live results and other programs are to be
// told. An award coming in from a pad is no news: nothing of the standings shows before the
// referee accepts (5.2.9).
class CFeedDesk {
 public:
  explicit CFeedDesk(const CJudgingRoom& Room);

  // The event as it stands and what changed since the last call; the first call gives the
  // state alone; nothing where nothing the feed shows changed.
  std::optional<FeedNews> Changed();

 private:
  const CJudgingRoom& Room;
  bool Told = false;
  std::string Results;
  std::string Next;
  std::string Last;
  std::vector<DiverStatus> Statuses;
};

}  // namespace merrith
