#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "scoring/competition.h"
#include "window/document_seams.h"
#include "window/new_competition_layout.h"
#include "window/window_view.h"

namespace merrith {

// What the new competition's window does, whichever view shows it: the book, its events and
// the panel picked (9 judges for a synchronised event, else 5), the divers' sheets added (from
// the open dialog, several at once, or dropped), put in starting order and checked against the
// event as they come; Start writes the competition file and hands it on.
class CNewCompetitionController : public WindowController {
 public:
  // A window that opens the competition it wrote through Opened.
  CNewCompetitionController(BookSource Book, std::function<void(std::u16string_view)> Opened);

  // Shows the window in View, asking through Asks, or through the view's dialogs when none.
  void Attach(std::unique_ptr<WindowView> Shown, std::optional<Dialogs> Asks);
  WindowView& View() { return *Shown; }
  bool IsOpen() const { return Shown != nullptr && Shown->IsOpen(); }

  // The sheets at Paths join the divers at the end of the starting order; a sheet that cannot
  // be read is said and left out.
  void AddSheets(std::span<const std::u16string> Paths);
  // Moves the diver picked in the grid By places (-1 earlier, 1 later), or takes it out.
  void MoveDiver(int By);
  void RemoveDiver();
  // Asks where to save, writes the competition file and opens it; false, having said why,
  // when something is missing, the lists have errors or the file cannot be written.
  bool Start();

  void Run(WindowCommand Command, ControlId Control) override;
  bool QueryClose() override { return true; }
  void Dropped(std::span<const std::u16string> Paths) override { AddSheets(Paths); }

 private:
  struct Diver {
    std::u16string Name;
    std::u16string Sheet;  // the sheet file's path as added
  };
  void ShowDivers(int Picked);
  void ListEvents(std::u16string_view Keep);
  void EventPicked();
  const std::u16string& PickedBook() const;
  const Event* PickedEvent() const;
  // The competition the window would write, its sheets named by their paths as added.
  Competition Planned() const;

  BookSource Book;
  std::vector<std::u16string> BookIds;  // the book drop-down's, in its order
  std::vector<const Event*> Events;     // the event drop-down's: the picked book's
  std::function<void(std::u16string_view)> Opened;
  std::unique_ptr<WindowView> Shown;
  std::optional<Dialogs> Asks;
  std::vector<Diver> Divers;
};

}  // namespace merrith
