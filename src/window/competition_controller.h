#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "scoring/competition.h"
#include "scoring/event_engine.h"
#include "window/competition_window_layout.h"
#include "window/devices_controller.h"
#include "window/document_seams.h"
#include "window/window_view.h"

namespace merrith {

// Why the competition file at Path cannot be opened: its first errors, each with its line.
std::u16string CompetitionErrorsMessage(std::u16string_view Path,
                                        const std::vector<CompetitionError>& Errors);

// What the recorder's window does, whichever view shows it: the dive up next, the awards keyed
// box by box and handed to the event engine, which records each dive into the file at once;
// the standings and the dives recorded redone, a recorded dive corrected, the results printed
// and exported. A file another window holds is opened to read, naming the holder.
class CCompetitionController : public WindowController {
 public:
  explicit CCompetitionController(BookSource Book);

  // Shows the window in View, asking through Asks, or through the view's dialogs when none.
  void Attach(std::unique_ptr<WindowView> Shown, std::optional<Dialogs> Asks);
  WindowView& View() { return *Shown; }
  bool IsOpen() const { return Shown != nullptr && Shown->IsOpen(); }

  // Reads the competition file (or its .csv) at Path and continues from the dive after the
  // last recorded; false, having said why, when it cannot be read or has errors.
  bool Load(std::u16string_view Path);

  const Competition& Held() const { return Engine->Held(); }
  // The dive the award boxes are for: the one up next, or the one being corrected.
  std::optional<DiveTurn> Keyed() const;

  // Records the awards and the decision in the boxes for the dive keyed, writes the file and
  // brings up the next dive; false, having said why, when an award cannot be read, the file is
  // another's, changed on disk so that it clashes, or cannot be written (the awards stay keyed
  // then). While a referee's screen is connected the awards wait there for the referee's
  // Accept instead (false).
  bool Record();
  // Opens the dive recorded Index-th (from 0) again in the boxes, to be corrected.
  void Correct(std::size_t Index);
  // Back to the dive up next, the correction dropped.
  void CancelCorrection();
  // Marks the diver picked in the standings with the status picked (a diver who withdrew or
  // was disqualified dives no more from their first round not yet recorded), saved to the file
  // at once; false, having said why, when no diver is picked or the status cannot be set.
  bool SetStatus();
  void PrintResults();
  void ExportCsv();
  // Draws the starting order with the seed typed, the system's where none is, written into the
  // file through this window's engine; false, having said why, where a dive is recorded, the
  // seed is none, or the file cannot be written.
  bool Draw();
  // Writes the start list beside the file (meet-start-list.htm) and opens it.
  void PrintStartList();
  // Writes the results after the last complete round beside the file (meet-after-round-3.htm)
  // and opens them; refused, as results --after-round refuses, before a round is complete.
  void PrintRanking();
  // Writes the next phase of the top N typed (the final, or a semi-final where the user says
  // so) to the file the user names, ties drawn with the seed typed or the system's, and says
  // who went through and where; false, having said why, where it is not written.
  bool NextPhase();
  // Writes the judges' analysis beside the file (meet-judges.htm) and opens it; refused with
  // no dive recorded.
  void PrintJudges();

  void Run(WindowCommand Command, ControlId Control) override;
  // Every dive recorded is in the file already; the file is let go.
  bool QueryClose() override;
  // Closes the window without asking, its file let go at once.
  void CloseAsked();
  KeyAnswer Key(ControlId Box, KeyPress Key) override;

  // The judges' devices of this competition, once their window was opened; else null.
  CDevicesController* JudgesDevices() { return Devices.get(); }

 private:
  int Judges() const { return JudgesOf(Held().Judges); }
  void ShowCaption();
  void ShowJudges();
  void ShowRecorded();
  void ShowKeyed();
  void FillBoxes(const RecordedDive* From);
  // Tells the user what the engine made of a request that was not done, and what Kept of
  // theirs is still there; true when it was done.
  bool Told(const EngineAnswer& Answer, std::u16string_view Kept);
  // Everything the window shows of the file, after it was read or written.
  void ShowHeld();
  // Whether Output may be written: false, having said why, where it is one of the competition's
  // own files.
  bool MayWrite(std::u16string_view Output);
  // The page Suffix names beside the competition's file, the file's own extension left off.
  std::u16string PageBeside(std::u16string_view Suffix) const;
  // The seed typed, or the system's where none is; nothing, having said why, when neither is.
  std::optional<std::uint64_t> SeedAsked();

  BookSource Book;
  std::unique_ptr<WindowView> Shown;
  std::optional<Dialogs> Asks;
  std::optional<CEventEngine> Engine;
  std::optional<DiveTurn> Correcting;  // the recorded dive being corrected

  // The judges' devices: their window, the awards from pads in the boxes, the referee's Accept.
  void OpenDevices();
  void DevicesChanged(bool NextDive);
  void HandToReferee(const KeyedDive& Keyed);
  // Last, so that the server stops before the engine and the view it posts to go.
  std::unique_ptr<CDevicesController> Devices;
};

}  // namespace merrith
