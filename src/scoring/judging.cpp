#include "scoring/judging.h"

#include <utility>

namespace merrith {

CJudgingRoom::CJudgingRoom(CEventEngine& Engine) : Events(Engine) { Start(); }

void CJudgingRoom::Start() {
  Turn = Events.UpNext();
  Awards.assign(static_cast<std::size_t>(JudgesOf(Events.Held().Judges)), SeatAward{});
  Decisions = {};
}

void CJudgingRoom::Tell() {
  // A watcher may stop watching from inside its call: the calls run over a copy.
  const std::map<int, std::function<void()>> Now = Watchers;
  for (const auto& [Id, Changed] : Now) Changed();
}

void CJudgingRoom::Follow() {
  const std::size_t Judges = static_cast<std::size_t>(JudgesOf(Events.Held().Judges));
  if (Events.UpNext() == Turn && Awards.size() == Judges) return;
  Start();
  Tell();
}

JudgingStep CJudgingRoom::Judging(DiveTurn Dive) const {
  if (!Turn) return JudgingStep::NoDive;
  return Dive == *Turn ? JudgingStep::Done : JudgingStep::OtherDive;
}

JudgingStep CJudgingRoom::Give(std::size_t Seat, DiveTurn Dive, HalfPoints Award) {
  if (const JudgingStep Step = Judging(Dive); Step != JudgingStep::Done) return Step;
  if (Seat >= Awards.size()) return JudgingStep::NoSuchSeat;
  if (Award < 0 || Award > MaxAward) return JudgingStep::NotAnAward;
  const SeatAward Now{AwardState::Received, Award, false};
  if (Awards[Seat] == Now) return JudgingStep::Done;  // a resend of what is in
  Awards[Seat] = Now;
  Tell();
  return JudgingStep::Done;
}

JudgingStep CJudgingRoom::Type(std::size_t Seat, std::optional<HalfPoints> Award) {
  if (!Turn) return JudgingStep::NoDive;
  if (Seat >= Awards.size()) return JudgingStep::NoSuchSeat;
  if (Award && (*Award < 0 || *Award > MaxAward)) return JudgingStep::NotAnAward;
  const SeatAward Now = Award ? SeatAward{AwardState::Received, Award, true} : SeatAward{};
  if (Awards[Seat] == Now) return JudgingStep::Done;
  Awards[Seat] = Now;
  Tell();
  return JudgingStep::Done;
}

JudgingStep CJudgingRoom::AskAgain(std::size_t Seat) {
  if (!Turn) return JudgingStep::NoDive;
  if (Seat >= Awards.size()) return JudgingStep::NoSuchSeat;
  Awards[Seat] = {AwardState::AskedAgain, std::nullopt, false};
  Tell();
  return JudgingStep::Done;
}

JudgingStep CJudgingRoom::GoWithout(std::size_t Seat, bool Without) {
  if (!Turn) return JudgingStep::NoDive;
  if (Seat >= Awards.size()) return JudgingStep::NoSuchSeat;
  Awards[Seat] = {Without ? AwardState::Missing : AwardState::Awaited, std::nullopt, false};
  Tell();
  return JudgingStep::Done;
}

JudgingStep CJudgingRoom::Decide(DiveTurn Dive, const Decision& Decided) {
  if (const JudgingStep Step = Judging(Dive); Step != JudgingStep::Done) return Step;
  if (Decisions == Decided) return JudgingStep::Done;
  Decisions = Decided;
  Tell();
  return JudgingStep::Done;
}

AcceptAnswer CJudgingRoom::Accept(DiveTurn Dive) {
  AcceptAnswer Answer;
  if (const JudgingStep Step = Judging(Dive); Step != JudgingStep::Done) {
    Answer.Step = Step;
    return Answer;
  }
  KeyedDive Keyed{*Turn, {}, Decisions};
  for (std::size_t Seat = 0; Seat < Awards.size(); ++Seat) {
    const SeatAward& A = Awards[Seat];
    if (A.State != AwardState::Received && A.State != AwardState::Missing) {
      Answer.Step = JudgingStep::Awaited;
      Answer.Seat = Seat;
      return Answer;
    }
    Keyed.Awards.push_back(A.Award);
  }
  Answer.Engine = Events.Record(Keyed);
  if (!Answer.Engine.Done()) {
    Answer.Step = JudgingStep::Engine;
    return Answer;
  }
  Accepted = AcceptedDive{Keyed.Turn, std::move(Keyed.Awards), Keyed.Decided};
  Start();
  Tell();
  return Answer;
}

int CJudgingRoom::Watch(std::function<void()> Changed) {
  Watchers.emplace(NextWatcher, std::move(Changed));
  return NextWatcher++;
}

void CJudgingRoom::Unwatch(int Watcher) { Watchers.erase(Watcher); }

}  // namespace merrith
