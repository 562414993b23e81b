#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <boost/asio/read_until.hpp>

#include "venue_fixture.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace merrith::testing {
namespace {

// One message of the event stream as a client reads it.
struct StreamEvent {
  std::string Id;
  std::string Kind;
  Json Data;
};

// A client of /events on 127.0.0.1, as a program or a page's EventSource is, saying which event
// it holds where it comes back. Each wait is bounded.
class CTestStream {
 public:
  CTestStream(std::uint16_t Port, std::optional<std::string> Held = std::nullopt,
              int ReceiveBuffer = 0) {
    beast::error_code Failed;
    Stream.socket().open(tcp::v4());
    if (ReceiveBuffer > 0)
      Stream.socket().set_option(asio::socket_base::receive_buffer_size(ReceiveBuffer));
    Stream.socket().connect({asio::ip::make_address("127.0.0.1"), Port}, Failed);
    if (Failed) return;
    http::request<http::empty_body> Asked{http::verb::get, "/events", 11};
    Asked.set(http::field::host, "127.0.0.1:" + std::to_string(Port));
    if (Held) Asked.set("Last-Event-ID", *Held);
    http::write(Stream, Asked, Failed);
  }

  // The next event, or nothing where none came in Wait. The head of the response and the
  // stream's retry come before the first event and are read past.
  std::optional<StreamEvent> Next(std::chrono::milliseconds Wait = Patience) {
    std::optional<beast::error_code> Done;
    std::size_t End = 0;
    asio::async_read_until(
        Stream, asio::dynamic_buffer(Read), "\n\n",
        [&](beast::error_code Failed, std::size_t N) { Done = Failed, End = N; });
    Io.restart();
    Io.run_for(Wait);
    if (!Done) Stream.socket().cancel(), Io.restart(), Io.run();
    if (!Done || *Done) return std::nullopt;
    std::istringstream Lines(Read.substr(0, End));
    Read.erase(0, End);
    StreamEvent Event;
    for (std::string Line; std::getline(Lines, Line);) {
      if (Line.rfind("id: ", 0) == 0) Event.Id = Line.substr(4);
      if (Line.rfind("event: ", 0) == 0) Event.Kind = Line.substr(7);
      if (Line.rfind("data: ", 0) == 0) Event.Data = Json::parse(Line.substr(6), nullptr, false);
    }
    return Event.Kind.empty() ? Next(Wait) : Event;
  }

 private:
  asio::io_context Io;
  beast::tcp_stream Stream{Io};
  std::string Read;
};

class Feed : public VenueTest {
 protected:
  // Every judge's award typed and the dive up next accepted, as the recorder would.
  void AcceptNext(HalfPoints Award = 14) {
    ASSERT_TRUE(OnOwner([this, Award] {
      for (std::size_t Seat = 0; Seat < Room->SeatCount(); ++Seat) Room->Type(Seat, Award);
      return Room->Judged() && Room->Accept(*Room->Judged()).Done();
    }));
  }

  // The number of the event N after the state that a client is sent first.
  std::string Id(std::uint64_t N) const { return std::to_string(First + N); }
  std::uint64_t First = 0;

  // The events until the one numbered Id, in the order they came.
  static std::vector<StreamEvent> Until(CTestStream& Stream, const std::string& Id) {
    std::vector<StreamEvent> Came;
    while (std::optional<StreamEvent> E = Stream.Next()) {
      Came.push_back(*E);
      if (E->Id == Id) break;
    }
    return Came;
  }
};

// A client that disconnects and comes back with Last-Event-ID gets every event it missed, once,
// and then the events as they come.
TEST_F(Feed, AClientThatComesBackGetsEveryEventItMissedOnce) {
  Start();
  std::string Held;
  {
    CTestStream Stream(Port);
    const std::optional<StreamEvent> Now = Stream.Next();
    ASSERT_TRUE(Now);
    EXPECT_EQ(Now->Kind, "state");
    First = std::stoull(Now->Id);
    AcceptNext();
    std::vector<StreamEvent> Came = Until(Stream, Id(2));
    ASSERT_EQ(Came.size(), 2U);
    EXPECT_EQ(Came[0].Kind, "accepted");
    EXPECT_EQ(Came[0].Data["dive"]["awards"], Json::parse("[7.0,7.0,7.0,7.0,7.0]"));
    EXPECT_EQ(Came[0].Data["dive"]["points"], 27.3);
    EXPECT_EQ(Came[1].Kind, "next");
    EXPECT_EQ(Came[1].Data["next"]["name"], "Lu Example");
    Held = Came[1].Id;
  }
  AcceptNext();
  AcceptNext(12);
  CTestStream Back(Port, Held);
  std::vector<std::string> Kinds;
  std::vector<std::string> Ids;
  while (std::optional<StreamEvent> E = Back.Next(std::chrono::milliseconds(500))) {
    Kinds.push_back(E->Kind);
    Ids.push_back(E->Id);
  }
  EXPECT_EQ(Ids, (std::vector<std::string>{Id(3), Id(4), Id(5), Id(6)}));
  EXPECT_EQ(Kinds, (std::vector<std::string>{"accepted", "next", "accepted", "next"}));
  AcceptNext();
  std::optional<StreamEvent> Live = Back.Next();
  ASSERT_TRUE(Live);
  EXPECT_EQ(Live->Id, Id(7));
  EXPECT_EQ(Live->Data["dive"]["place"], 1);
}

// feed.json is the whole event now: the results with the current standings, the dive up next
// with the diver's place and total so far, the last dive accepted, and its schema. It needs no
// key, and nothing can be sent to it.
TEST_F(Feed, FeedJsonIsTheWholeEventNow) {
  Start();
  AcceptNext();
  AcceptNext(12);
  const auto Answer = Fetch(Port, "/feed.json");
  ASSERT_TRUE(Answer);
  EXPECT_EQ((*Answer)[http::field::content_type], "application/json; charset=utf-8");
  Json Whole = Json::parse(Answer->body());
  EXPECT_EQ(Whole["schema"], 1);
  EXPECT_EQ(Whole["rounds_complete"], 1);
  EXPECT_EQ(Whole["next"]["name"], "Ann Example");
  EXPECT_EQ(Whole["next"]["place"], 1);
  EXPECT_EQ(Whole["next"]["total"], 27.3);
  EXPECT_EQ(Whole["last"]["total"], 21.6);
  const auto Posted = Fetch(Port, "/feed.json", http::verb::post);
  ASSERT_TRUE(Posted);
  EXPECT_EQ(Posted->result(), http::status::method_not_allowed);
}

// A pad's award is no news for the feed: the standings show nothing before the referee accepts.
// A diver withdrawn at the recorder's keys is told as a withdrawal, with the standings in which
// the diver is placed no more.
TEST_F(Feed, AnAwardIsNoNewsAndAWithdrawalIsToldWithTheStandings) {
  Start();
  CTestStream Stream(Port);
  ASSERT_TRUE(Stream.Next());
  ASSERT_TRUE(OnOwner([this] { return Room->Type(0, 14) == JudgingStep::Done; }));
  EXPECT_FALSE(Stream.Next(std::chrono::milliseconds(300)));
  ASSERT_TRUE(OnOwner([this] {
    const bool Done = Engine.SetStatus(1, DiverStatus::Withdrawn, 1, u"").Step == EngineStep::Done;
    Server->Refresh();
    return Done;
  }));
  std::optional<StreamEvent> Told = Stream.Next();
  ASSERT_TRUE(Told);
  EXPECT_EQ(Told->Kind, "withdrawal");
  EXPECT_EQ(Told->Data["name"], "Lu Example");
  EXPECT_EQ(Told->Data["results"]["current"][1]["status"], "wd");
}

// A client of the stream that never reads is dropped once its events pile up: it is never
// waited for, and what it would hold cannot grow the server's memory.
TEST_F(Feed, AClientThatNeverReadsIsDropped) {
#ifdef _WIN32
  // Wine's sockets take what the client never reads into the host's buffers, whatever size the
  // client asks for, so that nothing waits at the server to be dropped.
  if (GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr)
    GTEST_SKIP() << "the stalled client's buffers are not bounded under Wine";
#endif
  NetworkLimits Tight;
  Tight.MostQueued = 2;
  // Long names make each event long, so that the system's buffers fill after a few.
  const std::string Long(20000, 'a');
  const std::string Text = "Event: women-1m\nPanel: 5\n\nDiver: Ann " + Long +
                           "\n101B\n201B\n103B\nDiver: Lu " + Long + "\n101C\n201C\n103C\n";
  Start(Tight, Text);
  CTestStream Stalled(Port, std::nullopt, 1024);
  // It reads the event now, and then nothing more.
  ASSERT_TRUE(Stalled.Next());
  for (int Dive = 0; Dive < 6; ++Dive) AcceptNext();
  const auto Deadline = std::chrono::steady_clock::now() + Patience;
  while (OnOwner([this] { return Server->Connections(); }) != 0 &&
         std::chrono::steady_clock::now() < Deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  EXPECT_EQ(OnOwner([this] { return Server->Connections(); }), 0U);
}

// The clients of the feed past its most are refused at once, so that the pads still get in.
TEST_F(Feed, RefusesClientsPastItsMostAndLetsThePadsIn) {
  NetworkLimits One;
  One.MostStreams = 1;
  Start(One);
  CTestStream Held(Port);
  ASSERT_TRUE(Held.Next());
  EXPECT_FALSE(CTestStream(Port).Next());
  EXPECT_TRUE(Paired(0));
}

}  // namespace
}  // namespace merrith::testing
