#pragma once

#include <cstdio>
#include <span>
#include <string>
#include <string_view>

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

// Writes a usage error as one line on the error stream and returns ExitUsage.
int UsageError(const Streams& Io, std::string_view Message);

// Writes Text to the output stream and flushes it; ExitWriteFailed when that fails.
int WriteResults(const Streams& Io, std::string_view Text);

// dd [--height H] [--exact] CODE...: the DD of each code at one height, one line per code.
// Args are the arguments after the command's name.
int RunDd(std::span<const std::string_view> Args, const Streams& Io);

// The help text of the dd command, for merrith-cli --help.
std::string DdHelp();

// table [--blocks D|HD|D+HD] FILE: writes FILE.htm, the table of DDs of the dive numbers
// listed in FILE, and names it on the output stream; "File Error!!!" on the error stream and
// ExitWriteFailed when FILE cannot be read or FILE.htm not written.
int RunTable(std::span<const std::string_view> Args, const Streams& Io);

// The help text of the table command, for merrith-cli --help.
extern const std::string_view TableHelp;

}  // namespace merrith::cli
