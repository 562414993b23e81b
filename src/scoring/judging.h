#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "scoring/award.h"
#include "scoring/decision.h"
#include "scoring/event_engine.h"
#include "scoring/standings.h"

namespace merrith {

// Where one seat's award of the dive being judged stands.
enum class AwardState : std::uint8_t {
  Awaited,     // nothing has come in yet
  Received,    // an award is in, from the judge's pad or typed by the recorder
  AskedAgain,  // the referee asked the judge to send again: what came before does not count
  Missing,     // the referee chose to go on without this award (7.9, 7.10 replace it)
};

// One seat's award of the dive being judged.
struct SeatAward {
  AwardState State = AwardState::Awaited;
  std::optional<HalfPoints> Award;  // Received: the award
  bool Typed = false;               // Received: typed by the recorder, not sent from a pad
  bool operator==(const SeatAward&) const = default;
};

// What became of an award, a referee's request or an acceptance.
enum class JudgingStep : std::uint8_t {
  Done,
  NoDive,      // every dive is recorded: nothing is being judged
  OtherDive,   // it names another dive than the one being judged
  NoSuchSeat,  // a seat the panel does not have
  NotAnAward,  // an award beyond 0 to 10
  Awaited,     // accepting: a seat's award is not in, and the referee has not gone without it
  Engine,      // accepting: the event engine did not record the dive (its answer says why)
};

// What accepting a dive came to: done, or why not.
struct AcceptAnswer {
  JudgingStep Step = JudgingStep::Done;
  std::size_t Seat = 0;  // Awaited: the first seat whose award is not in
  EngineAnswer Engine;   // Engine: what the event engine answered

  bool Done() const { return Step == JudgingStep::Done; }
};

// A dive as the referee accepted it: every judge's award in seating order, shown on the judges'
// devices until the next one is accepted (5.2.9).
struct AcceptedDive {
  DiveTurn Turn;
  std::vector<std::optional<HalfPoints>> Awards;  // nothing for a missing one
  Decision Decided;
};

// The dive being judged: the awards as they come in seat by seat (from the judges' pads or typed
// by the recorder), the referee's decisions and requests to send again, and the acceptance that
// records the dive through the event engine, at once. The dive judged is always the engine's dive
// up next; Follow starts afresh when that changed behind the room's back. Owned by the thread
// that owns the engine; it reaches no network and no toolkit.
class CJudgingRoom {
 public:
  explicit CJudgingRoom(CEventEngine& Engine);

  CEventEngine& Engine() { return Events; }
  const CEventEngine& Engine() const { return Events; }
  // The dive being judged; nothing when every dive is recorded.
  const std::optional<DiveTurn>& Judged() const { return Turn; }
  // How many judges sit on the panel.
  std::size_t SeatCount() const { return Awards.size(); }
  // Each seat's award, in seating order.
  const std::vector<SeatAward>& Seats() const { return Awards; }
  // The referee's decisions on the dive being judged.
  const Decision& Decided() const { return Decisions; }
  // The dive accepted last, as the judges see it; nothing before the first.
  const std::optional<AcceptedDive>& LastAccepted() const { return Accepted; }

  // Starts afresh on the engine's dive up next where it is another than the one being judged
  // (a dive recorded from the window, the file read again).
  void Follow();
  // The award of Seat (from 0) for Dive, from the judge's pad: it replaces one sent before, until
  // the dive is accepted.
  JudgingStep Give(std::size_t Seat, DiveTurn Dive, HalfPoints Award);
  // An award typed by the recorder for the dive being judged (a phone that died, flash cards):
  // nothing takes the seat back to awaited.
  JudgingStep Type(std::size_t Seat, std::optional<HalfPoints> Award);
  // The referee asks the judge of Seat to send the award again.
  JudgingStep AskAgain(std::size_t Seat);
  // The referee goes on without the award of Seat (Without), or waits for it again.
  JudgingStep GoWithout(std::size_t Seat, bool Without);
  // The referee's decisions on Dive, in place of those before.
  JudgingStep Decide(DiveTurn Dive, const Decision& Decided);
  // Records Dive through the event engine once every seat's award is in or gone without; then
  // judging moves on to the next dive.
  AcceptAnswer Accept(DiveTurn Dive);

  // Calls Changed after each change of what the room holds; the number given stops it.
  int Watch(std::function<void()> Changed);
  void Unwatch(int Watcher);

 private:
  JudgingStep Judging(DiveTurn Dive) const;
  void Start();
  void Tell();

  CEventEngine& Events;
  std::optional<DiveTurn> Turn;
  std::vector<SeatAward> Awards;
  Decision Decisions;
  std::optional<AcceptedDive> Accepted;
  std::map<int, std::function<void()>> Watchers;
  int NextWatcher = 1;
};

}  // namespace merrith
