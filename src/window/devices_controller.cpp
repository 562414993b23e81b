#include "window/devices_controller.h"

#include <utility>
#include <vector>

#include "support/file_outcome.h"
#include "support/utf8.h"
#include "support/words.h"
#include "venue/client_message.h"
#include "venue/venue_desk.h"
#include "window/devices_window_layout.h"
#include "window/document_seams.h"

namespace merrith {

using enum DevicesControl;

namespace {

// The port the window offers: where it is taken, the next free one of the few after it.
constexpr std::u16string_view DefaultPort = u"8080";

std::u16string DeviceText(SeatShown Shown) {
  switch (Shown) {
    case SeatShown::NoDevice:
      return u"No device";
    case SeatShown::Connected:
      return u"Connected";
    case SeatShown::AwardIn:
      return u"Award in";
  }
  return u"";
}

std::vector<std::u16string> SeatRow(std::u16string Seat, std::u16string Title,
                                    const SeatStatus& Status) {
  return {std::move(Seat), std::move(Title), DeviceText(Status.Shown), DecodeUtf8(Status.Address)};
}

}  // namespace

CDevicesController::CDevicesController(CEventEngine& Events, OwnerPost Post, Dialogs Given,
                                       std::function<void(bool NextDive)> Told)
    : Engine(Events),
      Asks(std::move(Given)),
      Changed(std::move(Told)),
      Judging(Events),
      Judged(Judging.Judged()),
      Server(Judging, std::move(Post)) {
  Watcher = Judging.Watch([this] { RoomChanged(); });
  Server.Observe([this](const DeskEvent& Seen) {
    // The referee's screen tells why; the recorder, who keeps the paper, hears it too.
    if (Seen.News == DeskNews::Refused)
      Asks.Message(u"The referee's Accept was not recorded: " + DecodeUtf8(Seen.Text));
    ShowServer();
  });
}

// The server stops as it goes, before the room it watches.
CDevicesController::~CDevicesController() { Judging.Unwatch(Watcher); }

void CDevicesController::Attach(std::unique_ptr<WindowView> View) {
  Shown = std::move(View);
  ShowServer();
}

void CDevicesController::RoomChanged() {
  const bool NextDive = Judging.Judged() != Judged;
  Judged = Judging.Judged();
  ShowServer();
  if (Changed) Changed(NextDive);
}

bool CDevicesController::Start() {
  if (Server.Running()) return true;
  const std::u16string Address = Shown->Text(txAddress);
  const std::u16string Port = Shown->Text(txPort);
  const std::optional<std::size_t> Number = ReadWholeNumber(Port, 0, 65535);
  if (!Number) {
    Asks.Message(u"The port is a whole number from 0 to 65535 (0: any free port).");
    Shown->Focus(txPort);
    return false;
  }
  VenueOptions Options;
  Options.Address = Address.empty() ? std::string("0.0.0.0") : ToUtf8(Address);
  Options.Port = static_cast<std::uint16_t>(*Number);
  // A port the user typed is that port; the one offered may move on, as merrith-cli serve's.
  Options.NextFreePort = Port == DefaultPort;
  Options.KeysFile = Engine.Path() + u".keys";
  const VenueStart Started = Server.Start(Options);
  if (!Started.Started) {
    Asks.Message(u"Cannot start the judges' devices on " + DecodeUtf8(Options.Address) + u" port " +
                 std::u16string(Port) + u": " + DecodeUtf8(Started.Why));
    Shown->Focus(txPort);
    return false;
  }
  ShowServer();
  ShowCards();
  return true;
}

// The cards hold the keys: beside the competition, as its keys are, never served.
void CDevicesController::ShowCards() {
  if (!Server.Running()) return;
  const std::u16string Page = Engine.Path() + u".cards.htm";
  const std::string Text = Server.CardsPage();
  ShowWrittenPage(Asks, WriteFileBytes(Page, {Text.begin(), Text.end()}), Page);
}

void CDevicesController::Stop() {
  Server.Stop();
  if (IsOpen()) ShowServer();
}

void CDevicesController::Close() {
  QueryClose();
  if (IsOpen()) Shown->Close();
}

// Where to go and each seat's device, and which buttons mean something now.
void CDevicesController::ShowServer() {
  if (!IsOpen()) return;
  const bool Running = Server.Running();
  std::u16string Bases = Running ? u"Type an address on each device, or scan its seat card:"
                                 : u"Stopped: no device can reach the competition.";
  for (const std::string& Base : Server.Bases()) Bases += u"\n" + DecodeUtf8(Base);
  Shown->SetText(lblBases, Bases);
  std::vector<std::vector<std::u16string>> Rows{
      {u"Seat", u"Judge", u"Device", u"From"}
  };
  const Panel P = Engine.Held().Judges;
  for (std::size_t I = 0; I < Judging.SeatCount(); ++I)
    Rows.push_back(SeatRow(DecodeUtf8(SeatName(I)), DecodeUtf8(SeatTitle(P, I)), Server.Seat(I)));
  Rows.push_back(SeatRow(u"Referee", u"Referee", Server.Referee()));
  Shown->SetRows(grdSeats, Rows);
  Shown->Enable(txAddress, !Running);
  Shown->Enable(txPort, !Running);
  Shown->Enable(cmdStart, !Running);
  Shown->Enable(cmdStop, Running);
  Shown->Enable(cmdCards, Running);
}

void CDevicesController::Run(WindowCommand Command, ControlId) {
  switch (Command) {
    case WindowCommand::DevicesStart:
      Start();
      break;
    case WindowCommand::DevicesStop:
      Stop();
      break;
    case WindowCommand::DevicesCards:
      ShowCards();
      break;
    default:
      break;
  }
}

bool CDevicesController::QueryClose() {
  Stop();  // the devices go with their window
  return true;
}

}  // namespace merrith
