#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "window/dialogs.h"
#include "window/document_seams.h"
#include "window/sheet_fields.h"
#include "window/sheet_window_layout.h"

namespace merrith {

// What a toolkit shows afresh after a command of the sheet window.
enum class SheetRedraw {
  Nothing,
  Caption,  // a save: the name and the mark of changes
  Sheet,    // another sheet: every box, the caption and the report
};

// A dive sheet's window, whichever toolkit draws it: the sheet as the user edits it, the file
// it came from, and its procedures. The toolkit passes in what the user typed and shows what
// comes back; the procedures ask and report through Asks.
class CSheetWindow {
 public:
  // An empty, untitled sheet; its events are those Sheets offers.
  CSheetWindow(SheetFunctions Sheets, Dialogs Asks);

  // "Dive sheet - NAME", NAME the file's name or "Untitled", with a * after it while the
  // sheet holds changes not saved.
  std::u16string Caption() const;

  // Whether the sheet differs from the file it was read from or saved to (from the empty
  // sheet, when it has no file).
  bool Changed() const;

  // The file the sheet was read from or saved to; empty for an untitled sheet.
  const std::u16string& Path() const { return FilePath; }

  // The sheet as the boxes show it.
  const SheetFields& Fields() const { return Sheet; }

  // The books' drop-down: every rule book, the default first, and last the sheet's own book
  // id when no book has it (so that nothing of the file is lost).
  const std::vector<BookChoice>& BookChoices() const { return Books; }

  // The books' entry of the sheet's book: the default's when the sheet names none.
  int BookRow() const;

  // The events' drop-down: every event of the sheet's book, and last the sheet's own event id
  // when none of them has it.
  const std::vector<EventChoice>& EventChoices() const { return Events; }

  // The drop-down's entry of the sheet's event, or -1 when it names none.
  int EventRow() const;

  // Whether the box of a team's divers is offered: for a team's event, or while it holds names
  // (which may then be read and taken out).
  bool DiversOffered() const;

  // The sheet file as the window would save it, with line feeds.
  std::u16string Text() const;

  // The report of the sheet as it stands, exactly as merrith-cli sheet prints it for Text().
  std::u16string Report() const;

  // The user picked the events' entry Row (-1: none), or typed in the diver's, the divers' or
  // the dives' box.
  void cboEvent_Click(int Row);
  void txDiver_Change(std::u16string_view Typed);
  void txDivers_Change(std::u16string_view Typed);
  void txDives_Change(std::u16string_view Typed);

  // The user picked the books' entry Row: the sheet names that book (the default, none) and
  // the events are that book's; the sheet's event stays.
  void cboBook_Click(int Row);

  // Reads the sheet file at FileName into the window: UTF-8 where it is, else as
  // DecodeDocument falls back, which a message names; says so and leaves the sheet as it was
  // when the file cannot be read.
  bool Load(std::u16string_view FileName);

  // "Open...": another sheet file into this window, after the question about unsaved changes.
  void cmdOpen_Click();

  // "Save" (under the sheet's file, or as "Save as..." for an untitled sheet) and "Save
  // as...": true when the sheet was saved. A failed save says so and leaves the file whole.
  bool cmdSave_Click();
  bool cmdSaveAs_Click();

  // "Print...": writes the sheet's page beside its file (an untitled one's in the temporary
  // folder) and opens it in the browser, to print from there.
  void cmdPrint_Click();

  // "Copy report": the report, as the box shows it, to the clipboard.
  void cmdCopy_Click();

  // The window is about to close: true when it may, after asking about unsaved changes.
  bool Form_QueryUnload();

  // Runs the command of a button or a shortcut of the sheet, "Open..." to "Copy report".
  SheetRedraw Run(WindowCommand Command);

 private:
  std::u16string Name() const;
  bool SaveTo(std::u16string_view FileName);
  void ListBooks();
  void ListEvents();

  SheetFunctions Sheets;
  Dialogs Asks;
  SheetFields Sheet;
  std::u16string FilePath;
  std::u16string SavedText;  // Text() when the sheet was last read or saved
  std::vector<BookChoice> Books;
  std::vector<EventChoice> Events;
};

// Asks each sheet in turn whether it may close, as closing the main window does; false as
// soon as one answer is Cancel (or a save fails), and then no further sheet is asked.
bool QueryUnloadAll(std::span<CSheetWindow* const> Sheets);

}  // namespace merrith
