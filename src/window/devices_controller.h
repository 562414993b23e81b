#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "scoring/event_engine.h"
#include "scoring/judging.h"
#include "venue/venue.h"
#include "window/dialogs.h"
#include "window/window_view.h"

namespace merrith {

// What the judges' devices' window does: the venue's server for the recorder's competition, on
// the address and port the user picks, over a judging room on the recorder's own engine (the
// file is held once); the addresses to type, the seat cards written beside the competition and
// shown, each seat's device, and Stop. Everything runs on the recorder's window's thread: the
// network posts there through Post.
class CDevicesController : public WindowController {
 public:
  // Judging on Engine; Changed is told each change of the room, NextDive when the dive judged
  // is another than before (one was accepted, or recorded from the recorder's keys).
  CDevicesController(CEventEngine& Engine, OwnerPost Post, Dialogs Asks,
                     std::function<void(bool NextDive)> Changed);
  ~CDevicesController() override;
  CDevicesController(const CDevicesController&) = delete;
  CDevicesController& operator=(const CDevicesController&) = delete;

  // Shows the window in View, the server's state in it.
  void Attach(std::unique_ptr<WindowView> View);
  // Whether the window is open, and the window once attached.
  bool IsOpen() const { return Shown != nullptr && Shown->IsOpen(); }
  WindowView& View() { return *Shown; }

  // Starts the server where the window says and shows the seat cards; false, having said why,
  // when the address or port is no good or the port is taken.
  bool Start();
  // Stops the server: every device's connection is closed.
  void Stop();
  // Stops the server and closes the window.
  void Close();

  // The dive being judged, its awards seat by seat; and the server.
  CJudgingRoom& Room() { return Judging; }
  const CVenue& Venue() const { return Server; }
  // Starts the room afresh on the dive up next, where the recorder's keys recorded one; while
  // the server runs, the devices and the feed hear of what the keys changed.
  void Follow() {
    if (Server.Running())
      Server.Refresh();
    else
      Judging.Follow();
  }

  void Run(WindowCommand Command, ControlId Control) override;
  // Closing the window stops the server.
  bool QueryClose() override;

 private:
  void ShowCards();
  void ShowServer();
  void RoomChanged();

  CEventEngine& Engine;
  Dialogs Asks;
  std::function<void(bool NextDive)> Changed;
  CJudgingRoom Judging;
  std::optional<DiveTurn> Judged;  // the dive judged when the room last changed
  CVenue Server;
  int Watcher = 0;
  std::unique_ptr<WindowView> Shown;
};

}  // namespace merrith
