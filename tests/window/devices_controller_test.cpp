#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "fake_view.h"
#include "file_test_folder.h"
#include "support/file_lock.h"
#include "support/utf8.h"
#include "support/words.h"
#include "test_dialogs.h"
#include "venue_client.h"
#include "window/competition_controller.h"
#include "window/devices_window_layout.h"

namespace merrith {
namespace {

using enum DevicesControl;
using testing::CTestDevice;
using testing::Json;

// Two divers on 5 judges, two dives each at 1 m.
constexpr std::string_view Meet =
    "Event: women-1m\nPanel: 5\nDiver: Ann Example\n101B\n201B\nDiver: Bea Example\n101C\n201C\n";

Json Dive(const char* Kind, double Award = 0) {
  Json Said{
      {"kind",                         Kind},
      {"dive", {{"diver", 0}, {"round", 1}}}
  };
  if (Award > 0) Said["award"] = Award;
  return Said;
}

// The recorder's window and its judges' devices' window, the server on 127.0.0.1 and devices of
// the test's own; the window's posted tasks run when the test says.
class Devices : public ::testing::Test {
 protected:
  void SetUp() override {
    Dir.Put("meet.txt", {Meet.begin(), Meet.end()});
    Window = std::make_unique<CCompetitionController>([]() -> const EventBook& { return Events; });
    auto Shown = std::make_unique<testing::FakeView>(&Opened);
    View = Shown.get();
    Window->Attach(std::move(Shown), User.Seams());
    ASSERT_TRUE(Window->Load(Dir.Text("meet.txt")));
    Window->Run(WindowCommand::JudgesDevices, NoControl);
    ASSERT_EQ(Opened.size(), 1U);
    Panel = Opened[0];
  }

  bool Start(std::u16string_view Port = u"0") {
    Panel->SetText(txAddress, u"127.0.0.1");
    Panel->SetText(txPort, Port);
    Panel->Controller->Run(WindowCommand::DevicesStart, cmdStart);
    return Server().Running();
  }
  const CVenue& Server() { return Window->JudgesDevices()->Venue(); }

  // A device that said hello with the key on the card of Seat (5: the referee's).
  std::unique_ptr<CTestDevice> Device(std::size_t Seat) {
    const std::string Base = Server().Bases().at(0);  // http://127.0.0.1:port/
    const auto Port = static_cast<std::uint16_t>(std::stoi(Base.substr(Base.rfind(':') + 1)));
    const std::string Url = Server().Cards().at(Seat).Url;
    auto Made = std::make_unique<CTestDevice>(Port);
    EXPECT_TRUE(Made->Say({
        {"kind",                       "hello"},
        { "key", Url.substr(Url.find('#') + 1)}
    }));
    return Made;
  }

  // Runs the window's posted tasks until Holds, as its thread would; false when it never does.
  bool RunUntil(const std::function<bool()>& Holds) {
    const auto Deadline = std::chrono::steady_clock::now() + testing::Patience;
    while (std::chrono::steady_clock::now() < Deadline) {
      View->RunPosted();
      if (Holds()) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return false;
  }

  std::u16string Box(int Index) { return View->Text(AwardBoxOf(Index)); }
  std::u16string SeatDevice(std::size_t Row) {
    return Panel->Grids[ControlId(grdSeats).Row][Row][2];
  }
  std::string File() const {
    const std::vector<std::uint8_t> Bytes = Dir.Get("meet.txt");
    return {Bytes.begin(), Bytes.end()};
  }

  static inline const EventBook Events = BuiltInEvents();
  testing::TestFolder Dir;
  testing::TestDialogs User;
  std::vector<testing::FakeView*> Opened;
  std::unique_ptr<CCompetitionController> Window;
  testing::FakeView* View = nullptr;
  testing::FakeView* Panel = nullptr;
};

TEST_F(Devices, StartOnThePortPickedShowsTheAddressesAndTheSeatCards) {
  EXPECT_EQ(Panel->Text(lblBases), u"Stopped: no device can reach the competition.");
  ASSERT_TRUE(Start());
  const std::string Base = Server().Bases().at(0);
  EXPECT_TRUE(Base.starts_with("http://127.0.0.1:")) << Base;
  EXPECT_EQ(Panel->Text(lblBases),
            u"Type an address on each device, or scan its seat card:\n" + DecodeUtf8(Base));
  ASSERT_EQ(User.Pages.size(), 1U);
  EXPECT_TRUE(User.Pages[0].ends_with(u"meet.txt.cards.htm"));
  const std::vector<std::uint8_t> Page = Dir.Get("meet.txt.cards.htm");
  EXPECT_NE(std::string(Page.begin(), Page.end()).find(Server().Cards().back().Code),
            std::string::npos);
  const auto& Seats = Panel->Grids[ControlId(grdSeats).Row];
  ASSERT_EQ(Seats.size(), 7U);
  EXPECT_EQ(Seats[1][0], u"J1");
  EXPECT_EQ(Seats[6][0], u"Referee");
  EXPECT_EQ(SeatDevice(6), u"No device");
}

// Without a referee's screen the recorder's Enter records, a pad's award with those typed.
TEST_F(Devices, APadsAwardFillsItsBoxOnceThePostedTaskRuns) {
  ASSERT_TRUE(Start());
  auto Pad = Device(1);
  ASSERT_TRUE(RunUntil([this] { return SeatDevice(2) == u"Connected"; }));
  ASSERT_TRUE(Pad->Say(Dive("award", 7.5)));
  ASSERT_TRUE(RunUntil([this] { return Box(1) == u"7.5"; }));
  EXPECT_EQ(SeatDevice(2), u"Award in");
  EXPECT_EQ(Box(0), u"");
  for (const int Seat : {0, 2, 3, 4}) View->SetText(AwardBoxOf(Seat), u"7");
  EXPECT_TRUE(Window->Record());
  EXPECT_NE(File().find("Round 1 | Ann Example | 101B | 7.0 7.5 7.0 7.0 7.0\n"), std::string::npos);
  EXPECT_EQ(Window->JudgesDevices()->Room().Judged(), (DiveTurn{1, 1}));
  EXPECT_EQ(SeatDevice(2), u"Connected");
}

TEST_F(Devices, WithTheRefereesScreenEnterWaitsForTheAccept) {
  ASSERT_TRUE(Start());
  auto Referee = Device(5);
  ASSERT_TRUE(RunUntil([this] { return Server().RefereeConnected(); }));
  for (int Seat = 0; Seat < 5; ++Seat) View->SetText(AwardBoxOf(Seat), u"6");
  EXPECT_FALSE(Window->Record());
  EXPECT_EQ(File().find("Round 1 |"), std::string::npos);
  EXPECT_TRUE(View->Text(CompetitionControl::lblDive)
                  .ends_with(u" \u2013 waiting for the referee's Accept"));
  ASSERT_TRUE(Referee->Say(Dive("accept")));
  ASSERT_TRUE(RunUntil([this] { return Window->Held().Recorded.size() == 1; }));
  EXPECT_NE(File().find("Round 1 | Ann Example | 101B | 6.0 6.0 6.0 6.0 6.0\n"), std::string::npos);
  EXPECT_EQ(View->Grids[ControlId(CompetitionControl::grdDives).Row].size(), 2U);
  EXPECT_TRUE(
      View->Text(CompetitionControl::lblDive).starts_with(u"Round 1 of 2 \u2013 Bea Example"));
  EXPECT_EQ(Box(0), u"");
}

TEST_F(Devices, StopAndClosingEitherWindowCloseEveryConnection) {
  ASSERT_TRUE(Start());
  auto Pad = Device(0);
  ASSERT_TRUE(RunUntil([this] { return SeatDevice(1) == u"Connected"; }));
  Panel->Controller->Run(WindowCommand::DevicesStop, cmdStop);
  EXPECT_TRUE(Pad->ClosedByServer());
  EXPECT_EQ(SeatDevice(1), u"No device");

  ASSERT_TRUE(Start());
  auto Again = Device(0);
  ASSERT_TRUE(RunUntil([this] { return Server().Connections() == 1; }));
  EXPECT_TRUE(Panel->Controller->QueryClose());
  EXPECT_TRUE(Again->ClosedByServer());

  ASSERT_TRUE(Start());
  auto Third = Device(0);
  ASSERT_TRUE(RunUntil([this] { return Server().Connections() == 1; }));
  EXPECT_TRUE(Window->QueryClose());
  EXPECT_TRUE(Third->ClosedByServer());
  EXPECT_TRUE(Panel->Closed);
}

TEST_F(Devices, APortTakenOrNoPortIsSaidAndNothingStarts) {
  testing::asio::io_context Io;
  testing::tcp::acceptor Taken(Io, {testing::asio::ip::make_address("127.0.0.1"), 0});
  const std::u16string Port = NumberText(Taken.local_endpoint().port());
  EXPECT_FALSE(Start(Port));
  ASSERT_EQ(User.Messages.size(), 1U);
  EXPECT_TRUE(User.Messages[0].starts_with(u"Cannot start the judges' devices on 127.0.0.1 port " +
                                           Port + u": "))
      << ToUtf8(User.Messages[0]);
  EXPECT_FALSE(Start(u"80x"));
  EXPECT_EQ(User.Messages.back(),
            u"The port is a whole number from 0 to 65535 (0: any free port).");
  EXPECT_TRUE(User.Pages.empty());
}

// A second window on the file reads only: no device may record a dive there.
TEST_F(Devices, ACompetitionOpenedToReadOnlyServesNoDevice) {
  CCompetitionController Other([]() -> const EventBook& { return Events; });
  std::vector<testing::FakeView*> Made;
  Other.Attach(std::make_unique<testing::FakeView>(&Made), User.Seams());
  ASSERT_TRUE(Other.Load(Dir.Text("meet.txt")));
  Other.Run(WindowCommand::JudgesDevices, NoControl);
  ASSERT_EQ(Made.size(), 1U);
  Made[0]->SetText(txPort, u"0");
  Made[0]->Controller->Run(WindowCommand::DevicesStart, cmdStart);
  EXPECT_FALSE(Other.JudgesDevices()->Venue().Running());
  EXPECT_EQ(User.Messages.back(), u"Opened to read only: " + ThisProcessHolder() +
                                      u" is recording it, so no device could record a dive.");
}

}  // namespace
}  // namespace merrith
