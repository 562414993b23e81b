#pragma once

#include <string>
#include <string_view>

#include "scoring/competition.h"
#include "scoring/event_engine.h"

namespace merrith {

// The panels there are, in words: "3, 5 or 7 judges, 9 or 11 synchronised".
std::u16string PanelRuleText();

// A fault of a competition in words, without its place.
std::u16string CompetitionFaultText(CompetitionFault Why, const FaultValues& Values);

// Where a fault stands: "file:7", "line 7" (the competition's own), "file"; empty for none.
std::u16string FaultPlace(std::u16string_view File, std::size_t Line);

// The error as "file:line: text", a list's problem first where it is one.
std::u16string CompetitionErrorText(const CompetitionError& E);

// What the reader tells of a file, naming it (Path for the competition's own).
std::u16string ReadNoteText(const ReadNote& N, std::u16string_view Path);

// Why recording stopped: how the file at Path changed on disk, and that it must be read again.
std::u16string FileClashText(const FileClash& Clash, std::u16string_view Path);

// Why Output is not written: it is Input, a file the competition is read from.
std::u16string OutputOverInputText(std::u16string_view Output, std::u16string_view Input);

}  // namespace merrith
