#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "scoring/competition.h"
#include "scoring/competition_csv.h"
#include "scoring/dive_check.h"
#include "scoring/standings.h"
#include "support/file_bytes.h"
#include "support/file_lock.h"
#include "support/file_outcome.h"
#include "support/table_text.h"
#include "support/text_decoding.h"

namespace merrith {

// The awards of a dive as they came in (from the recorder's boxes, a judge's pad), for the
// dive up next or for one recorded before, to be corrected.
struct KeyedDive {
  DiveTurn Turn;
  std::vector<std::optional<HalfPoints>> Awards;  // in seating order; nothing for a missing one
  Decision Decided;
};

// How the file on disk came to differ from what was last read or written, so that recording
// stops rather than lose what another program wrote.
enum class ClashKind : std::uint8_t {
  None,
  Gone,          // the file cannot be read any more
  LinesChanged,  // lines were changed or taken out, not only added
  DoesNotRead,   // lines were added, and the file no longer reads as a competition
  Recorded,      // the dive being recorded is in the file already
};

// A clash with what another program wrote: its kind, and what shows it.
struct FileClash {
  ClashKind Kind = ClashKind::None;
  std::u16string Reason{};                 // Gone: why the file cannot be read
  std::vector<std::u16string> Lines{};     // LinesChanged: the lines last read that are gone
  std::size_t Line = 0;                    // Recorded: the line that records the dive
  std::vector<CompetitionError> Errors{};  // DoesNotRead
};

// What became of a request: done, or why not.
enum class EngineStep : std::uint8_t {
  Done,
  ReadOnly,     // another holds the file: Holder says who
  Refused,      // what came in cannot be recorded: Fault says why; nothing changed
  Clash,        // the file changed on disk so that recording stops until it is read again
  WriteFailed,  // the file could not be written: Written says why; nothing changed
};

struct EngineAnswer {
  EngineStep Step = EngineStep::Done;
  std::optional<FoundFault> Fault;
  FileClash Clash;
  FileOutcome Written;
  std::size_t TakenIn = 0;  // lines another program added to the file, now read in

  bool Done() const { return Step == EngineStep::Done; }
};

// What opening a competition file found: the errors that keep it from being opened, what the
// reader noted, and who holds it where it is opened to read only.
struct OpenAnswer {
  bool Opened = false;
  std::vector<CompetitionError> Errors;
  std::vector<ReadNote> Notes;
  std::u16string Holder;  // empty where this engine holds the file
};

// The event in progress: one competition file, held by one writer. It says which dive is up
// next, checks the awards that come in for it whichever way they came, records each dive in
// the file at once and corrects a recorded one, and marks a diver's status. Before each save
// it reads the file again: lines another program added (a dive keyed in an editor, a comment)
// are taken in where they do not clash; otherwise recording stops, nothing is overwritten,
// until the file is read again. A save changes only the lines its dive or status changes. The
// file is locked for as long as the engine holds it; another engine on the same file opens it
// to read, naming the holder. Owned by one thread; it reaches no network and no toolkit.
class CEventEngine {
 public:
  // Writes a file's bytes whole or not at all (a test may put a failing one in its place).
  using FileWriter =
      std::function<FileOutcome(std::u16string_view Path, const std::vector<std::uint8_t>& Bytes)>;

  explicit CEventEngine(const EventBook& Book, FileWriter Write = WriteFileBytes);

  // Reads the competition file (or its spreadsheet form) at Path and takes its lock, or opens
  // it to read where another holds it.
  OpenAnswer Open(std::u16string_view Path);
  // Lets the file go: its lock is released.
  void Close();

  const Competition& Held() const { return C; }
  const std::u16string& Path() const { return FilePath; }
  // Whether this engine may write the file: it holds its lock and no clash stopped it.
  bool Writable() const { return Lock.Held() && !Stopped; }
  // Who holds the file where this engine opened it to read; empty where this one holds it.
  const std::u16string& Holder() const { return HeldBy; }
  // Whether a clash has stopped recording until the file is read again.
  bool StoppedByClash() const { return Stopped; }

  // The dive up next: each diver's dive of a round in starting order, a diver who stopped
  // passed over; nothing when every dive is recorded.
  std::optional<DiveTurn> UpNext() const { return NextTurn(C); }
  // The dive recorded for Turn; nullptr where none is.
  const RecordedDive* RecordedFor(DiveTurn Turn) const;
  // Checks the awards of Keyed without recording them: nothing when they can be recorded.
  std::optional<FoundFault> Check(const KeyedDive& Keyed) const;

  // Records Keyed: the dive up next, or a recorded one corrected. Saved to the file at once.
  EngineAnswer Record(const KeyedDive& Keyed);
  // Marks the diver Diver (in the starting order, from 0): out of competition, withdrawn or
  // disqualified from Round (the first round not dived), not started, or back to diving on (Ok).
  // Saved to the file at once.
  EngineAnswer SetStatus(std::size_t Diver, DiverStatus Status, std::size_t Round,
                         std::u16string_view Reason);
  // Draws the starting order with Seed (2.1.1): the divers in the order DrawOrder gives, the
  // seed on the Draw: line, every other line as it was. Refused where a dive is recorded, or
  // where the file is a spreadsheet form, whose order is its rows'. Saved to the file at once.
  EngineAnswer Draw(std::uint64_t Seed);
  // Reads the file again, as another program left it, and tries its lock again where another
  // held it.
  EngineAnswer Reload();

 private:
  // An edit of the file's text: it gets the text as it stands on disk and the competition it
  // reads as, and gives the new text, or a fault or a clash that keeps it from being made.
  struct Edited {
    std::optional<std::u16string> Text;
    std::optional<FoundFault> Fault;
    FileClash Clash;
  };
  template <class Edit>
  EngineAnswer Save(Edit Make);
  // The file's text and competition as they stand on disk, where they differ from those held:
  // taken in where only lines were added; TakenIn counts them.
  std::optional<FileClash> TakeInChanges(std::size_t& TakenIn);
  bool ReadText(std::u16string_view Text, std::vector<CompetitionError>* Errors);
  // Whether a line written now is the first after the lists: a blank line sets it apart.
  bool FirstAfterLists() const;

  const EventBook& Book;
  FileWriter Write;
  std::u16string FilePath;
  bool Csv = false;
  bool Marked = false;  // the file starts with a byte-order mark, kept
  std::u16string Text;  // as last read or written
  Competition C;        // as Text reads
  CsvLayout Layout;     // where Text is a spreadsheet
  CFileLock Lock;
  std::u16string HeldBy;
  bool Stopped = false;
  FileClash LastClash;  // what stopped recording, told again until the file is read again
};

}  // namespace merrith
