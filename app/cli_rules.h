#pragma once

#include "cli_commands.h"
#include "sheets/event_book.h"

namespace merrith::cli {

// The option --rules FILE of the commands that read event rules, which may be repeated.
extern const Option RulesOption;

// The option --book ID of the commands that check against one rule book.
extern const Option BookOption;

// The book --book names, else the default one.
std::u16string BookAsked(const CommandLine& Line);

// The events a command knows: the built-in ones, the user's folder's, and those of the
// --rules files, read once. Each fault of a rules file is written to the error stream as
// "merrith-cli: file:line:column: what is wrong".
struct CommandBook {
  EventBook Book;
  bool NamedFileFailed = false;  // a --rules file could not be read or has a fault
};

CommandBook LoadCommandBook(const CommandLine& Line, const Streams& Io);

}  // namespace merrith::cli
