#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace merrith::cli {

struct Streams;
struct CommandLine;

// One option of a command: a row of its table, which also makes its line of --help.
struct Option {
  std::string_view Name;   // as typed: "--height"; "--" ends the options
  std::string_view Value;  // the value's name in --help ("H", "FILE"); empty for a switch
  bool Repeats;            // every value given counts, in order; otherwise the last one
  std::string_view Help;   // its help, lines joined by '\n'; empty: what its value takes
  // What its value must be, for its usage error and an empty Help ("one of 1m 3m ...").
  std::string (*Takes)() = nullptr;
  // Whether Value is one it takes; nullptr when any is.
  bool (*Valid)(std::string_view Value) = nullptr;
};

// A command of merrith-cli: its options, the operands it takes, its help and what runs it.
// A new command is a table of options, one of these and its line in cli_main.cpp.
struct Command {
  std::string_view Name;
  std::string_view Synopsis;  // after the name: "[--height H] [--exact] CODE..."
  std::string_view Summary;   // the help lines under the synopsis, indented
  std::span<const Option* const> Options;
  std::size_t MinOperands;
  std::size_t MaxOperands;
  // The usage error for too few or too many operands; empty: "usage: merrith-cli " and the
  // synopsis.
  std::string_view Miscounted;
  int (*Run)(const CommandLine& Line, const Streams& Io);
};

// What a command line gave: each option in the order given with its value, and the operands.
struct CommandLine {
  struct Given {
    const Option* Is;
    std::string_view Value;  // empty for a switch
  };
  std::vector<Given> Options;
  std::vector<std::string_view> Operands;

  // Whether Opt was given.
  bool Has(const Option& Opt) const;
  // The values given to Opt in order; only the last for one that does not repeat.
  std::vector<std::string_view> Values(const Option& Opt) const;
  // The value given last to Opt, or Default when it was not given.
  std::string_view Last(const Option& Opt, std::string_view Default = {}) const;
};

// Reads the arguments after the command's name: options and operands in any order, "-" an
// operand, every argument after "--" (where the command takes it) an operand. Writes a usage
// error and returns false when the line is not understood.
bool ReadCommandLine(const Command& Cmd, std::span<const std::string_view> Args, CommandLine& Line,
                     const Streams& Io);

// The help of Cmd for merrith-cli --help. An option that an earlier command of Shown has
// already explained is "as for" that command.
std::string CommandHelp(const Command& Cmd, std::span<const Command* const> Shown);

// A value an option takes, by the name given on the command line.
template <class Value>
struct Choice {
  std::string_view Name;
  Value Is;
};

// The choices of an option as its usage error names them: "one of D HD D+HD".
template <auto& Choices>
std::string ChoiceWords() {
  std::string Words = "one of";
  for (const auto& C : Choices) Words.append(" ").append(C.Name);
  return Words;
}

// Whether Name is one of Choices.
template <auto& Choices>
bool IsChoice(std::string_view Name) {
  for (const auto& C : Choices)
    if (C.Name == Name) return true;
  return false;
}

// The choice named Name, which IsChoice has found among Choices.
template <auto& Choices>
auto ChosenValue(std::string_view Name) {
  for (const auto& C : Choices)
    if (C.Name == Name) return C.Is;
  return Choices[0].Is;
}

}  // namespace merrith::cli
