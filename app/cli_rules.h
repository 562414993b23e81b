#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli_commands.h"
#include "sheets/event_book.h"

namespace merrith::cli {

// The command line of the commands that read event rules: [--json] [--html FILE]
// [--rules FILE]... [--] and the files the command takes, in any order.
struct RulesCommandLine {
  bool Json = false;
  std::optional<std::string_view> Html;  // --html FILE, where the command takes it
  std::vector<std::u16string> Rules;     // each --rules FILE, in order
  std::vector<std::string_view> Files;
};

// Reads the arguments of the command Name, which takes --html where Html is true and Files
// files. Nothing after a usage error, which is written to the error stream.
std::optional<RulesCommandLine> ReadRulesCommandLine(std::string_view Name,
                                                     std::span<const std::string_view> Args,
                                                     bool Html, std::size_t Files,
                                                     const Streams& Io);

// The events a command knows: the built-in ones, the user's folder's, and those of the
// --rules files, read once. Each fault of a rules file is written to the error stream as
// "merrith-cli: file:line:column: what is wrong".
struct CommandBook {
  EventBook Book;
  bool NamedFileFailed = false;  // a --rules file could not be read or has a fault
};

CommandBook LoadCommandBook(const RulesCommandLine& Line, const Streams& Io);

// The text of --help for the options --json and --rules, as sheet and events take them.
extern const std::string_view RulesOptionHelp;

}  // namespace merrith::cli
