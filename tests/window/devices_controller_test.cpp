#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "fake_view.h"
#include "file_test_folder.h"
#include "support/utf8.h"
#include "support/words.h"
#include "test_dialogs.h"
#include "venue_client.h"
#include "window/competition_controller.h"
#include "window/devices_window_layout.h"

namespace merrith {
namespace {

using enum DevicesControl;

// The recorder's window on two divers and 5 judges, and its judges' devices' window: the server
// on 127.0.0.1, devices of the test's own, the window's posted tasks run when the test says.
class Devices : public ::testing::Test {
 protected:
  void SetUp() override {
    Dir.Put("meet.txt", {Meet.begin(), Meet.end()});
    auto Made = std::make_unique<testing::FakeView>(&Opened);
    View = Made.get();
    Window.Attach(std::move(Made), User.Seams());
    ASSERT_TRUE(Window.Load(Dir.Text("meet.txt")));
    Window.Run(WindowCommand::JudgesDevices, NoControl);
    Panel = Opened.at(0);
  }
  bool Start(std::u16string_view Port = u"0") {
    Panel->SetText(txAddress, u"127.0.0.1");
    Panel->SetText(txPort, Port);
    Panel->Controller->Run(WindowCommand::DevicesStart, cmdStart);
    return Server().Running();
  }
  const CVenue& Server() { return Window.JudgesDevices()->Venue(); }

  // A device that said hello with the key on the card of Seat (5: the referee's).
  std::unique_ptr<testing::CTestDevice> Device(std::size_t Seat) {
    const std::string Url = Server().Cards().at(Seat).Url;  // http://127.0.0.1:port/...#key
    auto Made = std::make_unique<testing::CTestDevice>(
        static_cast<std::uint16_t>(std::stoi(Url.substr(17))));
    EXPECT_TRUE(
        Made->SayText(R"({"kind":"hello","key":")" + Url.substr(Url.find('#') + 1) + "\"}"));
    return Made;
  }

  // Runs the window's posted tasks until Holds, as its thread would; false when it never does.
  bool RunUntil(const std::function<bool()>& Holds) {
    for (auto Until = std::chrono::steady_clock::now() + testing::Patience;
         !Holds() && std::chrono::steady_clock::now() < Until; View->RunPosted())
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    return Holds();
  }
  std::u16string& Seat(std::size_t Row) { return Panel->Grids[ControlId(grdSeats).Row].at(Row)[2]; }
  std::string File(const char* Name = "meet.txt") const {
    const std::vector<std::uint8_t> Bytes = Dir.Get(Name);
    return {Bytes.begin(), Bytes.end()};
  }

  static constexpr std::string_view Meet =
      "Event: women-1m\nPanel: 5\nDiver: Ann Example\n101B\n201B\nDiver: Bea Example\n101C\n201C\n";
  static inline const EventBook Events = BuiltInEvents();
  testing::TestFolder Dir;
  testing::TestDialogs User;
  std::vector<testing::FakeView*> Opened;
  CCompetitionController Window{[]() -> const EventBook& { return Events; }};
  testing::FakeView* View = nullptr;
  testing::FakeView* Panel = nullptr;
};

// Without a referee's screen the recorder's Enter records, a pad's award with those typed; Stop
// and closing the recorder's window close every connection.
TEST_F(Devices, APadsAwardFillsItsBoxAndStopClosesEveryConnection) {
  ASSERT_TRUE(Start());
  EXPECT_EQ(Panel->Text(lblBases), u"Type an address on each device, or scan its seat card:\n" +
                                       DecodeUtf8(Server().Bases().at(0)));
  EXPECT_TRUE(User.Pages.at(0).ends_with(u"meet.txt.cards.htm"));
  EXPECT_NE(File("meet.txt.cards.htm").find(Server().Cards().back().Code), std::string::npos);
  auto Pad = Device(1);
  ASSERT_TRUE(Pad->SayText(R"({"kind":"award","dive":{"diver":0,"round":1},"award":7.5})"));
  ASSERT_TRUE(RunUntil([this] { return View->Text(AwardBoxOf(1)) == u"7.5"; }));
  EXPECT_EQ(Seat(2), u"Award in");
  for (const int Other : {0, 2, 3, 4}) View->SetText(AwardBoxOf(Other), u"7");
  EXPECT_TRUE(Window.Record());
  EXPECT_NE(File().find("| 101B | 7.0 7.5 7.0 7.0 7.0\n"), std::string::npos);
  EXPECT_EQ(Window.JudgesDevices()->Room().Judged(), (DiveTurn{1, 1}));
  Panel->Controller->Run(WindowCommand::DevicesStop, cmdStop);
  EXPECT_TRUE(Pad->ClosedByServer());
  ASSERT_TRUE(Start());
  auto Again = Device(0);
  EXPECT_TRUE(Window.QueryClose());
  EXPECT_TRUE(!Server().Running() && Again->ClosedByServer());
}

TEST_F(Devices, WithTheRefereesScreenEnterWaitsForTheAccept) {
  ASSERT_TRUE(Start());
  auto Referee = Device(5);
  ASSERT_TRUE(RunUntil([this] { return Server().RefereeConnected(); }));
  for (int Judge = 0; Judge < 5; ++Judge) View->SetText(AwardBoxOf(Judge), u"6");
  EXPECT_FALSE(Window.Record());
  EXPECT_EQ(File(), Meet);
  ASSERT_TRUE(Referee->SayText(R"({"kind":"accept","dive":{"diver":0,"round":1}})"));
  ASSERT_TRUE(RunUntil([this] { return Window.Held().Recorded.size() == 1; }));
  EXPECT_NE(File().find("| 101B | 6.0 6.0 6.0 6.0 6.0\n"), std::string::npos);
  EXPECT_TRUE(View->Text(CompetitionControl::lblDive).starts_with(u"Round 1 of 2 \u2013 Bea"));
}

TEST_F(Devices, APortTakenIsSaidAndNothingStarts) {
  testing::asio::io_context Io;
  testing::tcp::acceptor Taken(Io, {testing::asio::ip::make_address("127.0.0.1"), 0});
  const std::u16string Port = NumberText(Taken.local_endpoint().port());
  EXPECT_FALSE(Start(Port));
  EXPECT_TRUE(User.Messages.at(0).starts_with(
      u"Cannot start the judges' devices on 127.0.0.1 port " + Port + u": "));
}

}  // namespace
}  // namespace merrith
