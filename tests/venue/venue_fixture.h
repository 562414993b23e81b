#pragma once

#include <gtest/gtest.h>

#include <future>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "file_test_folder.h"
#include "scoring/event_engine.h"
#include "scoring/judging.h"
#include "venue/event_queue.h"
#include "venue/venue.h"
#include "venue_client.h"

namespace merrith::testing {

// Two divers on 5 judges, two dives each at 1 m.
inline constexpr std::string_view Meet =
    "Event: women-1m\n"
    "Panel: 5\n"
    "\n"
    "Diver: Ann Example\nTeam: North\n101B\n201B\n"
    "Diver: Lu Example\nTeam: South\n101C\n201C\n";

// The venue's server on 127.0.0.1 for the competition in a test folder, its engine owned by a
// thread of its own that runs the tasks the network posts, as the window's thread would.
class VenueTest : public ::testing::Test {
 protected:
  void Start(NetworkLimits Limits = {}, std::string_view Text = Meet) {
    Dir.Put("meet.txt", {Text.begin(), Text.end()});
    ASSERT_TRUE(Engine.Open(Dir.Text("meet.txt")).Opened);
    Room.emplace(Engine);
    Server.emplace(*Room, [this](std::function<void()> Task) { Queue.Post(std::move(Task)); });
    VenueOptions Options;
    Options.Address = "127.0.0.1";
    Options.Port = 0;
    Options.Limits = Limits;
    const VenueStart Started = Server->Start(Options);
    ASSERT_TRUE(Started.Started) << Started.Why;
    Port = Started.Port;
    Cards = Server->Cards();
    Owner = std::thread([this] { Queue.Run(); });
  }

  // Runs Task on the engine's thread and waits for what it gives.
  template <class Task>
  auto OnOwner(Task Run) {
    auto Promise = std::make_shared<std::promise<decltype(Run())>>();
    auto Given = Promise->get_future();
    Queue.Post([Promise, Run] { Promise->set_value(Run()); });
    return Given.get();
  }

  void TearDown() override {
    if (!Owner.joinable()) return;
    OnOwner([this] {
      Server->Stop();
      return true;
    });
    Queue.Quit();
    Owner.join();
  }

  std::string File() const {
    const std::vector<std::uint8_t> Bytes = Dir.Get("meet.txt");
    return {Bytes.begin(), Bytes.end()};
  }

  // The key on the card of seat Seat (from 0; the panel's size for the referee).
  std::string KeyOf(std::size_t Seat) const {
    const std::string& Url = Cards.at(Seat).Url;
    return Url.substr(Url.find('#') + 1);
  }
  std::size_t RefereeCard() const { return Cards.size() - 1; }

  // A device that said hello with the key of Seat and was shown its state.
  std::unique_ptr<CTestDevice> Paired(std::size_t Seat) {
    auto Device = std::make_unique<CTestDevice>(Port);
    EXPECT_TRUE(Device->Say(Hello(KeyOf(Seat))));
    EXPECT_TRUE(Device->Until("welcome"));
    EXPECT_TRUE(Device->Until("state"));
    return Device;
  }

  // The messages a device sends: hello with a key, an award and the referee's accept.
  static Json Hello(const std::string& Key) {
    return {
        {"kind", "hello"},
        { "key",     Key}
    };
  }
  static Json Award(std::size_t Diver, std::size_t Round, double Points) {
    return {
        { "kind",                              "award"},
        { "dive", {{"diver", Diver}, {"round", Round}}},
        {"award",                               Points}
    };
  }
  static Json Accept(std::size_t Diver, std::size_t Round) {
    return {
        {"kind",                             "accept"},
        {"dive", {{"diver", Diver}, {"round", Round}}}
    };
  }

  // The referee's decision Words on the first dive.
  static Json Decide(const std::string& Words) {
    Json Message = Json::parse(R"({"kind": "decide", "dive": {"diver": 0, "round": 1}})");
    Message["decision"] = Words;
    return Message;
  }

  static inline const EventBook Events = BuiltInEvents();
  TestFolder Dir;
  CEventEngine Engine{Events};
  std::optional<CJudgingRoom> Room;
  CEventQueue Queue;
  std::optional<CVenue> Server;
  std::thread Owner;
  std::uint16_t Port = 0;
  std::vector<SeatCard> Cards;
};

}  // namespace merrith::testing
