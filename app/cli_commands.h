#pragma once

#include <cstdint>
#include <cstdio>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli_options.h"
#include "difficulty/dive_code.h"
#include "support/file_outcome.h"

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

// Writes a file that could not be read or written, and why, as one line on the error stream
// ("merrith-cli: cannot read list.txt: No such file or directory"); returns ExitWriteFailed.
int FileFailed(const Streams& Io, const FileOutcome& Outcome);

// Writes Text to the output stream and flushes it; ExitWriteFailed when that fails.
int WriteResults(const Streams& Io, std::string_view Text);

// The shortest text that reads back as exactly Value (3.0999999999999996, 2).
std::string ShortestText(double Value);

// The heights that --height takes, as the window's buttons name them: "1m 3m ... 27m".
std::string HeightChoices();

// The option --height of the commands that evaluate codes at one height.
extern const Option HeightOption;

// The option -- of the commands that evaluate codes.
extern const Option CodesEndOption;

// The HeightIndex that --height chose (HeightIndexFirst when it was not given).
std::int32_t ChosenHeight(const CommandLine& Line);

// The commands, each with its options and its help; each is explained where it is defined.
extern const Command ChartCommand;
extern const Command DdCommand;
extern const Command ExplainCommand;
extern const Command ListCommand;
extern const Command TableCommand;
extern const Command SheetCommand;
extern const Command EventsCommand;
extern const Command ScoreCommand;
extern const Command ResultsCommand;
extern const Command DrawCommand;
extern const Command StartListCommand;
extern const Command AdvanceCommand;
extern const Command JudgesCommand;
extern const Command ServeCommand;

// The option --seed N of the commands that draw, and the seed it gives: its value, else one
// from the system's random source; nothing where the system gives none.
extern const Option SeedOption;
std::optional<std::uint64_t> ChosenSeed(const CommandLine& Line);

}  // namespace merrith::cli
