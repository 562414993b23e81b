#pragma once

#include <string>
#include <string_view>

namespace merrith {

// A dive sheet file as its window edits it: the event, the diver, the book and a team's divers
// apart, everything else as the file holds it (a Height: line, comments, blank lines and the
// dives), one line a line.
struct SheetFields {
  std::u16string EventId;
  std::u16string Diver;   // one diver, or a synchronised pair: "Ann Example / Bea Example"
  std::u16string Dives;   // lines separated by line feeds
  std::u16string BookId;  // empty for the default book
  std::u16string Divers;  // a team's, as written: "Ann Example (W), Ben Example (M)"
};

// The fields of a sheet file's text (LF or CR LF), as the sheet's report reads its headings:
// the Book:, Event:, Diver: and Divers: line with a value, values trimmed; every other line
// stays in Dives, in its place.
SheetFields ReadSheetFields(std::u16string_view Text);

// The sheet file of Fields: "Book: id", "Event: id", "Diver: name" and "Divers: names" where
// they are given, then the dives as typed; each line ended by LineEnd, the last one too.
std::u16string SheetFileText(const SheetFields& Fields, std::u16string_view LineEnd);

// The line end of sheet files written here: CR LF on Windows, for Notepad, LF elsewhere.
#ifdef _WIN32
inline constexpr std::u16string_view SheetLineEnd = u"\r\n";
#else
inline constexpr std::u16string_view SheetLineEnd = u"\n";
#endif

}  // namespace merrith
