#pragma once

#include <cstdint>
#include <cstdio>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "difficulty/dive_code.h"

namespace merrith::cli {

// Where a command writes: its results, and its one-line usage errors.
struct Streams {
  std::FILE* Out;
  std::FILE* Err;
};

// The exit codes of merrith-cli.
inline constexpr int ExitOk = 0;
inline constexpr int ExitWriteFailed = 1;  // the results could not be written
inline constexpr int ExitUsage = 2;        // the command line is not understood
inline constexpr int ExitSheetBreaks = 3;  // a checked sheet breaks a rule of its event

// Writes a usage error as one line on the error stream and returns ExitUsage.
int UsageError(const Streams& Io, std::string_view Message);

// Writes Text to the output stream and flushes it; ExitWriteFailed when that fails.
int WriteResults(const Streams& Io, std::string_view Text);

// The command line of a command that evaluates dive codes at one height:
// [--height H] [SWITCH]... [--] CODE..., options and codes in any order.
struct CodeCommandLine {
  std::int32_t HeightIndex = HeightIndexFirst;  // the last --height given
  std::vector<std::string_view> Switches;       // the command's own switches given
  std::vector<std::string_view> Codes;

  // Whether Switch was given.
  bool Has(std::string_view Switch) const;
};

// Reads the arguments of the command Name, whose own switches are Known (such as "--exact").
// Nothing after a usage error, which is written to the error stream; the exit code is then
// ExitUsage.
std::optional<CodeCommandLine> ReadCodeCommandLine(std::string_view Name,
                                                   std::span<const std::string_view> Args,
                                                   std::span<const std::string_view> Known,
                                                   const Streams& Io);

// The shortest text that reads back as exactly Value (3.0999999999999996, 2).
std::string ShortestText(double Value);

// The heights that --height takes, as the window's buttons name them: "1m 3m ... 27m".
std::string HeightChoices();

// chart [--heights H[,H]...] [--names|--no-names] [LIST]: the DD chart of the dives of LIST,
// or of every dive, as one HTML page on the output stream; the lines of LIST that name no
// dive on the error stream; ExitWriteFailed when LIST cannot be read.
int RunChart(std::span<const std::string_view> Args, const Streams& Io);

// The help text of the chart command, for merrith-cli --help.
extern const std::string_view ChartHelp;

// dd [--height H] [--exact] CODE...: the DD of each code at one height, one line per code.
// Args are the arguments after the command's name.
int RunDd(std::span<const std::string_view> Args, const Streams& Io);

// The help text of the dd command, for merrith-cli --help.
std::string DdHelp();

// explain [--height H] [--json] CODE...: each dive in words and how its DD adds up, or why it
// has none; with --json one JSON object per line.
int RunExplain(std::span<const std::string_view> Args, const Streams& Io);

// The help text of the explain command, for merrith-cli --help.
extern const std::string_view ExplainHelp;

// list [--names] [--all]: every dive of the rule book that has a DD somewhere (with --all every
// number that has one), one per line, with its name in words after a tab with --names.
int RunList(std::span<const std::string_view> Args, const Streams& Io);

// The help text of the list command, for merrith-cli --help.
extern const std::string_view ListHelp;

// table [--blocks D|HD|D+HD] FILE: writes FILE.htm, the table of DDs of the dive numbers
// listed in FILE, and names it on the output stream; "File Error!!!" on the error stream and
// ExitWriteFailed when FILE cannot be read or FILE.htm not written.
int RunTable(std::span<const std::string_view> Args, const Streams& Io);

// The help text of the table command, for merrith-cli --help.
extern const std::string_view TableHelp;

// sheet [--json] [--html FILE] [--rules FILE]... SHEET: the sheet checked against its event's
// rules, as a report or JSON; ExitSheetBreaks when it breaks one, ExitWriteFailed when the
// sheet, a --rules file or the page cannot be read or written.
int RunSheet(std::span<const std::string_view> Args, const Streams& Io);

// The help text of the sheet command, for merrith-cli --help.
extern const std::string_view SheetHelp;

// results [--json|--csv] [--html FILE] [--rules FILE]... COMPETITION: the standings of a
// competition file or its spreadsheet form; ExitWriteFailed when it cannot be read, has an
// error (each named on the error stream with its line), or the page cannot be written.
int RunResults(std::span<const std::string_view> Args, const Streams& Io);

// The help text of the results command, for merrith-cli --help.
extern const std::string_view ResultsHelp;

// events [--json] [--rules FILE]...: every event a sheet may name, one per line.
int RunEvents(std::span<const std::string_view> Args, const Streams& Io);

// The help text of the events command, for merrith-cli --help.
extern const std::string_view EventsHelp;

}  // namespace merrith::cli
