#include "cli_options.h"

#include <algorithm>

#include "cli_commands.h"

namespace merrith::cli {
namespace {

// The option of Cmd named Name, or nullptr.
const Option* FindOption(const Command& Cmd, std::string_view Name) {
  for (const Option* O : Cmd.Options)
    if (O->Name == Name) return O;
  return nullptr;
}

// What an option's value must be, as its usage error and its help say it.
std::string TakesWords(const Option& O) { return O.Takes != nullptr ? O.Takes() : "a value"; }

// An option the command does not know; to a command without operands every stray word is one.
bool Unknown(const Command& Cmd, const Streams& Io) {
  const std::string What = Cmd.MaxOperands == 0 ? "argument" : "option";
  UsageError(Io, "unknown " + What + " for " + std::string(Cmd.Name) + " (see merrith-cli --help)");
  return false;
}

// The command of Shown before Cmd whose help explains Opt, or nullptr.
const Command* ExplainedBefore(const Option& Opt, const Command& Cmd,
                               std::span<const Command* const> Shown) {
  for (const Command* Earlier : Shown) {
    if (Earlier == &Cmd) break;
    if (std::find(Earlier->Options.begin(), Earlier->Options.end(), &Opt) != Earlier->Options.end())
      return Earlier;
  }
  return nullptr;
}

}  // namespace

bool CommandLine::Has(const Option& Opt) const {
  return std::any_of(Options.begin(), Options.end(), [&](const Given& G) { return G.Is == &Opt; });
}

std::vector<std::string_view> CommandLine::Values(const Option& Opt) const {
  std::vector<std::string_view> Found;
  for (const CommandLine::Given& G : Options)
    if (G.Is == &Opt) Found.push_back(G.Value);
  if (!Opt.Repeats && Found.size() > 1) Found.erase(Found.begin(), Found.end() - 1);
  return Found;
}

std::string_view CommandLine::Last(const Option& Opt, std::string_view Default) const {
  // From the end, so that the last value given wins.
  for (auto G = Options.rbegin(); G != Options.rend(); ++G)  // NOLINT(modernize-loop-convert)
    if (G->Is == &Opt) return G->Value;
  return Default;
}

bool ReadCommandLine(const Command& Cmd, std::span<const std::string_view> Args, CommandLine& Line,
                     const Streams& Io) {
  Line.Operands.reserve(Args.size());
  bool OptionsEnded = false;
  for (std::size_t I = 0; I < Args.size(); ++I) {
    const std::string_view Arg = Args[I];
    if (OptionsEnded || !Arg.starts_with('-') || Arg == "-") {
      if (Cmd.MaxOperands == 0) return Unknown(Cmd, Io);
      Line.Operands.push_back(Arg);
      continue;
    }
    const Option* Opt = FindOption(Cmd, Arg);
    if (Opt == nullptr) return Unknown(Cmd, Io);
    if (Opt->Name == "--") {
      OptionsEnded = true;
      continue;
    }
    std::string_view Value;
    if (!Opt->Value.empty()) {
      // The next argument is the value whatever it looks like, as a file may be named "-x".
      if (I + 1 == Args.size() || (Opt->Valid != nullptr && !Opt->Valid(Args[I + 1]))) {
        UsageError(Io, std::string(Opt->Name) + " takes " + TakesWords(*Opt));
        return false;
      }
      Value = Args[++I];
    }
    Line.Options.push_back({Opt, Value});
  }
  if (Line.Operands.size() >= Cmd.MinOperands && Line.Operands.size() <= Cmd.MaxOperands)
    return true;
  UsageError(Io, !Cmd.Miscounted.empty() ? std::string(Cmd.Miscounted)
                                         : "usage: merrith-cli " + std::string(Cmd.Name) + " " +
                                               std::string(Cmd.Synopsis));
  return false;
}

std::string CommandHelp(const Command& Cmd, std::span<const Command* const> Shown) {
  // Each option's help starts in one column, two spaces past its widest name and value.
  const auto Left = [](const Option& O) {
    return std::string(O.Name) + (O.Value.empty() ? "" : " " + std::string(O.Value));
  };
  std::size_t Column = 12;
  for (const Option* O : Cmd.Options) Column = std::max(Column, Left(*O).size() + 2);
  const std::string Indent(4 + Column, ' ');
  std::string Help = "  " + std::string(Cmd.Name) + " " + std::string(Cmd.Synopsis) + "\n";
  Help += Cmd.Summary;
  for (const Option* O : Cmd.Options) {
    const std::string Name = Left(*O);
    Help += "    " + Name + std::string(Column - Name.size(), ' ');
    if (const Command* Earlier = ExplainedBefore(*O, Cmd, Shown)) {
      Help += "as for " + std::string(Earlier->Name) + "\n";
      continue;
    }
    const std::string Text = O->Help.empty() ? TakesWords(*O) : std::string(O->Help);
    for (const char C : Text) Help += C == '\n' ? "\n" + Indent : std::string(1, C);
    Help += '\n';
  }
  return Help;
}

}  // namespace merrith::cli
