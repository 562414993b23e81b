// merrith-cli: the degree of difficulty of dives for scripts and meet software, without a window.

#include <string>
#include <string_view>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
// After windows.h, which it builds on.
#include <shellapi.h>
#endif

#include "cli_commands.h"
#include "support/utf8.h"

namespace merrith::cli {
namespace {

// The commands in the order --help explains them. A new command adds its line here.
constexpr const Command* Commands[] = {
    &ChartCommand,     &DdCommand,      &ExplainCommand, &ListCommand,    &TableCommand,
    &SheetCommand,     &EventsCommand,  &ScoreCommand,   &ResultsCommand, &DrawCommand,
    &StartListCommand, &AdvanceCommand, &JudgesCommand,  &ServeCommand,
};

std::string HelpText() {
  std::string Text =
      "Usage: merrith-cli COMMAND [OPTION]... [ARGUMENT]...\n"
      "The degree of difficulty (DD) of competitive dives, from the 2015-2021 tables.\n"
      "\n"
      "Commands:\n";
  for (const Command* C : Commands) Text += CommandHelp(*C, Commands);
  Text +=
      "\n"
      "  --help     shows this text\n"
      "  --version  shows the version of merrith-cli\n"
      "\n"
      "Exit status: 0 when every argument was evaluated (ERROR is a result), 1 when the\n"
      "results could not be written (for table and chart: also when the list could not be\n"
      "read; for sheet and events: also when a sheet, a --rules file or the page could not\n"
      "be read or written), 2 when the command line is not understood, 3 when a sheet\n"
      "breaks a rule of its event. For results, draw, start-list, advance and judges: 1\n"
      "also when the competition has an error (each named with its line), or when what\n"
      "was asked cannot be done (a draw once a dive is recorded, a ranking after a round\n"
      "not complete, a next phase without a complete round, an analysis without a dive).\n";
  return Text;
}

// The version of the program (as its packages are named) and its licence.
constexpr std::string_view VersionText =
    "merrith-cli (Merrith) " MERRITH_VERSION
    "\n"
    "Copyright the Merrith developers.\n"
    "Free software under the MIT licence, without any warranty.\n";

int Main(std::span<const std::string_view> Args, const Streams& Io) {
  if (Args.empty()) return UsageError(Io, "no command given (see merrith-cli --help)");
  if (Args[0] == "--help") return WriteResults(Io, HelpText());
  if (Args[0] == "--version") return WriteResults(Io, VersionText);
  for (const Command* C : Commands) {
    if (Args[0] != C->Name) continue;
    const auto Rest = Args.subspan(1);
    if (!Rest.empty() && Rest[0] == "--help") return WriteResults(Io, HelpText());
    CommandLine Line;
    if (!ReadCommandLine(*C, Rest, Line, Io)) return ExitUsage;
    return C->Run(Line, Io);
  }
  return UsageError(Io, "unknown command (see merrith-cli --help)");
}

}  // namespace

int UsageError(const Streams& Io, std::string_view Message) {
  std::fprintf(Io.Err, "merrith-cli: %.*s\n", static_cast<int>(Message.size()), Message.data());
  return ExitUsage;
}

int FileFailed(const Streams& Io, const FileOutcome& Outcome) {
  const std::string Message = ToUtf8(FileOutcomeText(Outcome));
  std::fprintf(Io.Err, "merrith-cli: %s\n", Message.c_str());
  return ExitWriteFailed;
}

int WriteResults(const Streams& Io, std::string_view Text) {
  // Text may view a temporary, such as the help text, which lives until this call returns.
  // cppcheck-suppress danglingTemporaryLifetime
  const bool Written = std::fwrite(Text.data(), 1, Text.size(), Io.Out) == Text.size();
  if (std::fflush(Io.Out) == 0 && Written) return ExitOk;
  std::fputs("merrith-cli: cannot write the results\n", Io.Err);
  return ExitWriteFailed;
}

}  // namespace merrith::cli

#ifdef _WIN32
namespace {

// The words after the program name in UTF-8, as on other systems: the narrow argv of Windows
// holds the ANSI code page, where a list named in other scripts loses its letters.
std::vector<std::string> WordsInUtf8() {
  int Count = 0;
  wchar_t** Words = CommandLineToArgvW(GetCommandLineW(), &Count);
  std::vector<std::string> Utf8;
  for (int I = 1; Words != nullptr && I < Count; ++I) {
    const std::vector<std::uint8_t> Bytes =
        merrith::EncodeUtf8(reinterpret_cast<const char16_t*>(Words[I]));
    Utf8.emplace_back(Bytes.begin(), Bytes.end());
  }
  LocalFree(Words);
  return Utf8;
}

}  // namespace
#endif

int main([[maybe_unused]] int argc, [[maybe_unused]] char** argv) {
#ifdef _WIN32
  // Lines end in a line feed on every system, so scripts read the same text everywhere. (A
  // list on standard input is read through its handle, which knows no text mode.)
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  const std::vector<std::string> Words = WordsInUtf8();
  const std::vector<std::string_view> Args(Words.begin(), Words.end());
#else
  // Read where they stand: a command line of 50,000 codes is not copied.
  const std::vector<std::string_view> Args(argv + (argc > 0 ? 1 : 0), argv + argc);
#endif
  return merrith::cli::Main(Args, {stdout, stderr});
}
