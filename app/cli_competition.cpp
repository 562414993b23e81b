#include "cli_competition.h"

#include <cstdio>

#include "report/competition_faults.h"
#include "support/utf8.h"

namespace merrith::cli {
namespace {

// The most errors of a competition that are named one by one.
constexpr std::size_t ErrorsNamed = 10;

}  // namespace

void ReportErrors(const std::vector<CompetitionError>& Errors, std::u16string_view File,
                  const Streams& Io) {
  for (std::size_t I = 0; I < Errors.size() && I < ErrorsNamed; ++I) {
    CompetitionError E = Errors[I];
    if (E.File.empty()) E.File = File;
    std::fprintf(Io.Err, "merrith-cli: %s\n", ToUtf8(CompetitionErrorText(E)).c_str());
  }
  if (Errors.size() > ErrorsNamed)
    std::fprintf(Io.Err, "merrith-cli: and %zu more errors\n", Errors.size() - ErrorsNamed);
}

void ReportNotes(const std::vector<ReadNote>& Notes, std::u16string_view File, const Streams& Io) {
  for (const ReadNote& N : Notes)
    std::fprintf(Io.Err, "merrith-cli: note: %s\n", ToUtf8(ReadNoteText(N, File)).c_str());
}

std::optional<Competition> ReadCommandCompetition(std::u16string_view Path, const EventBook& Book,
                                                  const Streams& Io) {
  CompetitionRead Read = ReadCompetitionFile(Path, Book);
  ReportNotes(Read.Notes, Path, Io);
  if (!Read.Ok()) {
    ReportErrors(Read.Errors, Path, Io);
    return std::nullopt;
  }
  return std::move(Read.Read);
}

int WriteCompetitionPage(const Streams& Io, std::u16string_view Path, const Competition& C,
                         std::u16string_view PagePath,
                         const std::function<FileOutcome(std::u16string_view)>& Write) {
  if (const std::u16string Input = InputAt(Path, C, PagePath); !Input.empty())
    return Refuse(Io, OutputOverInputText(PagePath, Input));
  if (const FileOutcome Page = Write(PagePath); !Page.Done()) return FileFailed(Io, Page);
  return ExitOk;
}

int Refuse(const Streams& Io, std::u16string_view Message) {
  std::fprintf(Io.Err, "merrith-cli: %s\n", ToUtf8(Message).c_str());
  return ExitWriteFailed;
}

}  // namespace merrith::cli
