#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "venue_fixture.h"

namespace merrith::testing {
namespace {

using Protocol = VenueTest;

// A pad that says hello with its card's key holds its seat and is shown the dive up next: the
// diver, the dive's number, position and height; a device without the key is sent nothing.
TEST_F(Protocol, PairsASeatByItsKeyAndShowsTheDiveUpNextAndNothingWithoutIt) {
  Start();
  CTestDevice Pad(Port);
  ASSERT_TRUE(Pad.Say(Hello(KeyOf(2))));
  const std::optional<Json> Welcome = Pad.Until("welcome");
  ASSERT_TRUE(Welcome);
  EXPECT_EQ((*Welcome)["seat"], "J3");
  EXPECT_EQ((*Welcome)["role"], "judge");
  const std::optional<Json> State = Pad.Until("state");
  ASSERT_TRUE(State);
  EXPECT_EQ((*State)["dive"]["name"], "Ann Example");
  EXPECT_EQ((*State)["dive"]["number"], "101");
  EXPECT_EQ((*State)["dive"]["position"], "Pike");
  EXPECT_EQ((*State)["dive"]["height"], "1m");
  EXPECT_EQ((*State)["award"]["state"], "awaited");
  // A key typed from the card, in groups and capitals, opens the seat as well.
  CTestDevice Typed(Port);
  ASSERT_TRUE(Typed.Say(Hello(Cards[3].Code)));
  EXPECT_TRUE(Typed.Until("welcome", [](const Json& M) { return M["seat"] == "J4"; }));
  // Without the seat's key nothing is sent: a wrong key, or an award before any hello, is
  // refused and the connection closed; the award never reaches the room.
  std::string Wrong = KeyOf(0);
  Wrong.back() = Wrong.back() == 'a' ? 'b' : 'a';
  for (const Json& First : {Hello(Wrong), Hello(""), Award(0, 1, 7)}) {
    CTestDevice Stranger(Port);
    ASSERT_TRUE(Stranger.Say(First));
    EXPECT_TRUE(Stranger.Until("refused")) << First.dump();
    EXPECT_TRUE(Stranger.ClosedByServer()) << First.dump();
  }
  EXPECT_EQ(OnOwner([this] { return Room->Seats()[0].State; }), AwardState::Awaited);
}

// A pad's award is received once the laptop has it; sent again it changes nothing, and a changed
// award replaces the first until the referee accepts.
TEST_F(Protocol, ReceivesAnAwardAndTakesAChangedOneInItsPlace) {
  Start();
  auto Referee = Paired(RefereeCard());
  auto Pad = Paired(1);
  const auto AwardIs = [](double Points) {
    return [Points](const Json& M) { return M["award"]["award"] == Points; };
  };
  ASSERT_TRUE(Pad->Say(Award(0, 1, 7)));
  EXPECT_TRUE(Pad->Until("state", AwardIs(7)));
  ASSERT_TRUE(Pad->Say(Award(0, 1, 7)));
  ASSERT_TRUE(Pad->Say(Award(0, 1, 7.5)));
  const std::optional<Json> Changed = Pad->Until("state", AwardIs(7.5));
  ASSERT_TRUE(Changed);
  EXPECT_EQ((*Changed)["award"]["state"], "received");
  EXPECT_TRUE(Referee->Until("state", [](const Json& M) { return M["seats"][1]["award"] == 7.5; }));
}

// The referee accepts once every award is in: the dive is in the file at once, every pad is
// shown each judge's award in seating order and then the next dive.
TEST_F(Protocol, AcceptRecordsTheDiveAndShowsEveryAwardOnEachPad) {
  Start();
  auto Referee = Paired(RefereeCard());
  std::vector<std::unique_ptr<CTestDevice>> Pads;
  const double Given[] = {7, 7.5, 6.5, 7, 8};
  for (std::size_t Seat = 0; Seat < 5; ++Seat) Pads.push_back(Paired(Seat));
  for (std::size_t Seat = 0; Seat < 5; ++Seat)
    ASSERT_TRUE(Pads[Seat]->Say(Award(0, 1, Given[Seat])));
  ASSERT_TRUE(Referee->Until("state", [](const Json& M) {
    for (const Json& S : M["seats"])
      if (S["state"] != "received") return false;
    return true;
  }));
  ASSERT_TRUE(Referee->Say(Accept(0, 1)));
  for (auto& Pad : Pads) {
    const std::optional<Json> Next =
        Pad->Until("state", [](const Json& M) { return !M["shown"].is_null(); });
    ASSERT_TRUE(Next);
    EXPECT_EQ((*Next)["dive"]["name"], "Lu Example");
    EXPECT_EQ((*Next)["shown"]["awards"][4]["award"], 8);
    EXPECT_EQ((*Next)["shown"]["awards"][1]["seat"], "J2");
    EXPECT_EQ((*Next)["shown"].count("total"), 0U);
  }
  EXPECT_NE(File().find("Round 1 | Ann Example | 101B | 7.0 7.5 6.5 7.0 8.0\n"), std::string::npos);
}

// The referee's decisions are recorded with the dive; a pad may not decide, nor accept.
TEST_F(Protocol, RecordsTheRefereesDecisionsAndRefusesThemFromAPad) {
  Start();
  auto Referee = Paired(RefereeCard());
  auto Pad = Paired(0);
  ASSERT_TRUE(Pad->Say(Accept(0, 1)));
  const std::optional<Json> NotYours = Pad->Until("error");
  ASSERT_TRUE(NotYours);
  EXPECT_EQ((*NotYours)["why"], "only the referee's screen may ask that");
  ASSERT_TRUE(Referee->Say(Decide("restart+max2")));
  ASSERT_TRUE(
      Referee->Until("state", [](const Json& M) { return M["decision"] == "max2+restart"; }));
  for (std::size_t Seat = 0; Seat < 5; ++Seat)
    OnOwner([this, Seat] { return Room->Type(Seat, 12); });
  ASSERT_TRUE(Referee->Say(Accept(0, 1)));
  ASSERT_TRUE(Referee->Until("state", [](const Json& M) { return !M["shown"].is_null(); }));
  EXPECT_NE(File().find("| 6.0 6.0 6.0 6.0 6.0 | max2+restart\n"), std::string::npos);
}

// A missing award is accepted as missing only by the referee's explicit choice; a seat asked
// again is shown so on its pad and awaited once more.
TEST_F(Protocol, AcceptsAMissingAwardOnlyByTheRefereesChoice) {
  Start();
  auto Referee = Paired(RefereeCard());
  std::vector<std::unique_ptr<CTestDevice>> Pads;
  for (std::size_t Seat = 0; Seat < 5; ++Seat) Pads.push_back(Paired(Seat));
  for (std::size_t Seat = 0; Seat < 4; ++Seat) ASSERT_TRUE(Pads[Seat]->Say(Award(0, 1, 6)));
  ASSERT_TRUE(Referee->SayText(R"({"kind": "ask-again", "seat": "J2"})"));
  EXPECT_TRUE(
      Pads[1]->Until("state", [](const Json& M) { return M["award"]["state"] == "again"; }));
  ASSERT_TRUE(Referee->Say(Accept(0, 1)));
  const std::optional<Json> Awaited = Referee->Until("error");
  ASSERT_TRUE(Awaited);
  EXPECT_EQ((*Awaited)["why"], "the award of J2 is awaited");
  ASSERT_TRUE(Pads[1]->Say(Award(0, 1, 6.5)));
  ASSERT_TRUE(Referee->SayText(R"({"kind": "go-without", "seat": "J5", "without": true})"));
  ASSERT_TRUE(Referee->Until("state", [](const Json& M) {
    return M["seats"][4]["state"] == "missing" && M["seats"][1]["award"] == 6.5;
  }));
  ASSERT_TRUE(Referee->Say(Accept(0, 1)));
  ASSERT_TRUE(Referee->Until("state", [](const Json& M) { return !M["shown"].is_null(); }));
  EXPECT_NE(File().find("| 101B | 6.0 6.5 6.0 6.0 -\n"), std::string::npos);
}

// A pad whose connection dropped comes back with its key and finds its award received; a second
// device with the key takes the seat over and the first is sent away.
TEST_F(Protocol, ResumesADroppedPadAndLetsAnotherDeviceTakeTheSeatOver) {
  Start();
  auto Pad = Paired(0);
  ASSERT_TRUE(Pad->Say(Award(0, 1, 9)));
  ASSERT_TRUE(Pad->Until("state", [](const Json& M) { return M["award"]["award"] == 9; }));
  Pad->Drop();
  auto Back = Paired(0);
  ASSERT_TRUE(Back->SayText(R"({"kind": "ping"})"));
  CTestDevice Other(Port);
  ASSERT_TRUE(Other.Say(Hello(KeyOf(0))));
  const std::optional<Json> State = Other.Until("state");
  ASSERT_TRUE(State);
  EXPECT_EQ((*State)["award"]["award"], 9);
  EXPECT_TRUE(Back->Until("taken-over"));
  EXPECT_TRUE(Back->ClosedByServer());
  const SeatStatus Seat = OnOwner([this] { return Server->Seat(0); });
  EXPECT_EQ(Seat.Shown, SeatShown::AwardIn);
  EXPECT_EQ(Seat.TakenOver, 1);
}

// Whatever a device sends that is no message, or an award for another dive than the one up
// next, is answered with why, and the device goes on; a message over the limit, or a text frame
// that is no UTF-8, closes that connection alone.
TEST_F(Protocol, AnswersBadMessagesAndClosesOnlyAConnectionThatSendsTooMuchOrNoText) {
  Start();
  auto Pad = Paired(0);
  struct Case {
    std::string Sent;
    std::string Why;
  };
  const std::string NoHalf = "an award is a half point from 0 to 10: award";
  // clang-format off
  const Case Cases[] = {
      {"{\"kind\": \"award\"",                   "the message is not JSON in UTF-8"},
      {"[1, 2]",                                 "the message is of no kind the server knows"},
      {"{\"kind\": \"dance\"}",                  "the message is of no kind the server knows"},
      {Award(0, 1, 7.3).dump(),                  NoHalf},
      {Award(0, 1, 10.5).dump(),                 NoHalf},
      {"{\"kind\": \"award\", \"award\": 7}",    "a field of the message is missing or wrong: dive"},
      {Award(1, 1, 7).dump(),                    "that is not the dive up next"},
  };
  // clang-format on
  for (const Case& C : Cases) {
    ASSERT_TRUE(Pad->SayText(C.Sent));
    const std::optional<Json> Error = Pad->Until("error");
    ASSERT_TRUE(Error) << C.Sent;
    EXPECT_EQ((*Error)["why"], C.Why) << C.Sent;
  }
  EXPECT_EQ(OnOwner([this] { return Room->Seats()[0].State; }), AwardState::Awaited);
  auto Long = Paired(1);
  ASSERT_TRUE(Long->SayText(std::string(8000, ' ')));
  EXPECT_TRUE(Long->ClosedByServer());
  auto Garbled = Paired(2);
  ASSERT_TRUE(Garbled->SayText("{\"kind\": \"ping\", \"x\": \"\xC3\x28\"}"));
  EXPECT_TRUE(Garbled->ClosedByServer());
  ASSERT_TRUE(Pad->Say(Award(0, 1, 7)));
  EXPECT_TRUE(Pad->Until("state", [](const Json& M) { return M["award"]["state"] == "received"; }));
}

// The pages are served from the table with the safety headers, and nothing else is: no path of
// the file system, no other method.
TEST_F(Protocol, ServesOnlyThePagesWithTheirSafetyHeaders) {
  Start();
  struct Case {
    std::string Target;
    http::verb Method;
    unsigned Status;
  };
  const Case Cases[] = {
      {                 "/pad",  http::verb::get, 200},
      {             "/referee",  http::verb::get, 200},
      {           "/venue.css", http::verb::head, 200},
      {         "/../meet.txt",  http::verb::get, 404},
      {"/pad/../../etc/passwd",  http::verb::get, 404},
      {                 "/pad", http::verb::post, 405},
  };
  for (const Case& C : Cases) {
    const auto Answer = Fetch(Port, C.Target, C.Method);
    ASSERT_TRUE(Answer) << C.Target;
    EXPECT_EQ(Answer->result_int(), C.Status) << C.Target;
    EXPECT_EQ((*Answer)["Content-Security-Policy"], "default-src 'self'") << C.Target;
    EXPECT_EQ((*Answer)["X-Content-Type-Options"], "nosniff") << C.Target;
    EXPECT_EQ((*Answer)["Referrer-Policy"], "no-referrer") << C.Target;
  }
  const auto Pad = Fetch(Port, "/pad");
  EXPECT_EQ(Pad->body().find("<script>"), std::string::npos);
  EXPECT_EQ(Pad->body().find(KeyOf(0)), std::string::npos);
}

// Past the most connections the next is refused, and those held go on; stopping the server
// closes every connection.
TEST_F(Protocol, RefusesTheConnectionPastTheMostAndClosesEveryOneWhenStopped) {
  NetworkLimits Limits;
  Limits.MostConnections = 2;
  Start(Limits);
  auto Pad = Paired(0);
  auto Referee = Paired(RefereeCard());
  CTestDevice Third(Port);
  EXPECT_FALSE(Third.IsOpen());
  ASSERT_TRUE(Pad->Say(Award(0, 1, 7)));
  EXPECT_TRUE(Referee->Until("state", [](const Json& M) { return M["seats"][0]["award"] == 7; }));
  OnOwner([this] {
    Server->Stop();
    return true;
  });
  EXPECT_TRUE(Pad->ClosedByServer());
  EXPECT_TRUE(Referee->ClosedByServer());
}

// A device silent past the idle time is dropped: a phone gone from the network without a word,
// a half-open connection.
TEST_F(Protocol, DropsADeviceSilentPastTheIdleTime) {
  NetworkLimits Limits;
  Limits.IdleSeconds = 1;
  Start(Limits);
  auto Silent = Paired(4);
  EXPECT_TRUE(Silent->ClosedByServer());
}

// A device that reads too slowly is dropped rather than waited for, and the others go on.
TEST_F(Protocol, DropsASlowReaderWithoutStallingTheOthers) {
  NetworkLimits Limits;
  Limits.MostQueued = 32;
  Start(Limits);
  auto Referee = Paired(RefereeCard());
  CTestDevice Slow(Port, 1024);
  ASSERT_TRUE(Slow.Say(Hello(KeyOf(0))));
  ASSERT_TRUE(
      Referee->Until("state", [](const Json& M) { return M["seats"][0]["device"] == true; }));
  // The referee's decisions go back and forth, the referee's screen showing each; the slow pad
  // reads none of what follows, until the server drops it.
  bool Dropped = false;
  for (int Turn = 0; Turn < 1000 && !Dropped; ++Turn) {
    const std::string Words = Turn % 2 == 0 ? "restart" : "";
    ASSERT_TRUE(Referee->Say(Decide(Words)));
    const std::optional<Json> Shown =
        Referee->Until("state", [&Words](const Json& M) { return M["decision"] == Words; });
    ASSERT_TRUE(Shown);
    Dropped = (*Shown)["seats"][0]["device"] == false;
  }
  EXPECT_TRUE(Dropped);
  EXPECT_TRUE(Slow.ClosedByServer());
}

}  // namespace
}  // namespace merrith::testing
